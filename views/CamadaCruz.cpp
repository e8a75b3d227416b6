#include "CamadaCruz.h"

#include <cmath>

CamadaCruz::CamadaCruz(QCustomPlot *grafico, QCPAxisRect *area)
    : QCPLayerable(grafico)
    , m_area(area)
{
}

void CamadaCruz::applyDefaultAntialiasingHint(QCPPainter *painter) const
{
    painter->setAntialiasing(false);
}

void CamadaCruz::draw(QCPPainter *painter)
{
    if (m_retangulo.isValid()) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_retangulo);
    }
}

int CamadaCruz::pixelMarcador(const Marcador &m) const
{
    return int(std::lround(m_area->axis(QCPAxis::atBottom)->coordToPixel(m.x)));
}

QRegion CamadaCruz::regiaoMarcadores() const
{
    const QRect area = m_area->rect();
    const int largura = QFontMetrics(mParentPlot->xAxis->tickLabelFont()).height() * 2 + 4;
    QRegion r;
    for (const Marcador &m : m_marcadores)
        r += QRect(pixelMarcador(m), area.top(), largura, area.height());
    return r;
}

void CamadaCruz::pintaMarcadores(QPainter &pintor) const
{
    const QRect area = m_area->rect();
    const QColor cor(0, 128, 0);
    pintor.setFont(mParentPlot->xAxis->tickLabelFont());
    const int altura = pintor.fontMetrics().height();
    for (const Marcador &m : m_marcadores) {
        const int x = pixelMarcador(m);
        if (x < area.left() || x > area.right())
            continue;
        pintor.setPen(QPen(cor, 1, Qt::DashLine));
        pintor.drawLine(QPoint(x, area.top()), QPoint(x, area.bottom()));
        pintor.setPen(cor);
        pintor.drawText(QRect(x + 3, area.top() + 2, altura * 2, altura), Qt::AlignLeft, m.nome);
    }
}
