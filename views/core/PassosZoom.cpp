#include "PassosZoom.h"

#include <cmath>

namespace PassosZoom {

QList<PassoZoom> passos(bool aproxima, bool comEixoDireito)
{
    const double sinal = aproxima ? 1.0 : -1.0;
    QList<PassoZoom> r;
    auto par = [&](EixoGrafico eixo, double passo) {
        r.append({ eixo, true, sinal * passo });
        r.append({ eixo, false, -sinal * passo });
    };
    par(EixoGrafico::Inferior, UmSegundo);
    par(EixoGrafico::Esquerdo, PassoValor);
    if (comEixoDireito)
        par(EixoGrafico::Direito, PassoValor);
    return r;
}

int aplica(const QList<PassoZoom> &passos, const std::function<EscalaEixo &(EixoGrafico)> &escala)
{
    int feitos = 0;
    for (const PassoZoom &p : passos) {
        EscalaEixo &e = escala(p.eixo);
        const bool aceito
            = p.minimo ? e.defineMinimo(e.minimo() + p.delta) : e.defineMaximo(e.maximo() + p.delta);
        if (!aceito)
            break;
        ++feitos;
    }
    return feitos;
}

Faixa roda(double minimo, double maximo, double ancora, int passos)
{
    const double f = std::pow(FatorRoda, passos);
    return { ancora - (ancora - minimo) * f, ancora + (maximo - ancora) * f };
}

}  // namespace PassosZoom
