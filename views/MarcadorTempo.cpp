#include "MarcadorTempo.h"

#include "EscolhaRotulos.h"
#include "SerieLinhas.h"

#include <QFontMetricsF>

MarcadorTempo::MarcadorTempo(
    QCPAxis *eixo, std::function<const SerieLinhas *()> serieDosRotulos, std::function<QString(double)> texto)
    : m_eixo(eixo)
    , m_serieDosRotulos(std::move(serieDosRotulos))
    , m_texto(std::move(texto))
{
}

void MarcadorTempo::generate(const QCPRange &range, const QLocale &locale, QChar formatChar, int precision,
    QVector<double> &ticks, QVector<double> *subTicks, QVector<QString> *tickLabels)
{
    const SerieLinhas *serie = m_serieDosRotulos ? m_serieDosRotulos() : nullptr;
    if (!serie || serie->quantidade() == 0) {
        QCPAxisTicker::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
        return;
    }
    const QFontMetricsF metrica(m_eixo->tickLabelFont());
    // Before the first layout the axis has no length yet: take the plot's.
    const QRect area = m_eixo->axisRect()->rect();
    const double inicio = area.width() > 1 ? area.left() : 0;
    const double comprimento = area.width() > 1 ? area.width() : m_eixo->parentPlot()->width();
    const double escala = comprimento / range.size();

    EscolhaRotulos::Eixo e;
    e.quantos = serie->quantidade();
    e.pixel = [&](int i) { return inicio + (serie->x(i) - range.lower) * escala; };
    e.largura = [&](int i) { return metrica.horizontalAdvance(serie->rotulo(i).trimmed()); };
    e.pixelMinimo = inicio;
    e.pixelMaximo = inicio + comprimento;
    e.espaco = m_espaco;
    QList<int> escolhidos = EscolhaRotulos::escolhe(e);
    // A label that would run past either side of the chart is left out.
    const double largura = m_eixo->parentPlot()->width();
    while (!escolhidos.isEmpty() && e.pixel(escolhidos.last()) + e.largura(escolhidos.last()) / 2 > largura)
        escolhidos.removeLast();
    while (!escolhidos.isEmpty() && e.pixel(escolhidos.first()) - e.largura(escolhidos.first()) / 2 < 0)
        escolhidos.removeFirst();

    ticks.clear();
    if (tickLabels)
        tickLabels->clear();
    for (int i : escolhidos) {
        ticks.append(serie->x(i));
        if (tickLabels)
            tickLabels->append(serie->rotulo(i).trimmed());
    }
    if (subTicks)
        subTicks->clear();
}

QString MarcadorTempo::getTickLabel(double tick, const QLocale &, QChar, int)
{
    return m_texto ? m_texto(tick) : QString::number(tick);
}
