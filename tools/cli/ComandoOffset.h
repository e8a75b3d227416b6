#pragma once

#include "Comando.h"

// quorvane-cli offset: the offset window's reading, and with --canal1 or
// --canal2 its write of the offsets.
Comando ComandoOffset();
