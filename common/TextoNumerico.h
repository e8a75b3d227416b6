#pragma once

#include <QChar>
#include <QString>

struct ConfigRegional;

// Key filter of numeric edit fields: backspace (character 8) and the digits
// pass; any other key becomes character 0, which the field discards.
QChar FiltraDigito(QChar tecla);

// Every "." and "," of the text replaced by the regional decimal separator
// when that separator is "." or ","; with any other separator the text is
// returned as it is. Applied to numbers read as text before converting them.
QString AjustaSeparadorDecimal(const QString &texto, const ConfigRegional &regional);
