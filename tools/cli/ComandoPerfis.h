#pragma once

#include "Comando.h"

// quorvane-cli perfis: the alarm profiles, shipped and kept in the settings
// file, with their rules.
Comando ComandoPerfis();
