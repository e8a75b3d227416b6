#include "FaixaZoom.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "FormataDataHora.h"
#include "IMensagens.h"
#include "Instantes.h"
#include "TAquisicao.h"
#include "TabelaTempo.h"
#include "TextoNumerico.h"
#include "TextoNumero.h"
#include "Validacao.h"

#include <QLocale>

#include <cmath>

namespace FaixaZoom {

namespace {

enum Texto {
    ValorInformado = 167,
    DataInferior = 168,
    HorarioInferior = 169,
    ValorInferior = 170,
};

// Days added to a time by the time spin buttons: down a little under one
// second, up a little under two, so that the shown whole second moves by
// one either way.
constexpr double kDesceHora = 0.00001;
constexpr double kSobeHora = 0.00002;

const QString kData = QStringLiteral("dd/mm/yyyy");
const QString kHora = QStringLiteral("hh:nn:ss");

ConfigRegional regionalDe(const Ambiente &ambiente)
{
    return ambiente.regional ? *ambiente.regional : ConfigRegional::portuguesBrasil();
}

Campo avisa(const Ambiente &ambiente, int texto, Campo campo)
{
    if (ambiente.mensagens)
        ambiente.mensagens->aviso(
            ambiente.catalogo ? ambiente.catalogo->texto(texto) : Catalogo::padrao(texto));
    return campo;
}

// The start (or end) instant of the fields: date plus time.
std::optional<TDateTime> instante(const QString &data, const QString &hora, const ConfigRegional &regional)
{
    const auto d = ConverteData(data, regional);
    const auto h = ConverteHora(hora, regional);
    if (!d || !h)
        return std::nullopt;
    return *d + *h;
}

bool giraData(Campos &c, bool inicial, bool sobe, const ConfigRegional &regional)
{
    const auto ini = ConverteData(c.dataInicial, regional);
    const auto fim = ConverteData(c.dataFinal, regional);
    if (!ini || !fim)
        return false;
    const double passo = sobe ? 1.0 : -1.0;
    const double novo = (inicial ? *ini : *fim) + passo;
    if (inicial ? novo > *fim : novo < *ini)
        return false;
    (inicial ? c.dataInicial : c.dataFinal) = FormataDataHora(kData, novo, regional);
    return true;
}

bool giraHora(Campos &c, bool inicial, bool sobe, const ConfigRegional &regional)
{
    const auto s = instante(c.dataInicial, c.horaInicial, regional);
    const auto e = instante(c.dataFinal, c.horaFinal, regional);
    const auto hora = ConverteHora(inicial ? c.horaInicial : c.horaFinal, regional);
    if (!s || !e || !hora)
        return false;
    const double passo = sobe ? kSobeHora : -kDesceHora;
    if (inicial ? !(*e > *s + passo) : !(*s < *e + passo))
        return false;
    // The time of day only: past midnight it wraps, the date stays.
    double nova = std::fmod(*hora + passo, 1.0);
    if (nova < 0)
        nova += 1.0;
    (inicial ? c.horaInicial : c.horaFinal) = FormataDataHora(u"tt", nova, regional);
    return true;
}

bool giraValor(QString &minimo, QString &maximo, bool doMinimo, bool sobe, const ConfigRegional &regional)
{
    const auto mi = numero(minimo, regional);
    const auto ma = numero(maximo, regional);
    if (!mi || !ma)
        return false;
    const double novo = (doMinimo ? *mi : *ma) + (sobe ? 1.0 : -1.0);
    if (doMinimo ? !(novo < *ma) : !(novo > *mi))
        return false;
    (doMinimo ? minimo : maximo) = TextoNumero::geral(novo, regional.separadorDecimal);
    return true;
}

}  // namespace

Campos preenche(const Valores &v, int numFaixas, const ConfigRegional &regional)
{
    const QChar sep = regional.separadorDecimal;
    Campos c;
    c.dataInicial = FormataDataHora(kData, v.inicio, regional);
    c.horaInicial = FormataDataHora(kHora, v.inicio, regional);
    c.dataFinal = FormataDataHora(kData, v.fim, regional);
    c.horaFinal = FormataDataHora(kHora, v.fim, regional);
    c.valorDe = TextoNumero::fixo(v.min1, 2, sep);
    c.valorAte = TextoNumero::fixo(v.max1, 2, sep);
    if (numFaixas > 1) {
        c.valor2De = TextoNumero::fixo(v.min2, 2, sep);
        c.valor2Ate = TextoNumero::fixo(v.max2, 2, sep);
    }
    return c;
}

std::optional<double> numero(const QString &texto, const ConfigRegional &regional)
{
    return LeNumero(texto, regional.separadorDecimal);
}

Campo validaCampos(const Campos &c, const Ambiente &ambiente)
{
    if (!ValidaData(c.dataInicial, ambiente))
        return Campo::DataInicial;
    if (!ValidaHora(c.horaInicial, ambiente))
        return Campo::HoraInicial;
    if (!ValidaData(c.dataFinal, ambiente))
        return Campo::DataFinal;
    if (!ValidaHora(c.horaFinal, ambiente))
        return Campo::HoraFinal;
    return Campo::Nenhum;
}

Campo validaCoordenadas(const Campos &c, int numFaixas, bool segundaVisivel, const Ambiente &ambiente)
{
    const ConfigRegional regional = regionalDe(ambiente);
    QList<std::pair<const QString *, Campo>> valores { { &c.valorDe, Campo::ValorDe },
        { &c.valorAte, Campo::ValorAte } };
    if (numFaixas > 1)
        valores << std::pair { &c.valor2De, Campo::Valor2De } << std::pair { &c.valor2Ate, Campo::Valor2Ate };
    for (const auto &[texto, campo] : valores) {
        if (!numero(*texto, regional))
            return avisa(ambiente, ValorInformado, campo);
    }
    const auto dataIni = ConverteData(c.dataInicial, regional);
    const auto dataFim = ConverteData(c.dataFinal, regional);
    if (!dataIni || !dataFim || *dataFim < *dataIni)
        return avisa(ambiente, DataInferior, Campo::DataInicial);
    const auto ini = ConverteDataHora(c.dataInicial + u' ' + c.horaInicial, regional);
    const auto fim = ConverteDataHora(c.dataFinal + u' ' + c.horaFinal, regional);
    if (!ini || !fim || !(*fim > *ini))
        return avisa(ambiente, HorarioInferior, Campo::HoraInicial);
    if (!(*numero(c.valorDe, regional) < *numero(c.valorAte, regional)))
        return avisa(ambiente, ValorInferior, Campo::ValorDe);
    if (numFaixas > 1 && segundaVisivel && !(*numero(c.valor2De, regional) < *numero(c.valor2Ate, regional)))
        return avisa(ambiente, ValorInferior, Campo::Valor2De);
    return Campo::Nenhum;
}

Resultado resultado(const Campos &c, int numFaixas, const ConfigRegional &regional)
{
    Resultado r;
    r.min1 = numero(c.valorDe, regional).value_or(0);
    r.max1 = numero(c.valorAte, regional).value_or(0);
    if (numFaixas > 1) {
        r.min2 = numero(c.valor2De, regional).value_or(0);
        r.max2 = numero(c.valor2Ate, regional).value_or(0);
    }
    r.dataInicial = ConverteData(c.dataInicial, regional).value_or(0);
    r.dataFinal = ConverteData(c.dataFinal, regional).value_or(0);
    r.horaInicial = ConverteHora(c.horaInicial, regional).value_or(0);
    r.horaFinal = ConverteHora(c.horaFinal, regional).value_or(0);
    return r;
}

bool gira(Campos &c, Giro botao, bool sobe, const ConfigRegional &regional)
{
    switch (botao) {
    case Giro::DataIni:
        return giraData(c, true, sobe, regional);
    case Giro::DataFinal:
        return giraData(c, false, sobe, regional);
    case Giro::HoraIni:
        return giraHora(c, true, sobe, regional);
    case Giro::HoraFinal:
        return giraHora(c, false, sobe, regional);
    case Giro::ValorMin:
        return giraValor(c.valorDe, c.valorAte, true, sobe, regional);
    case Giro::ValorMax:
        return giraValor(c.valorDe, c.valorAte, false, sobe, regional);
    case Giro::ValorMin2:
        return giraValor(c.valor2De, c.valor2Ate, true, sobe, regional);
    case Giro::ValorMax2:
        return giraValor(c.valor2De, c.valor2Ate, false, sobe, regional);
    }
    return false;
}

FaixaTempo paraDialogo(const TAquisicao &a, TDateTime minimo, TDateTime maximo)
{
    if (!a.meioSegundo())
        return { minimo, maximo };
    const qint64 n = a.NumLeituras();
    if (n == 0)
        return { a.instante(0), a.instante(0) };
    const qint64 passo = TabelaTempo::PassoMeioSegundo;
    const qint64 i = a.Inicio > minimo ? -1 : SegundosEntre(minimo, a.Inicio) / passo;
    const qint64 j = SegundosEntre(maximo, a.Inicio) / passo;
    FaixaTempo f;
    f.minimo = a.instante(i >= 0 && i < n ? int(i) : 0);
    f.maximo = a.instante(j >= 0 && j < n ? int(j) : int(n - 1));
    return f;
}

FaixaTempo paraEixo(const TAquisicao &a, TDateTime inicio, TDateTime fim)
{
    if (!a.meioSegundo())
        return { inicio, fim };
    const qint64 n = a.NumLeituras();
    if (n == 0)
        return { TabelaTempo::x(a, 0), TabelaTempo::x(a, 0) };
    // An instant before Inicio is taken as the first entry.
    const qint64 ia = std::max<qint64>(0, 2 * SegundosEntre(inicio, a.Inicio));
    const qint64 ib = std::max<qint64>(0, 2 * SegundosEntre(fim, a.Inicio));
    if (ia < n && ib < n)
        return { TabelaTempo::x(a, int(ia)), TabelaTempo::x(a, int(ib)) };
    return { TabelaTempo::x(a, 0), TabelaTempo::x(a, int(n - 1)) };
}

}  // namespace FaixaZoom
