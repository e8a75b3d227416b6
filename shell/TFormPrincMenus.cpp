// The frame of the main window: menus, speed buttons and status line.
#include "TFormPrinc.h"

#include "Catalogo.h"
#include "LinhaStatus.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

void TFormPrinc::criaMenus()
{
    criaMenuArquivo();
    criaMenuVisualizar();
    criaMenuTarvek();
    criaMenuPorta();
    criaMenuJanela();
    criaMenuAjuda();
}

QAction *TFormPrinc::item(QMenu *menu, const char *nome, int texto, void (TFormPrinc::*acao)())
{
    QAction *a = menu->addAction(m_catalogo.texto(texto));
    a->setObjectName(QString::fromLatin1(nome));
    a->setParent(this);
    connect(a, &QAction::triggered, this, acao);
    m_comandos[nome].item = a;
    m_legendas.append({ a, texto });
    return a;
}

void TFormPrinc::criaMenuArquivo()
{
    QMenu *m = menuBar()->addMenu(m_catalogo.texto(1));
    m_legendas.append({ m->menuAction(), 1 });
    item(m, "ItemAbrir", 2, &TFormPrinc::ItemAbrirClick);
    item(m, "ItemSalvar", 3, &TFormPrinc::ItemSalvarClick);
    m->addSeparator();
    item(m, "ItemConfigImp", 4, &TFormPrinc::ItemConfigImpClick);
    item(m, "ItemImprimir", 5, &TFormPrinc::ItemImprimirClick);
    m->addSeparator();
    item(m, "ItemExportar", 6, &TFormPrinc::ItemExportarClick);
    item(m, "ItemExportarCsv", 291, &TFormPrinc::ItemExportarCsvClick);
    item(m, "ItemSalvarImagem", 292, &TFormPrinc::ItemSalvarImagemClick);
    m->addSeparator();
    item(m, "ItemRegistros", 413, &TFormPrinc::ItemRegistrosClick);
    m->addSeparator();
    item(m, "ItemSair", 7, &TFormPrinc::ItemSairClick);
}

void TFormPrinc::criaMenuVisualizar()
{
    QMenu *editar = menuBar()->addMenu(m_catalogo.texto(8));
    m_legendas.append({ editar->menuAction(), 8 });
    item(editar, "ItemCopiar", 9, &TFormPrinc::ItemCopiarClick);

    QMenu *m = menuBar()->addMenu(m_catalogo.texto(10));
    m_legendas.append({ m->menuAction(), 10 });
    item(m, "ItemGrafico", 11, &TFormPrinc::ItemGraficoClick);
    m_menuPropriedades = m->addMenu(m_catalogo.texto(12));
    m_menuPropriedades->menuAction()->setObjectName(QStringLiteral("ItemPropriedades"));
    m_legendas.append({ m_menuPropriedades->menuAction(), 12 });
    item(m_menuPropriedades, "ItemFaixaZoom", 111, &TFormPrinc::ItemFaixaZoomClick);
    item(m_menuPropriedades, "ItemFormula", 112, &TFormPrinc::ItemFormulaClick)->setCheckable(true);
    m_menuPropriedades->addSeparator();
    item(m_menuPropriedades, "ItemZoomMais", 113, &TFormPrinc::ItemZoomMaisClick);
    item(m_menuPropriedades, "ItemZoomMenos", 114, &TFormPrinc::ItemZoomMenosClick);
    item(m_menuPropriedades, "ItemZoom100", 115, &TFormPrinc::ItemZoom100Click);
    item(m, "ItemDados", 13, &TFormPrinc::ItemDadosClick);
    item(m, "ItemParametrosGerais", 14, &TFormPrinc::ItemParametrosGeraisClick);
    item(m, "ItemResumo", 357, &TFormPrinc::ItemResumoClick);
    QAction *limites = item(m, "ItemLimitesAlarme", 356, &TFormPrinc::ItemLimitesAlarmeClick);
    limites->setCheckable(true);
    limites->setChecked(m_mostraLimites);
    item(m, "ItemPerfis", 476, &TFormPrinc::ItemPerfisClick);
    m->addSeparator();
    item(m, "ItemJuncao", 15, &TFormPrinc::ItemJuncaoClick);
}

