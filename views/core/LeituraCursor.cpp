#include "LeituraCursor.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "Instantes.h"
#include "TAquisicao.h"
#include "TabelaTempo.h"
#include "TextoNumero.h"

#include <algorithm>
#include <cmath>

namespace LeituraCursor {

namespace {
constexpr char16_t kDataHora[] = u"dd/mm/yyyy hh:nn:ss";
constexpr int kAquisicao = 183;
constexpr int kData = 184;
}  // namespace

qint64 passo(const TAquisicao &a)
{
    if (a.meioSegundo())
        return TabelaTempo::PassoMeioSegundo;
    const double intervalo = std::min(std::fabs(a.IntervaloAquisicoes()), 1e15);
    return std::max<qint64>(1, qint64(intervalo));
}

std::optional<TDateTime> segundosInteiros(TDateTime valor)
{
    if (!std::isfinite(valor))
        return std::nullopt;
    const CamposDataHora c = DataHora::decodifica(valor);
    return DataHora::codifica(c.ano, c.mes, c.dia, c.hora, c.minuto, c.segundo);
}

qint64 indice(const TAquisicao &a, double primeiroX, const Ponteiro &p)
{
    const qint64 s = passo(a);
    if (p.naBordaDireita)
        return SegundosEntre(p.maximoEixo, a.Inicio) / s;
    const TDateTime t = segundosInteiros(p.instante).value_or(p.instante);
    const TDateTime t0 = segundosInteiros(primeiroX).value_or(primeiroX);
    return SegundosEntre(t, t0) / s;
}

std::optional<QString> valorCanal(const TAquisicao &a, int canal, double valor, QChar separador)
{
    const int sensor = canal == 2 ? a.SensorCanal2 : a.SensorCanal1;
    const int decimais = canal == 2 ? a.DecimaisCanal2 : a.DecimaisCanal1;
    const QString t = TextoNumero::leitura(valor, sensor, decimais, separador);
    if (t.isEmpty())
        return std::nullopt;
    return t;
}

QString legendaCaixa(const TAquisicao &a, int canal)
{
    return (canal == 2 ? a.NomeCanal2 : a.NomeCanal1) + QStringLiteral(": ");
}

Textos textos(const TAquisicao &a, Serie serie, qint64 k, double y, const Ponteiro &p,
    const Catalogo &catalogo, const ConfigRegional &regional)
{
    const bool unica = a.umCanal();
    const bool poeCaixa1 = unica || serie == Serie::Primeira;
    const bool poeCaixa2 = unica || serie == Serie::Segunda;
    Textos r;
    if (k < 0 || k >= a.NumLeituras()) {
        r.aquisicao = QStringLiteral(" ") + catalogo.texto(kAquisicao, u"FormGrafico");
        r.data = catalogo.texto(kData, u"FormGrafico");
        if (poeCaixa1)
            r.caixa1 = legendaCaixa(a, 1);
        if (poeCaixa2)
            r.caixa2 = legendaCaixa(a, 2);
        return r;
    }
    const int i = int(k);
    QString instante;
    if (a.meioSegundo())
        instante = TextoInstante(i, a.Inicio, regional);
    else if (!p.naBordaDireita)
        instante = FormataDataHora(kDataHora, p.instante, regional);
    else
        instante = FormataDataHora(kDataHora, TabelaTempo::x(a, i), regional);
    r.data = QStringLiteral(" ") + catalogo.texto(kData, u"FormGrafico") + instante;
    const QChar sep = regional.separadorDecimal;
    if (poeCaixa1) {
        if (const auto v = valorCanal(a, 1, y, sep))
            r.caixa1 = legendaCaixa(a, 1) + *v;
    }
    if (poeCaixa2) {
        if (const auto v = valorCanal(a, 2, y, sep))
            r.caixa2 = legendaCaixa(a, 2) + *v;
    }
    r.aquisicao = QStringLiteral(" ") + catalogo.texto(kAquisicao, u"FormGrafico") + QString::number(k + 1);
    return r;
}

}  // namespace LeituraCursor
