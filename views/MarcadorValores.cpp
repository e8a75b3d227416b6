#include "MarcadorValores.h"

#include "EscolhaRotulos.h"
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

// A step the pattern writes exactly: with no decimals a step of 2.5 would
// write 37.5 as "38" beside a tick at 38.
double MarcadorValores::getTickStep(const QCPRange &range)
{
    return EscolhaRotulos::passoValor(range.size(), tickCount(), FormatoNumero::casasDecimais(m_padrao));
}

QString MarcadorValores::getTickLabel(double tick, const QLocale &, QChar, int)
{
    // A tick at zero may come out as a tiny remainder of the step sums.
    if (std::fabs(tick) < 1e-12)
        tick = 0;
    return texto(tick);
}
