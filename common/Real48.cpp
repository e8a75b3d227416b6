#include "Real48.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

constexpr int kBitsMantissa = 39;  // explicit bits after the hidden 1
constexpr int kVies = 129;
// (2 - 2^-39) x 2^126: exponent byte 255, every mantissa bit set.
constexpr double kMaximo = 0x1.fffffffffep+126;

// The 48-bit real nearest to +-significando x 2^(expoente - bits + 1), the
// significand having `bits` bits (41 to 64) with its top bit set: rounded to
// 40 bits (hidden bit included), ties to even, then put in range. Built
// from the bits of the double, as the conversion calls this for every value
// it makes.
double deSignificando(bool negativo, int expoente, uint64_t significando, int bits)
{
    const int sobra = bits - (kBitsMantissa + 1);
    const uint64_t resto = significando & ((uint64_t(1) << sobra) - 1);
    const uint64_t metade = uint64_t(1) << (sobra - 1);
    uint64_t s = significando >> sobra;
    if (resto > metade || (resto == metade && (s & 1)))
        ++s;
    if (s >> (kBitsMantissa + 1)) {  // rounded up to the next power of two
        s >>= 1;
        ++expoente;
    }
    const int byteExpoente = expoente + kVies;
    if (byteExpoente < 1)
        return 0.0;
    if (byteExpoente > 255)
        return negativo ? -kMaximo : kMaximo;
    const uint64_t mantissa = s & ((uint64_t(1) << kBitsMantissa) - 1);
    const uint64_t b
        = (uint64_t(negativo) << 63) | (uint64_t(expoente + 1023) << 52) | (mantissa << (52 - kBitsMantissa));
    double r = 0;
    std::memcpy(&r, &b, sizeof r);
    return r;
}

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
    return kMaximo;
}

double arredonda(double valor)
{
    uint64_t b = 0;
    std::memcpy(&b, &valor, sizeof b);
    const bool negativo = (b >> 63) != 0;
    const int expoente = int((b >> 52) & 0x7FF);
    const uint64_t fracao = b & ((uint64_t(1) << 52) - 1);
    if (expoente == 0x7FF)  // NaN becomes 0; an infinity the largest
        return fracao != 0 ? 0.0 : (negativo ? -kMaximo : kMaximo);
    if (expoente == 0)  // zero, or far below the smallest 48-bit real
        return 0.0;
    return deSignificando(negativo, expoente - 1023, fracao | (uint64_t(1) << 52), 53);
}

double arredondaEstendido(long double valor)
{
#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
    // The 80-bit extended format: 64-bit significand with its integer bit,
    // then sign and 15-bit exponent.
    uint64_t significando = 0;
    uint16_t sinalExpoente = 0;
    std::memcpy(&significando, &valor, sizeof significando);
    std::memcpy(&sinalExpoente, reinterpret_cast<const char *>(&valor) + 8, sizeof sinalExpoente);
    const int expoente = sinalExpoente & 0x7FFF;
    if (expoente != 0 && expoente != 0x7FFF && (significando >> 63) != 0)
        return deSignificando((sinalExpoente & 0x8000) != 0, expoente - 16383, significando, 64);
#elif LDBL_MANT_DIG == 53
    return arredonda(double(valor));
#endif
    // Zeros, infinities, values beyond the format's normal range, other
    // formats of the extended type.
    if (valor == 0 || !std::isfinite(valor))
        return arredonda(double(valor));
    int expoente2 = 0;
    const long double fracao = std::frexp(valor, &expoente2);  // 0.5 <= |fracao| < 1
    const long double inteiro = std::nearbyint(std::ldexp(fracao, kBitsMantissa + 1));
    // 40 significant bits fit a double exactly; arredonda() then only
    // applies the range limits.
    return arredonda(double(std::ldexp(inteiro, expoente2 - (kBitsMantissa + 1))));
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

// Every 48-bit real is a normal double: its bits are put in place (the
// exponent rebiased from 129 to 1023, the 39 mantissa bits at the top of
// the double's 52), which is exact and cheap enough for millions of values.
double deBytes(const std::array<uint8_t, 6> &b)
{
    if (b[0] == 0)
        return 0.0;
    uint64_t mantissa = 0;
    for (int i = 0; i < 5; ++i)
        mantissa |= uint64_t(b[1 + i]) << (8 * i);
    const uint64_t sinal = (mantissa >> kBitsMantissa) & 1;
    mantissa &= (uint64_t(1) << kBitsMantissa) - 1;
    const uint64_t expoente = uint64_t(b[0]) - kVies + 1023;
    const uint64_t bits = (sinal << 63) | (expoente << 52) | (mantissa << (52 - kBitsMantissa));
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

}  // namespace Real48
