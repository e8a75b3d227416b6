#include "ComandoImprimir.h"

#include "Ambiente.h"
#include "AmbienteArquivos.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConfiguracoesIni.h"
#include "DocumentoCli.h"
#include "ImpressaoConformidade.h"
#include "JuncaoCli.h"
#include "LinhasLeituras.h"
#include "OpcoesLinha.h"
#include "PerfisGuardados.h"
#include "Procedencia.h"
#include "Registros.h"
#include "RelatorioResumo.h"
#include "RelatorioTexto.h"
#include "RelogioQt.h"
#include "SeamsConsole.h"
#include "SeloGravacao.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"
#include "TFrmImpressao.h"
#include "TextoInformacoes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// The chart lays itself out for the size it has on screen: the window is
// shown (never on a screen) at the size it opens with, as in the program.
void poeEmTamanho(QWidget &janela)
{
    janela.setAttribute(Qt::WA_DontShowOnScreen);
    janela.resize(janela.sizeHint());
    janela.show();
    QCoreApplication::processEvents();
}

// The summary of the whole recording with the logger's alarm limits, then
// the general parameters and the readings, each a report of its own after
// the pages printed so far, through their temporary files.
bool imprimeRelatorios(const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites,
    const QString &arquivo, const Ambiente &ambiente, QPainter &pintor, QPrinter &impressora)
{
    QTemporaryDir pasta;
    if (!pasta.isValid())
        return false;
    const QString resumo = pasta.filePath(RelatorioTexto::nomeTemporario(RelatorioTexto::Modo::Resumo));
    const QStringList linhasResumo
        = RelatorioResumo::cabecalho(aquisicao, impressora.docName(), *ambiente.catalogo, *ambiente.regional)
        + RelatorioResumo::linhas(RelatorioResumo::partes(
            aquisicao, limites, 0, aquisicao.NumLeituras() - 1, *ambiente.catalogo, *ambiente.regional));
    if (!RelatorioTexto::gravaInformacoes(resumo, linhasResumo))
        return false;
    const QString informacoes
        = pasta.filePath(RelatorioTexto::nomeTemporario(RelatorioTexto::Modo::Informacoes));
    const QString leituras = pasta.filePath(RelatorioTexto::nomeTemporario(RelatorioTexto::Modo::Leituras));
    const QString procedencia = pasta.filePath(QStringLiteral("procedencia.txt"));
    const QDateTime agora = DataHora::paraQDateTime(ambiente.relogio->dataHoraAtual());
    if (!RelatorioTexto::gravaInformacoes(
            procedencia, Procedencia::de(ambiente.registros, arquivo, agora).linhas(*ambiente.catalogo)))
        return false;
    if (!RelatorioTexto::gravaInformacoes(
            informacoes, Atualiza_Informacoes(aquisicao, *ambiente.catalogo, *ambiente.regional))
        || !RelatorioTexto::gravaLeituras(
            leituras, LinhasLeituras(aquisicao, *ambiente.catalogo, *ambiente.regional)))
        return false;
    TFrmImpressao::usaPagina(impressora);
    TFrmImpressao relatorioResumo(
        ambiente, RelatorioTexto::Modo::Resumo, ambiente.catalogo->texto(360), resumo);
    TFrmImpressao relatorioInformacoes(
        ambiente, RelatorioTexto::Modo::Informacoes, ambiente.catalogo->texto(188), informacoes);
    TFrmImpressao relatorioLeituras(
        ambiente, RelatorioTexto::Modo::Leituras, ambiente.catalogo->texto(186), leituras);
    TFrmImpressao relatorioProcedencia(
        ambiente, RelatorioTexto::Modo::Informacoes, ambiente.catalogo->texto(403), procedencia);
    return relatorioResumo.imprimeApos(pintor, impressora)
        && relatorioInformacoes.imprimeApos(pintor, impressora)
        && relatorioLeituras.imprimeApos(pintor, impressora)
        && relatorioProcedencia.imprimeApos(pintor, impressora);
}

bool imprimeGravacao(const TAquisicao &aquisicao, const QString &arquivo, bool relatorio,
    const Ambiente &ambiente, QPrinter &impressora)
{
    TFormGrafico janela(ambiente, {});
    janela.Seta_Aquisicao(aquisicao);
    poeEmTamanho(janela);
    if (!relatorio) {
        janela.PrintGrafico(impressora);
        return true;
    }
    impressora.setPageOrientation(QPageLayout::Landscape);
    QPainter pintor;
    if (!pintor.begin(&impressora))
        return false;
    janela.PrintGrafico(impressora, pintor);
    const bool ok
        = imprimeRelatorios(janela.aquisicao(), janela.limites(), arquivo, ambiente, pintor, impressora);
    return pintor.end() && ok;
}

void imprimeJuncao(const ArquivoQvj::Juncao &juncao, const Ambiente &ambiente, QPrinter &impressora)
{
    TFormJuncao janela(ambiente, {});
    janela.MontaGrafico(juncao.entradas, true, juncao.UnidadeEixoEsquerdo, juncao.UnidadeEixoDireito);
    poeEmTamanho(janela);
    janela.PrintGrafico(impressora);
}

