#pragma once

#include "FaixaPerfil.h"

#include <QColor>
#include <QList>

#include <array>

class QCPAbstractItem;
class QCustomPlot;

// A verdict drawn on a chart, on screen or on paper: the band each
// channel's profile allows, tinted, its edges dotted in the channel's
// colour, and each excursion that breaks a rule as a translucent red span
// across the plot with a ring at its peak. Everything is an item of the
// chart on the chart's time axis and the channel's value axis (left or
// right), so it follows zooms and scale changes and takes no part in an
// automatic axis's range; it lies under the series.
namespace CamadaPerfil {

struct Canais
{
    std::array<QColor, 2> cores { QColor(Qt::red), QColor(Qt::blue) };
    std::array<bool, 2> mostrados { true, true };  // a hidden channel's band and spans are left out
};

// The items made, which apaga takes away again.
QList<QCPAbstractItem *> desenha(
    QCustomPlot &grafico, const FaixaPerfil::Geometria &geometria, const Canais &canais);
void apaga(QCustomPlot &grafico, QList<QCPAbstractItem *> &itens);

}  // namespace CamadaPerfil
