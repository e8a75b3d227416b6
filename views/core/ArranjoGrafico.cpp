#include "ArranjoGrafico.h"

#include <algorithm>

namespace ArranjoGrafico {

namespace {
constexpr int kPosicoes = 5;
// Below this width the views lie over the graph instead of beside it.
constexpr int kLarguraMinimaLadoALado = 640;
constexpr int kLarguraMinimaVistas = 260;
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

}  // namespace ArranjoGrafico
