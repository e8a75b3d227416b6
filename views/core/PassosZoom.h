#pragma once

#include "EscalaEixo.h"

#include <QList>

#include <functional>

// The fixed zoom steps of a graph: the time axis one second at each end,
// the value axes 50 of their units at each end. And the zoom of the mouse
// wheel around the pointer.
struct PassoZoom
{
    EixoGrafico eixo;
    bool minimo;  // the step moves the minimum (else the maximum)
    double delta;  // added to the limit
};

namespace PassosZoom {

// One second on the time axis, in days.
constexpr double UmSegundo = 1.0 / 86400.0;
constexpr double PassoValor = 50.0;

// The steps of a zoom in (aproxima) or out, in the order they are applied:
// time axis, left axis and, when asked, the right axis; minimum first.
QList<PassoZoom> passos(bool aproxima, bool comEixoDireito);

// Applies the steps in order to the scales that escala() hands out; stops at
// the first refusal. Returns how many were applied.
int aplica(const QList<PassoZoom> &passos, const std::function<EscalaEixo &(EixoGrafico)> &escala);

// The mouse wheel: each step towards the user narrows a range by this
// factor around the value under the pointer, each step away widens it by
// its inverse.
constexpr double FatorRoda = 0.8;

struct Faixa
{
    double minimo = 0;
    double maximo = 0;
};
// The range after `passos` wheel steps (positive narrows) around ancora,
// which keeps its place between the ends.
Faixa roda(double minimo, double maximo, double ancora, int passos);

}  // namespace PassosZoom
