#pragma once

#include "Comando.h"

// quorvane-cli portas: the serial devices present, the simulated Tarvek,
// and the device each of COM1 to COM4 opens.
Comando ComandoPortas();
