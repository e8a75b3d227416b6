#include "FiguraQuorvane.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <cmath>

namespace {

// One channel as a smooth path across the chart area.
QPainterPath curva(const QRectF &r, double fase, double amplitude, double nivel)
{
    QPainterPath p;
    const int pontos = 60;
    for (int i = 0; i <= pontos; ++i) {
        const double t = double(i) / pontos;
        const double y
            = nivel + amplitude * (std::sin(t * 7.0 + fase) * 0.6 + std::sin(t * 17.0 + fase) * 0.25);
        const QPointF ponto(r.left() + t * r.width(), r.top() + r.height() * (1.0 - y));
        if (i == 0)
            p.moveTo(ponto);
        else
            p.lineTo(ponto);
    }
    return p;
}

void desenhaRegistrador(QPainter &pintor, const QRectF &r)
{
    QLinearGradient corpo(r.topLeft(), r.bottomRight());
    corpo.setColorAt(0, QColor(0x5a, 0x6b, 0x7d));
    corpo.setColorAt(1, QColor(0x2e, 0x3a, 0x48));
    pintor.setPen(QPen(QColor(0x1c, 0x24, 0x2e), 2));
    pintor.setBrush(corpo);
    pintor.drawRoundedRect(r, 10, 10);
    // Display with two readings.
    const QRectF visor(
        r.left() + r.width() * 0.12, r.top() + r.height() * 0.14, r.width() * 0.76, r.height() * 0.32);
    pintor.setPen(QPen(QColor(0x10, 0x18, 0x10), 1.5));
    pintor.setBrush(QColor(0x9c, 0xc8, 0x8c));
    pintor.drawRoundedRect(visor, 3, 3);
    pintor.setPen(QPen(QColor(0x20, 0x40, 0x20), 2));
    for (int i = 0; i < 2; ++i) {
        const double y = visor.top() + visor.height() * (0.33 + 0.36 * i);
        pintor.drawLine(QPointF(visor.left() + 8, y), QPointF(visor.right() - 8 - 14 * i, y));
    }
    // Two channel inputs and a serial plug.
    const QColor cores[] = { QColor(0x1f, 0x4e, 0xc8), QColor(0xc8, 0x2a, 0x2a) };
    for (int i = 0; i < 2; ++i) {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(cores[i]);
        const QPointF c(r.left() + r.width() * (0.3 + 0.4 * i), r.top() + r.height() * 0.66);
        pintor.drawEllipse(c, r.width() * 0.09, r.width() * 0.09);
    }
    pintor.setBrush(QColor(0xb8, 0xbe, 0xc4));
    pintor.drawRect(QRectF(r.center().x() - r.width() * 0.18, r.bottom() - r.height() * 0.13,
        r.width() * 0.36, r.height() * 0.08));
}

}  // namespace

void FiguraQuorvane::desenha(QPainter &pintor, const QRect &area)
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF a(area);
    QLinearGradient fundo(a.topLeft(), a.bottomLeft());
    fundo.setColorAt(0, QColor(0xd4, 0xd4, 0xd4));
    fundo.setColorAt(1, QColor(0xa8, 0xa8, 0xa8));
    pintor.fillRect(a, fundo);

    // The chart: a light panel with a grid and both channels.
    const QRectF grafico(
        a.left() + a.width() * 0.06, a.top() + a.height() * 0.48, a.width() * 0.60, a.height() * 0.44);
    pintor.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    pintor.setBrush(QColor(0xf4, 0xf4, 0xee));
    pintor.drawRect(grafico);
    pintor.setPen(QPen(QColor(0xcc, 0xcc, 0xc4), 1, Qt::DotLine));
    for (int i = 1; i < 8; ++i)
        pintor.drawLine(QPointF(grafico.left() + grafico.width() * i / 8, grafico.top()),
            QPointF(grafico.left() + grafico.width() * i / 8, grafico.bottom()));
    for (int i = 1; i < 4; ++i)
        pintor.drawLine(QPointF(grafico.left(), grafico.top() + grafico.height() * i / 4),
            QPointF(grafico.right(), grafico.top() + grafico.height() * i / 4));
    pintor.setBrush(Qt::NoBrush);
    pintor.setPen(QPen(QColor(0x1f, 0x4e, 0xc8), 2));
    pintor.drawPath(curva(grafico, 0.0, 0.28, 0.62));
    pintor.setPen(QPen(QColor(0xc8, 0x2a, 0x2a), 2));
    pintor.drawPath(curva(grafico, 2.1, 0.22, 0.34));

    const double lado = std::min(a.width() * 0.22, a.height() * 0.62);
    desenhaRegistrador(pintor,
        QRectF(a.right() - lado - a.width() * 0.06, a.bottom() - lado * 1.25 - a.height() * 0.08, lado,
            lado * 1.25));
    pintor.restore();
}
