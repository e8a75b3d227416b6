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

// The first index after i whose label starts at the border or beyond. The
// left ends of the labels grow with the index while the widths stay about
// the same, so this is a bisection too: a label wider or narrower than its
// neighbours (the first one carries the year) costs no walk over the
// thousands of points a pixel may hold.
int proximoAposBorda(const Eixo &e, int i, double borda)
{
    int lo = i + 1;
    int hi = e.quantos;
    while (lo < hi) {
        const int meio = lo + (hi - lo) / 2;
        if (e.pixel(meio) - e.largura(meio) / 2 < borda)
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
        i = proximoAposBorda(e, i, p + e.largura(i) / 2 + e.espaco);
    }
    return r;
}

int marcasValor(double comprimento, double altura, double espaco)
{
    const double passo = std::max(1.0, altura + espaco);
    return std::max(2, int(std::floor(comprimento / passo)));
}

double passoValor(double faixa, int marcas, int decimais)
{
    const double digito = std::pow(10.0, -decimais);
    if (!(faixa > 0) || !std::isfinite(faixa) || marcas < 1)
        return digito;
    const double exato = faixa / marcas;
    for (int expoente = int(std::floor(std::log10(exato))) - 1;; ++expoente) {
        const double potencia = std::pow(10.0, expoente);
        for (double mantissa : { 1.0, 2.0, 2.5, 5.0 }) {
            const double passo = mantissa * potencia;
            const double digitos = passo / digito;
            if (passo >= exato * (1 - 1e-9) && digitos >= 1 - 1e-9
                && std::fabs(digitos - std::round(digitos)) < 1e-6)
                return passo;
        }
    }
}

}  // namespace EscolhaRotulos
