#include "RegrasLimites.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FaixaZoom.h"
#include "TAquisicao.h"
#include "TextoNumero.h"

#include <cmath>

namespace RegrasLimites {

namespace {

constexpr int kSensorPt100 = 8;
constexpr int kNaoNumero = 367;
constexpr int kAltoAbaixo = 368;
constexpr int kCasasDemais = 369;

// The value of one box, or its refusal.
std::optional<double> valor(
    const QString &texto, int casas, const ConfigRegional &regional, const Catalogo &catalogo, QString &erro)
{
    const std::optional<double> v = FaixaZoom::numero(texto, regional);
    if (!v) {
        erro = catalogo.texto(kNaoNumero).arg(texto.trimmed());
        return std::nullopt;
    }
    // A whole number of the channel's last decimal place.
    const double contagem = *v * std::pow(10.0, casas);
    if (std::abs(contagem - std::round(contagem)) > 1e-6 * std::max(1.0, std::abs(contagem))) {
        erro = catalogo.texto(kCasasDemais).arg(texto.trimmed()).arg(casas);
        return std::nullopt;
    }
    return std::round(contagem) / std::pow(10.0, casas);
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

QString texto(double valor, int casas, const ConfigRegional &regional)
{
    return TextoNumero::fixo(valor, casas, regional.separadorDecimal);
}

Leitura le(bool altoLigado, const QString &alto, bool baixoLigado, const QString &baixo, int casas,
    const ConfigRegional &regional, const Catalogo &catalogo)
{
    Leitura r;
    if (altoLigado) {
        r.limites.alto = valor(alto, casas, regional, catalogo, r.erro);
        if (!r.aceita())
            return r;
    }
    if (baixoLigado) {
        r.limites.baixo = valor(baixo, casas, regional, catalogo, r.erro);
        if (!r.aceita())
            return r;
    }
    if (r.limites.alto && r.limites.baixo && !(*r.limites.alto > *r.limites.baixo))
        r.erro = catalogo.texto(kAltoAbaixo);
    return r;
}

}  // namespace RegrasLimites
