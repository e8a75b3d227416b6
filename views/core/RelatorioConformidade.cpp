#include "RelatorioConformidade.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "Procedencia.h"
#include "RegrasLimites.h"
#include "RelatorioResumo.h"
#include "RelatorioTexto.h"
#include "TAquisicao.h"
#include "TextoAvaliacao.h"
#include "TextoNumero.h"
#include "TextoResumo.h"

#include <algorithm>
#include <cmath>

namespace RelatorioConformidade {

namespace {

enum Texto {
    TextoMinimo = 342,
    TextoMaximo = 343,
    TextoMedia = 344,
    TextoRegra = 501,
    TextoInicio = 502,
    TextoFim = 503,
    TextoDuracao = 504,
    TextoPico = 505,
    TextoInstantePico = 506,
    TextoExcursoes = 507,
    TextoSemExcursao = 508,
    TextoTabelaDias = 509,
    TextoDia = 510,
    TextoContinuam = 511,
    TextoContinuacao = 512,
};

QString comUnidade(const TAquisicao &a, int canal, double v, int casas, QChar separador)
{
    const QString unidade = (canal == 2 ? a.UnidadeCanal2 : a.UnidadeCanal1).trimmed();
    const QString t = TextoNumero::fixo(v, casas, separador);
    return unidade.isEmpty() ? t : t + u' ' + unidade;
}

Linha linha(const QString &texto, Estilo estilo = Estilo::Texto, Tabs tabs = Tabs::Rotulo)
{
    return { texto, estilo, tabs };
}

// The recording, the profile and each rule numbered with what it measured.
QList<Linha> acima(const TAquisicao &a, const Avaliacao &av, const QString &arquivo, const Catalogo &cat,
    const ConfigRegional &regional)
{
    QList<Linha> r;
    QStringList gravacao = RelatorioResumo::cabecalho(a, arquivo, cat, regional);
    gravacao.removeAll(QString());
    for (const QString &l : std::as_const(gravacao))
        r << linha(l);
    r << linha(QString()) << linha(cat.texto(451).arg(av.perfil.nome), Estilo::Titulo);
    for (qsizetype k = 0; k < av.regras.size(); ++k) {
        const ResultadoRegra &res = av.regras[k];
        r << linha(QStringLiteral("%1. ").arg(k + 1) + TextoAvaliacao::resultado(a, res, cat, regional));
        r << linha(QStringLiteral("      ") + TextoAvaliacao::medido(a, res, cat, regional));
    }
    return r;
}

}  // namespace

QList<double> tabulacoes(Tabs tabs)
{
    switch (tabs) {
    case Tabs::Excursoes:
        // rule, start, end, length, peak, its instant
        return { 60, 190, 320, 400, 490 };
    case Tabs::Dias:
        // day, minimum, maximum, mean, then a threshold every 90
        return { 110, 190, 270, 350, 440, 530, 620 };
    case Tabs::Rotulo:
        break;
    }
    return { 200 };
}

QString limiar(const TAquisicao &a, const RegraAlarme &regra, int canal, const ConfigRegional &regional)
{
    const QString sinal = regra.acima ? (regra.incluiLimite ? QStringLiteral("≥ ") : QStringLiteral("> "))
                                      : (regra.incluiLimite ? QStringLiteral("≤ ") : QStringLiteral("< "));
    return sinal
        + comUnidade(a, canal, regra.limite, RegrasLimites::casas(a, canal), regional.separadorDecimal);
}

QList<Linha> excursoes(
    const TAquisicao &a, const Avaliacao &av, const Catalogo &cat, const ConfigRegional &regional)
{
    QList<Linha> r { linha(cat.texto(TextoExcursoes), Estilo::Titulo) };
    QList<Linha> corpo;
    const QChar sep = regional.separadorDecimal;
    for (qsizetype k = 0; k < av.regras.size(); ++k) {
        const ResultadoRegra &res = av.regras[k];
        const int casas = RegrasLimites::casas(a, res.canal);
        for (const ExcursaoAlarme &e : res.excursoes)
            corpo << linha(
                QStringList { QString::number(k + 1), TextoResumo::instante(a, e.inicio, regional),
                    TextoResumo::instante(a, e.fim, regional), TextoResumo::duracao(e.segundos, sep),
                    comUnidade(a, res.canal, e.pico, casas, sep),
                    TextoResumo::instante(a, e.entradaPico, regional) }
                    .join(u'\t'),
                Estilo::Texto, Tabs::Excursoes);
    }
    if (corpo.isEmpty())
        return r << linha(cat.texto(TextoSemExcursao));
    const QStringList titulos { cat.texto(TextoRegra), cat.texto(TextoInicio), cat.texto(TextoFim),
        cat.texto(TextoDuracao), cat.texto(TextoPico), cat.texto(TextoInstantePico) };
    return r << linha(titulos.join(u'\t'), Estilo::Colunas, Tabs::Excursoes) << corpo;
}

QList<TabelaDias> dias(
    const TAquisicao &a, const Avaliacao &av, const Catalogo &cat, const ConfigRegional &regional)
{
    QList<TabelaDias> r;
    const QChar sep = regional.separadorDecimal;
    for (int canal = 1; canal <= 2; ++canal) {
        // Only the channels the profile judged.
        if (std::none_of(av.regras.cbegin(), av.regras.cend(),
                [canal](const ResultadoRegra &res) { return res.canal == canal; }))
            continue;
        QStringList colunas { cat.texto(TextoDia), cat.texto(TextoMinimo), cat.texto(TextoMaximo),
            cat.texto(TextoMedia) };
        for (const ResultadoRegra &res : av.regras)
            if (res.canal == canal && res.regra.tipo != TipoRegra::Tcm)
                colunas << limiar(a, res.regra, canal, regional);
        TabelaDias t;
        const int casas = RegrasLimites::casas(a, canal);
        const int casasMedia = RegrasLimites::casasEstatistica(a, canal);
        for (const DiaCanal &d : av.dias) {
            if (d.canal != canal)
                continue;
            QStringList c { FormataDataHora(regional.formatoDataCurta, double(d.dia), regional),
                comUnidade(a, canal, d.minimo, casas, sep), comUnidade(a, canal, d.maximo, casas, sep),
                comUnidade(a, canal, d.media, casasMedia, sep) };
            for (const double s : d.segundosAlem)
                c << TextoResumo::duracao(s, sep);
            t.linhas << linha(c.join(u'\t'), Estilo::Texto, Tabs::Dias);
        }
        if (t.linhas.isEmpty())
            continue;
        t.cabecalho << linha(TextoResumo::titulo(a, canal, cat), Estilo::Titulo)
                    << linha(colunas.join(u'\t'), Estilo::Colunas, Tabs::Dias);
        r << t;
    }
    return r;
}

QList<QList<Linha>> paginas(
    const QList<Linha> &soltas, const QList<TabelaDias> &tabelas, int porPagina, const QString &continuacao)
{
    porPagina = std::max(porPagina, 4);
    QList<QList<Linha>> r { {} };
    const auto cabe = [&r, porPagina](qsizetype n) { return r.last().size() + n <= porPagina; };
    for (const Linha &l : soltas) {
        if (!cabe(1))
            r.append(QList<Linha>());
        r.last() << l;
    }
    for (const TabelaDias &t : tabelas) {
        // A blank line between parts, a new page when the heading and a
        // row do not fit.
        if (!r.last().isEmpty() && cabe(t.cabecalho.size() + 2))
            r.last() << linha(QString());
        else if (!r.last().isEmpty())
            r.append(QList<Linha>());
        r.last() << t.cabecalho;
        for (const Linha &l : t.linhas) {
            if (!cabe(1)) {
                r.append(QList<Linha>());
                QList<Linha> repetido = t.cabecalho;
                repetido.first().texto += u' ' + continuacao;
                r.last() << repetido;
            }
            r.last() << l;
        }
    }
    if (r.last().isEmpty())
        r.removeLast();
    return r;
}

Relatorio monta(const TAquisicao &a, const Avaliacao &av, const QString &arquivo, const Procedencia &p,
    const Catalogo &cat, const ConfigRegional &regional, double alturaUtil, double alturaCabecalho)
{
    Relatorio r;
    r.primeira.veredito = TextoAvaliacao::veredito(av.aprovado, cat);
    r.primeira.aprovado = av.aprovado;
    r.primeira.acima = acima(a, av, arquivo, cat, regional);

    const QList<Linha> todas = excursoes(a, av, cat, regional);
    QList<Linha> procedencia;
    for (const QString &l : p.linhas(cat))
        procedencia << linha(
            l.trimmed().isEmpty() ? QString() : l, procedencia.isEmpty() ? Estilo::Titulo : Estilo::Texto);

    // The chart gets what the fixed lines leave, never less than its least;
    // the excursions that would take it go to the next pages.
    const double livre = alturaUtil - alturaCabecalho - RelatorioTexto::kAlturaRodape - kAlturaVeredito
        - 3 * kEspaco - kGraficoMinimo;
    const int fixas = int(r.primeira.acima.size() + procedencia.size()) + 1;  // +1: blank before provenance
    const int cabem = std::max(0, int(std::floor(livre / kAlturaLinha)) - fixas);
    QList<Linha> naPrimeira = todas;
    QList<Linha> seguem;
    if (todas.size() > cabem) {
        // The title, the heading, the rows that fit and the line saying how
        // many continue.
        const qsizetype ficam = std::max<qsizetype>(2, cabem - 1);
        naPrimeira = todas.mid(0, ficam);
        seguem << todas.first() << todas.at(1) << todas.mid(ficam);
        seguem.first().texto += QStringLiteral(" ") + cat.texto(TextoContinuacao);
        naPrimeira << linha(cat.texto(TextoContinuam).arg(todas.size() - ficam));
    }
    r.primeira.abaixo = naPrimeira;
    r.primeira.abaixo << linha(QString()) << procedencia;
    r.primeira.alturaGrafico = kGraficoMinimo
        + std::max(0.0, livre - double(r.primeira.acima.size() + r.primeira.abaixo.size()) * kAlturaLinha);

    if (!seguem.isEmpty())
        seguem << linha(QString());
    seguem << linha(cat.texto(TextoTabelaDias), Estilo::Titulo);
    const int porPagina
        = int(std::floor((alturaUtil - alturaCabecalho - RelatorioTexto::kAlturaRodape) / kAlturaLinha));
    r.seguintes = paginas(seguem, dias(a, av, cat, regional), porPagina, cat.texto(TextoContinuacao));
    return r;
}

}  // namespace RelatorioConformidade
