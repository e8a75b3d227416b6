#include "MarcadorValores.h"

#include "FormatoNumero.h"

#include <cmath>

void MarcadorValores::defineSeparadores(QChar decimal, QChar milhar)
{
    m_decimal = decimal;
    m_milhar = milhar;
}

QString MarcadorValores::texto(double valor) const
{
    return FormatoNumero::formata(m_padrao, valor, m_decimal, m_milhar);
}

QString MarcadorValores::getTickLabel(double tick, const QLocale &, QChar, int)
{
    // A tick at zero may come out as a tiny remainder of the step sums.
    if (std::fabs(tick) < 1e-12)
        tick = 0;
    return texto(tick);
}
