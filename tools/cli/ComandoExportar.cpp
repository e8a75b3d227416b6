#include "ComandoExportar.h"

#include "Ambiente.h"
#include "AmbienteArquivos.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConfiguracoesIni.h"
#include "DocumentoCli.h"
#include "ExportacaoCsv.h"
#include "ExportacaoTexto.h"
#include "OpcoesLinha.h"
#include "Registros.h"
#include "SeamsConsole.h"
#include "SeloGravacao.h"

#include <optional>

namespace {

struct PedidoExportar
{
    QString arquivo;
    QString saida;
    bool csv = false;
    QString separador;
    QString decimal;
    bool utc = false;
    bool semBom = false;
};

// One character of an option, "tab" for the tabulation; nothing when the
// text is not one ASCII character.
std::optional<QChar> umCaractere(const QString &texto)
{
    if (texto == u"tab")
        return QChar(u'\t');
    if (texto.size() == 1 && texto.at(0).unicode() > 0 && texto.at(0).unicode() < 128)
        return texto.at(0);
    return std::nullopt;
}

QString lePedido(const QStringList &argumentos, PedidoExportar &p)
{
    OpcoesLinha opcoes(argumentos);
    const QString formato = opcoes.valor(QStringLiteral("formato"));
    p.separador = opcoes.valor(QStringLiteral("separador"));
    p.decimal = opcoes.valor(QStringLiteral("decimal"));
    p.utc = opcoes.sinal(QStringLiteral("utc"));
    p.semBom = opcoes.sinal(QStringLiteral("sem-bom"));
    if (const QString problema = opcoes.problema(); !problema.isEmpty())
        return problema;
    const QStringList sobras = opcoes.sobras();
    if (sobras.size() != 2)
        return QStringLiteral("informe o arquivo .qvg e o arquivo de saída");
    p.arquivo = sobras.first();
    p.saida = sobras.last();
    if (!formato.isNull() && formato != u"texto" && formato != u"csv")
        return QStringLiteral("o formato deve ser texto ou csv");
    p.csv = formato == u"csv";
    if (!p.csv && (!p.separador.isNull() || !p.decimal.isNull() || p.utc || p.semBom))
        return QStringLiteral("--separador, --decimal, --utc e --sem-bom valem só com --formato csv");
    if (!p.separador.isNull() && !umCaractere(p.separador))
        return QStringLiteral("o separador deve ser um caractere ou tab");
    if (!p.decimal.isNull() && p.decimal != u"," && p.decimal != u".")
        return QStringLiteral("o separador decimal deve ser , ou .");
    return {};
}

bool exportaCsv(
    const TAquisicao &aquisicao, const PedidoExportar &p, const ConfigRegional &regional, Console &console)
{
    ExportacaoCsv::Opcoes opcoes = ExportacaoCsv::opcoesRegionais(regional);
    if (const auto c = umCaractere(p.separador))
        opcoes.separador = *c;
    if (!p.decimal.isNull())
        opcoes.decimal = p.decimal.at(0);
    opcoes.utc = p.utc;
    opcoes.bom = !p.semBom;
    if (ExportacaoCsv::grava(aquisicao, p.saida, 0, aquisicao.NumLeituras() - 1, opcoes))
        return true;
    console.falha(Catalogo().texto(171, u"FormGrafico") + QStringLiteral(": ") + p.saida);
    return false;
}

int executaExportar(const QStringList &argumentos, Console &console)
{
    PedidoExportar pedido;
    if (const QString erro = lePedido(argumentos, pedido); !erro.isEmpty()) {
        console.falha(erro);
        return Saida::Uso;
    }
    AmbienteArquivos seams(console);
    ConfiguracoesIni configuracoes;  // the logger's alarm limits, for the seal; where the records are
    Registros registros(configuracoes);
    seams.ambiente.registros = &registros;
    seams.ambiente.configuracoes = &configuracoes;
    const Ambiente &ambiente = seams.ambiente;
    const ConfigRegional &regional = seams.regional;
    const auto aquisicao = DocumentoCli::le(pedido.arquivo, regional, console, true);
    if (!aquisicao)
        return Saida::Falha;
    const bool ok = pedido.csv ? exportaCsv(*aquisicao, pedido, regional, console)
                               : ExportacaoTexto::exportaFaixa(
                                   *aquisicao, pedido.saida, ExportacaoTexto::tudo(*aquisicao), ambiente);
    if (!ok)
        return Saida::Falha;
    SeloGravacao::registra(ambiente, AcaoAuditoria::Exportacao, pedido.saida,
        pedido.csv ? QStringLiteral("csv") : QStringLiteral("txt"), &*aquisicao);
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoExportar()
{
    return { QStringLiteral("exportar"), QStringLiteral("exporta um arquivo .qvg inteiro como texto ou CSV"),
        QStringLiteral("exportar ARQUIVO.qvg SAIDA [--formato texto | csv] [--utc] [--separador X]\n"
                       "         [--decimal , | .] [--sem-bom]"),
        QStringLiteral(
            "Escreve o texto de exportação de toda a gravação: os parâmetros gerais, uma\n"
            "linha em branco, a tabela de aquisições e todas as leituras. Um arquivo\n"
            "recusado ou uma falha de escrita mostra a mensagem do programa\n"
            "(\"quorvane-cli exportar: <mensagem>\" em stderr) e termina com o código 1.\n\n"
            "  --formato csv     escreve um CSV: uma linha de cabeçalho (\"Instante\" e o nome\n"
            "                    e a unidade de cada canal usado) e uma linha por aquisição,\n"
            "                    o instante em ISO 8601 com o deslocamento de UTC daquele\n"
            "                    instante (\"2024-06-14T17:03:00-03:00\", \".5\" no meio segundo)\n"
            "                    e os valores com as casas decimais do canal. Em UTF-8 com\n"
            "                    marca de ordem de bytes; separadores pelas configurações\n"
            "                    regionais: \";\" e vírgula decimal onde o separador decimal é\n"
            "                    \",\", senão \",\" e ponto decimal\n"
            "  --utc             instantes em UTC (\"2024-06-14T20:03:00Z\")\n"
            "  --separador X     o separador de campos (um caractere, ou tab)\n"
            "  --decimal , | .   o separador decimal dos valores\n"
            "  --sem-bom         sem a marca de ordem de bytes (para scripts)\n"
            "O arquivo de saída só é substituído quando inteiramente escrito."),
        executaExportar };
}
