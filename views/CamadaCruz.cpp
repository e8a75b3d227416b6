#include "CamadaCruz.h"

CamadaCruz::CamadaCruz(QCustomPlot *grafico, QCPAxisRect *area)
    : QCPLayerable(grafico)
    , m_area(area)
{
}

QColor CamadaCruz::corVisivel() const
{
    return QColor(
        m_cor.red() ^ m_fundo.red(), m_cor.green() ^ m_fundo.green(), m_cor.blue() ^ m_fundo.blue());
}

void CamadaCruz::applyDefaultAntialiasingHint(QCPPainter *painter) const
{
    painter->setAntialiasing(false);
}

void CamadaCruz::draw(QCPPainter *painter)
{
    const QRect area = m_area->rect();
    if (m_temCruz) {
        painter->setPen(QPen(corVisivel(), 1, Qt::SolidLine));
        painter->drawLine(QPoint(m_cruz.x(), area.top()), QPoint(m_cruz.x(), area.bottom()));
        painter->drawLine(QPoint(area.left(), m_cruz.y()), QPoint(area.right(), m_cruz.y()));
    }
    if (m_retangulo.isValid()) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_retangulo);
    }
}
