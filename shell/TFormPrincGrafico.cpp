// The commands that act on a graph or merged window: printer set-up and
// printing, zoom range, zoom steps and formula. The merge is in
// TFormPrincJuncao.cpp, the enabling rules in TFormPrinc.cpp.
#include "TFormPrinc.h"

#include "Catalogo.h"
#include "JanelaFilha.h"
#include "SeloGravacao.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"
#include "TFormResumo.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

// The graph window the zoom steps act on: the current one, unless a merged
// window is active (it zooms itself).
TFormGrafico *graficoDoZoom(const TFormPrinc &principal)
{
    if (tipoJanela(principal.mdiArea()->currentSubWindow()) == TipoJanela::Juncao)
        return nullptr;
    return qobject_cast<TFormGrafico *>(principal.GraficoAtual());
}

// The merged window the zoom steps act on: the current one while a merged
// window is active.
TFormJuncao *juncaoAtiva(const TFormPrinc &principal)
{
    if (tipoJanela(principal.mdiArea()->currentSubWindow()) != TipoJanela::Juncao)
        return nullptr;
    return qobject_cast<TFormJuncao *>(principal.JuncaoAtual());
}

}  // namespace

QPrinter &TFormPrinc::impressora()
{
    if (!m_impressora)
        m_impressora = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_impressora;
}

// The platform's print dialog, used to choose and set up the printer only:
// its title and its button say so, since nothing is printed when it closes.
void TFormPrinc::ItemConfigImpClick()
{
    QPrintDialog dialogo(&impressora(), this);
    dialogo.setOption(QAbstractPrintDialog::PrintToFile);
    dialogo.setWindowTitle(m_catalogo.texto(308));
    if (auto *botoes = dialogo.findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (QPushButton *ok = botoes->button(QDialogButtonBox::Ok))
            ok->setText(m_catalogo.texto(309));
    }
    dialogo.exec();
}

// A graph or merged window prints its chart, with the frame and the window
// maximised while it prints, and both as they were afterwards: a child left
// maximised would open the next ones maximised inside the frame's menu bar,
// and the frame would be kept maximised for the next start. The readings
// list and the general parameters are printed by their reports, through the
// current graph window. A failed print is said by the window that printed.
void TFormPrinc::ItemImprimirClick()
{
    QMdiSubWindow *ativa = m_mdi->currentSubWindow();
    const TipoJanela tipo = tipoJanela(ativa);
    if (tipo == TipoJanela::Dados || tipo == TipoJanela::Informacoes || tipo == TipoJanela::Resumo) {
        auto *g = qobject_cast<TFormGrafico *>(GraficoAtual());
        if (!g)
            return;
        if (tipo == TipoJanela::Dados)
            g->PrintDados(impressora());
        else if (tipo == TipoJanela::Informacoes)
            g->PrintInform(impressora());
        else if (TFormResumo *resumo = g->resumo(); resumo && resumo->temVeredito()) {
            // With a profile, the summary prints its compliance report,
            // recorded as a print of the recording when it went out.
            if (resumo->ImprimeConformidade(impressora(), g->arquivo()))
                SeloGravacao::registraImpressao(m_ambiente, g->arquivo(), &g->aquisicao());
        } else
            g->PrintResumo(impressora());
        return;
    }
    if (tipo != TipoJanela::Grafico && tipo != TipoJanela::Juncao)
        return;
    const Qt::WindowStates estadoPrincipal = windowState();
    const Qt::WindowStates estadoFilha = ativa->windowState();
    showMaximized();
    ativa->showMaximized();
    QPointer<QMdiSubWindow> filha(ativa);
    if (auto *j = qobject_cast<TFormJuncao *>(ativa->widget()))
        j->PrintGrafico(impressora());
    else if (auto *g = qobject_cast<TFormGrafico *>(ativa->widget())) {
        // Only a print that went out is recorded.
        if (g->PrintGrafico(impressora()))
            SeloGravacao::registraImpressao(m_ambiente, g->arquivo(), &g->aquisicao());
    }
    if (filha)
        filha->setWindowState(estadoFilha);
    setWindowState(estadoPrincipal);
}

void TFormPrinc::ItemFaixaZoomClick()
{
    if (TFormGrafico *g = qobject_cast<TFormGrafico *>(GraficoAtual()))
        g->ConfigFaixaZoom();
}

// The formula dialog of the current graph window; the item is checked
// while that graph has a formula, and stays disabled once the library is
// found missing.
void TFormPrinc::ItemFormulaClick()
{
    auto *g = qobject_cast<TFormGrafico *>(GraficoAtual());
    if (!g)
        return;
    bool carregada = true;
    const bool ativa = g->FormulaAssociada(&carregada);
    FormulaDisponivel = carregada;
    UpdateMenuItems();
    if (QAction *item = m_comandos.value("ItemFormula").item)
        item->setChecked(ativa);
    AtualizaCruzMouse();
}

void TFormPrinc::ItemZoomMaisClick()
{
    if (TFormJuncao *j = juncaoAtiva(*this))
        j->ZoomIn();
    else if (TFormGrafico *g = graficoDoZoom(*this))
        g->ZoomIn();
}

void TFormPrinc::ItemZoomMenosClick()
{
    if (TFormJuncao *j = juncaoAtiva(*this))
        j->ZoomOut();
    else if (TFormGrafico *g = graficoDoZoom(*this))
        g->ZoomOut();
}

void TFormPrinc::ItemZoom100Click()
{
    if (TFormJuncao *j = juncaoAtiva(*this))
        j->UndoZoom();
    else if (TFormGrafico *g = graficoDoZoom(*this))
        g->UndoZoom();
}
