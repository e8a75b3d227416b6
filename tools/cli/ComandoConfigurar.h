#pragma once

#include "Comando.h"

// quorvane-cli configurar: reads the logger, applies the settings given with
// the configuration window's rules, shows what would be written and writes
// it with --enviar.
Comando ComandoConfigurar();
