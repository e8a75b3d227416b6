// The commands that act on a graph or merged window: printer set-up and
// printing, zoom range, zoom steps, formula and merge. Printing, formulas
// and merging are to be filled in with those windows; the enabling rules
// are in TFormPrinc.cpp.
#include "TFormPrinc.h"

#include "JanelaFilha.h"
#include "TFormGrafico.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The graph window the zoom steps act on: the current one, unless a merged
// window is active (it zooms itself).
TFormGrafico *graficoDoZoom(const TFormPrinc &principal)
{
    if (tipoJanela(principal.mdiArea()->currentSubWindow()) == TipoJanela::Juncao)
        return nullptr;
    return qobject_cast<TFormGrafico *>(principal.GraficoAtual());
}

}  // namespace

void TFormPrinc::ItemConfigImpClick()
{
}

void TFormPrinc::ItemImprimirClick()
{
}

void TFormPrinc::ItemFaixaZoomClick()
{
    if (TFormGrafico *g = qobject_cast<TFormGrafico *>(GraficoAtual()))
        g->ConfigFaixaZoom();
}

void TFormPrinc::ItemFormulaClick()
{
}

void TFormPrinc::ItemZoomMaisClick()
{
    if (TFormGrafico *g = graficoDoZoom(*this))
        g->ZoomIn();
}

void TFormPrinc::ItemZoomMenosClick()
{
    if (TFormGrafico *g = graficoDoZoom(*this))
        g->ZoomOut();
}

void TFormPrinc::ItemZoom100Click()
{
    if (TFormGrafico *g = graficoDoZoom(*this))
        g->UndoZoom();
}

void TFormPrinc::ItemJuncaoClick()
{
}
