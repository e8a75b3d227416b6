// The main window's commands on graph windows: opening an acquisition file,
// a new graph window with its views, saving under a cleaned name, export,
// bringing the graph and its views forward, the enabling rules as the
// graph window and its views take turns, and the alarm limits of every
// graph of a logger.
#include "BancadaPrinc.h"

#include "ArquivoQvg.h"
#include "DialogosArquivoFalsos.h"
#include "GraficoLinhas.h"
#include "JanelaFilha.h"
#include "LimitesAlarme.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"
#include "TFormGrafico.h"
#include "TFrmFaixaZoom.h"
#include "TFrmLimitesAlarme.h"
#include "VistaGrafico.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QMdiSubWindow *subJanela(TFormPrinc &princ, TipoJanela tipo)
{
    for (QMdiSubWindow *s : princ.mdiArea()->subWindowList())
        if (tipoJanela(s) == tipo)
            return s;
    return nullptr;
}

}  // namespace

class TestTFormPrincGraficos : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void preparoDoInicioNaoDeixaRastro();
    void abrirArquivo_data();
    void abrirArquivo();
    void comandosSeguemGraficoEVistas_data();
    void comandosSeguemGraficoEVistas();
    void salvarPropoeNomeLimpoSemSufixo();
    void salvarCanceladoNaoGrava();
    void exportarGravaTexto();
    void copiarPoeFiguraNaAreaDeTransferencia();
    void zoomAgeNoGraficoAtual();
    void faixaZoomAbreODialogoDoGraficoAtual();
    void limitesDeAlarmeEmTodosOsGraficosDoAquisitor();
    void novosGraficosDentroDaAreaComVistasAoLado();
    void graficoELeiturasVoltamAFrente();
    void ativarMolduraMantemGraficoAtual();

private:
    std::unique_ptr<BancadaPrinc> m_b;
    DialogosArquivoFalsos m_dialogos;
    QTemporaryDir m_pasta;
};

void TestTFormPrincGraficos::init()
{
    m_dialogos = DialogosArquivoFalsos();
    m_b = BancadaPrinc::comGraficos(&m_dialogos);
}

void TestTFormPrincGraficos::cleanup()
{
    m_b->encerraSemPerguntas();
    m_b.reset();
}

// The graph drawn out of sight at start, for the first-use costs, leaves
// nothing: no window or view alive, nothing in the workspace, no message,
// and the first recording opened still takes the first number.
void TestTFormPrincGraficos::preparoDoInicioNaoDeixaRastro()
{
    QCoreApplication::processEvents();
    for (QWidget *w : QApplication::allWidgets()) {
        QVERIFY2(!qobject_cast<TFormGrafico *>(w) && !qobject_cast<VistaGrafico *>(w)
                && !qobject_cast<QMdiSubWindow *>(w),
            w->metaObject()->className());
    }
    QVERIFY(m_b->princ->mdiArea()->subWindowList().isEmpty());
    QVERIFY(m_b->mensagens.textos().isEmpty());
    const QString caminho = m_pasta.filePath(QStringLiteral("forno.qvg"));
    QVERIFY(ArquivoQvg::grava(documentoForno(), caminho, m_b->regional));
    m_b->princ->Abrir_Grafico(caminho);
    auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
    QVERIFY(g);
    QCOMPARE(g->numeroGrafico(), 0);
}

void TestTFormPrincGraficos::abrirArquivo_data()
{
    QTest::addColumn<QString>("arquivo");  // written in the folder unless "missing"
    QTest::addColumn<int>("filtro");
    QTest::addColumn<int>("janelas");
    QTest::addColumn<QStringList>("mensagens");
    QTest::newRow("acquisition file") << "forno.qvg" << 0 << 3 << QStringList {};
    QTest::newRow("missing file") << "missing" << 0 << 0 << QStringList { "Arquivo não existe!" };
    // A ".qvg" or ".qvj" name chooses the reader, whichever filter was
    // chosen; another name is read as its filter says.
    const QStringList invalido { "Formato de arquivo inválido. Verifique sua configuração" };
    QTest::newRow("acquisition file with the merged-graph filter") << "forno.qvg" << 1 << 3 << QStringList {};
    QTest::newRow("named .qvj with the acquisition filter: read as a merged graph")
        << "forno.qvj" << 0 << 0 << invalido;
    QTest::newRow("another extension with the merged-graph filter") << "forno.dat" << 1 << 0 << invalido;
}

