#include "ComandoStatus.h"

#include "ConfigRegional.h"
#include "DataHora.h"
#include "IRelogio.h"
#include "LeituraLoggers.h"
#include "OpcoesLinha.h"
#include "SessaoTarvek.h"
#include "TMSCommRoteador.h"
#include "TextoLoggers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <algorithm>

namespace {

// The rows in columns as wide as their longest text.
void escreveTabela(QTextStream &s, const QList<QStringList> &linhas)
{
    QList<int> larguras(TextoLoggers::Colunas, 0);
    for (const QStringList &l : linhas)
        for (int c = 0; c < l.size(); ++c)
            larguras[c] = std::max(larguras[c], int(l[c].size()));
    for (const QStringList &l : linhas) {
        QString linha;
        for (int c = 0; c < l.size(); ++c)
            linha += c + 1 < l.size() ? l[c].leftJustified(larguras[c] + 2) : l[c];
        s << linha.trimmed() << '\n';
    }
}

int executaStatus(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const bool json = opcoes.sinal(QStringLiteral("json"));
    const bool verboso = opcoes.sinal(QStringLiteral("verboso"));
    const QString descricao = opcoes.valor(QStringLiteral("descricao"));
    if (const QString problema = opcoes.problema(); !problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }
    SessaoTarvek sessao(console, verboso);
    TMSCommRoteador &roteador = sessao.roteador(descricao);
    LeituraLoggers leitura(
        sessao.ambiente(), [&roteador](int n) { return roteador.Destino(n); },
        [&roteador](const QString &destino) { return roteador.PortaAvulsa(destino); });
    const QList<EstadoLogger> linhas = leitura.leTodas();

    const Ambiente &a = sessao.ambiente();
    const int vida = LeituraLoggers::vidaBateriaMeses(a.configuracoes);
    const QDateTime agora = DataHora::paraQDateTime(a.relogio->dataHoraAtual());
    if (json) {
        QJsonArray lista;
        for (const EstadoLogger &e : linhas)
            lista.append(TextoLoggers::json(e, sessao.catalogo(), vida, agora));
        console.saida << QString::fromUtf8(QJsonDocument(lista).toJson(QJsonDocument::Indented));
    } else {
        QList<QStringList> tabela { TextoLoggers::cabecalhos(sessao.catalogo()) };
        for (const EstadoLogger &e : linhas)
            tabela << TextoLoggers::colunas(e, sessao.catalogo(), *a.regional, vida, agora);
        escreveTabela(console.saida, tabela);
    }
    console.saida.flush();
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoStatus()
{
    Comando c;
    c.nome = QStringLiteral("status");
    c.resumo = QStringLiteral("lê o Tarvek de cada porta e mostra o estado de todos");
    c.uso = QStringLiteral("status [--json] [--descricao <cenário | arquivo.json>] [--verboso]");
    c.ajuda = QStringLiteral(
        "Lê, uma após a outra, cada porta de COM1 a COM4 cujo dispositivo está presente\n"
        "(ou que a seção PORTAS do QUORVANE.INI indica; simulador: um Tarvek simulado) e\n"
        "mostra, como a janela \"Loggers\": porta, número de série, título, se grava, a\n"
        "memória usada, quando ela enche (ou passa a sobrescrever), a data da troca de\n"
        "bateria e a sua idade, e a última coleta nos registros com o seu veredito. Os\n"
        "que pedem atenção vêm primeiro, com o motivo: memória acima de 90 %, bateria mais\n"
        "velha que VIDA_BATERIA_MESES da seção LOGGERS (24), última coleta reprovada no\n"
        "perfil, sem resposta (com o motivo, como o diálogo de portas o diz).\n"
        "\n"
        "  --json            o mesmo em JSON, uma lista com um objeto por porta\n"
        "  --descricao <d>   para o Tarvek simulado: um cenário do simulador ou um arquivo\n"
        "  --verboso         mostra as mensagens da linha de status durante a comunicação\n"
        "\n"
        "Saída 0 depois de listar (uma porta sem resposta é uma linha da lista); 2 para uso\n"
        "incorreto.");
    c.executa = executaStatus;
    return c;
}
