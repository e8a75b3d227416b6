#pragma once

#include <Qt>

class GraficoLinhas;
class QPainter;
class QPrinter;

// A chart on paper: the whole chart on one landscape page, filling what the
// printer can print, as vectors at the printer's own resolution.
namespace ImpressaoGrafico {

// The catalogue's text of a print the printer did not take.
constexpr int TextoFalha = 383;

// Prints the chart; the printer's orientation is put back afterwards.
// False when the printer could not start the page.
bool imprime(GraficoLinhas &grafico, QPrinter &impressora);
// Begins the painter on the printer. A printer that could not start is
// left idle: a PDF printer without a file stays active after its refusal,
// and an active printer drops every later change of its set-up.
bool comeca(QPainter &pintor, QPrinter &impressora);
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
// The alarm-limit lines on paper: a pattern neither channel of a graph
// takes (merged charts draw no limits).
constexpr Qt::PenStyle EstiloLimites = Qt::DashDotLine;

}  // namespace ImpressaoGrafico
