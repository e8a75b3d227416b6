#pragma once

#include "Comando.h"

// quorvane-cli monitorar: the on-line monitor's polling, one line per
// reading, until interrupted or a number of seconds have passed.
Comando ComandoMonitorar();
