#pragma once

#include "Comando.h"

// quorvane-cli abrir: reads an acquisition file as the program opens it and
// prints its header and its number of entries as the program shows them
// after opening (or, with --como-gravado, as the file holds them).
Comando ComandoAbrir();
