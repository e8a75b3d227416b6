#include "TextoAvaliacao.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "RegrasLimites.h"
#include "TAquisicao.h"
#include "TextoNumero.h"
#include "TextoResumo.h"

#include <cmath>

namespace TextoAvaliacao {

namespace {

enum Texto {
    TextoAprovado = 449,
    TextoReprovado = 450,
    TextoPerfil = 451,
    TextoAcimaDe = 452,
    TextoAPartirDe = 453,
    TextoAbaixoDe = 454,
    TextoAte = 455,
    TextoEvento = 456,
    TextoAcumulado = 457,
    TextoInstante = 458,
    TextoTcmDia = 459,
    TextoTcmMes = 460,
    TextoTcmInteira = 461,
    TextoMedido = 462,
    TextoPiorJanela = 463,
    TextoExcursao = 464,
    TextoResultado = 472,
    TextoPassa = 473,
    TextoFalha = 474,
};

QString comUnidade(const TAquisicao &a, int canal, double v, int casas, QChar separador)
{
    const QString unidade = (canal == 2 ? a.UnidadeCanal2 : a.UnidadeCanal1).trimmed();
    const QString t = TextoNumero::fixo(v, casas, separador);
    return unidade.isEmpty() ? t : t + u' ' + unidade;
}

// A threshold is written as it was given: at the channel's decimals, or
// at more where it has more (-0,5 on a channel of whole degrees).
int casasDoLimite(double limite, int casas)
{
    while (casas < 3
        && std::abs(limite * std::pow(10.0, casas) - std::round(limite * std::pow(10.0, casas))) > 1e-6)
        ++casas;
    return casas;
}

QString lado(const RegraAlarme &r, const QString &limite, const Catalogo &cat)
{
    if (r.acima)
        return cat.texto(r.incluiLimite ? TextoAPartirDe : TextoAcimaDe).arg(limite);
    return cat.texto(r.incluiLimite ? TextoAte : TextoAbaixoDe).arg(limite);
}

}  // namespace

QString veredito(bool aprovado, const Catalogo &cat)
{
    return cat.texto(aprovado ? TextoAprovado : TextoReprovado);
}

QString regra(
    const TAquisicao &a, const RegraAlarme &r, int canal, const Catalogo &cat, const ConfigRegional &regional)
{
    const QChar sep = regional.separadorDecimal;
    const int casas = r.tipo == TipoRegra::Tcm ? RegrasLimites::casasEstatistica(a, canal)
                                               : RegrasLimites::casas(a, canal);
    const QString limite = lado(r, comUnidade(a, canal, r.limite, casasDoLimite(r.limite, casas), sep), cat);
    switch (r.tipo) {
    case TipoRegra::Evento:
        return cat.texto(TextoEvento).arg(limite, TextoResumo::duracao(r.segundos, sep));
    case TipoRegra::Acumulado:
        return cat.texto(TextoAcumulado).arg(limite, TextoResumo::duracao(r.segundos, sep));
    case TipoRegra::Instante:
        return cat.texto(TextoInstante).arg(limite);
    case TipoRegra::Tcm:
        break;
    }
    const int janela = r.janela == JanelaTcm::Dia
        ? TextoTcmDia
        : (r.janela == JanelaTcm::Mes ? TextoTcmMes : TextoTcmInteira);
    return cat.texto(janela).arg(limite);
}

QString resultado(
    const TAquisicao &a, const ResultadoRegra &r, const Catalogo &cat, const ConfigRegional &regional)
{
    return cat.texto(TextoResultado)
        .arg(QString::number(r.canal), regra(a, r.regra, r.canal, cat, regional),
            cat.texto(r.aprovada ? TextoPassa : TextoFalha));
}

QString medido(
    const TAquisicao &a, const ResultadoRegra &r, const Catalogo &cat, const ConfigRegional &regional)
{
    if (r.regra.tipo != TipoRegra::Tcm)
        return cat.texto(TextoMedido).arg(TextoResumo::duracao(r.segundos, regional.separadorDecimal));
    if (!r.janela)
        return cat.texto(TextoMedido).arg(QStringLiteral("—"));
    const QString tcm = comUnidade(
        a, r.canal, r.janela->tcm, RegrasLimites::casasEstatistica(a, r.canal), regional.separadorDecimal);
    return cat.texto(TextoPiorJanela)
        .arg(tcm, TextoResumo::instante(a, r.janela->inicio, regional),
            TextoResumo::instante(a, r.janela->fim, regional));
}

QString excursao(const TAquisicao &a, int canal, const ExcursaoAlarme &e, const Catalogo &cat,
    const ConfigRegional &regional)
{
    const QString pico
        = comUnidade(a, canal, e.pico, RegrasLimites::casas(a, canal), regional.separadorDecimal);
    return cat.texto(TextoExcursao)
        .arg(TextoResumo::instante(a, e.inicio, regional), TextoResumo::instante(a, e.fim, regional),
            TextoResumo::duracao(e.segundos, regional.separadorDecimal), pico,
            TextoResumo::instante(a, e.entradaPico, regional));
}

QStringList linhas(const TAquisicao &a, const Avaliacao &av, const Catalogo &cat,
    const ConfigRegional &regional, int excursoes)
{
    QStringList l { veredito(av.aprovado, cat), cat.texto(TextoPerfil).arg(av.perfil.nome) };
    for (const ResultadoRegra &r : av.regras) {
        l.append(resultado(a, r, cat, regional));
        l.append(QStringLiteral("    ") + medido(a, r, cat, regional));
        for (qsizetype i = 0; i < r.excursoes.size() && i < excursoes; ++i)
            l.append(QStringLiteral("    ") + excursao(a, r.canal, r.excursoes[i], cat, regional));
        if (r.excursoes.size() > excursoes)
            l.append(QStringLiteral("    … +%1").arg(r.excursoes.size() - excursoes));
    }
    return l;
}

}  // namespace TextoAvaliacao
