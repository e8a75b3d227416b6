#pragma once

#include <qcustomplot.h>

// What a chart draws over its plot on a buffered layer of its own: the
// cross-hair and the rectangle of a zoom being dragged. Moving either
// repaints that layer only.
class CamadaCruz : public QCPLayerable
{
    Q_OBJECT
public:
    CamadaCruz(QCustomPlot *grafico, QCPAxisRect *area);

    void defineCruz(QPoint posicao)
    {
        m_cruz = posicao;
        m_temCruz = true;
    }
    void escondeCruz() { m_temCruz = false; }
    bool temCruz() const { return m_temCruz; }
    QPoint cruz() const { return m_cruz; }
    // The pen colour of the cross. It is combined with the background as
    // an exclusive-or would combine them (yellow over white shows blue), so
    // the cross stands out on the chart's white.
    void defineCor(const QColor &cor) { m_cor = cor; }
    QColor cor() const { return m_cor; }
    QColor corVisivel() const;
    void defineFundo(const QColor &fundo) { m_fundo = fundo; }

    void defineRetangulo(const QRect &retangulo) { m_retangulo = retangulo; }
    void escondeRetangulo() { m_retangulo = QRect(); }
    QRect retangulo() const { return m_retangulo; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter *painter) const override;
    void draw(QCPPainter *painter) override;

private:
    QCPAxisRect *m_area;
    QPoint m_cruz;
    bool m_temCruz = false;
    QColor m_cor = QColor(255, 255, 0);
    QColor m_fundo = Qt::white;
    QRect m_retangulo;
};
