#include "CamadaPerfil.h"

#include <qcustomplot.h>

namespace CamadaPerfil {

namespace {

QCPAxis *eixoValor(QCustomPlot &g, EixoGrafico e)
{
    return e == EixoGrafico::Direito ? g.yAxis2 : g.yAxis;
}

// A position at a value of the axis, or at the top or bottom edge of the
// plot area for an open side.
void posiciona(QCPItemPosition *p, QCustomPlot &g, QCPAxis *eixo, double x, bool xRazao,
    const std::optional<double> &valor, double borda)
{
    p->setAxes(g.xAxis, eixo);
    p->setAxisRect(g.axisRect());
    p->setTypeX(xRazao ? QCPItemPosition::ptAxisRectRatio : QCPItemPosition::ptPlotCoords);
    p->setTypeY(valor ? QCPItemPosition::ptPlotCoords : QCPItemPosition::ptAxisRectRatio);
    p->setCoords(x, valor ? *valor : borda);
}

QCPItemRect *retangulo(QCustomPlot &g, QCPLayer *camada, const QPen &caneta, const QBrush &pincel)
{
    auto *r = new QCPItemRect(&g);
    r->setLayer(camada);
    r->setSelectable(false);
    r->setClipToAxisRect(true);
    r->setPen(caneta);
    r->setBrush(pincel);
    return r;
}

}  // namespace

QList<QCPAbstractItem *> desenha(
    QCustomPlot &g, const FaixaPerfil::Geometria &geometria, const Canais &canais)
{
    QList<QCPAbstractItem *> itens;
    QCPLayer *fundo = g.layer(QStringLiteral("grid"));
    const auto mostrado
        = [&](int canal) { return canal >= 1 && canal <= 2 && canais.mostrados[size_t(canal - 1)]; };
    for (const FaixaPerfil::Faixa &f : geometria.faixas) {
        if (!mostrado(f.canal))
            continue;
        QPen borda(canais.cores[size_t(f.canal - 1)], 1, Qt::DotLine);
        QCPItemRect *r = retangulo(g, fundo, Qt::NoPen, QColor(0, 170, 0, 38));
        QCPAxis *eixo = eixoValor(g, f.eixo);
        posiciona(r->topLeft, g, eixo, 0, true, f.alto, 0);
        posiciona(r->bottomRight, g, eixo, 1, true, f.baixo, 1);
        itens.append(r);
        for (const std::optional<double> &lado : { f.alto, f.baixo }) {
            if (!lado)
                continue;
            auto *l = new QCPItemStraightLine(&g);
            l->setLayer(fundo);
            l->setSelectable(false);
            l->setPen(borda);
            posiciona(l->point1, g, eixo, 0, true, lado, 0);
            posiciona(l->point2, g, eixo, 1, true, lado, 0);
            itens.append(l);
        }
    }
    for (const FaixaPerfil::Trecho &t : geometria.trechos) {
        if (!mostrado(t.canal))
            continue;
        // An excursion of one entry has no width: its edge still shows.
        QCPItemRect *r = retangulo(g, fundo, QPen(QColor(200, 0, 0, 150), 1), QColor(230, 0, 0, 48));
        QCPAxis *eixo = eixoValor(g, t.eixo);
        posiciona(r->topLeft, g, eixo, t.xInicio, false, std::nullopt, 0);
        posiciona(r->bottomRight, g, eixo, t.xFim, false, std::nullopt, 1);
        itens.append(r);
        auto *pico = new QCPItemTracer(&g);
        pico->setLayer(g.layer(QStringLiteral("main")));
        pico->setSelectable(false);
        pico->setStyle(QCPItemTracer::tsCircle);
        pico->setSize(9);
        pico->setPen(QPen(QColor(160, 0, 0), 2));
        pico->setBrush(Qt::NoBrush);
        pico->position->setAxes(g.xAxis, eixo);
        pico->position->setAxisRect(g.axisRect());
        pico->position->setCoords(t.xPico, t.pico);
        itens.append(pico);
    }
    return itens;
}

void apaga(QCustomPlot &g, QList<QCPAbstractItem *> &itens)
{
    for (QCPAbstractItem *i : std::as_const(itens))
        g.removeItem(i);
    itens.clear();
}

}  // namespace CamadaPerfil
