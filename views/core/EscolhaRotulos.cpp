#include "EscolhaRotulos.h"

#include <algorithm>
#include <cmath>

namespace EscolhaRotulos {

namespace {

// The first index from `de` on whose pixel is at least `alvo`.
int primeiroAPartir(const Eixo &e, int de, double alvo)
{
    int lo = de;
    int hi = e.quantos;
    while (lo < hi) {
        const int meio = lo + (hi - lo) / 2;
        if (e.pixel(meio) < alvo)
            lo = meio + 1;
        else
            hi = meio;
    }
    return lo;
}

}  // namespace

QList<int> escolhe(const Eixo &e)
{
    QList<int> r;
    if (e.quantos <= 0 || !e.pixel || !e.largura)
        return r;
    // Pixels may grow or shrink with the index (a reversed axis); only the
    // growing case is laid out.
    int i = primeiroAPartir(e, 0, e.pixelMinimo - 0.5);
    while (i < e.quantos) {
        const double p = e.pixel(i);
        if (p > e.pixelMaximo + 0.5)
            break;
        r.append(i);
        const double w = e.largura(i);
        const double borda = p + w / 2 + e.espaco;
        // Labels of one series have about the same width: aim at the index
        // whose label would start at the border, then check the real width.
        int j = primeiroAPartir(e, i + 1, borda + w / 2);
        while (j > i + 1 && e.pixel(j - 1) - e.largura(j - 1) / 2 >= borda)
            --j;
        while (j < e.quantos && e.pixel(j) - e.largura(j) / 2 < borda)
            ++j;
        i = j;
    }
    return r;
}

int marcasValor(double comprimento, double altura, double espaco)
{
    const double passo = std::max(1.0, altura + espaco);
    return std::max(2, int(std::floor(comprimento / passo)));
}

}  // namespace EscolhaRotulos
