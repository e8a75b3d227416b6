#pragma once

#include <Qt>

class GraficoLinhas;
class QPainter;
class QPrinter;

// A chart on paper: the whole chart on one landscape page, filling what the
// printer can print, as vectors at the printer's own resolution.
namespace ImpressaoGrafico {

// Prints the chart; the printer's orientation is put back afterwards.
// False when the printer could not start the page.
bool imprime(GraficoLinhas &grafico, QPrinter &impressora);
// Draws the chart over the printable area of the page the painter is on.
void desenha(GraficoLinhas &grafico, QPainter &pintor, const QPrinter &impressora);

// The line of a merged chart's channel series (1 to 8) on paper, so that
// the eight stay apart on a monochrome page. On screen every one is solid
// and of width 1.
struct EstiloLinha
{
    Qt::PenStyle estilo = Qt::SolidLine;
    int largura = 1;
};
EstiloLinha estiloImpresso(int serie);

}  // namespace ImpressaoGrafico
