#pragma once

#include <array>
#include <cstdint>

// The 48-bit real: an exponent byte biased by 129 (0 means the value 0),
// then 39 bits of mantissa with a hidden leading 1, and the sign bit. The
// program keeps such values in doubles; these routines round a double to
// the nearest value the 48-bit real can hold, and convert to and from its
// six bytes (little-endian, as it lies in memory).
namespace Real48 {

// Largest magnitude a 48-bit real holds (just under 2^127).
double maximo();

// The nearest 48-bit real (ties to even). Values too small become 0;
// values too large are clamped to the largest magnitude with their sign;
// NaN becomes 0.
double arredonda(double valor);
// The same from an extended value, rounded to the 48-bit real in one step
// (going through a double first could round twice).
double arredondaEstendido(long double valor);

std::array<uint8_t, 6> paraBytes(double valor);
double deBytes(const std::array<uint8_t, 6> &bytes);

}  // namespace Real48
