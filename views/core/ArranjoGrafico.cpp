#include "ArranjoGrafico.h"

#include <algorithm>

namespace ArranjoGrafico {

namespace {
constexpr int kPosicoes = 5;
// Below this width the views lie over the graph instead of beside it.
constexpr int kLarguraMinimaLadoALado = 640;
constexpr int kLarguraMinimaVistas = 260;
constexpr int kLarguraMinimaGrafico = 320;
}  // namespace

Arranjo calcula(const QRect &area, int ordem, int passo)
{
    const int w = area.width();
    const int h = area.height();
    const int d = std::min({ (ordem % kPosicoes) * std::max(0, passo), w / 4, h / 4 });
    Arranjo r;
    if (w >= kLarguraMinimaLadoALado) {
        const int vistas = std::clamp(w * 38 / 100, kLarguraMinimaVistas, w / 2);
        r.grafico = QRect(area.left() + d, area.top() + d, w - vistas - d, h - d);
        const int x = area.left() + w - vistas;
        const int meio = (h - d) / 2;
        r.informacoes = QRect(x, area.top() + d, vistas, meio);
        r.leituras = QRect(x, area.top() + d + meio, vistas, h - d - meio);
        return r;
    }
    r.grafico = QRect(area.left() + d, area.top() + d, w - d, h - d);
    const int vistas = w / 2;
    const int meio = (h - d) / 2;
    const int x = area.left() + w - vistas;
    r.informacoes = QRect(x, area.top() + d, vistas, meio);
    r.leituras = QRect(x, area.top() + d + meio, vistas, h - d - meio);
    return r;
}

QList<QRect> cascata(const QRect &area, int quantas, int passo)
{
    QList<QRect> r;
    if (quantas <= 0)
        return r;
    const int p = std::max(1, passo);
    // As many steps as fit in a third of the area, and no more than needed.
    const int degraus = std::clamp(area.height() / 3 / p, 1, quantas);
    const int largura = area.width() - (degraus - 1) * p;
    const int altura = area.height() - (degraus - 1) * p;
    for (int i = 0; i < quantas; ++i) {
        const int d = (i % degraus) * p;
        r.append(QRect(area.left() + d, area.top() + d, largura, altura));
    }
    return r;
}

QRect aoLadoDe(const QRect &grafico, const QRect &vista)
{
    if (!grafico.intersects(vista) || vista.left() - grafico.left() < kLarguraMinimaGrafico)
        return grafico;
    QRect r = grafico;
    r.setRight(vista.left() - 1);
    return r;
}

}  // namespace ArranjoGrafico
