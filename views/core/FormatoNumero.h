#pragma once

#include <QChar>
#include <QString>

// Number patterns of the chart's value axes: "0" a digit always shown, "#" a
// digit shown when significant, "," anywhere in the integer part asks for
// thousands separators, "." the decimal separator. "###,#000.0" shows 5 as
// "005,0" and 1234.56 as "1.234,6" with Portuguese separators.
namespace FormatoNumero {

QString formata(const QString &padrao, double valor, QChar separadorDecimal, QChar separadorMilhar);

// The most decimal places the pattern writes.
int casasDecimais(const QString &padrao);

// The pattern of a value axis for a channel's decimal places (0 to 3); any
// other number keeps the pattern the axis had.
QString padraoDecimais(int casas, const QString &atual);

// The thousands separator that goes with a decimal separator.
QChar separadorMilharPara(QChar separadorDecimal);

}  // namespace FormatoNumero
