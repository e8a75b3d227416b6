#pragma once

#include "Comando.h"

// quorvane-cli parar: ends the logger's acquisitions, as the program's
// "Parar" does.
Comando ComandoParar();
