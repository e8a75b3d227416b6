#include "Real48.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int kBitsMantissa = 39;  // explicit bits after the hidden 1
constexpr int kVies = 129;

// Splits a finite non-zero magnitude into exponent byte and 39-bit
// mantissa, rounded to nearest, ties to even. Returns false when the value
// is below the smallest normal 48-bit real.
bool decompoe(double magnitude, int &expoente, uint64_t &mantissa)
{
    int e2 = 0;
    const double f = std::frexp(magnitude, &e2);  // magnitude = f * 2^e2, 0.5 <= f < 1
    // Significand with 40 bits (hidden bit included), as an integer.
    const double escalado = std::ldexp(f, kBitsMantissa + 1);
    double inteiro = std::nearbyint(escalado);  // default rounding mode: ties to even
    if (inteiro >= std::ldexp(1.0, kBitsMantissa + 1)) {
        inteiro = std::ldexp(1.0, kBitsMantissa);
        ++e2;
    }
    // magnitude = 1.m * 2^(e2-1); exponent byte = (e2 - 1) + bias.
    expoente = e2 - 1 + kVies;
    if (expoente < 1)
        return false;
    mantissa = uint64_t(inteiro) & ((uint64_t(1) << kBitsMantissa) - 1);
    return true;
}

}  // namespace

namespace Real48 {

double maximo()
{
    // Exponent byte 255, every mantissa bit set.
    return std::ldexp(2.0 - std::ldexp(1.0, -kBitsMantissa), 255 - kVies);
}

double arredonda(double valor)
{
    if (std::isnan(valor) || valor == 0.0)
        return 0.0;
    const double magnitude = std::fabs(valor);
    if (magnitude >= maximo())
        return std::copysign(maximo(), valor);
    int expoente = 0;
    uint64_t mantissa = 0;
    if (!decompoe(magnitude, expoente, mantissa))
        return 0.0;
    if (expoente > 255)
        return std::copysign(maximo(), valor);
    const double significando = 1.0 + std::ldexp(double(mantissa), -kBitsMantissa);
    return std::copysign(std::ldexp(significando, expoente - kVies), valor);
}

double arredondaEstendido(long double valor)
{
    if (valor == 0 || !std::isfinite(valor))
        return arredonda(double(valor));
    int expoente = 0;
    const long double fracao = std::frexp(valor, &expoente);  // 0.5 <= |fracao| < 1
    const long double significando = std::nearbyint(std::ldexp(fracao, kBitsMantissa + 1));
    // 40 significant bits fit a double exactly; arredonda() then only
    // applies the range limits.
    return arredonda(double(std::ldexp(significando, expoente - (kBitsMantissa + 1))));
}

std::array<uint8_t, 6> paraBytes(double valor)
{
    std::array<uint8_t, 6> b {};
    const double v = arredonda(valor);
    if (v == 0.0)
        return b;
    int expoente = 0;
    uint64_t mantissa = 0;
    decompoe(std::fabs(v), expoente, mantissa);
    // Byte 0: exponent; bytes 1..5: mantissa, low bits first; bit 7 of
    // byte 5 is the sign.
    b[0] = uint8_t(expoente);
    for (int i = 0; i < 5; ++i)
        b[1 + i] = uint8_t(mantissa >> (8 * i));
    if (v < 0)
        b[5] |= 0x80;
    return b;
}

double deBytes(const std::array<uint8_t, 6> &b)
{
    if (b[0] == 0)
        return 0.0;
    uint64_t mantissa = 0;
    for (int i = 0; i < 5; ++i)
        mantissa |= uint64_t(b[1 + i]) << (8 * i);
    const bool negativo = (mantissa >> kBitsMantissa) & 1;
    mantissa &= (uint64_t(1) << kBitsMantissa) - 1;
    const double significando = 1.0 + std::ldexp(double(mantissa), -kBitsMantissa);
    const double v = std::ldexp(significando, int(b[0]) - kVies);
    return negativo ? -v : v;
}

}  // namespace Real48
