#pragma once

#include "Comando.h"

// quorvane-cli status: every port's logger, as the "Loggers" window shows it.
Comando ComandoStatus();
