// "Imprimir" on a graph's readings list, general parameters or summary: the
// print preview of that view's report, for the graph the view belongs to;
// on a graph, a refused print said and the windows left as they were;
// and
// "Configurar Impressora", which sets the printer up without printing.
#include "BancadaPrinc.h"

#include "GravacaoTeste.h"
#include "JanelaFilha.h"
#include "RegistroTestes.h"
#include "TFormGrafico.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

TAquisicao documento(int entradas)
{
    TAquisicao a = gravacaoForno();
    a.Titulo = QStringLiteral("Forno");
    return comLeiturasSemFim(a, entradas, [](int i) { return ParTeste(20 + i, 50 - i); });
}

QMdiSubWindow *vistaDe(TFormPrinc &princ, TipoJanela tipo, int ordem)
{
    int vistas = 0;
    for (QMdiSubWindow *s : princ.mdiArea()->subWindowList())
        if (tipoJanela(s) == tipo && vistas++ == ordem)
            return s;
    return nullptr;
}

}  // namespace

class TestTFormPrincImpressao : public QObject
{
    Q_OBJECT
private slots:
    void imprimirNaVistaMostraAPrevia_data();
    void imprimirNaVistaMostraAPrevia();
    void configurarImpressoraDizQueSoConfigura();
    void imprimirGraficoDeixaAsJanelasComoEstavam();
};

void TestTFormPrincImpressao::imprimirNaVistaMostraAPrevia_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<int>("paginas");
    // The second graph's list: 50 entries, two pages; the first has 10.
    QTest::newRow("readings list") << int(TipoJanela::Dados) << "Tabela de Aquisições" << 2;
    QTest::newRow("general parameters") << int(TipoJanela::Informacoes) << "Informações Gerais" << 1;
    QTest::newRow("summary, opened on the second graph") << int(TipoJanela::Resumo) << "Resumo" << 1;
}

void TestTFormPrincImpressao::imprimirNaVistaMostraAPrevia()
{
    QFETCH(int, tipo);
    QFETCH(QString, titulo);
    QFETCH(int, paginas);
    BancadaPrinc b({});
    b.princ->resize(1000, 700);
    b.mostra();
    b.mensagens.registro.clear();  // the formula library's absence
    b.princ->NovoGrafico(QStringLiteral("Forno A"), documento(10), true);
    b.princ->NovoGrafico(QStringLiteral("Forno B"), documento(50), true);
    QTemporaryDir pasta;
    b.princ->impressora().setOutputFormat(QPrinter::PdfFormat);
    b.princ->impressora().setOutputFileName(pasta.filePath(QStringLiteral("saida.pdf")));

    // The summary opens on demand, for the current graph (the second).
    if (TipoJanela(tipo) == TipoJanela::Resumo)
        b.item("ItemResumo")->trigger();
    QMdiSubWindow *vista
        = vistaDe(*b.princ, TipoJanela(tipo), TipoJanela(tipo) == TipoJanela::Resumo ? 0 : 1);
    QVERIFY(vista);
    b.princ->mdiArea()->setActiveSubWindow(vista);
    QCoreApplication::processEvents();
    QVERIFY(b.item("ItemImprimir")->isEnabled());
    QVERIFY(b.botao("SpeedButtonImprimir")->isEnabled());

    QString mostrado;
    int contadas = -1;
    QTimer::singleShot(0, this, [&] {
        auto *d = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        mostrado = d->windowTitle();
        if (auto *p = d->findChild<QPrintPreviewWidget *>())
            contadas = p->pageCount();
        d->reject();
    });
    b.item("ItemImprimir")->trigger();
    QCOMPARE(mostrado, titulo);
    QCOMPARE(contadas, paginas);
    QVERIFY(b.mensagens.registro.isEmpty());
    // Closing the preview prints nothing.
    QVERIFY(!QFile::exists(pasta.filePath(QStringLiteral("saida.pdf"))));
    for (QMdiSubWindow *s : b.princ->mdiArea()->subWindowList())
        if (auto *g = qobject_cast<TFormGrafico *>(s->widget()))
            g->Seta_Modo_Arq(true);
}

void TestTFormPrincImpressao::configurarImpressoraDizQueSoConfigura()
{
    BancadaPrinc b({});
    b.mostra();
    QString titulo, botao;
    QTimer::singleShot(0, this, [&] {
        auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        titulo = d->windowTitle();
        if (auto *botoes = d->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly))
            botao = botoes->button(QDialogButtonBox::Ok)->text();
        d->reject();
    });
    b.item("ItemConfigImp")->trigger();
    QCOMPARE(titulo, QStringLiteral("Configurar Impressora"));
    QCOMPARE(botao, QStringLiteral("&Aplicar"));
}

// A refused print, then a good one: neither leaves the frame or a child
// maximised, so the summary opened next is an ordinary child.
void TestTFormPrincImpressao::imprimirGraficoDeixaAsJanelasComoEstavam()
{
    BancadaPrinc b({});
    b.princ->resize(1000, 700);
    b.mostra();
    b.mensagens.registro.clear();
    b.princ->NovoGrafico(QStringLiteral("Forno A"), documento(10), true);
    QMdiSubWindow *grafico = vistaDe(*b.princ, TipoJanela::Grafico, 0);
    QVERIFY(grafico);
    b.princ->mdiArea()->setActiveSubWindow(grafico);
    const QRect lugar = grafico->geometry();
    b.princ->impressora().setOutputFormat(QPrinter::PdfFormat);
    b.item("ItemImprimir")->trigger();
    QCOMPARE(b.mensagens.registro.size(), 1);
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("saida.pdf"));
    b.princ->impressora().setOutputFileName(pdf);
    b.item("ItemImprimir")->trigger();
    QCOMPARE(b.mensagens.registro.size(), 1);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCoreApplication::processEvents();
    QVERIFY(!b.princ->isMaximized());
    QVERIFY(!grafico->isMaximized());
    QCOMPARE(grafico->geometry(), lugar);
    b.item("ItemResumo")->trigger();
    QMdiSubWindow *resumo = vistaDe(*b.princ, TipoJanela::Resumo, 0);
    QVERIFY(resumo);
    QVERIFY(!resumo->isMaximized());
    QVERIFY(!grafico->isMaximized());
    if (auto *g = qobject_cast<TFormGrafico *>(grafico->widget()))
        g->Seta_Modo_Arq(true);
}

QUORVANE_TEST_MAIN(TestTFormPrincImpressao)
#include "tst_TFormPrincImpressao.moc"
