#include "RegrasLimites.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "TAquisicao.h"
#include "TextoNumerico.h"
#include "TextoNumero.h"

#include <algorithm>
#include <cmath>

namespace RegrasLimites {

namespace {

constexpr int kSensorPt100 = 8;
constexpr int kCanal1 = 196;  // "Canal 1: "
constexpr int kCanal2 = 197;
constexpr int kNaoNumero = 367;
constexpr int kAltoAbaixo = 368;
constexpr int kCasasDemais = 369;
constexpr int kInteiro = 370;
constexpr int kForaDaFaixa = 371;

QString doCanal(const Canal &c, const Catalogo &catalogo, const QString &mensagem)
{
    return catalogo.texto(c.numero == 2 ? kCanal2 : kCanal1) + mensagem;
}

// A value's count of the channel's last decimal place.
double contagem(double v, int casas)
{
    return std::round(v * std::pow(10.0, casas));
}

}  // namespace

int casas(const TAquisicao &aquisicao, int canal)
{
    const int sensor = canal == 1 ? aquisicao.SensorCanal1 : aquisicao.SensorCanal2;
    const int decimais = canal == 1 ? aquisicao.DecimaisCanal1 : aquisicao.DecimaisCanal2;
    if (sensor == kSensorPt100)
        return 1;
    return decimais >= 0 && decimais <= 3 ? decimais : 0;
}

int casasEstatistica(const TAquisicao &aquisicao, int canal)
{
    return casas(aquisicao, canal) + 1;
}

Canal canal(const TAquisicao &aquisicao, int canal)
{
    const int sensor = canal == 1 ? aquisicao.SensorCanal1 : aquisicao.SensorCanal2;
    Canal c;
    c.numero = canal;
    c.casas = casas(aquisicao, canal);
    if (sensor >= 0 && sensor <= kSensorPt100)
        c.faixa = FaixaSensor(CodigoSensor::TermoparJ + sensor);
    c.unidade = (canal == 1 ? aquisicao.UnidadeCanal1 : aquisicao.UnidadeCanal2).trimmed();
    return c;
}

double contagemLimite(double limite, int casas)
{
    // A limit at the channel's decimals is a count; a finer one, which the
    // rule refuses but a caller may hand over, is kept as it is.
    const double m = limite * std::pow(10.0, casas);
    if (std::fabs(m - std::round(m)) <= 1e-9 * std::max(1.0, std::fabs(m)))
        return std::round(m);
    return m;
}

int compara(double leitura, double limite, int casas)
{
    const double l = std::round(leitura * std::pow(10.0, casas));
    const double m = contagemLimite(limite, casas);
    return l < m ? -1 : (l > m ? 1 : 0);
}

QString texto(double valor, int casas, const ConfigRegional &regional)
{
    return TextoNumero::fixo(valor, casas, regional.separadorDecimal);
}

std::optional<double> valor(
    const QString &texto, QChar separador, const Canal &c, const Catalogo &catalogo, QString &erro)
{
    const QString t = texto.trimmed();
    const std::optional<double> v = LeNumero(t, separador);
    if (!v) {
        erro = doCanal(c, catalogo, catalogo.texto(kNaoNumero).arg(t));
        return std::nullopt;
    }
    // Counted on the text: a number, however large, is never rounded to
    // the channel's decimals without a word.
    if (CasasDoTexto(t, separador) > c.casas) {
        erro = doCanal(c, catalogo,
            c.casas == 0 ? catalogo.texto(kInteiro).arg(t)
                         : catalogo.texto(kCasasDemais).arg(t).arg(c.casas));
        return std::nullopt;
    }
    if (c.faixa && (*v < c.faixa->baixo || *v > c.faixa->alto)) {
        QString alto = QString::number(c.faixa->alto);
        if (!c.unidade.isEmpty())
            alto += u' ' + c.unidade;
        erro = doCanal(
            c, catalogo, catalogo.texto(kForaDaFaixa).arg(t, QString::number(c.faixa->baixo), alto));
        return std::nullopt;
    }
    return contagem(*v, c.casas) / std::pow(10.0, c.casas);
}

QString confere(const LimitesCanal &l, const Canal &c, const Catalogo &catalogo)
{
    if (l.alto && l.baixo && compara(*l.alto, *l.baixo, c.casas) <= 0)
        return doCanal(c, catalogo, catalogo.texto(kAltoAbaixo));
    return {};
}

Leitura le(bool altoLigado, const QString &alto, bool baixoLigado, const QString &baixo, const Canal &c,
    QChar separador, const Catalogo &catalogo)
{
    Leitura r;
    if (altoLigado)
        r.limites.alto = valor(alto, separador, c, catalogo, r.erro);
    if (baixoLigado && r.aceita())
        r.limites.baixo = valor(baixo, separador, c, catalogo, r.erro);
    if (r.aceita())
        r.erro = confere(r.limites, c, catalogo);
    if (!r.aceita())
        r.limites = {};
    return r;
}

}  // namespace RegrasLimites
