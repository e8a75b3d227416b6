#pragma once

#include "Comando.h"

// quorvane-cli abrir: reads an acquisition file as the program opens it and
// prints its header and its number of entries.
Comando ComandoAbrir();
