#pragma once

#include <QList>

#include <functional>

// Which points of a series get their label shown on the time axis: from the
// first point inside the axis, each label starts at least `espaco` pixels
// after the end of the one before. The points' pixels grow with their index
// (x values in order), so the next candidate is found by bisection and a
// million points cost a few dozen look-ups per label.
namespace EscolhaRotulos {

struct Eixo
{
    int quantos = 0;  // points in the series
    std::function<double(int)> pixel;  // centre of point i's label
    std::function<double(int)> largura;  // width of point i's label
    double pixelMinimo = 0;  // the axis's ends
    double pixelMaximo = 0;
    double espaco = 15;
};

QList<int> escolhe(const Eixo &eixo);

// How many labels a value axis of the given length can hold with labels of
// the given height at least `espaco` pixels apart (2 at least).
int marcasValor(double comprimento, double altura, double espaco);

// The step between the labels of a value axis spanning `faixa` with at most
// about `marcas` labels, written with `decimais` decimal places: the
// smallest of 1, 2, 2.5 and 5 times a power of ten that is at least
// faixa / marcas and a whole number of the last written digit, so that
// every label is the exact value of its tick and no two labels are alike.
double passoValor(double faixa, int marcas, int decimais);

}  // namespace EscolhaRotulos
