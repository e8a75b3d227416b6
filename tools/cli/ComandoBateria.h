#pragma once

#include "Comando.h"

// quorvane-cli bateria: the battery window's reading, and with --data its
// write of the change date.
Comando ComandoBateria();