void TFormPrinc::criaMenuTarvek()
{
    QMenu *m = menuBar()->addMenu(m_catalogo.texto(16));
    m_legendas.append({ m->menuAction(), 16 });
    item(m, "ItemBateria", 17, &TFormPrinc::ItemBateriaClick);
    item(m, "ItemColetarDados", 18, &TFormPrinc::ItemColetarDadosClick);
    item(m, "ItemConfigurar", 19, &TFormPrinc::ItemConfigurarClick);
    item(m, "ItemMonitorar", 20, &TFormPrinc::ItemMonitorarClick);
    item(m, "ItemParar", 21, &TFormPrinc::ItemPararClick);
    m->addSeparator();
    item(m, "ItemAjusteOffset", 23, &TFormPrinc::ItemAjusteOffsetClick);
}

void TFormPrinc::criaMenuPorta()
{
    QMenu *m = menuBar()->addMenu(m_catalogo.texto(24));
    m_legendas.append({ m->menuAction(), 24 });
    static constexpr const char *nomes[] = { "ItemCom1", "ItemCOM2", "ItemCOM3", "ItemCOM4" };
    static constexpr void (TFormPrinc::*acoes[])() = { &TFormPrinc::ItemCom1Click, &TFormPrinc::ItemCOM2Click,
        &TFormPrinc::ItemCOM3Click, &TFormPrinc::ItemCOM4Click };
    for (int i = 0; i < 4; ++i) {
        // The port names are not in the catalogue: they are the same in
        // every language. Their devices are added by atualizaMenuPorta.
        QAction *a = m->addAction(QStringLiteral("COM&%1").arg(i + 1));
        a->setObjectName(QString::fromLatin1(nomes[i]));
        a->setParent(this);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, acoes[i]);
        m_comandos[nomes[i]].item = a;
    }
    m->addSeparator();
    item(m, "ItemPortas", 326, &TFormPrinc::ItemPortasClick);
    item(m, "ItemLoggers", 559, &TFormPrinc::ItemLoggersClick);
    m->addSeparator();
    item(m, "ItemColetarTodos", 541, &TFormPrinc::ColetarTodos);
    item(m, "ItemPastaColetas", 542, &TFormPrinc::ItemPastaColetasClick);
    // Each item shows its device as the settings file gives it now.
    connect(m, &QMenu::aboutToShow, this, &TFormPrinc::atualizaMenuPorta);
    atualizaMenuPorta();
}

void TFormPrinc::criaMenuJanela()
{
    m_menuJanela = menuBar()->addMenu(m_catalogo.texto(25));
    m_legendas.append({ m_menuJanela->menuAction(), 25 });
    auto *arranjo = new QActionGroup(this);
    QAction *cascata = item(m_menuJanela, "ItemCascata", 26, &TFormPrinc::ItemCascataClick);
    item(m_menuJanela, "ItemOrganizarIcones", 27, &TFormPrinc::ItemOrganizarIconesClick);
    QAction *vertical = item(m_menuJanela, "ItemVerticalmente", 28, &TFormPrinc::ItemVerticalmenteClick);
    QAction *horizontal
        = item(m_menuJanela, "ItemHorizontalmente", 29, &TFormPrinc::ItemHorizontalmenteClick);
    for (QAction *a : { cascata, vertical, horizontal }) {
        a->setCheckable(true);
        arranjo->addAction(a);
    }
    cascata->setChecked(true);
    item(m_menuJanela, "ItemRestaurar", 30, &TFormPrinc::ItemRestaurarClick);
    item(m_menuJanela, "ItemMinimizar", 31, &TFormPrinc::ItemMinimizarClick);
    item(m_menuJanela, "ItemFecharTodas", 32, &TFormPrinc::ItemFecharTodasClick);
    // The menu ends with the list of open child windows.
    connect(m_menuJanela, &QMenu::aboutToShow, this, &TFormPrinc::listaJanelas);
}

void TFormPrinc::listaJanelas()
{
    const auto fixos = m_menuJanela->actions();
    for (QAction *a : fixos) {
        if (a->property("quorvaneListaJanelas").toBool()) {
            m_menuJanela->removeAction(a);
            a->deleteLater();
        }
    }
    const QList<QMdiSubWindow *> filhas = m_mdi->subWindowList();
    if (filhas.isEmpty())
        return;
    m_menuJanela->addSeparator()->setProperty("quorvaneListaJanelas", true);
    int n = 0;
    for (QMdiSubWindow *filha : filhas) {
        ++n;
        const QString legenda
            = n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(filha->windowTitle()) : filha->windowTitle();
        QAction *a = m_menuJanela->addAction(legenda);
        a->setProperty("quorvaneListaJanelas", true);
        a->setCheckable(true);
        a->setChecked(filha == m_mdi->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, filha = QPointer<QMdiSubWindow>(filha)] {
            if (filha)
                m_mdi->setActiveSubWindow(filha);
        });
    }
}