void TestTFormPrincGraficos::abrirArquivo()
{
    QFETCH(QString, arquivo);
    QFETCH(int, filtro);
    QFETCH(int, janelas);
    QFETCH(QStringList, mensagens);
    QString caminho = m_pasta.filePath(arquivo);
    if (arquivo != u"missing")
        QVERIFY(ArquivoQvg::grava(documentoForno(), caminho, m_b->regional));
    m_dialogos.respostasAbrir.enqueue({ caminho, filtro });
    m_b->princ->ItemAbrirClick();
    QCOMPARE(m_dialogos.pedidos.size(), 1);
    QCOMPARE(m_dialogos.pedidos[0].titulo, QStringLiteral("Abrir Arquivo"));
    QCOMPARE(m_b->princ->mdiArea()->subWindowList().size(), janelas);
    QCOMPARE(m_b->mensagens.textos(), mensagens);
    if (janelas) {
        auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
        QVERIFY(g);
        QCOMPARE(g->windowTitle(), QStringLiteral("forno.qvg - Gráfico"));
        QVERIFY(g->salvo());
        QCOMPARE(g->Canal1->quantidade(), 20);
    }
}

void TestTFormPrincGraficos::comandosSeguemGraficoEVistas_data()
{
    QTest::addColumn<int>("ativa");  // TipoJanela of the active child; Outra: the graph closed
    QTest::addColumn<QStringList>("habilitados");
    QTest::addColumn<QStringList>("desabilitados");
    const QStringList todos { "ItemSalvar", "ItemImprimir", "ItemZoomMais", "ItemCopiar", "ItemExportar",
        "ItemGrafico", "ItemDados", "ItemParametrosGerais" };
    QTest::newRow("graph active") << int(TipoJanela::Grafico) << todos << QStringList { "ItemJuncao" };
    QStringList semCopiar = todos;
    semCopiar.removeAll(QStringLiteral("ItemCopiar"));
    QTest::newRow("readings active: no copy")
        << int(TipoJanela::Dados) << semCopiar << QStringList { "ItemCopiar", "ItemJuncao" };
    QTest::newRow("general parameters active: no copy")
        << int(TipoJanela::Informacoes) << semCopiar << QStringList { "ItemCopiar" };
    QTest::newRow("graph closed") << int(TipoJanela::Outra) << QStringList { "ItemAbrir" } << todos;
}

void TestTFormPrincGraficos::comandosSeguemGraficoEVistas()
{
    QFETCH(int, ativa);
    QFETCH(QStringList, habilitados);
    QFETCH(QStringList, desabilitados);
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documentoForno(), false);
    QCOMPARE(m_b->princ->mdiArea()->subWindowList().size(), 3);
    if (ativa == int(TipoJanela::Outra)) {
        m_b->mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Nao);
        subJanela(*m_b->princ, TipoJanela::Grafico)->close();
    } else {
        m_b->princ->mdiArea()->setActiveSubWindow(subJanela(*m_b->princ, TipoJanela(ativa)));
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (ativa == int(TipoJanela::Outra)) {
        // The graph took its views with it.
        QCOMPARE(m_b->princ->mdiArea()->subWindowList().size(), 0);
    }
    for (const QString &n : habilitados)
        QVERIFY2(m_b->item(n.toLatin1())->isEnabled() || !TFormPrinc::ComandoConstruido(n.toLatin1()),
            qPrintable(n));
    for (const QString &n : desabilitados)
        QVERIFY2(!m_b->item(n.toLatin1())->isEnabled(), qPrintable(n));
}

void TestTFormPrincGraficos::salvarPropoeNomeLimpoSemSufixo()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno 1/2: ensaio"), documentoForno(), false);
    auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
    QVERIFY(g);
    const QString caminho = m_pasta.filePath(QStringLiteral("salvo.qvg"));
    m_dialogos.respostasSalvar.enqueue(caminho);
    m_b->princ->ItemSalvarClick();
    QCOMPARE(m_dialogos.pedidos.size(), 1);
    const auto &p = m_dialogos.pedidos[0];
    QCOMPARE(p.nomeProposto, QStringLiteral("Forno 1_2_ ensaio"));
    QCOMPARE(p.extensaoPadrao, QStringLiteral("qvg"));
    QCOMPARE(p.filtro, QStringLiteral("Arquivo Quorvane (*.qvg)|*.qvg"));
    QCOMPARE(p.titulo, QStringLiteral("Salvar Arquivo Quorvane"));
    QVERIFY(QFile::exists(caminho));
    QVERIFY(g->salvo());
    // Saved: closing asks nothing.
    subJanela(*m_b->princ, TipoJanela::Grafico)->close();
    QVERIFY(m_b->mensagens.registro.isEmpty());
}

void TestTFormPrincGraficos::salvarCanceladoNaoGrava()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documentoForno(), false);
    m_b->princ->ItemSalvarClick();
    QCOMPARE(m_dialogos.pedidos.size(), 1);
    QVERIFY(!qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual())->salvo());
}

