#pragma once

#include "Comando.h"

// quorvane-cli info: reads the logger's blocks and prints their fields.
Comando ComandoInfo();
