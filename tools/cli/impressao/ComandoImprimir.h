#pragma once

#include "Comando.h"

// quorvane-cli imprimir: a recording's or a merged graph's chart as a PDF,
// as "Imprimir" prints it, and for a recording its two reports after it.
Comando ComandoImprimir();
