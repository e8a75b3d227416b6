#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

struct ConfigRegional;

// Key filter of numeric edit fields: backspace (character 8) and the digits
// pass; any other key becomes character 0, which the field discards.
QChar FiltraDigito(QChar tecla);

// Every "." and "," of the text replaced by the regional decimal separator
// when that separator is "." or ","; with any other separator the text is
// returned as it is. Applied to numbers read as text before converting them.
QString AjustaSeparadorDecimal(const QString &texto, const ConfigRegional &regional);

// The one reading of a number the user types or keeps in a file: blanks
// around it, an optional sign, digits with at most one decimal separator,
// nothing else (no exponent, no digit grouping, no "inf" or "nan"). With a
// separator of "." or "," either of the two is taken, as
// AjustaSeparadorDecimal takes them; with any other, that one only.
std::optional<double> LeNumero(QStringView texto, QChar separador);

// The decimals a text read by LeNumero is written with, trailing zeros left
// out ("12,50" has 1, "12" and "12," have 0).
int CasasDoTexto(QStringView texto, QChar separador);
