#include "ComandoOffset.h"

#include "AjusteOffset.h"
#include "OpcoesLinha.h"
#include "OpcoesPorta.h"
#include "SessaoTarvek.h"

#include <QTextStream>

namespace {

void mostra(QTextStream &s, const AjusteOffset &ajuste)
{
    for (int canal = 1; canal <= 2; ++canal) {
        s << "Offset do Canal " << canal << ": ";
        s << (ajuste.visivel(canal) ? ajuste.texto(canal) : QStringLiteral("(sem sensor)")) << '\n';
    }
}

int executaOffset(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const OpcoesPorta porta(opcoes);
    const QString valores[2]
        = { opcoes.valor(QStringLiteral("canal1")), opcoes.valor(QStringLiteral("canal2")) };
    const QString problema = OpcoesPorta::problema(porta, opcoes);
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }

    SessaoTarvek sessao(console, porta.verboso);
    if (!sessao.abre(porta.porta, porta.descricao))
        return Saida::Falha;
    AjusteOffset ajuste(sessao.link(), sessao.ambiente());
    if (!ajuste.RecebeConfiguracoes())
        return Saida::Falha;
    if (valores[0].isEmpty() && valores[1].isEmpty()) {
        mostra(console.saida, ajuste);
        return Saida::Sucesso;
    }
    for (int canal = 1; canal <= 2; ++canal) {
        const QString &v = valores[canal - 1];
        if (v.isEmpty())
            continue;
        if (!ajuste.visivel(canal)) {
            console.falha(
                QStringLiteral("offset recusado para o canal %1: %2 (canal sem sensor)").arg(canal).arg(v));
            return Saida::Falha;
        }
        // A refused value has shown its reason (on stderr).
        if (!ajuste.defineTexto(canal, v))
            return Saida::Falha;
    }
    mostra(console.saida, ajuste);
    console.saida << "Não-voláteis, bytes 74 e 75: "
                  << QString::fromLatin1(ajuste.bloco().mid(74, 2).toHex(' ').toUpper()) << '\n';
    console.saida.flush();
    return ajuste.BitBtnOffsetClick() ? Saida::Sucesso : Saida::Falha;
}

}  // namespace

Comando ComandoOffset()
{
    Comando c;
    c.nome = QStringLiteral("offset");
    c.resumo = QStringLiteral("mostra e grava o offset de cada canal");
    c.uso = QStringLiteral("offset --porta <1-4 | dispositivo | simulador> [--canal1 <v>] [--canal2 <v>]");
    c.ajuda = QStringLiteral(
        "Lê a configuração e os não-voláteis do Tarvek e mostra o offset de cada canal com\n"
        "sensor, como a janela \"Ajuste de Offset\": décimos de grau para Pt100, graus para\n"
        "os termopares, a última casa do ponto decimal para 4-20mA e 0-50mV. Com --canal1\n"
        "ou --canal2 grava o offset dado (bytes 74 e 75 dos não-voláteis; todos os outros\n"
        "voltam como foram lidos, e o de um canal sem valor também).\n"
        "\n"
        "  --porta <p>          1 a 4, um dispositivo serial ou simulador (como em info)\n"
        "  --descricao <d>      para o Tarvek simulado: um cenário ou um arquivo JSON\n"
        "  --canal1, --canal2 <v>  o offset como a janela o mostra (-0,4 ou -0.4 para\n"
        "                       Pt100, -3 para termopar): passos inteiros do último\n"
        "                       dígito, de -128 a 127\n"
        "  --verboso            mostra as mensagens da linha de status\n"
        "\n"
        "Saída 0 quando tudo foi lido (e gravado); 1 quando a comunicação falhou ou um\n"
        "valor foi recusado (a mensagem vai para stderr); 2 para uso incorreto.");
    c.executa = executaOffset;
    return c;
}
