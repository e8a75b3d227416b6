#include "ComandoPerfis.h"

#include "AmbienteArquivos.h"
#include "ConfiguracoesIni.h"
#include "OpcoesLinha.h"
#include "PerfisGuardados.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int executaPerfis(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const bool json = opcoes.sinal(QStringLiteral("json"));
    if (const QString opcao = opcoes.opcaoNaoReconhecida(); !opcao.isEmpty() || !opcoes.sobras().isEmpty()) {
        console.falha(opcao.isEmpty() ? QStringLiteral("perfis não recebe arquivos") : opcao);
        return Saida::Uso;
    }
    const AmbienteArquivos seams(console);
    ConfiguracoesIni ini;
    const PerfisGuardados::Leitura l = PerfisGuardados(&ini).le(seams.catalogo);
    if (json) {
        QJsonArray perfis;
        for (const PerfilAlarme &p : l.perfis) {
            QJsonArray regras;
            for (const RegraAlarme &r : p.regras)
                regras.append(PerfisGuardados::texto(r));
            perfis.append(QJsonObject { { "curto", p.curto }, { "nome", p.nome },
                { "somenteLeitura", p.somenteLeitura }, { "regras", regras } });
        }
        console.saida << QString::fromUtf8(QJsonDocument(
            QJsonObject { { "perfis", perfis }, { "erros", QJsonArray::fromStringList(l.erros) } })
                                               .toJson());
    } else {
        for (const PerfilAlarme &p : l.perfis) {
            console.saida << p.curto << "  \"" << p.nome << '"' << '\n';
            for (const RegraAlarme &r : p.regras)
                console.saida << "    " << PerfisGuardados::texto(r) << '\n';
        }
    }
    for (const QString &e : l.erros)
        console.falha(e);
    return l.erros.isEmpty() ? Saida::Sucesso : Saida::Uso;
}

}  // namespace

Comando ComandoPerfis()
{
    return { QStringLiteral("perfis"), QStringLiteral("lista os perfis de alarme"),
        QStringLiteral("perfis [--json]"),
        QStringLiteral("Os perfis fornecidos (somente leitura) e os guardados na seção PERFIS do\n"
                       "arquivo de configurações, cada um com seu nome curto, seu nome e suas regras,\n"
                       "uma por linha: canal (0: todo canal em °C), tipo (evento, acumulado,\n"
                       "instante, tcm), lado (acima, abaixo), limite, se o limite conta (sim, nao),\n"
                       "duração em segundos e janela da TCM (24h, 30d, inteira).\n"
                       "Um perfil guardado que não pode ser lido é informado e a saída é 2."),
        executaPerfis };
}
