#pragma once

#include <qcustomplot.h>

// What a chart draws over its plot: the rectangle of a zoom being dragged,
// on a buffered layer of its own (moving it repaints that layer only); and
// the cross-hair and the measurement markers, which the chart paints over
// the screen's pixels (moving them repaints only the strips they leave and
// take).
class CamadaCruz : public QCPLayerable
{
    Q_OBJECT
public:
    // A marker: a vertical line at an x value of the time axis, with a name.
    struct Marcador
    {
        double x = 0;
        QString nome;
        bool operator==(const Marcador &) const = default;
    };

    CamadaCruz(QCustomPlot *grafico, QCPAxisRect *area);

    void defineCruz(QPoint posicao)
    {
        m_cruz = posicao;
        m_temCruz = true;
    }
    void escondeCruz() { m_temCruz = false; }
    bool temCruz() const { return m_temCruz; }
    QPoint cruz() const { return m_cruz; }
    // The pen of the cross, combined with the pixels under it by an
    // exclusive-or: white inverts them.
    void defineCor(const QColor &cor) { m_cor = cor; }
    QColor cor() const { return m_cor; }

    void defineRetangulo(const QRect &retangulo) { m_retangulo = retangulo; }
    void escondeRetangulo() { m_retangulo = QRect(); }
    QRect retangulo() const { return m_retangulo; }

    void defineMarcadores(const QList<Marcador> &marcadores) { m_marcadores = marcadores; }
    QList<Marcador> marcadores() const { return m_marcadores; }
    // The strips of the widget the markers cover, and their painting.
    QRegion regiaoMarcadores() const;
    void pintaMarcadores(QPainter &pintor) const;

protected:
    void applyDefaultAntialiasingHint(QCPPainter *painter) const override;
    void draw(QCPPainter *painter) override;

private:
    int pixelMarcador(const Marcador &m) const;

    QCPAxisRect *m_area;
    QPoint m_cruz;
    bool m_temCruz = false;
    QColor m_cor = Qt::white;
    QRect m_retangulo;
    QList<Marcador> m_marcadores;
};
