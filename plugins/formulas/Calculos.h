#pragma once

#include "InterfaceFormulas.h"

#include <cstdint>

// The arithmetic of the shipped formulas over the entries Calcula receives.
// Values are read from the 48-bit reals and accumulated in extended
// precision; every function takes n >= 1 entries.
namespace Calculos {

using Formulas::TLeitura;

// The value of the chosen channel of an entry: channel 2 when canais is 2,
// channel 1 otherwise.
double valor(const TLeitura &entrada, int32_t canais);
// Channel 1 minus channel 2.
double diferenca(const TLeitura &entrada);

long double media(const TLeitura *e, int32_t n, int32_t canais);
long double maximo(const TLeitura *e, int32_t n, int32_t canais);
long double minimo(const TLeitura *e, int32_t n, int32_t canais);
// Maximum minus minimum, in one pass.
long double amplitude(const TLeitura *e, int32_t n, int32_t canais);
// Sample standard deviation (n - 1), by Welford's one-pass method; 0 for
// a single entry.
long double desvioPadrao(const TLeitura *e, int32_t n, int32_t canais);
// The trapezoidal integral over time, segundos apart (value x seconds).
long double integral(const TLeitura *e, int32_t n, int32_t canais, double segundos);
// (last - first) per minute over (n - 1) steps of segundos; 0 for one entry.
long double taxaPorMinuto(const TLeitura *e, int32_t n, int32_t canais, double segundos);
long double mediaDiferenca(const TLeitura *e, int32_t n);

}  // namespace Calculos
