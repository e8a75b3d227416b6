#pragma once

#include "DataHora.h"

#include <QString>

#include <optional>

class Catalogo;
struct ConfigRegional;
class TAquisicao;

// The readouts under the mouse on a graph: which entry lies under the
// pointer, and the texts of the acquisition label, the date label and the
// channel boxes for that entry.
namespace LeituraCursor {

// The spacing of a graph's x values in seconds per entry: the integer part
// of the interval (taken by size), 120 in half-second mode; never below 1.
qint64 passo(const TAquisicao &aquisicao);

// A date-time cut to its whole second, as the time axis's label text
// ("dd/mm/yyyy hh:nn:ss") shows it. Nothing when it is not a date.
std::optional<TDateTime> segundosInteiros(TDateTime valor);

// Where the pointer lies on the time axis.
struct Ponteiro
{
    // At the plot area's right edge minus one pixel, or beyond it.
    bool naBordaDireita = false;
    TDateTime instante = 0;  // the time-axis value under the pointer
    TDateTime maximoEixo = 0;  // the time axis's present maximum
};

// The entry under the pointer for a series whose first x value is
// primeiroX: the whole seconds from that point to the pointer divided by
// the spacing, truncated towards zero (a pointer less than one step before
// the first point gives 0). At the right edge, the seconds from Inicio to
// the axis maximum. May lie outside the entries.
qint64 indice(const TAquisicao &aquisicao, double primeiroX, const Ponteiro &ponteiro);

// Which series gives the readout.
enum class Serie {
    Primeira,  // channel 1, or the single series of a one-channel document
    Segunda,  // the channel 2 series
};

// The texts a series sets for the entry k under the pointer. A box left
// empty keeps its caption.
struct Textos
{
    QString aquisicao;  // Lbl_Aquisicao
    QString data;  // Lbl_data
    std::optional<QString> caixa1;  // CheckBoxSerie1
    std::optional<QString> caixa2;  // CheckBoxSerie2
};

// y: the series' value at point k (unused when k lies outside the entries).
Textos textos(const TAquisicao &aquisicao, Serie serie, qint64 k, double y, const Ponteiro &ponteiro,
    const Catalogo &catalogo, const ConfigRegional &regional);

// A value by its channel's rule: a Pt100 with one decimal, otherwise by the
// channel's decimal places (0 the shortest general text, 1 to 3 fixed);
// nothing for any other number of decimal places.
std::optional<QString> valorCanal(const TAquisicao &aquisicao, int canal, double valor, QChar separador);

// A channel box's caption without a value: the channel's name and ": ".
QString legendaCaixa(const TAquisicao &aquisicao, int canal);

}  // namespace LeituraCursor
