#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

// Numbers of the text views and of the export, with the regional decimal
// separator. A value that shows as zero carries no minus sign.
namespace TextoNumero {

// Fixed point with the given number of decimals ("%.2f").
QString fixo(double valor, int casas, QChar separador);
// The shortest general text of the number, up to 15 significant digits.
QString geral(double valor, QChar separador);

// A reading of a channel: Pt100 (sensor 8) with one decimal; otherwise by the
// channel's decimal places, 0 the general text, 1 to 3 that many decimals,
// anything else an empty text.
QString leitura(double valor, int sensor, int decimais, QChar separador);
// A channel's offset setting (in units of its last decimal place): Pt100 x 0.1
// with one decimal; 0 decimal places as an integer; 1 to 3 scaled with that
// many decimals; anything else an empty text.
QString offset(int32_t contagem, int sensor, int decimais, QChar separador);

}  // namespace TextoNumero
