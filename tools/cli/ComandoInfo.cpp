#include "ComandoInfo.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "FichaTarvek.h"
#include "OpcoesLinha.h"
#include "OpcoesPorta.h"
#include "SessaoTarvek.h"
#include "TDatalogger.h"

#include <QJsonDocument>
#include <QTextStream>

namespace {

int executaInfo(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const OpcoesPorta porta(opcoes);
    const bool json = opcoes.sinal(QStringLiteral("json"));
    const QString problema = OpcoesPorta::problema(porta, opcoes);
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }

    SessaoTarvek sessao(console, porta.verboso);
    if (!sessao.abre(porta.porta, porta.descricao))
        return Saida::Falha;
    // The blocks are read as the configuration window reads them, and a
    // failure is told in that window's words.
    const QStringView janela = u"FrmConfig";
    QByteArray configuracao, naoVolatil, calibracao;
    if (!sessao.link().LeConfiguracao(configuracao)) {
        sessao.falhou(sessao.catalogo().texto(136, janela));
        return Saida::Falha;
    }
    if (!sessao.link().LeNaoVolateis(naoVolatil)) {
        sessao.falhou(sessao.catalogo().texto(137, janela));
        return Saida::Falha;
    }
    if (!sessao.link().LeCalibracao(calibracao)) {
        sessao.falhou(sessao.catalogo().texto(146, janela));
        return Saida::Falha;
    }

    const FichaTarvek ficha(BlocoConfiguracao::decodifica(configuracao),
        BlocoNaoVolatil::decodifica(naoVolatil), BlocoCalibracao::decodifica(calibracao), sessao.catalogo());
    if (json)
        console.saida << QString::fromUtf8(QJsonDocument(ficha.json()).toJson(QJsonDocument::Indented));
    else
        console.saida << ficha.texto();
    console.saida.flush();
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoInfo()
{
    Comando c;
    c.nome = QStringLiteral("info");
    c.resumo = QStringLiteral("lê e mostra os parâmetros do Tarvek");
    c.uso = QStringLiteral(
        "info --porta <1-4 | dispositivo | simulador> [--json] [--descricao <cenário | arquivo.json>] "
        "[--verboso]");
    c.ajuda = QStringLiteral(
        "Lê do Tarvek os blocos de configuração, de não-voláteis e de calibração e mostra\n"
        "cada campo decodificado (sensores, intervalo, parada, relógio, memória, bateria,\n"
        "textos, limites, offsets, data da troca de bateria, calibração, número de série e\n"
        "firmware) e as grandezas derivadas (bytes por aquisição, capacidade, carga).\n"
        "O intervalo aparece como na janela de configuração (hh:mm:ss, ou 0.5 seg.); os\n"
        "limites e os offsets também na unidade do canal, com as suas casas decimais (os\n"
        "limites de Pt100 em graus, com \",0\"; os offsets de Pt100 em décimos de grau).\n"
        "\n"
        "  --porta <p>       1 a 4: as portas do programa, mapeadas como ele as mapeia\n"
        "                    (COM1 a COM4; fora do Windows /dev/ttyS0, /dev/ttyS1,\n"
        "                    /dev/ttyUSB0 e /dev/ttyUSB1, ou o que a seção PORTAS do\n"
        "                    QUORVANE.INI indicar); um caminho (/dev/ttyUSB0): esse\n"
        "                    dispositivo serial; simulador: um Tarvek simulado\n"
        "  --descricao <d>   para o Tarvek simulado: um cenário do simulador pelo nome\n"
        "                    (padrao, termopar, pt100, ...) ou um arquivo de descrição JSON\n"
        "  --json            mostra o mesmo em JSON; campos com interpretação trazem\n"
        "                    {\"valor\": bruto, \"texto\": interpretação}\n"
        "  --verboso         mostra as mensagens da linha de status durante a comunicação\n"
        "\n"
        "Saída 0 quando leu tudo; 1 quando a porta não abriu ou um comando falhou (o erro\n"
        "da comunicação e a mensagem da operação vão para stderr, cada linha como\n"
        "\"quorvane-cli info: <texto>\"); 2 para uso incorreto.");
    c.executa = executaInfo;
    return c;
}
