// The file and view commands of the main window: open, save, export, copy,
// graph, readings and general parameters, the new graph window for a
// document and the refresh of the active graph's cursor. The enabling rules
// are in TFormPrinc.cpp.
#include "TFormPrinc.h"

#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "CursorEspera.h"
#include "DialogosArquivoQt.h"
#include "IConfiguracoes.h"
#include "IMensagens.h"
#include "JanelaFilha.h"
#include "NomeArquivoGrafico.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"
#include "VistaGrafico.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <algorithm>

namespace {

TFormGrafico *comoGrafico(QWidget *janela)
{
    return qobject_cast<TFormGrafico *>(janela);
}

}  // namespace

IDialogosArquivo &TFormPrinc::dialogos()
{
    if (!m_dialogos) {
        m_dialogosQt = std::make_shared<DialogosArquivoQt>();
        m_dialogos = m_dialogosQt.get();
    }
    return *m_dialogos;
}

void TFormPrinc::insereFilha(QWidget *filha)
{
    QMdiSubWindow *sub = m_mdi->addSubWindow(filha);
    sub->setWindowIcon(windowIcon());
    sub->show();
}

TFormGrafico *TFormPrinc::NovoGrafico(const QString &nome, TAquisicao aquisicao, bool doArquivo)
{
    TFormGrafico::Ligacoes ligacoes;
    ligacoes.numeracao = &m_numeracaoGraficos;
    ligacoes.dialogos = &dialogos();
    ligacoes.insere = [this](QWidget *vista) { insereFilha(vista); };
    ligacoes.vistaAtivada = [this](int numero) {
        if (QObject *g = m_numeracaoGraficos.grafico(numero))
            defineGraficoAtual(qobject_cast<QWidget *>(g));
    };
    ligacoes.ajuda = [this](const QString &palavraChave) { MostraAjuda(palavraChave); };
    ligacoes.pastaPrograma = m_pastaPrograma;
    ligacoes.limitesGravados = [this](qint32 numeroSerie) { atualizaLimites(numeroSerie); };
    ligacoes.perfisGravados = [this] { atualizaPerfis(); };
    auto *grafico = new TFormGrafico(m_ambiente, ligacoes);
    grafico->MostraLimites(m_mostraLimites);
    connect(grafico, &TFormGrafico::tornouAtual, this, [this](TFormGrafico *g) {
        defineGraficoAtual(g);
        // "&Fórmula" is checked while the current graph has a formula.
        if (QAction *item = m_comandos.value("ItemFormula").item)
            item->setChecked(g->formulaAtiva());
    });
    connect(grafico, &TFormGrafico::gravou, this, &TFormPrinc::RegistraRecente);
    connect(grafico, &TFormGrafico::fechou, this,
        [this] { QTimer::singleShot(0, this, &TFormPrinc::UpdateMenuItems); });
    grafico->setWindowTitle(nome + m_catalogo.texto(227));
    grafico->Seta_Aquisicao(std::move(aquisicao));
    grafico->Seta_Modo_Arq(doArquivo);
    const auto filhas = m_mdi->subWindowList();
    const int antes = int(std::count_if(
        filhas.begin(), filhas.end(), [](QMdiSubWindow *f) { return tipoJanela(f) == TipoJanela::Grafico; }));
    insereFilha(grafico);
    grafico->Abre_Children(nome);
    // Inside the visible workspace, its views beside it.
    grafico->colocaNaArea(m_mdi->viewport()->rect(), antes);
    UpdateMenuItems();
    return grafico;
}

void TFormPrinc::Abrir_Grafico(const QString &caminho)
{
    CursorEspera espera;
    TAquisicao aquisicao;
    if (ArquivoQvg::abre(caminho, m_numeracaoGraficos, m_ambiente, aquisicao)) {
        NovoGrafico(ArquivoQvg::nomeJanela(caminho), std::move(aquisicao), true)->defineArquivo(caminho);
        RegistraRecente(caminho);
    }
}

void TFormPrinc::ItemAbrirClick()
{
    const QString filtro = FiltroAbrir.isEmpty() ? m_catalogo.texto(267) : FiltroAbrir;
    const QString titulo = TituloAbrir.isEmpty() ? m_catalogo.texto(268) : TituloAbrir;
    const IDialogosArquivo::Escolha escolha = dialogos().abrir(this, titulo, filtro);
    if (escolha.caminho.isEmpty())
        return;
    // A ".qvg" or ".qvj" file opens by its kind, whichever filter was
    // chosen; any other name by the filter: the second opens merged-graph
    // files.
    if (AbreArquivo(escolha.caminho))
        return;
    if (escolha.filtro == 1)
        Abrir_Juncao(escolha.caminho);
    else
        Abrir_Grafico(escolha.caminho);
}

