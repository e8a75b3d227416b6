#include "Validacao.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "IMensagens.h"

#include <initializer_list>
#include <optional>
#include <utility>

namespace {

enum Texto {
    DataPosterior = 246,
    DataInvalida = 247,
    DataNumerica = 248,
    InformeIntervalo = 249,
    IntervaloInvalido = 250,
    IntervaloNumerico = 251,
    HoraInvalida = 252,
    HoraNumerica = 253,
};

bool avisa(const Ambiente &ambiente, int numero)
{
    if (ambiente.mensagens) {
        const QString texto = ambiente.catalogo ? ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
        ambiente.mensagens->aviso(texto);
    }
    return false;
}

ConfigRegional regionalDe(const Ambiente &ambiente)
{
    return ambiente.regional ? *ambiente.regional : ConfigRegional::portuguesBrasil();
}

// The characters at the 1-based positions (first, last) joined, plus the
// suffix, as an integer.
std::optional<int> digitos(
    const QString &texto, std::initializer_list<std::pair<int, int>> posicoes, const QString &sufixo = {})
{
    QString junto;
    for (const auto &[primeiro, ultimo] : posicoes)
        junto += texto.mid(primeiro - 1, ultimo - primeiro + 1);
    return ConverteInteiro(junto + sufixo);
}

std::optional<TDateTime> dataDigitada(const QString &texto, const Ambiente &ambiente)
{
    if (!digitos(texto, { { 1, 2 }, { 4, 5 }, { 7, 10 } })) {
        avisa(ambiente, DataNumerica);
        return std::nullopt;
    }
    const auto data = ConverteData(texto, regionalDe(ambiente));
    if (!data)
        avisa(ambiente, DataInvalida);
    return data;
}

}  // namespace

bool ValidaData(const QString &texto, const Ambiente &ambiente)
{
    return dataDigitada(texto, ambiente).has_value();
}

bool ValidaDataFutura(const QString &texto, const Ambiente &ambiente, TDateTime agora)
{
    const auto data = dataDigitada(texto, ambiente);
    if (!data)
        return false;
    if (DataHora::parteData(agora) > *data)
        return avisa(ambiente, DataPosterior);
    return true;
}

bool ValidaHora(const QString &texto, const Ambiente &ambiente)
{
    if (!digitos(texto, { { 1, 2 }, { 4, 5 }, { 7, 8 } }))
        return avisa(ambiente, HoraNumerica);
    if (!ConverteHora(texto, regionalDe(ambiente)))
        return avisa(ambiente, HoraInvalida);
    return true;
}

bool ValidaHoraMinuto(const QString &texto, const Ambiente &ambiente)
{
    if (!digitos(texto, { { 1, 2 }, { 4, 5 } }, QStringLiteral("00")))
        return avisa(ambiente, HoraNumerica);
    if (!ConverteHora(texto, regionalDe(ambiente)))
        return avisa(ambiente, HoraInvalida);
    return true;
}

bool ValidaIntervalo(const QString &texto, const Ambiente &ambiente)
{
    const auto valor = digitos(texto, { { 1, 2 }, { 4, 5 }, { 7, 8 } });
    if (!valor)
        return avisa(ambiente, IntervaloNumerico);
    if (*valor == 0)
        return avisa(ambiente, InformeIntervalo);
    if (!ConverteHora(texto, regionalDe(ambiente)))
        return avisa(ambiente, IntervaloInvalido);
    return true;
}
