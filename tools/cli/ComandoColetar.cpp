#include "ComandoColetar.h"

#include "Ambiente.h"
#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ColetaDados.h"
#include "ComandoColetarTodos.h"
#include "ConfigRegional.h"
#include "DocumentoGrafico.h"
#include "NomeArquivoGrafico.h"
#include "OpcoesLinha.h"
#include "OpcoesPorta.h"
#include "ProgressoConsole.h"
#include "SeamsConsole.h"
#include "SeloGravacao.h"
#include "SessaoTarvek.h"
#include "TDatalogger.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// Catalogue texts.
constexpr int TextoGrafico = 227;  // " - Gráfico", after a graph window's name
constexpr int TextoColetando = 134;  // "Coletando aquisições..."

struct Pedido
{
    OpcoesPorta porta;
    QString saida;
    QString separador;
};

// The command line's problem, empty when it is right.
QString lePedido(OpcoesLinha &opcoes, Pedido &p)
{
    p.saida = opcoes.valor(QStringLiteral("saida"));
    p.separador = opcoes.valor(QStringLiteral("separador"));
    if (const QString problema = OpcoesPorta::problema(p.porta, opcoes); !problema.isEmpty())
        return problema;
    if (!p.separador.isNull() && p.separador != u"," && p.separador != u".")
        return QStringLiteral("o separador decimal deve ser , ou .");
    return {};
}

// The name the save dialog proposes for the graph window of a collection
// (named by the logger's title), in the current folder.
QString nomeProposto(const TAquisicao &a, const Catalogo &catalogo)
{
    const QString sufixo = catalogo.texto(TextoGrafico);
    QString nome = NomeArquivoGrafico::nomeProposto(a.Titulo + sufixo, int(sufixo.size()));
    if (nome.trimmed().isEmpty())
        nome = QStringLiteral("coleta");
    return nome + QStringLiteral(".qvg");
}

// The failures of the link come after its own error text.
bool falhaDoLink(int texto)
{
    return texto == 136 || texto == 137 || texto == 146 || texto == 239;
}