void TFormPrinc::ItemSalvarClick()
{
    if (tipoJanela(filhaAtiva()) == TipoJanela::Juncao) {
        if (auto *j = qobject_cast<TFormJuncao *>(JuncaoAtual()))
            SalvaJuncao(*j);
        return;
    }
    TFormGrafico *g = comoGrafico(GraficoAtual());
    if (!g)
        return;
    const QString nome
        = NomeArquivoGrafico::nomeProposto(g->windowTitle(), int(m_catalogo.texto(227).size()));
    const QString caminho
        = dialogos().salvar(g, m_catalogo.texto(270), m_catalogo.texto(269), QStringLiteral("qvg"), nome);
    if (caminho.isEmpty())
        return;
    CursorEspera espera;
    g->Grava_Arquivo(caminho);
}

void TFormPrinc::ItemExportarClick()
{
    TFormGrafico *g = comoGrafico(GraficoAtual());
    if (!g)
        return;
    const QString filtro = FiltroExportar.isEmpty() ? m_catalogo.texto(271) : FiltroExportar;
    const QString titulo = TituloExportar.isEmpty() ? m_catalogo.texto(272) : TituloExportar;
    const QString caminho = dialogos().salvar(this, titulo, filtro, QStringLiteral("txt"), QString());
    if (caminho.isEmpty())
        return;
    CursorEspera espera;
    g->Grava_Arquivo_Exportar(caminho);
}

void TFormPrinc::ItemCopiarClick()
{
    const TipoJanela ativa = tipoJanela(filhaAtiva());
    if (ativa == TipoJanela::Grafico) {
        if (TFormGrafico *g = comoGrafico(GraficoAtual()))
            g->CopyToClipboard();
    } else if (ativa == TipoJanela::Juncao) {
        if (auto *j = qobject_cast<TFormJuncao *>(JuncaoAtual()))
            j->CopyToClipboard();
    }
}

void TFormPrinc::ItemGraficoClick()
{
    if (TFormGrafico *g = comoGrafico(GraficoAtual()))
        TrazParaFrente(g);
}

void TFormPrinc::ItemDadosClick()
{
    if (TFormGrafico *g = comoGrafico(GraficoAtual()))
        g->MostraLeituras();
}

void TFormPrinc::ItemParametrosGeraisClick()
{
    if (TFormGrafico *g = comoGrafico(GraficoAtual()))
        g->MostraInformacoes();
}

void TFormPrinc::ItemResumoClick()
{
    if (TFormGrafico *g = comoGrafico(GraficoAtual()))
        g->MostraResumo();
}

namespace {
const QString kSecaoVisualizar = QStringLiteral("VISUALIZAR");
const QString kChaveLimites = QStringLiteral("LIMITES_ALARME");
}  // namespace

bool TFormPrinc::leMostraLimites() const
{
    return !m_ambiente.configuracoes
        || m_ambiente.configuracoes->le(kSecaoVisualizar, kChaveLimites, QStringLiteral("1")).trimmed()
        != QLatin1String("0");
}

void TFormPrinc::ItemLimitesAlarmeClick()
{
    QAction *item = m_comandos.value("ItemLimitesAlarme").item;
    m_mostraLimites = item && item->isChecked();
    // Remembering the choice for the next start is the program's own
    // doing: the lines are shown now whether or not it is kept.
    if (m_ambiente.configuracoes)
        m_ambiente.configuracoes->grava(
            kSecaoVisualizar, kChaveLimites, m_mostraLimites ? QStringLiteral("1") : QStringLiteral("0"));
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (TFormGrafico *g = comoGrafico(sub->widget()))
            g->MostraLimites(m_mostraLimites);
    }
}

// The limits of a logger were written: its graphs read them again.
void TFormPrinc::atualizaLimites(qint32 numeroSerie)
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        TFormGrafico *g = comoGrafico(sub->widget());
        if (g && g->aquisicao().NumeroSerie == numeroSerie)
            g->AtualizaLimites();
    }
}

void TFormPrinc::ItemPerfisClick()
{
    if (TFormGrafico *g = comoGrafico(GraficoAtual()))
        g->ConfigPerfis();
}

// A profile or an assignment was written: every graph judges again, as a
// profile may be any logger's.
void TFormPrinc::atualizaPerfis()
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (TFormGrafico *g = comoGrafico(sub->widget()))
            g->AtualizaLimites();
    }
}

void TFormPrinc::ItemSairClick()
{
    close();
}

void TFormPrinc::AtualizaCruzMouse()
{
    const TipoJanela ativa = tipoJanela(filhaAtiva());
    if (ativa == TipoJanela::Grafico) {
        if (TFormGrafico *g = comoGrafico(GraficoAtual()))
            g->FormAtivado();
    } else if (ativa == TipoJanela::Juncao) {
        if (auto *j = qobject_cast<TFormJuncao *>(JuncaoAtual()))
            j->FormAtivado();
    }
}
