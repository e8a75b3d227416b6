#pragma once

#include "RelatorioConformidade.h"

#include <QString>

struct Ambiente;
class QPainter;
class QPrinter;
class QRectF;

// The compliance report on paper, as RelatorioConformidade lays it out: on
// the printer's portrait pages (Letter or A4), each with the framed title
// box and the date and time above and the page number below. The first
// page draws the verdict large in a band of its colour, and its chart: the
// judged channels' readings, the band the profile allows shaded and the
// excursions that break a rule marked over them.
namespace ImpressaoConformidade {

struct Dados
{
    const TAquisicao *aquisicao = nullptr;
    const Avaliacao *avaliacao = nullptr;
    QString arquivo;  // the recording's file; empty when it was not read from one
};

// One run of the report with a painter of its own; false when the printer
// did not start or a page could not be added.
bool imprime(QPrinter &impressora, const Ambiente &ambiente, const Dados &dados);
// One run on a painter begun on the printer, from the page it is on.
bool desenha(QPainter &pintor, QPrinter &impressora, const Ambiente &ambiente, const Dados &dados);

// The chart of the first page over `area` (device pixels), escala pixels
// per report unit.
void desenhaGrafico(
    QPainter &pintor, const QRectF &area, double escala, const Dados &dados, const Ambiente &ambiente);

}  // namespace ImpressaoConformidade
