// The "&Janela" commands, the help and the about box.
#include "TFormPrinc.h"

#include "ArranjoGrafico.h"
#include "Catalogo.h"
#include "JanelaAjuda.h"
#include "JanelaFilha.h"
#include "TAboutBox.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {
constexpr int TituloAjuda = 393;  // "Ajuda do Quorvane"
}

QMdiSubWindow *TFormPrinc::filhaAtiva() const
{
    // The current child stays current while a dialog has the focus.
    return m_mdi->currentSubWindow();
}

// The children in the order they were opened, the active one last (on
// top), each a title bar lower than the one before and all of one size:
// every one keeps its title bar in sight, a graph's views included.
void TFormPrinc::ItemCascataClick()
{
    QList<QMdiSubWindow *> janelas;
    for (QMdiSubWindow *f : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (f->isVisible() && !f->isMinimized())
            janelas.append(f);
    }
    QMdiSubWindow *ativa = m_mdi->currentSubWindow();
    if (janelas.removeOne(ativa))
        janelas.append(ativa);
    const QList<QRect> lugares = ArranjoGrafico::cascata(
        m_mdi->viewport()->rect(), int(janelas.size()), style()->pixelMetric(QStyle::PM_TitleBarHeight));
    for (qsizetype i = 0; i < janelas.size(); ++i) {
        if (janelas[i]->isMaximized())
            janelas[i]->showNormal();
        janelas[i]->setGeometry(lugares[i]);
        janelas[i]->raise();
    }
    m_comandos.value("ItemCascata").item->setChecked(true);
    UpdateMenuItems();
}

void TFormPrinc::ItemVerticalmenteClick()
{
    ladoALado(true);
    m_comandos.value("ItemVerticalmente").item->setChecked(true);
    UpdateMenuItems();
}

void TFormPrinc::ItemHorizontalmenteClick()
{
    ladoALado(false);
    m_comandos.value("ItemHorizontalmente").item->setChecked(true);
    UpdateMenuItems();
}

// Tiles the children that are not minimised. Up to three: vertically,
// side by side in columns of the area's full height; horizontally, one
// above the other. More make a grid, so that no child gets a sliver:
// vertically, columns filled from the top (about as many columns as rows,
// the last column taking the rest); horizontally, rows filled from the
// left. The minimised ones keep their row along the bottom.
void TFormPrinc::ladoALado(bool vertical)
{
    QList<QMdiSubWindow *> janelas;
    bool haMinimizadas = false;
    for (QMdiSubWindow *f : m_mdi->subWindowList()) {
        if (f->isMinimized())
            haMinimizadas = true;
        else if (f->isVisible())
            janelas.append(f);
    }
    if (janelas.isEmpty())
        return;
    QRect area = m_mdi->viewport()->rect();
    if (haMinimizadas)
        area.setBottom(area.bottom() - m_mdi->fontMetrics().height() * 2 - 8);
    const int n = int(janelas.size());
    const int faixas = n <= 3 ? n : int(std::ceil(std::sqrt(double(n))));
    const int porFaixa = (n + faixas - 1) / faixas;
    for (int i = 0; i < n; ++i) {
        const int faixa = i / porFaixa;
        const int naFaixa = std::min(porFaixa, n - faixa * porFaixa);
        const int lugar = i % porFaixa;
        // Along the tiling direction the bands; across it the places.
        const int ao = vertical ? area.width() : area.height();
        const int atraves = vertical ? area.height() : area.width();
        const int a0 = ao * faixa / faixas;
        const int a1 = ao * (faixa + 1) / faixas;
        const int b0 = atraves * lugar / naFaixa;
        const int b1 = atraves * (lugar + 1) / naFaixa;
        const QRect r = vertical ? QRect(area.left() + a0, area.top() + b0, a1 - a0, b1 - b0)
                                 : QRect(area.left() + b0, area.top() + a0, b1 - b0, a1 - a0);
        QMdiSubWindow *f = janelas[i];
        if (f->isMaximized())
            f->showNormal();
        f->setGeometry(r);
    }
}

void TFormPrinc::ItemOrganizarIconesClick()
{
    // Minimised children in a row along the bottom, left to right.
    const QRect area = m_mdi->viewport()->rect();
    int x = area.left();
    int y = -1;
    for (QMdiSubWindow *f : m_mdi->subWindowList()) {
        if (!f->isMinimized())
            continue;
        const QSize t = f->size();
        if (y < 0)
            y = area.bottom() - t.height() + 1;
        if (x > area.left() && x + t.width() > area.right()) {
            x = area.left();
            y -= t.height();
        }
        f->move(x, y);
        x += t.width();
    }
    UpdateMenuItems();
}

void TFormPrinc::ItemMinimizarClick()
{
    const auto filhas = m_mdi->subWindowList();
    for (auto i = filhas.size(); i-- > 0;)
        filhas[i]->showMinimized();
    UpdateMenuItems();
}

void TFormPrinc::ItemRestaurarClick()
{
    const auto filhas = m_mdi->subWindowList();
    for (auto i = filhas.size(); i-- > 0;)
        filhas[i]->showNormal();
    UpdateMenuItems();
}

void TFormPrinc::ItemFecharTodasClick()
{
    // A graph window closes its own readings list and general parameters.
    const auto filhas = m_mdi->subWindowList();
    QList<QPointer<QMdiSubWindow>> fechar;
    for (QMdiSubWindow *f : filhas) {
        const TipoJanela tipo = tipoJanela(f);
        if (tipo == TipoJanela::Grafico || tipo == TipoJanela::Juncao)
            fechar.append(f);
    }
    for (auto i = fechar.size(); i-- > 0;) {
        if (fechar[i])
            fechar[i]->close();
    }
    UpdateMenuItems();
}

void TFormPrinc::ItemConteudoClick()
{
    MostraAjuda(QStringLiteral("Tarvek_Meral"));
}

void TFormPrinc::MostraAjuda(const QString &palavraChave)
{
    // Asked from a modal window, the help belongs to it: a window of the
    // frame would take no input until the modal one closes.
    QWidget *dono = QApplication::activeModalWidget();
    if (!dono)
        dono = this;
    if (!m_ajuda)
        m_ajuda = new JanelaAjuda(m_catalogo.texto(TituloAjuda), dono);
    else if (m_ajuda->parentWidget() != dono)
        m_ajuda->setParent(dono, Qt::Window);
    m_ajuda->mostraTopico(palavraChave);
}

void TFormPrinc::ItemSobreClick()
{
    {
        TAboutBox sobre(m_catalogo, m_pastaPrograma, this);
        sobre.exec();
    }
    AtualizaCruzMouse();
}
