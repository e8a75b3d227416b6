#pragma once

#include <QByteArray>

#include <cstddef>

// Numbers as text for the files and the views, written into a caller's
// buffer (no allocation): the length written is returned, 0 when the buffer
// is too small. Values that show as zero carry no minus sign.
namespace TextoDecimal {

constexpr size_t TamanhoBuffer = 400;

// Fixed point with the given number of decimals (0 to 20), rounded to
// nearest with halves away from zero ("%.2f": 1.125 gives 1.13).
int fixo(char *buf, size_t tamanho, double valor, int casas, char separador);

// The shortest general text (up to 15 significant digits) that gives the
// value back at the precision of the 48-bit real: 25.3 rather than
// 25.3000000000011. Exponents as "1.5E25" and "1E-7".
int geral(char *buf, size_t tamanho, double valor, char separador);

// A reading of a channel: Pt100 (sensor 8) with one decimal; otherwise by
// the channel's decimal places, 0 the general text, 1 to 3 that many
// decimals, anything else nothing (length 0).
int leitura(char *buf, size_t tamanho, double valor, int sensor, int decimais, char separador);

}  // namespace TextoDecimal
