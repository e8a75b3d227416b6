#pragma once

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

}  // namespace ArranjoGrafico
