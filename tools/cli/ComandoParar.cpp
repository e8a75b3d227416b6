#include "ComandoParar.h"

#include "Catalogo.h"
#include "OpcoesLinha.h"
#include "OpcoesPorta.h"
#include "SessaoTarvek.h"
#include "TDatalogger.h"

#include <QTextStream>

namespace {

constexpr int TextoFalhou = 240;  // "Falha no fim de aquisições."
constexpr int TextoFinalizadas = 241;  // "Aquisições finalizadas."

int executaParar(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const OpcoesPorta porta(opcoes);
    const QString problema = OpcoesPorta::problema(porta, opcoes);
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }

    SessaoTarvek sessao(console, porta.verboso);
    if (!sessao.abre(porta.porta, porta.descricao))
        return Saida::Falha;
    if (!sessao.link().FimAquisicoes()) {
        sessao.falhou(sessao.catalogo().texto(TextoFalhou));
        return Saida::Falha;
    }
    console.saida << sessao.catalogo().texto(TextoFinalizadas) << Qt::endl;
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoParar()
{
    Comando c;
    c.nome = QStringLiteral("parar");
    c.resumo = QStringLiteral("encerra as aquisições em andamento no Tarvek");
    c.uso = QStringLiteral(
        "parar --porta <1-4 | dispositivo | simulador> [--descricao <cenário | arquivo.json>] [--verboso]");
    c.ajuda = QStringLiteral(
        "Envia ao Tarvek o comando de fim de aquisições, como o comando \"Parar\" do programa,\n"
        "sem pedir confirmação. O que ele já guardou fica na memória para ser coletado.\n"
        "\n"
        "  --porta <p>       1 a 4: as portas do programa, mapeadas como ele as mapeia; um\n"
        "                    caminho (/dev/ttyUSB0): esse dispositivo serial; simulador: um\n"
        "                    Tarvek simulado\n"
        "  --descricao <d>   para o Tarvek simulado: um cenário do simulador pelo nome ou um\n"
        "                    arquivo de descrição JSON\n"
        "  --verboso         mostra as mensagens da linha de status durante a comunicação\n"
        "\n"
        "Saída 0 com \"Aquisições finalizadas.\" na saída padrão; 1 com \"Falha no fim de\n"
        "aquisições.\" (depois do erro da comunicação) quando o Tarvek não respondeu, ou com o\n"
        "motivo quando a porta não abriu; 2 para uso incorreto.");
    c.executa = executaParar;
    return c;
}