void TestTFormPrincGraficos::exportarGravaTexto()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documentoForno(), false);
    const QString caminho = m_pasta.filePath(QStringLiteral("forno.txt"));
    m_dialogos.respostasSalvar.enqueue(caminho);
    m_b->princ->ItemExportarClick();
    QCOMPARE(m_dialogos.pedidos.size(), 1);
    QCOMPARE(m_dialogos.pedidos[0].extensaoPadrao, QStringLiteral("txt"));
    QCOMPARE(m_dialogos.pedidos[0].titulo, QStringLiteral("Exportar Arquivo Quorvane"));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // 20 readings after the general parameters and the headings.
    QVERIFY(f.readAll().count("\r\n") > 20);
}

void TestTFormPrincGraficos::copiarPoeFiguraNaAreaDeTransferencia()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documentoForno(), false);
    QMdiSubWindow *grafico = subJanela(*m_b->princ, TipoJanela::Grafico);
    m_b->princ->mdiArea()->setActiveSubWindow(grafico);
    QGuiApplication::clipboard()->clear();
    m_b->princ->ItemCopiarClick();
    const QImage figura = QGuiApplication::clipboard()->image();
    auto *g = qobject_cast<TFormGrafico *>(grafico->widget());
    QVERIFY(!figura.isNull());
    QCOMPARE(figura.size(), g->TheChart->size() * g->TheChart->devicePixelRatio());
}

void TestTFormPrincGraficos::zoomAgeNoGraficoAtual()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documentoForno(), false);
    QMdiSubWindow *dados = subJanela(*m_b->princ, TipoJanela::Dados);
    m_b->princ->mdiArea()->setActiveSubWindow(dados);
    auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
    QVERIFY(g);
    const double um = 1.0 / 86400;  // one second on the time axis
    const double minimo = g->TheChart->minimo(EixoGrafico::Inferior);
    const double maximo = g->TheChart->maximo(EixoGrafico::Inferior);
    m_b->princ->ItemZoomMaisClick();
    m_b->princ->ItemZoomMaisClick();
    QCOMPARE(g->TheChart->minimo(EixoGrafico::Inferior), minimo + 2 * um);
    QCOMPARE(g->TheChart->maximo(EixoGrafico::Inferior), maximo - 2 * um);
    m_b->princ->ItemZoomMenosClick();
    QCOMPARE(g->TheChart->minimo(EixoGrafico::Inferior), minimo + um);
    m_b->princ->ItemZoom100Click();
    QCOMPARE(g->TheChart->minimo(EixoGrafico::Inferior), minimo);
    QCOMPARE(g->TheChart->maximo(EixoGrafico::Inferior), maximo);
}

// The lines' switch acts on every graph window, and on those opened later;
// limits set in one graph's dialog reach the other graphs of its logger,
// and only those.
void TestTFormPrincGraficos::limitesDeAlarmeEmTodosOsGraficosDoAquisitor()
{
    constexpr qint32 serie = 10010;
    LimitesAlarme(m_b->configuracoes.get()).grava(serie, 1, { 50.0, std::nullopt });
    const auto abre = [this](qint32 numeroSerie) {
        TAquisicao a = documentoForno();
        a.NumeroSerie = numeroSerie;
        m_b->princ->NovoGrafico(QStringLiteral("Forno"), a, true);
        return qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
    };
    TFormGrafico *a = abre(serie);
    TFormGrafico *b = abre(serie);
    TFormGrafico *outro = abre(serie + 1);
    QVERIFY(a && b && outro && a != b);
    const auto linhas = [](TFormGrafico *g) { return g->TheChart->linhasLimite().size(); };
    QCOMPARE(linhas(a), 1);
    QCOMPARE(linhas(outro), 0);

    QAction *chave = m_b->item("ItemLimitesAlarme");
    QVERIFY(chave->isChecked());
    chave->trigger();
    QCOMPARE(linhas(a) + linhas(b), 0);
    TFormGrafico *depois = abre(serie);
    QCOMPARE(linhas(depois), 0);
    chave->trigger();
    QCOMPARE(linhas(a) + linhas(b) + linhas(depois), 3);

    // Graph a's dialog: a lower limit for channel 2 as well.
    QTimer::singleShot(0, this, [] {
        auto *d = qobject_cast<TFrmLimitesAlarme *>(QApplication::activeModalWidget());
        if (!d)
            return;
        d->canais[1].ligaBaixo->setChecked(true);
        d->canais[1].baixo->setText(QStringLiteral("40"));
        d->OKBtn->click();
    });
    a->ConfigLimites();
    QCOMPARE(linhas(a), 2);
    QCOMPARE(linhas(b), 2);
    QCOMPARE(linhas(depois), 2);
    QCOMPARE(linhas(outro), 0);
}

