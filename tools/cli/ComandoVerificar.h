#pragma once

#include "Comando.h"

// quorvane-cli verificar: the integrity of files as the records know them.
Comando ComandoVerificar();
