#pragma once

#include "Comando.h"

// quorvane-cli grafico: draws a recording or a merged graph with the
// program's chart, without a display, into a PNG, SVG or PDF file.
Comando ComandoGrafico();