bool grava(
    const TAquisicao &a, const Pedido &p, const QString &caminho, SessaoTarvek &sessao, Console &console)
{
    ConfigRegional regional = ConfigRegional::doSistema();
    if (!p.separador.isEmpty())
        regional.separadorDecimal = p.separador.at(0);
    MensagensConsole mensagens(console);
    Ambiente ambiente = sessao.ambiente();
    ambiente.mensagens = &mensagens;
    ambiente.regional = &regional;
    if (!ArquivoQvg::salva(a, caminho, ambiente))
        return false;
    // A file whose seal could not be recorded is still saved: the warning
    // says why, and the command succeeds.
    SeloGravacao::registra(ambiente, AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvg"), &a);
    return true;
}

int executaColetar(const QStringList &argumentos, Console &console)
{
    if (argumentos.contains(QStringLiteral("--todas")))
        return executaColetarTodos(argumentos, console);
    OpcoesLinha opcoes(argumentos);
    Pedido p { OpcoesPorta(opcoes), {}, {} };
    const QString problema = lePedido(opcoes, p);
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }
    SessaoTarvek sessao(console, p.porta.verboso);
    if (!sessao.abre(p.porta.porta, p.porta.descricao))
        return Saida::Falha;

    // The beeps of a console are silent: no pause for them either.
    Ambiente ambiente = sessao.ambiente();
    ambiente.sinal = nullptr;
    ProgressoConsole progresso(console.erros, sessao.catalogo().texto(TextoColetando));
    // A lost port is told at once, on a line of its own.
    const auto avisaPerda = sessao.link().aoPerderPorta;
    sessao.link().aoPerderPorta = [&progresso, avisaPerda] {
        progresso.termina();
        if (avisaPerda)
            avisaPerda();
    };
    const ColetaDados::Resultado r
        = ColetaDados(sessao.link(), ambiente).executa(Console::errosNoTerminal() ? &progresso : nullptr);
    progresso.termina();
    if (!r.ok()) {
        if (falhaDoLink(r.texto))
            sessao.falhou(r.mensagem);
        else
            console.falha(r.mensagem);
        return Saida::Falha;
    }

    TAquisicao aquisicao = *r.aquisicao;
    DocumentoGrafico::ajusta(aquisicao);
    const QString caminho = p.saida.isEmpty() ? nomeProposto(aquisicao, sessao.catalogo()) : p.saida;
    // Nobody is there to confirm a replacement of a file the user did not name.
    if (p.saida.isEmpty() && QFileInfo::exists(caminho)) {
        console.falha(
            caminho + QStringLiteral(" já existe; escolha o arquivo com --saida (que o substitui)"));
        return Saida::Falha;
    }
    if (!grava(aquisicao, p, caminho, sessao, console))
        return Saida::Falha;
    console.saida << caminho << Qt::endl;
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoColetar()
{
    Comando c;
    c.nome = QStringLiteral("coletar");
    c.resumo = QStringLiteral("coleta as aquisições do Tarvek num arquivo .qvg");
    c.uso = QStringLiteral(
        "coletar --porta <1-4 | dispositivo | simulador> [--saida ARQUIVO.qvg] "
        "[--separador , | .] [--descricao <cenário | arquivo.json>] [--verboso]\n"
        "       coletar --todas [--pasta PASTA] [--json] [--descricao <cenário | arquivo.json>]");
    c.ajuda = QStringLiteral(
        "Faz a coleta de dados como o comando \"Coletar Dados\" do programa: lê os blocos de\n"
        "configuração, de não-voláteis e de calibração e as páginas da memória que guardam\n"
        "as aquisições, e grava o arquivo de aquisição como \"Salvar Arquivo\" o gravaria logo\n"
        "depois da coleta (com o fim na última aquisição e os limites dos canais de\n"
        "temperatura na faixa do sensor). O Tarvek é apenas lido. Como no programa, a chave\n"
        "FORCA_COLETA do QUORVANE.INI faz ler a memória inteira e o traço da última página\n"
        "vai para DEBUG.TXT na pasta atual, a menos que DEBUG seja FALSE.\n"
        "\n"
        "  --porta <p>       1 a 4: as portas do programa, mapeadas como ele as mapeia; um\n"
        "                    caminho (/dev/ttyUSB0): esse dispositivo serial; simulador: um\n"
        "                    Tarvek simulado\n"
        "  --saida <arq>     o arquivo .qvg a gravar (substituído se existir); sem ela, o nome\n"
        "                    que a janela de salvar propõe, o título do Tarvek (com \\ / : * ?\n"
        "                    \" < > | trocados por _) mais .qvg, na pasta atual, que não é\n"
        "                    substituído se já existir\n"
        "  --separador <s>   o separador decimal dos valores no arquivo, , ou .; sem ele, o\n"
        "                    das configurações regionais\n"
        "  --descricao <d>   para o Tarvek simulado: um cenário do simulador pelo nome\n"
        "                    (padrao, circular, memoria-cheia, vazio, ...) ou um arquivo JSON\n"
        "  --verboso         mostra as mensagens da linha de status durante a comunicação\n"
        "\n"
        "Num terminal, a saída de erros mostra as páginas lidas. Ao gravar, escreve o nome do\n"
        "arquivo na saída padrão e termina com 0. Uma falha mostra a mensagem do programa\n"
        "(depois do erro da comunicação, quando houver) e termina com 1: também um Tarvek sem\n"
        "aquisições (\"Nenhuma aquisição foi efetuada.\"). 2 para uso incorreto.\n"
        "\n"
        "Com --todas, coleta um a um os Tarvek das portas 1 a 4 (as atribuídas na seção\n"
        "PORTAS e as que têm o dispositivo padrão presente), como \"Coletar todos\" do\n"
        "programa: cada gravação vai para a pasta (--pasta; sem ela, a chave PASTA_TODOS da\n"
        "seção COLETA, ou ~/Quorvane/Coletas) com o nome SERIE_TITULO_AAAA-MM-DD_HHMM.qvg,\n"
        "criada se faltar, sem substituir arquivo\n"
        "algum, com seu selo nos registros, e é avaliada pelo perfil do Tarvek. Escreve uma\n"
        "linha por Tarvek coletado (porta, série, título, arquivo e veredito; --json: uma\n"
        "lista de objetos, também dos que falharam) e, na saída de erros, cada porta que\n"
        "falhou com o motivo. Termina com 1 quando alguma falhou, com 0 quando todas\n"
        "foram coletadas.");
    c.executa = executaColetar;
    return c;
}