// The compliance report of a recording judged by its profile, on Letter
// pages, as "Imprimir" on the summary prints it.
bool imprimeConformidade(const TAquisicao &aquisicao, const PerfilAlarme &perfil, const QString &arquivo,
    const Ambiente &ambiente, QPrinter &impressora)
{
    const Avaliacao avaliacao = avalia(aquisicao, perfil);
    TFrmImpressao::usaPagina(impressora);
    return ImpressaoConformidade::imprime(impressora, ambiente, { &aquisicao, &avaliacao, arquivo });
}

QString problemaDeUso(OpcoesLinha &opcoes, const QString &pdf, bool relatorio, const QString &perfil)
{
    const QStringList arquivos = opcoes.sobras();
    if (const QString problema = opcoes.problema(); !problema.isEmpty())
        return problema;
    if (arquivos.size() != 1)
        return QStringLiteral("informe um arquivo .qvg ou .qvj");
    if (pdf.isEmpty())
        return QStringLiteral("informe o arquivo PDF de saída (--pdf)");
    if (relatorio && JuncaoCli::ehJuncao(arquivos.first()))
        return QStringLiteral("--relatorio vale só para arquivos .qvg");
    if (!perfil.isNull() && !relatorio)
        return QStringLiteral("--perfil vale só com --relatorio");
    if (!perfil.isNull() && perfil.trimmed().isEmpty())
        return QStringLiteral("--perfil precisa de um nome");
    return {};
}

int executaImprimir(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const QString pdf = opcoes.valor(QStringLiteral("pdf"));
    const bool relatorio = opcoes.sinal(QStringLiteral("relatorio"));
    const QString nomePerfil = opcoes.valor(QStringLiteral("perfil"));
    const QString problema = problemaDeUso(opcoes, pdf, relatorio, nomePerfil);
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }
    const QString arquivo = opcoes.sobras().first();
    AmbienteArquivos amb(console);
    // The alarm limits of the recording's logger, as the program keeps them.
    ConfiguracoesIni configuracoes;
    amb.ambiente.configuracoes = &configuracoes;
    Registros registros(configuracoes);
    amb.ambiente.registros = &registros;
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pdf);
    impressora.setDocName(QFileInfo(arquivo).fileName());
    QFile::remove(pdf);
    bool ok = true;
    if (JuncaoCli::ehJuncao(arquivo)) {
        const auto juncao = JuncaoCli::le(arquivo, amb.regional, console);
        if (!juncao)
            return Saida::Falha;
        imprimeJuncao(*juncao, amb.ambiente, impressora);
    } else {
        const auto aquisicao = DocumentoCli::le(arquivo, amb.regional, console, false);
        if (!aquisicao)
            return Saida::Falha;
        // With a profile (the one named, the logger's, or its stored
        // limits') the report is the compliance report; without, the
        // summary and the other reports after the chart.
        QString erro;
        const std::optional<PerfilAlarme> perfil = relatorio
            ? PerfisGuardados(&configuracoes).escolhe(aquisicao->NumeroSerie, nomePerfil, amb.catalogo, erro)
            : std::nullopt;
        if (!erro.isEmpty()) {
            console.falha(erro + QStringLiteral(" (%1)").arg(configuracoes.caminho()));
            return Saida::Uso;
        }
        ok = perfil ? imprimeConformidade(*aquisicao, *perfil, arquivo, amb.ambiente, impressora)
                    : imprimeGravacao(*aquisicao, arquivo, relatorio, amb.ambiente, impressora);
    }
    if (!ok || QFileInfo(pdf).size() == 0) {
        console.falha(QStringLiteral("não foi possível escrever ") + pdf);
        return Saida::Falha;
    }
    SeloGravacao::registraImpressao(amb.ambiente, arquivo);
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoImprimir()
{
    return { QStringLiteral("imprimir"),
        QStringLiteral("imprime o gráfico de um arquivo .qvg ou .qvj num PDF, sem tela"),
        QStringLiteral("imprimir ARQUIVO.qvg|ARQUIVO.qvj --pdf SAIDA.pdf [--relatorio [--perfil NOME]]"),
        QStringLiteral("Escreve o gráfico como \"Imprimir\" o imprime: uma página em paisagem, o\n"
                       "canal 2 tracejado, os limites de alarme do aquisitor (guardados pelo\n"
                       "programa) em traço e ponto, nomeados na legenda, e, num gráfico de junção,\n"
                       "as oito séries "
                       "em traços diferentes. Não precisa de tela. Um arquivo recusado mostra a\n"
                       "mensagem do programa (\"quorvane-cli imprimir: <mensagem>\" em stderr) e\n"
                       "termina com o código 1.\n"
                       "\n"
                       "  --pdf SAIDA.pdf   o arquivo PDF a escrever (substituído se existir)\n"
                       "  --relatorio       o relatório de conformidade, como \"Imprimir\" no resumo:\n"
                       "                    o veredito pelo perfil da gravação (o de --perfil, o do\n"
                       "                    número de série ou o dos limites de alarme guardados),\n"
                       "                    gráfico com a faixa permitida, excursões, procedência e a\n"
                       "                    tabela diária, em páginas Carta (só .qvg). Sem perfil:\n"
                       "                    depois do gráfico, o resumo dos canais e os relatórios\n"
                       "                    dos parâmetros gerais e da tabela de aquisições\n"
                       "  --perfil NOME     o nome curto ou o nome de um perfil (quorvane-cli perfis)"),
        executaImprimir };
}
