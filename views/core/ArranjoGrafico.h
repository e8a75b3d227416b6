#pragma once

#include <QList>
#include <QRect>

// Where a new graph window and its two companion views open inside the
// frame's visible workspace: the graph on the left, the general parameters
// and the readings list stacked beside it on the right, each new graph a
// little lower and to the right of the one before (five places, then over
// again). A workspace too narrow for both puts the views over the graph's
// right side. Everything lies inside the workspace.
namespace ArranjoGrafico {

struct Arranjo
{
    QRect grafico;
    QRect informacoes;
    QRect leituras;
};

// area: the visible workspace; ordem: how many graphs opened before;
// passo: the cascade step in pixels (a title bar's height).
Arranjo calcula(const QRect &area, int ordem, int passo);

// A cascade of quantas windows: all of one size, each a step lower and to
// the right of the one before, so that each keeps its title bar and its
// left edge in sight under the ones after it; past two thirds of the
// area's height it starts again at the top.
QList<QRect> cascata(const QRect &area, int quantas, int passo);

// The graph's place beside a view opened over it: narrowed so that its
// right edge meets the view's left one, when that leaves it wide enough;
// otherwise as it is.
QRect aoLadoDe(const QRect &grafico, const QRect &vista);

}  // namespace ArranjoGrafico
