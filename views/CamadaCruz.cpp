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
    const QRect area = m_area->rect();
    if (!m_marcadores.isEmpty()) {
        const QColor cor(0, 128, 0);
        painter->setFont(mParentPlot->xAxis->tickLabelFont());
        const int altura = painter->fontMetrics().height();
        for (const Marcador &m : m_marcadores) {
            const double px = m_area->axis(QCPAxis::atBottom)->coordToPixel(m.x);
            if (px < area.left() || px > area.right())
                continue;
            const int x = int(std::lround(px));
            painter->setPen(QPen(cor, 1, Qt::DashLine));
            painter->drawLine(QPoint(x, area.top()), QPoint(x, area.bottom()));
            painter->setPen(cor);
            painter->drawText(QRect(x + 3, area.top() + 2, altura * 2, altura), Qt::AlignLeft, m.nome);
        }
    }
    if (m_retangulo.isValid()) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_retangulo);
    }
}