void TFormPrinc::criaMenuAjuda()
{
    QMenu *m = menuBar()->addMenu(m_catalogo.texto(33));
    m_legendas.append({ m->menuAction(), 33 });
    item(m, "ItemConteudo", 34, &TFormPrinc::ItemConteudoClick);
    m->addSeparator();
    item(m, "ItemSobre", 35, &TFormPrinc::ItemSobreClick);
}

QToolButton *TFormPrinc::botao(
    const char *nome, const char *item, const char *icone, int dica, void (TFormPrinc::*acao)())
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(nome));
    b->setIcon(QIcon(QStringLiteral(":/icones/%1.svg").arg(QLatin1String(icone))));
    b->setIconSize(QSize(24, 24));
    b->setAutoRaise(true);
    b->setToolTip(m_catalogo.texto(dica));
    connect(b, &QToolButton::clicked, this, acao);
    m_comandos[item].botao = b;
    m_dicas.append({ b, dica });
    return b;
}

void TFormPrinc::criaBarraBotoes()
{
    QToolBar *barra = addToolBar(QString());
    barra->setObjectName(QStringLiteral("BarraBotoes"));
    barra->setMovable(false);
    barra->setFloatable(false);
    barra->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    const auto poe = [barra](QToolButton *b) { barra->addWidget(b); };
    poe(botao("SpeedButtonAbrir", "ItemAbrir", "abrir", 36, &TFormPrinc::ItemAbrirClick));
    poe(botao("SpeedButtonSalvar", "ItemSalvar", "salvar", 37, &TFormPrinc::ItemSalvarClick));
    poe(botao("SpeedButtonImprimir", "ItemImprimir", "imprimir", 38, &TFormPrinc::ItemImprimirClick));
    poe(botao("SpeedButtonExportar", "ItemExportar", "exportar", 39, &TFormPrinc::ItemExportarClick));
    poe(botao("SpeedButtonCopiar", "ItemCopiar", "copiar", 40, &TFormPrinc::ItemCopiarClick));
    barra->addSeparator();
    poe(botao("SpeedButtonInformacoes", "ItemParametrosGerais", "informacoes", 41,
        &TFormPrinc::ItemParametrosGeraisClick));
    poe(botao("SpeedButtonGrafico", "ItemGrafico", "grafico", 42, &TFormPrinc::ItemGraficoClick));
    poe(botao("SpeedButtonDados", "ItemDados", "dados", 43, &TFormPrinc::ItemDadosClick));
    poe(botao("SpeedButtonResumo", "ItemResumo", "resumo", 358, &TFormPrinc::ItemResumoClick));
    barra->addSeparator();
    poe(botao("SpeedButtonFaixaZoom", "ItemFaixaZoom", "faixazoom", 44, &TFormPrinc::ItemFaixaZoomClick));
    poe(botao("SpeedButtonZoomMais", "ItemZoomMais", "zoommais", 45, &TFormPrinc::ItemZoomMaisClick));
    poe(botao("SpeedButtonZoomMenos", "ItemZoomMenos", "zoommenos", 46, &TFormPrinc::ItemZoomMenosClick));
    poe(botao("SpeedButtonZoom100", "ItemZoom100", "zoom100", 47, &TFormPrinc::ItemZoom100Click));
    poe(botao("SpeedButtonSobreporGraficos", "ItemJuncao", "juncao", 48, &TFormPrinc::ItemJuncaoClick));
    barra->addSeparator();
    poe(botao("SpeedButtonConectar", "ItemConfigurar", "configurar", 49, &TFormPrinc::ItemConfigurarClick));
    poe(botao("SpeedButtonParar", "ItemParar", "parar", 50, &TFormPrinc::SpeedButtonPararClick));
    poe(botao("SpeedButtonColetar", "ItemColetarDados", "coletar", 51, &TFormPrinc::ItemColetarDadosClick));
    poe(botao("SpeedButtonMonitorar", "ItemMonitorar", "monitorar", 52, &TFormPrinc::ItemMonitorarClick));
    barra->addSeparator();
    poe(botao("SpeedButtonHelp", "ItemConteudo", "ajuda", 53, &TFormPrinc::ItemConteudoClick));
}

void TFormPrinc::criaLinhaStatus()
{
    // A read-only edit box in a panel along the bottom of the frame.
    m_editStatus = new LinhaStatus(this);
    auto *painel = new QWidget(this);
    painel->setObjectName(QStringLiteral("PanelStatus"));
    auto *layout = new QHBoxLayout(painel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_editStatus);
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addWidget(painel, 1);
}
