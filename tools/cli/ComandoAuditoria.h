#pragma once

#include "Comando.h"

// quorvane-cli auditoria: the audit trail of this installation, filtered,
// and the walk along its chain.
Comando ComandoAuditoria();
