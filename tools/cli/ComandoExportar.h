#pragma once

#include "Comando.h"

// quorvane-cli exportar: writes the text or CSV export of a whole
// acquisition file.
Comando ComandoExportar();
