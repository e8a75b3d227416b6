#pragma once

#include <qcustomplot.h>

#include <functional>

class SerieLinhas;

// The ticker of a chart's time axis. While a series on that axis carries
// label texts, the axis shows those texts at their points, each label at
// least `espaco` pixels after the one before; otherwise it places ticks of
// its own and writes their date and time with the axis's text function.
class MarcadorTempo : public QCPAxisTicker
{
public:
    MarcadorTempo(QCPAxis *eixo, std::function<const SerieLinhas *()> serieDosRotulos,
        std::function<QString(double)> texto);

    void defineEspaco(double pixels) { m_espaco = pixels; }
    double espaco() const { return m_espaco; }

    void generate(const QCPRange &range, const QLocale &locale, QChar formatChar, int precision,
        QVector<double> &ticks, QVector<double> *subTicks, QVector<QString> *tickLabels) override;

protected:
    QString getTickLabel(double tick, const QLocale &locale, QChar formatChar, int precision) override;

private:
    QCPAxis *m_eixo;
    std::function<const SerieLinhas *()> m_serieDosRotulos;
    std::function<QString(double)> m_texto;
    double m_espaco = 15;
};
