#pragma once

#include <qcustomplot.h>

// The ticker of a value axis: labels written with the axis's number pattern
// ("###,#000.0" and the like) and the separators of the regional settings.
class MarcadorValores : public QCPAxisTicker
{
public:
    void definePadrao(const QString &padrao) { m_padrao = padrao; }
    QString padrao() const { return m_padrao; }
    void defineSeparadores(QChar decimal, QChar milhar);

    QString texto(double valor) const;

protected:
    double getTickStep(const QCPRange &range) override;
    QString getTickLabel(double tick, const QLocale &locale, QChar formatChar, int precision) override;

private:
    QString m_padrao = QStringLiteral("####0");
    QChar m_decimal = u',';
    QChar m_milhar = u'.';
};
