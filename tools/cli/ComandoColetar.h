#pragma once

#include "Comando.h"

// quorvane-cli coletar: collects what the logger stored, as the program's
// "Coletar Dados" does, and saves it as the graph window would save it.
Comando ComandoColetar();
