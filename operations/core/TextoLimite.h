#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The limit boxes of the configuration window hold a channel's limits as
// shown: the count of the last shown digit with the decimal comma put back
// by the channel's decimal code (0 to 3). These routines go between the
// two forms.

// 1-based position of the first "," of the text, or when there is none of
// the first "."; 0 when there is neither.
int PosDec(QStringView texto);

// The count as shown with d decimals: d = 0 the count itself, 1 to 3 the
// count / 10^d with exactly d decimals and the given separator.
QString GetLimValue(int contagem, int decimais, QChar separador);

// The count of a limit text for decimal code d: the separator (PosDec)
// removed, at most d digits kept after it and missing ones taken as 0
// ("12,5" with d = 2 is 1250, "12,55" with d = 1 is 125, "-2000" is -2000
// for any d). Nothing when what is left is not a whole number.
std::optional<int> LimWithOutComma(QStringView texto, int decimais);

// A number typed in a box: LeNumero, the program's one reading of a typed
// number, with the regional decimal separator.
std::optional<double> ConverteReal(QStringView texto, QChar separador);

// Digits of the integer part of a number: truncated toward zero, written
// without decimals, its length without the minus sign.
int IntDigits(double valor);
