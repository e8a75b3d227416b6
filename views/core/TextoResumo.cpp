#include "TextoResumo.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "Instantes.h"
#include "RegrasLimites.h"
#include "TAquisicao.h"
#include "TextoNumero.h"

#include <algorithm>
#include <cmath>

namespace TextoResumo {

namespace {

enum Texto {
    TextoEntradas = 341,
    TextoMinimo = 342,
    TextoMaximo = 343,
    TextoMedia = 344,
    TextoDesvio = 345,
    TextoTcm = 346,
    TextoLimiteSuperior = 347,
    TextoLimiteInferior = 348,
    TextoEntradasAlem = 349,
    TextoTempoAlem = 350,
    TextoExcursoesAlem = 351,
    TextoMaiorExcursao = 352,
    TextoAcima = 353,
    TextoAbaixo = 354,
    TextoNaEntrada = 355,
};

// How a channel's numbers are written.
struct Escrita
{
    int sensor = -1;
    int decimais = 0;
    int casas = 0;  // of the channel's values (RegrasLimites::casas)
    int casasEstatistica = 1;  // of a mean (RegrasLimites::casasEstatistica)
    QString unidade;
    QChar separador;

    QString comUnidade(const QString &numero) const
    {
        return unidade.isEmpty() ? numero : numero + u' ' + unidade;
    }
    // A value as the readings list writes it.
    QString valor(double v) const
    {
        const QString t = TextoNumero::leitura(v, sensor, decimais, separador);
        return comUnidade(t.isEmpty() ? TextoNumero::geral(v, separador) : t);
    }
    // A mean, a deviation: one decimal more than the values.
    QString estatistica(double v) const
    {
        return comUnidade(TextoNumero::fixo(v, casasEstatistica, separador));
    }
    // A limit with the channel's decimals, or in full when they would round it.
    QString limite(double v) const
    {
        const double escala = std::pow(10.0, casas);
        if (std::fabs(std::round(v * escala) / escala - v) > 1e-9 * std::max(1.0, std::fabs(v)))
            return comUnidade(TextoNumero::geral(v, separador));
        return comUnidade(TextoNumero::fixo(v, casas, separador));
    }
};

Escrita escrita(const TAquisicao &a, int canal, const ConfigRegional &regional)
{
    const int casas = RegrasLimites::casas(a, canal);
    const int media = RegrasLimites::casasEstatistica(a, canal);
    if (canal == 2)
        return { a.SensorCanal2, a.DecimaisCanal2, casas, media, a.UnidadeCanal2, regional.separadorDecimal };
    return { a.SensorCanal1, a.DecimaisCanal1, casas, media, a.UnidadeCanal1, regional.separadorDecimal };
}

// "20,5 °C (entrada 00013, 14/06/2024 17:03:00)".
QString ondeOcorre(const QString &texto, const TAquisicao &a, int entrada, const Catalogo &cat,
    const ConfigRegional &regional)
{
    return cat.texto(TextoNaEntrada).arg(texto, numeroEntrada(entrada), instante(a, entrada, regional));
}

void excursoes(QList<Linha> &l, const TAquisicao &a, const ExcursoesLimite &e, bool acima, const Escrita &w,
    const Catalogo &cat, const ConfigRegional &regional)
{
    const QString lado = cat.texto(acima ? TextoAcima : TextoAbaixo);
    l.append({ cat.texto(acima ? TextoLimiteSuperior : TextoLimiteInferior), w.limite(e.limite) });
    l.append({ cat.texto(TextoEntradasAlem).arg(lado), QString::number(e.entradas) });
    l.append({ cat.texto(TextoTempoAlem).arg(lado), duracao(e.segundos, regional.separadorDecimal) });
    l.append({ cat.texto(TextoExcursoesAlem).arg(lado), QString::number(e.excursoes) });
    if (e.maiorEntrada >= 0) {
        const QString tempo = duracao(e.maiorSegundos, regional.separadorDecimal);
        l.append(
            { cat.texto(TextoMaiorExcursao).arg(lado), ondeOcorre(tempo, a, e.maiorEntrada, cat, regional) });
    }
}

}  // namespace

QString titulo(const TAquisicao &a, int canal, const Catalogo &cat)
{
    const QString &nome = canal == 2 ? a.NomeCanal2 : a.NomeCanal1;
    const QString &unidade = canal == 2 ? a.UnidadeCanal2 : a.UnidadeCanal1;
    return cat.texto(canal == 2 ? 197 : 196) + nome + QStringLiteral(" (") + unidade + u')';
}

QList<Linha> linhas(
    const TAquisicao &a, const ResumoCanal &r, const Catalogo &cat, const ConfigRegional &regional)
{
    const Escrita w = escrita(a, r.canal, regional);
    QList<Linha> l;
    l.append({ cat.texto(TextoEntradas), QString::number(r.entradas) });
    l.append(
        { cat.texto(TextoMinimo), ondeOcorre(w.valor(r.minimo.valor), a, r.minimo.entrada, cat, regional) });
    l.append(
        { cat.texto(TextoMaximo), ondeOcorre(w.valor(r.maximo.valor), a, r.maximo.entrada, cat, regional) });
    l.append({ cat.texto(TextoMedia), w.estatistica(r.media) });
    l.append({ cat.texto(TextoDesvio), w.estatistica(r.desvio) });
    if (r.tcm)
        l.append({ cat.texto(TextoTcm), w.estatistica(*r.tcm) });
    if (r.acima)
        excursoes(l, a, *r.acima, true, w, cat, regional);
    if (r.abaixo)
        excursoes(l, a, *r.abaixo, false, w, cat, regional);
    return l;
}

QList<Linha> linhas(const TAquisicao &a, int canal, int primeira, int ultima, const LimitesCanal &limites,
    const Catalogo &cat, const ConfigRegional &regional, double deltaHSobreR)
{
    const auto r = resumeCanal(a, canal, primeira, ultima, limites, deltaHSobreR);
    return r ? linhas(a, *r, cat, regional) : QList<Linha>();
}

QString duracao(double segundos, QChar separadorDecimal)
{
    // Whole half seconds: the times of a summary are counts of entries.
    const qint64 meios = qint64(std::llround(std::fabs(segundos) * 2));
    const qint64 s = meios / 2;
    QString t = QStringLiteral("%1:%2:%3")
                    .arg(s / 3600)
                    .arg(s / 60 % 60, 2, 10, QChar(u'0'))
                    .arg(s % 60, 2, 10, QChar(u'0'));
    if (meios % 2 != 0)
        t += separadorDecimal + QStringLiteral("5");
    return t;
}

QString numeroEntrada(int entrada)
{
    return QStringLiteral("%1").arg(entrada + 1, 5, 10, QChar(u'0'));
}

QString instante(const TAquisicao &a, int entrada, const ConfigRegional &regional)
{
    if (a.meioSegundo())
        return TextoInstante(entrada, a.Inicio, regional);
    return FormataDataHora(u"dd/mm/yyyy hh:nn:ss", a.instante(entrada), regional);
}

}  // namespace TextoResumo
