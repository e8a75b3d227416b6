#include "FaixaPerfil.h"

#include "TAquisicao.h"
#include "TabelaTempo.h"

#include <algorithm>

namespace FaixaPerfil {

namespace {

bool limitaLeitura(const RegraAlarme &r)
{
    return r.tipo != TipoRegra::Tcm;
}

Faixa faixaDoCanal(const TAquisicao &a, const Avaliacao &av, int canal)
{
    Faixa f { canal, eixo(a, canal), std::nullopt, std::nullopt };
    for (const ResultadoRegra &r : av.regras) {
        if (r.canal != canal || !limitaLeitura(r.regra))
            continue;
        std::optional<double> &lado = r.regra.acima ? f.alto : f.baixo;
        const double v = r.regra.limite;
        lado = !lado ? v : r.regra.acima ? std::min(*lado, v) : std::max(*lado, v);
    }
    return f;
}

struct Bruto
{
    Trecho trecho;
    bool acima = true;
};

}  // namespace

EixoGrafico eixo(const TAquisicao &aquisicao, int canal)
{
    return aquisicao.umCanal() || canal == 1 ? EixoGrafico::Esquerdo : EixoGrafico::Direito;
}

Geometria calcula(const TAquisicao &a, const Avaliacao &av)
{
    Geometria g;
    for (int canal = 1; canal <= 2; ++canal) {
        const Faixa f = faixaDoCanal(a, av, canal);
        if ((f.alto || f.baixo) && !(f.alto && f.baixo && *f.baixo > *f.alto))
            g.faixas.append(f);
    }
    QList<Bruto> brutos;
    for (const ResultadoRegra &r : av.regras) {
        for (const ExcursaoAlarme &e : r.excursoes) {
            brutos.append({ { r.canal, eixo(a, r.canal), e.inicio, e.fim, TabelaTempo::x(a, e.inicio),
                                TabelaTempo::x(a, e.fim), e.pico, TabelaTempo::x(a, e.entradaPico) },
                r.regra.acima });
        }
    }
    std::stable_sort(brutos.begin(), brutos.end(), [](const Bruto &x, const Bruto &y) {
        return std::make_tuple(x.trecho.canal, !x.acima, x.trecho.inicio)
            < std::make_tuple(y.trecho.canal, !y.acima, y.trecho.inicio);
    });
    for (qsizetype i = 0; i < brutos.size(); ++i) {
        const Bruto &b = brutos[i];
        const bool junta = i > 0 && brutos[i - 1].trecho.canal == b.trecho.canal
            && brutos[i - 1].acima == b.acima && b.trecho.inicio <= g.trechos.last().fim;
        if (!junta) {
            g.trechos.append(b.trecho);
            continue;
        }
        Trecho &t = g.trechos.last();
        if (b.trecho.fim > t.fim) {
            t.fim = b.trecho.fim;
            t.xFim = b.trecho.xFim;
        }
        if (b.acima ? b.trecho.pico > t.pico : b.trecho.pico < t.pico) {
            t.pico = b.trecho.pico;
            t.xPico = b.trecho.xPico;
        }
    }
    return g;
}

}  // namespace FaixaPerfil
