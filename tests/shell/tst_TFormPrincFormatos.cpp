// The Arquivo menu's open formats: "Exportar CSV..." writes the range the
// current graph shows with the regional separators, "Salvar Imagem..." the
// current graph's or the active merged window's chart at its own size or a
// typed one; both beside "&Exportar", enabled by the windows open.
#include "BancadaPrinc.h"

#include "DialogosArquivoFalsos.h"
#include "GraficoLinhas.h"
#include "JanelaFilha.h"
#include "RegistroTestes.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"
#include "TFrmTamanhoImagem.h"

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSpinBox>

namespace {

// The window tests' recording, with a relative humidity and a decimal.
TAquisicao documento()
{
    TAquisicao a = documentoForno(2, QStringLiteral("°C"));
    a.DecimaisCanal1 = 1;
    a.UnidadeCanal2 = QStringLiteral("%");
    a.LimSupCanal1 = 1000;
    return a;
}

QList<QByteArray> linhasDe(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> l = f.readAll().split('\n');
    l.removeAll(QByteArray());
    return l;
}

}  // namespace

class TestTFormPrincFormatos : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void itemsStandBesideExportWithoutShortcuts();
    void enablingFollowsTheWindows();
    void csvHoldsTheShownRange_data();
    void csvHoldsTheShownRange();
    void csvWriteFailureIsReported();
    void imageAtTheChartSizeOrATypedOne_data();
    void imageAtTheChartSizeOrATypedOne();
    void imageOfTheActiveMergedWindow();
    void imageCancelledInTheSizeDialogWritesNothing();

private:
    std::unique_ptr<BancadaPrinc> m_b;
    DialogosArquivoFalsos m_dialogos;
    QTemporaryDir m_pasta;
};

void TestTFormPrincFormatos::init()
{
    m_dialogos = DialogosArquivoFalsos();
    m_b = BancadaPrinc::comGraficos(&m_dialogos);
}

void TestTFormPrincFormatos::cleanup()
{
    m_b->encerraSemPerguntas();
    m_b.reset();
}

void TestTFormPrincFormatos::itemsStandBesideExportWithoutShortcuts()
{
    QAction *exportar = m_b->item("ItemExportar");
    QMenu *arquivo = qobject_cast<QMenu *>(exportar->associatedObjects().value(0));
    QVERIFY(arquivo);
    const QList<QAction *> itens = arquivo->actions();
    const qsizetype i = itens.indexOf(exportar);
    QCOMPARE(itens.value(i + 1), m_b->item("ItemExportarCsv"));
    QCOMPARE(itens.value(i + 2), m_b->item("ItemSalvarImagem"));
    QCOMPARE(m_b->item("ItemExportarCsv")->text(), QStringLiteral("Exportar CSV..."));
    QCOMPARE(m_b->item("ItemSalvarImagem")->text(), QStringLiteral("Salvar Imagem..."));
    QVERIFY(m_b->item("ItemExportarCsv")->shortcut().isEmpty());
    QVERIFY(m_b->item("ItemSalvarImagem")->shortcut().isEmpty());
}

void TestTFormPrincFormatos::enablingFollowsTheWindows()
{
    QAction *csv = m_b->item("ItemExportarCsv");
    QAction *imagem = m_b->item("ItemSalvarImagem");
    QVERIFY(!csv->isEnabled());
    QVERIFY(!imagem->isEnabled());
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    m_b->princ->NovoGrafico(QStringLiteral("Estufa"), documento(), true);
    QCoreApplication::processEvents();
    QVERIFY(csv->isEnabled());
    QVERIFY(imagem->isEnabled());
    m_b->princ->ItemJuncaoClick();
    QCoreApplication::processEvents();
    QCOMPARE(tipoJanela(m_b->princ->mdiArea()->activeSubWindow()), TipoJanela::Juncao);
    QVERIFY(!csv->isEnabled());
    QVERIFY(imagem->isEnabled());
}

void TestTFormPrincFormatos::csvHoldsTheShownRange_data()
{
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<bool>("zoom");
    QTest::addColumn<QByteArray>("primeira");
    QTest::addColumn<int>("linhas");
    QTest::newRow("whole graph, decimal comma")
        << QChar(u',') << false << QByteArray("2000-01-01T10:00:00") << 20;
    QTest::newRow("zoomed to entries 5 to 9, decimal point")
        << QChar(u'.') << true << QByteArray("2000-01-01T10:00:40") << 5;
}