void TestTFormPrincGraficos::faixaZoomAbreODialogoDoGraficoAtual()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documentoForno(), false);
    auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
    QVERIFY(g);
    QVERIFY(m_b->item("ItemFaixaZoom")->isEnabled());
    QVERIFY(m_b->botao("SpeedButtonFaixaZoom")->isEnabled());
    QString titulo;
    QTimer::singleShot(0, this, [&] {
        auto *d = qobject_cast<TFrmFaixaZoom *>(QApplication::activeModalWidget());
        if (!d)
            return;
        titulo = d->windowTitle();
        d->MEValorDe->setText(QStringLiteral("5"));
        d->MEValorAte->setText(QStringLiteral("15"));
        d->OKBtn->click();
    });
    m_b->item("ItemFaixaZoom")->trigger();
    QCOMPARE(titulo, QStringLiteral("Faixa de Zoom"));
    QCOMPARE(g->TheChart->minimo(EixoGrafico::Esquerdo), 5.0);
    QCOMPARE(g->TheChart->maximo(EixoGrafico::Esquerdo), 15.0);
}

void TestTFormPrincGraficos::novosGraficosDentroDaAreaComVistasAoLado()
{
    QMdiArea *mdi = m_b->princ->mdiArea();
    QList<QRect> graficos;
    for (int i = 0; i < 3; ++i) {
        m_b->princ->NovoGrafico(QStringLiteral("Forno %1").arg(i), documentoForno(), true);
        auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
        QVERIFY(g);
        const QRect grafico = g->parentWidget()->geometry();
        graficos << grafico;
        QVERIFY(mdi->viewport()->rect().contains(grafico));
        // Its two views, the last two children opened, lie beside it.
        const auto subs = mdi->subWindowList();
        for (QMdiSubWindow *vista : { subs[subs.size() - 2], subs[subs.size() - 1] }) {
            QVERIFY(tipoJanela(vista) == TipoJanela::Dados || tipoJanela(vista) == TipoJanela::Informacoes);
            QVERIFY(mdi->viewport()->rect().contains(vista->geometry()));
            QVERIFY(vista->x() >= grafico.right());
            QVERIFY(vista->x() - grafico.right() < 10);
        }
    }
    // Each graph a step lower than the one before.
    QVERIFY(graficos[1].top() > graficos[0].top() && graficos[2].top() > graficos[1].top());
}

void TestTFormPrincGraficos::graficoELeiturasVoltamAFrente()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documentoForno(), false);
    QMdiArea *mdi = m_b->princ->mdiArea();
    QMdiSubWindow *dados = subJanela(*m_b->princ, TipoJanela::Dados);
    mdi->setActiveSubWindow(dados);
    m_b->princ->ItemGraficoClick();
    QCOMPARE(tipoJanela(mdi->activeSubWindow()), TipoJanela::Grafico);
    // A closed readings list opens again.
    dados->close();
    QCoreApplication::processEvents();
    QVERIFY(!subJanela(*m_b->princ, TipoJanela::Dados));
    m_b->princ->ItemDadosClick();
    QVERIFY(subJanela(*m_b->princ, TipoJanela::Dados));
    m_b->princ->ItemParametrosGeraisClick();
    QCOMPARE(mdi->subWindowList().size(), 3);
}

void TestTFormPrincGraficos::ativarMolduraMantemGraficoAtual()
{
    // Coming back to the program activates the frame and, through it, every
    // widget inside: the current graph stays the one the user was on.
    m_b->princ->NovoGrafico(QStringLiteral("A"), documentoForno(), true);
    m_b->princ->NovoGrafico(QStringLiteral("B"), documentoForno(), true);
    QMdiArea *mdi = m_b->princ->mdiArea();
    for (QMdiSubWindow *s : mdi->subWindowList())
        if (s->widget()->windowTitle() == QStringLiteral("A - Gráfico"))
            mdi->setActiveSubWindow(s);
    QCOMPARE(m_b->princ->GraficoAtual()->windowTitle(), QStringLiteral("A - Gráfico"));
    QEvent ativa(QEvent::WindowActivate);
    QCoreApplication::sendEvent(m_b->princ.get(), &ativa);
    QCOMPARE(m_b->princ->GraficoAtual()->windowTitle(), QStringLiteral("A - Gráfico"));
}

QUORVANE_TEST_MAIN(TestTFormPrincGraficos)
#include "tst_TFormPrincGraficos.moc"
