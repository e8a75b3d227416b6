#include "ComandoBateria.h"

#include "OpcoesLinha.h"
#include "OpcoesPorta.h"
#include "ServicoBateria.h"
#include "SessaoTarvek.h"

#include <QTextStream>

namespace {

int executaBateria(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const OpcoesPorta porta(opcoes);
    const QString dataHora = opcoes.valor(QStringLiteral("data")).simplified();
    QString problema = OpcoesPorta::problema(porta, opcoes);
    const QString data = dataHora.section(u' ', 0, 0), hora = dataHora.section(u' ', 1, 1);
    if (problema.isEmpty() && !dataHora.isEmpty() && (data.size() != 10 || hora.size() != 5))
        problema = QStringLiteral("--data deve ser \"dd/mm/aaaa hh:mm\"");
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }

    SessaoTarvek sessao(console, porta.verboso);
    if (!sessao.abre(porta.porta, porta.descricao))
        return Saida::Falha;
    ServicoBateria servico(sessao.link(), sessao.ambiente());
    if (!servico.RecebeConfiguracoes())
        return Saida::Falha;
    const ServicoBateria::Textos t = servico.mostra();
    console.saida << "Última troca: " << (t.dataValida ? t.data + QStringLiteral(" às ") + t.hora : QString())
                  << '\n'
                  << t.consumo << '\n';
    if (dataHora.isEmpty())
        return Saida::Sucesso;
    if (!servico.ValidaTudo(data, hora))
        return Saida::Falha;
    const QByteArray bloco = servico.bloco(data, hora);
    console.saida << "Não-voláteis, bytes 118 a 122: "
                  << QString::fromLatin1(bloco.mid(118).toHex(' ').toUpper()) << '\n';
    console.saida.flush();
    return servico.grava(data, hora) ? Saida::Sucesso : Saida::Falha;
}

}  // namespace

Comando ComandoBateria()
{
    Comando c;
    c.nome = QStringLiteral("bateria");
    c.resumo = QStringLiteral("mostra a carga e a data da troca da bateria; grava a data");
    c.uso = QStringLiteral("bateria --porta <1-4 | dispositivo | simulador> [--data \"dd/mm/aaaa hh:mm\"]");
    c.ajuda = QStringLiteral(
        "Lê a configuração e os não-voláteis do Tarvek e mostra a data e a hora da última\n"
        "troca da bateria e a carga restante, como a janela \"Informações sobre a bateria\".\n"
        "Com --data, valida a data e a hora como a janela e grava-as (bytes 118 a 122 dos\n"
        "não-voláteis; todos os outros voltam como foram lidos).\n"
        "\n"
        "  --porta <p>          1 a 4, um dispositivo serial ou simulador (como em info)\n"
        "  --descricao <d>      para o Tarvek simulado: um cenário ou um arquivo JSON\n"
        "  --data <d>           \"dd/mm/aaaa hh:mm\": a data da troca a gravar\n"
        "  --verboso            mostra as mensagens da linha de status\n"
        "\n"
        "Saída 0 quando tudo foi lido (e gravado); 1 quando a comunicação falhou ou a data\n"
        "foi recusada (a mensagem vai para stderr); 2 para uso incorreto.");
    c.executa = executaBateria;
    return c;
}