void TestTFormPrincFormatos::csvHoldsTheShownRange()
{
    QFETCH(QChar, decimal);
    QFETCH(bool, zoom);
    QFETCH(QByteArray, primeira);
    QFETCH(int, linhas);
    m_b->regional.separadorDecimal = decimal;
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
    QVERIFY(g);
    if (zoom)
        QVERIFY(g->TheChart->defineFaixa(
            EixoGrafico::Inferior, g->aquisicao().instante(4), g->aquisicao().instante(8)));
    const QString caminho = m_pasta.filePath(QStringLiteral("forno.csv"));
    m_dialogos.respostasSalvar.enqueue(caminho);
    m_b->princ->ItemExportarCsvClick();
    QCOMPARE(m_dialogos.pedidos.size(), 1);
    QCOMPARE(m_dialogos.pedidos[0].titulo, QStringLiteral("Exportar Arquivo CSV"));
    QCOMPARE(m_dialogos.pedidos[0].extensaoPadrao, QStringLiteral("csv"));
    QCOMPARE(m_dialogos.pedidos[0].nomeProposto, QStringLiteral("Forno"));
    const QList<QByteArray> l = linhasDe(caminho);
    QCOMPARE(l.size(), 1 + linhas);
    const char sep = decimal == u',' ? ';' : ',';
    QCOMPARE(l[0], QByteArray("\xEF\xBB\xBFInstante") + sep + "Temp (°C)" + sep + "Umid (%)\r");
    QVERIFY2(l[1].startsWith(primeira), l[1].constData());
    const int k = zoom ? 4 : 0;
    QVERIFY2(l[1].endsWith(QByteArray::number(20 + k) + decimal.toLatin1() + "0" + sep
                 + QByteArray::number(50 - k) + "\r"),
        l[1].constData());
    QVERIFY(m_b->mensagens.registro.isEmpty());
}

void TestTFormPrincFormatos::csvWriteFailureIsReported()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    m_dialogos.respostasSalvar.enqueue(m_pasta.filePath(QStringLiteral("nao-existe/forno.csv")));
    m_b->princ->ItemExportarCsvClick();
    QCOMPARE(m_b->mensagens.registro.size(), 1);
    QCOMPARE(m_b->mensagens.registro[0].texto, QString::fromUtf8("Erro na gravação do arquivo"));
}

void TestTFormPrincFormatos::imageAtTheChartSizeOrATypedOne_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("digitado");  // empty: the size the dialog starts with
    QTest::newRow("png at the chart's size") << "forno.png" << QSize();
    QTest::newRow("png at a typed size") << "forno.png" << QSize(900, 333);
    QTest::newRow("svg at a typed size") << "forno.svg" << QSize(640, 480);
}

void TestTFormPrincFormatos::imageAtTheChartSizeOrATypedOne()
{
    QFETCH(QString, nome);
    QFETCH(QSize, digitado);
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    auto *g = qobject_cast<TFormGrafico *>(m_b->princ->GraficoAtual());
    const QSize doGrafico = g->TheChart->size();
    QSize inicial;
    m_b->princ->mostraTamanhoImagem = [&](TFrmTamanhoImagem &d) {
        inicial = d.tamanho();
        if (digitado.isValid()) {
            d.SpinLargura->setValue(digitado.width());
            d.SpinAltura->setValue(digitado.height());
        }
        return int(QDialog::Accepted);
    };
    const QString caminho = m_pasta.filePath(nome);
    m_dialogos.respostasSalvar.enqueue(caminho);
    m_b->princ->ItemSalvarImagemClick();
    QCOMPARE(m_dialogos.pedidos.value(0).titulo, QString::fromUtf8("Salvar Imagem do Gráfico"));
    QCOMPARE(m_dialogos.pedidos.value(0).extensaoPadrao, QStringLiteral("png"));
    QCOMPARE(inicial, doGrafico);
    const QSize esperado = digitado.isValid() ? digitado : doGrafico;
    if (nome.endsWith(u".svg")) {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains(
            QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(esperado.width()).arg(esperado.height()).toLatin1()));
    } else {
        QCOMPARE(QImage(caminho).size(), esperado);
    }
    QCOMPARE(g->TheChart->size(), doGrafico);
    QVERIFY(m_b->mensagens.registro.isEmpty());
}

void TestTFormPrincFormatos::imageOfTheActiveMergedWindow()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    m_b->princ->NovoGrafico(QStringLiteral("Estufa"), documento(), true);
    m_b->princ->ItemJuncaoClick();
    QCoreApplication::processEvents();
    auto *j = qobject_cast<TFormJuncao *>(m_b->princ->JuncaoAtual());
    QVERIFY(j);
    m_b->princ->mostraTamanhoImagem = [](TFrmTamanhoImagem &d) {
        d.SpinLargura->setValue(500);
        d.SpinAltura->setValue(300);
        return int(QDialog::Accepted);
    };
    const QString caminho = m_pasta.filePath(QStringLiteral("juncao.png"));
    m_dialogos.respostasSalvar.enqueue(caminho);
    m_b->princ->ItemSalvarImagemClick();
    QCOMPARE(m_dialogos.pedidos.value(0).nomeProposto, j->nomeParaSalvar());
    const QImage imagem(caminho);
    QCOMPARE(imagem.size(), QSize(500, 300));
}

void TestTFormPrincFormatos::imageCancelledInTheSizeDialogWritesNothing()
{
    m_b->princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    m_b->princ->mostraTamanhoImagem = [](TFrmTamanhoImagem &) { return int(QDialog::Rejected); };
    const QString caminho = m_pasta.filePath(QStringLiteral("nada.png"));
    m_dialogos.respostasSalvar.enqueue(caminho);
    m_b->princ->ItemSalvarImagemClick();
    QVERIFY(!QFile::exists(caminho));
}

QUORVANE_TEST_MAIN(TestTFormPrincFormatos)
#include "tst_TFormPrincFormatos.moc"
