#include "Calculos.h"

#include "Real48.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace Calculos {

namespace {
double real(const unsigned char (&bytes)[6])
{
    std::array<uint8_t, 6> b;
    std::memcpy(b.data(), bytes, b.size());
    return Real48::deBytes(b);
}
}  // namespace

double valor(const TLeitura &e, int32_t canais)
{
    return canais == 2 ? real(e.Canal2) : real(e.Canal1);
}

double diferenca(const TLeitura &e)
{
    return real(e.Canal1) - real(e.Canal2);
}

long double media(const TLeitura *e, int32_t n, int32_t canais)
{
    long double soma = 0;
    for (int32_t i = 0; i < n; ++i)
        soma += valor(e[i], canais);
    return soma / n;
}

long double maximo(const TLeitura *e, int32_t n, int32_t canais)
{
    double m = valor(e[0], canais);
    for (int32_t i = 1; i < n; ++i)
        m = std::max(m, valor(e[i], canais));
    return m;
}

long double minimo(const TLeitura *e, int32_t n, int32_t canais)
{
    double m = valor(e[0], canais);
    for (int32_t i = 1; i < n; ++i)
        m = std::min(m, valor(e[i], canais));
    return m;
}

long double amplitude(const TLeitura *e, int32_t n, int32_t canais)
{
    double menor = valor(e[0], canais);
    double maior = menor;
    for (int32_t i = 1; i < n; ++i) {
        const double x = valor(e[i], canais);
        menor = std::min(menor, x);
        maior = std::max(maior, x);
    }
    return static_cast<long double>(maior) - menor;
}

long double desvioPadrao(const TLeitura *e, int32_t n, int32_t canais)
{
    if (n < 2)
        return 0;
    // Welford: the running mean and the sum of squared distances from it,
    // so values far from 0 with a small spread lose no digits (and doubles
    // suffice).
    double media = 0;
    double m2 = 0;
    for (int32_t i = 0; i < n; ++i) {
        const double x = valor(e[i], canais);
        const double d = x - media;
        media += d / (i + 1);
        m2 += d * (x - media);
    }
    return std::sqrt(static_cast<long double>(m2) / (n - 1));
}

long double integral(const TLeitura *e, int32_t n, int32_t canais, double segundos)
{
    long double soma = 0;
    double anterior = valor(e[0], canais);
    for (int32_t i = 1; i < n; ++i) {
        const double atual = valor(e[i], canais);
        soma += (static_cast<long double>(anterior) + atual) / 2;
        anterior = atual;
    }
    return soma * segundos;
}

long double taxaPorMinuto(const TLeitura *e, int32_t n, int32_t canais, double segundos)
{
    if (n < 2 || segundos <= 0)
        return 0;
    const long double variacao = static_cast<long double>(valor(e[n - 1], canais)) - valor(e[0], canais);
    return variacao / ((n - 1) * static_cast<long double>(segundos) / 60);
}

long double mediaDiferenca(const TLeitura *e, int32_t n)
{
    long double soma = 0;
    for (int32_t i = 0; i < n; ++i)
        soma += diferenca(e[i]);
    return soma / n;
}

}  // namespace Calculos
