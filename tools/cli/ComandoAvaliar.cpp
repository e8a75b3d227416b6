#include "ComandoAvaliar.h"

#include "AmbienteArquivos.h"
#include "ConfiguracoesIni.h"
#include "DocumentoCli.h"
#include "InstanteIso.h"
#include "OpcoesLinha.h"
#include "PerfisGuardados.h"
#include "TextoAvaliacao.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimeZone>

namespace {

constexpr int Reprovado = 3;

QString instante(const TAquisicao &a, int entrada)
{
    InstanteIso iso(QTimeZone::systemTimeZone(), false);
    return QString::fromLatin1(iso.texto(a.instante(entrada), a.meioSegundo() && entrada % 2 == 1));
}

QJsonObject jsonExcursao(const TAquisicao &a, const ExcursaoAlarme &e)
{
    return { { "inicio", instante(a, e.inicio) }, { "fim", instante(a, e.fim) }, { "segundos", e.segundos },
        { "pico", e.pico }, { "instantePico", instante(a, e.entradaPico) }, { "entrada", e.inicio + 1 } };
}

const char *const Tipos[] = { "evento", "acumulado", "instante", "tcm" };
const char *const Janelas[] = { "24h", "30d", "inteira" };

}  // namespace

QJsonObject jsonAvaliacao(const TAquisicao &a, const Avaliacao &av)
{
    QJsonArray regras;
    for (const ResultadoRegra &r : av.regras) {
        QJsonArray excursoes;
        for (const ExcursaoAlarme &e : r.excursoes)
            excursoes.append(jsonExcursao(a, e));
        QJsonObject o { { "canal", r.canal }, { "tipo", Tipos[int(r.regra.tipo)] },
            { "lado", r.regra.acima ? "acima" : "abaixo" }, { "limite", r.regra.limite },
            { "incluiLimite", r.regra.incluiLimite }, { "aprovada", r.aprovada }, { "segundos", r.segundos },
            { "excursoes", excursoes } };
        if (r.regra.contaTempo())
            o.insert("duracao", r.regra.segundos);
        if (r.regra.tipo == TipoRegra::Tcm) {
            o.insert("janela", Janelas[int(r.regra.janela)]);
            o.insert("pior",
                r.janela ? QJsonValue(QJsonObject { { "tcm", r.janela->tcm },
                    { "inicio", instante(a, r.janela->inicio) }, { "fim", instante(a, r.janela->fim) } })
                         : QJsonValue(QJsonValue::Null));
        }
        regras.append(o);
    }
    return { { "veredito", av.aprovado ? "APROVADO" : "REPROVADO" }, { "perfil", av.perfil.nome },
        { "curto", av.perfil.curto }, { "regras", regras } };
}

namespace {

int executaAvaliar(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const bool json = opcoes.sinal(QStringLiteral("json"));
    const QString nome = opcoes.valor(QStringLiteral("perfil"));
    if (const QString problema = opcoes.problema(); !problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }
    if (opcoes.sobras().size() != 1) {
        console.falha(QStringLiteral("informe um arquivo .qvg"));
        return Saida::Uso;
    }
    if (!nome.isNull() && nome.trimmed().isEmpty()) {
        console.falha(QStringLiteral("--perfil precisa de um nome"));
        return Saida::Uso;
    }
    const AmbienteArquivos seams(console);
    const auto a = DocumentoCli::le(opcoes.sobras().first(), seams.regional, console, true);
    if (!a)
        return Saida::Falha;
    ConfiguracoesIni ini;
    QString erro;
    const auto perfil = PerfisGuardados(&ini).escolhe(a->NumeroSerie, nome, seams.catalogo, erro);
    if (!perfil) {
        console.falha(erro.isEmpty()
                ? QStringLiteral("a gravação não tem perfil de alarme nem limites guardados: "
                                 "escolha um com --perfil (veja quorvane-cli perfis)")
                : erro + u' ' + QStringLiteral("(%1)").arg(ini.caminho()));
        return Saida::Uso;
    }
    const Avaliacao av = avalia(*a, *perfil);
    if (json)
        console.saida << QString::fromUtf8(QJsonDocument(jsonAvaliacao(*a, av)).toJson());
    else
        console.saida << TextoAvaliacao::linhas(*a, av, seams.catalogo, seams.regional).join(u'\n') << '\n';
    return av.aprovado ? Saida::Sucesso : Reprovado;
}

}  // namespace

Comando ComandoAvaliar()
{
    return { QStringLiteral("avaliar"),
        QStringLiteral("avalia uma gravação por um perfil de alarme: APROVADO ou REPROVADO"),
        QStringLiteral("avaliar ARQUIVO.qvg [--perfil NOME] [--json]"),
        QStringLiteral(
            "Avalia cada regra do perfil (o dado, o do número de série do Tarvek na seção\n"
            "PERFIL_SERIE, ou o dos limites de alarme guardados) e escreve o veredito, o\n"
            "que cada regra mediu e as excursões que a reprovam (início, fim, duração,\n"
            "pico e seu instante). Cada entrada vale o intervalo entre aquisições (0,5 s no\n"
            "modo de meio segundo); os limites são comparados nas casas decimais do canal.\n\n"
            "  --perfil NOME     o nome curto ou o nome de um perfil (quorvane-cli perfis)\n"
            "  --json            escreve {\"veredito\", \"perfil\", \"curto\", \"regras\": [...]}\n"
            "Sai com 0 para APROVADO e 3 para REPROVADO; um arquivo recusado, com 1; um\n"
            "perfil desconhecido ou que não pode ser lido, ou uma opção inválida, com 2."),
        executaAvaliar };
}
