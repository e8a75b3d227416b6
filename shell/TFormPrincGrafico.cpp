// The commands that act on a graph or merged window: printer set-up and
// printing, zoom range, zoom steps, formula and merge. To be filled in with
// those windows; the enabling rules are in TFormPrinc.cpp.
#include "TFormPrinc.h"

void TFormPrinc::ItemConfigImpClick() {}

void TFormPrinc::ItemImprimirClick() {}

void TFormPrinc::ItemFaixaZoomClick() {}

void TFormPrinc::ItemFormulaClick() {}

void TFormPrinc::ItemZoomMaisClick() {}

void TFormPrinc::ItemZoomMenosClick() {}

void TFormPrinc::ItemZoom100Click() {}

void TFormPrinc::ItemJuncaoClick() {}
