// The main window's conveniences: the recent files of "&Arquivo", files
// dropped on the window or given at start, the usual shortcuts, the port
// field of the status line and the window's place between two runs.
#include "BancadaPrinc.h"

#include "ArquivoQvg.h"
#include "ArquivoQvj.h"
#include "DialogosArquivoFalsos.h"
#include "JanelaFilha.h"
#include "RegistroTestes.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"

#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

// The captions of the recent-file items, in menu order.
QStringList recentes(const BancadaPrinc &b)
{
    QStringList legendas;
    const QAction *sair = b.item("ItemSair");
    const auto *menu = qobject_cast<const QMenu *>(sair->associatedObjects().value(0));
    for (const QAction *a : menu->actions()) {
        if (a->objectName().startsWith(u"ItemRecente"))
            legendas.append(a->text());
    }
    return legendas;
}

}  // namespace

class TestTFormPrincConforto : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openedAndSavedFilesAreListedNewestFirst();
    void recentFileOpensAndAMissingOneLeavesTheList();
    void listIsKeptForTheNextRunAndHoldsEight();
    void droppedFilesOpenAsTheOpenCommandOpensThem_data();
    void droppedFilesOpenAsTheOpenCommandOpensThem();
    void filesGivenAtStartOpenAfterTheFirstShow();
    void shortcutsRunTheirCommands_data();
    void shortcutsRunTheirCommands();
    void portFieldNamesThePortAndItsDevice();
    void windowPlaceIsRememberedAcrossRuns_data();
    void windowPlaceIsRememberedAcrossRuns();

private:
    QString grava(const QString &nome);
    std::unique_ptr<BancadaPrinc> m_b;
    DialogosArquivoFalsos m_dialogos;
    QTemporaryDir m_pasta;
};

QString TestTFormPrincConforto::grava(const QString &nome)
{
    const QString caminho = m_pasta.filePath(nome);
    if (nome.endsWith(u".qvj")) {
        ArquivoQvj::Juncao juncao;
        juncao.UnidadeEixoEsquerdo = QStringLiteral("°C");
        juncao.entradas = { TNodoJuncao::deAquisicao(documentoForno(2, QStringLiteral("°C"))),
            TNodoJuncao::deAquisicao(documentoForno(2, QStringLiteral("°C"))) };
        if (!ArquivoQvj::grava(juncao, caminho, m_b->regional))
            return QString();
    } else {
        if (!ArquivoQvg::grava(documentoForno(2, QStringLiteral("°C")), caminho, m_b->regional))
            return QString();
    }
    return caminho;
}

void TestTFormPrincConforto::init()
{
    m_dialogos = DialogosArquivoFalsos();
    m_b = BancadaPrinc::comGraficos(&m_dialogos);
}

void TestTFormPrincConforto::cleanup()
{
    if (!m_b)
        return;
    m_b->encerraSemPerguntas();
    m_b.reset();
}

void TestTFormPrincConforto::openedAndSavedFilesAreListedNewestFirst()
{
    QCOMPARE(recentes(*m_b), QStringList {});
    const QString forno = grava(QStringLiteral("forno.qvg"));
    const QString juncao = grava(QStringLiteral("juncao.qvj"));
    m_dialogos.respostasAbrir.enqueue({ forno, 0 });
    m_b->princ->ItemAbrirClick();
    m_dialogos.respostasAbrir.enqueue({ juncao, 1 });
    m_b->princ->ItemAbrirClick();
    QCOMPARE(recentes(*m_b), (QStringList { "&1 juncao.qvj", "&2 forno.qvg" }));
    // Saving the graph under another name puts that file first.
    m_b->princ->mdiArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow *>(m_b->princ->GraficoAtual()->parentWidget()));
    m_dialogos.respostasSalvar.enqueue(m_pasta.filePath(QStringLiteral("copia.qvg")));
    m_b->princ->ItemSalvarClick();
    QCOMPARE(recentes(*m_b), (QStringList { "&1 copia.qvg", "&2 juncao.qvj", "&3 forno.qvg" }));
    // Opening one again moves it to the top; the item shows the whole path.
    m_dialogos.respostasAbrir.enqueue({ forno, 0 });
    m_b->princ->ItemAbrirClick();
    QCOMPARE(recentes(*m_b), (QStringList { "&1 forno.qvg", "&2 copia.qvg", "&3 juncao.qvj" }));
    QCOMPARE(m_b->item("ItemRecente1")->statusTip(), forno);
    // A file that did not open is not listed.
    m_dialogos.respostasAbrir.enqueue({ m_pasta.filePath(QStringLiteral("nada.qvg")), 0 });
    m_b->princ->ItemAbrirClick();
    QCOMPARE(recentes(*m_b).size(), 3);
    QVERIFY(m_b->arquivoIni().contains(QStringLiteral("[ARQUIVOS_RECENTES]")));
}

void TestTFormPrincConforto::recentFileOpensAndAMissingOneLeavesTheList()
{
    const QString forno = grava(QStringLiteral("forno.qvg"));
    const QString juncao = grava(QStringLiteral("juncao.qvj"));
    const QString some = grava(QStringLiteral("some.qvg"));
    for (const QString &c : { some, juncao, forno }) {
        m_dialogos.respostasAbrir.enqueue({ c, c.endsWith(u"qvj") ? 1 : 0 });
        m_b->princ->ItemAbrirClick();
    }
    m_b->princ->ItemFecharTodasClick();
    QTRY_COMPARE(m_b->princ->mdiArea()->subWindowList().size(), 0);
    m_b->mensagens.registro.clear();

    m_b->item("ItemRecente2")->trigger();  // juncao.qvj
    QCOMPARE(m_b->janelas(TipoJanela::Juncao), 1);
    QCOMPARE(m_b->janelas(TipoJanela::Grafico), 0);
    m_b->item("ItemRecente1")->trigger();  // juncao.qvj again, now first
    QCOMPARE(m_b->janelas(TipoJanela::Juncao), 2);
    m_b->item("ItemRecente2")->trigger();  // forno.qvg
    QCOMPARE(m_b->janelas(TipoJanela::Grafico), 1);
    QCOMPARE(m_b->mensagens.textos(), QStringList {});

    QVERIFY(QFile::remove(some));
    QCOMPARE(recentes(*m_b), (QStringList { "&1 forno.qvg", "&2 juncao.qvj", "&3 some.qvg" }));
    m_b->item("ItemRecente3")->trigger();
    QCOMPARE(m_b->mensagens.textos(), QStringList { "Arquivo não existe!" });
    QCOMPARE(recentes(*m_b), (QStringList { "&1 forno.qvg", "&2 juncao.qvj" }));
    QCOMPARE(m_b->janelas(TipoJanela::Grafico), 1);
}

void TestTFormPrincConforto::listIsKeptForTheNextRunAndHoldsEight()
{
    QStringList ini { "[ARQUIVOS_RECENTES]" };
    for (int i = 1; i <= 8; ++i)
        ini.append(QStringLiteral("ARQUIVO%1=/dados/g%1.qvg").arg(i));
    m_b = std::make_unique<BancadaPrinc>(ini);
    m_b->princ->defineDialogos(&m_dialogos);
    QStringList esperado;
    for (int i = 1; i <= 8; ++i)
        esperado.append(QStringLiteral("&%1 g%1.qvg").arg(i));
    QCOMPARE(recentes(*m_b), esperado);
    m_dialogos.respostasAbrir.enqueue({ grava(QStringLiteral("novo.qvg")), 0 });
    m_b->princ->ItemAbrirClick();
    esperado.removeLast();
    for (int i = 0; i < esperado.size(); ++i)
        esperado[i] = QStringLiteral("&%1 g%2.qvg").arg(i + 2).arg(i + 1);
    esperado.prepend(QStringLiteral("&1 novo.qvg"));
    QCOMPARE(recentes(*m_b), esperado);
}

void TestTFormPrincConforto::droppedFilesOpenAsTheOpenCommandOpensThem_data()
{
    QTest::addColumn<QStringList>("arquivos");  // written in the folder; "http:" ones are remote
    QTest::addColumn<bool>("aceito");
    QTest::addColumn<int>("graficos");
    QTest::addColumn<int>("juncoes");
    QTest::newRow("a recording") << QStringList { "forno.qvg" } << true << 1 << 0;
    QTest::newRow("a merged graph, extension in capitals") << QStringList { "JUNCAO.QVJ" } << true << 0 << 1;
    QTest::newRow("two at once, a text export among them")
        << QStringList { "forno.qvg", "forno.txt", "juncao.qvj" } << true << 1 << 1;
    QTest::newRow("a text export only is refused") << QStringList { "forno.txt" } << false << 0 << 0;
    QTest::newRow("a remote recording is refused") << QStringList { "http:forno.qvg" } << false << 0 << 0;
}

void TestTFormPrincConforto::droppedFilesOpenAsTheOpenCommandOpensThem()
{
    QFETCH(QStringList, arquivos);
    QFETCH(bool, aceito);
    QFETCH(int, graficos);
    QFETCH(int, juncoes);
    QList<QUrl> urls;
    for (const QString &nome : std::as_const(arquivos)) {
        if (nome.startsWith(u"http:")) {
            urls.append(QUrl(QStringLiteral("http://servidor/") + nome.mid(5)));
        } else if (nome.endsWith(u".txt")) {
            QFile f(m_pasta.filePath(nome));
            QVERIFY(f.open(QIODevice::WriteOnly));
            urls.append(QUrl::fromLocalFile(f.fileName()));
        } else {
            const QString caminho = nome.endsWith(u".qvg") ? grava(nome) : grava(nome.toLower());
            QVERIFY(!caminho.isEmpty());
            const QString solto = m_pasta.filePath(nome);
            if (solto != caminho)
                QVERIFY(QFile::rename(caminho, solto));
            urls.append(QUrl::fromLocalFile(solto));
        }
    }
    QMimeData dados;
    dados.setUrls(urls);
    const QPoint ponto = m_b->princ->mdiArea()->geometry().center();
    QDragEnterEvent entra(ponto, Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_b->princ.get(), &entra);
    QCOMPARE(entra.isAccepted(), aceito);
    if (aceito) {
        QDropEvent solta(QPointF(ponto), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_b->princ.get(), &solta);
        QVERIFY(solta.isAccepted());
    }
    // Opened once the drop has ended.
    QTRY_COMPARE(recentes(*m_b).size(), graficos + juncoes);
    QCOMPARE(m_b->janelas(TipoJanela::Grafico), graficos);
    QCOMPARE(m_b->janelas(TipoJanela::Juncao), juncoes);
    QCOMPARE(m_b->mensagens.textos(), QStringList {});
}

void TestTFormPrincConforto::filesGivenAtStartOpenAfterTheFirstShow()
{
    m_b = std::make_unique<BancadaPrinc>(QStringList {}, pastaBibliotecaTeste("formulas_teste"));
    m_b->princ->AbreNaPartida({ grava(QStringLiteral("forno.qvg")), grava(QStringLiteral("juncao.qvj")),
        m_pasta.filePath(QStringLiteral("notas.txt")) });
    QCOMPARE(m_b->princ->mdiArea()->subWindowList().size(), 0);
    m_b->mostra();
    QTRY_COMPARE(m_b->janelas(TipoJanela::Juncao), 1);
    QCOMPARE(m_b->janelas(TipoJanela::Grafico), 1);
    QCOMPARE(
        m_b->mensagens.textos(), QStringList { "Formato de arquivo inválido. Verifique sua configuração" });
}

void TestTFormPrincConforto::shortcutsRunTheirCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("atalho");
    QTest::newRow("Ctrl+O opens") << "ItemAbrir" << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("Ctrl+S saves") << "ItemSalvar" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("Ctrl+E exports") << "ItemExportar" << QKeySequence(Qt::CTRL | Qt::Key_E);
    QTest::newRow("Ctrl+C copies") << "ItemCopiar" << QKeySequence(Qt::CTRL | Qt::Key_C);
    QTest::newRow("Ctrl+P prints") << "ItemImprimir" << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("F1 opens the help") << "ItemConteudo" << QKeySequence(Qt::Key_F1);
}

void TestTFormPrincConforto::shortcutsRunTheirCommands()
{
    QFETCH(QString, item);
    QFETCH(QKeySequence, atalho);
    QAction *a = m_b->item(item.toLatin1().constData());
    QCOMPARE(a->shortcut(), atalho);
    // No other item of the window answers the same keys.
    for (const QAction *outro : m_b->princ->findChildren<QAction *>())
        QVERIFY(outro == a || outro->shortcut() != atalho);
    // Typed in the window, the keys open the dialog of the open command.
    if (item == u"ItemAbrir") {
        m_b->princ->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_b->princ.get()));
        QTest::keySequence(m_b->princ.get(), atalho);
        QCOMPARE(m_dialogos.pedidos.size(), 1);
        QCOMPARE(m_dialogos.pedidos[0].titulo, QStringLiteral("Abrir Arquivo"));
    }
}

void TestTFormPrincConforto::portFieldNamesThePortAndItsDevice()
{
    m_b = std::make_unique<BancadaPrinc>(QStringList {
        "[COMUNICACAO]", "PORTA=2", "[PORTAS]", "COM2=simulador", "COM3=" + DispositivoInexistente });
    m_b->mostra();
    auto *campo = m_b->princ->findChild<QLabel *>(QStringLiteral("CampoPorta"));
    QVERIFY(campo);
    QCOMPARE(campo->text(), QStringLiteral("COM2: simulador"));
    m_b->princ->ItemCOM3Click();
    QCOMPARE(campo->text(), QString());
    m_b->princ->ItemCOM4Click();  // not in the file: the system's default device
    if (m_b->princ->EstadoPorta == 0)
        QCOMPARE(campo->text(), QStringLiteral("COM4: /dev/ttyUSB1"));
    else
        QCOMPARE(campo->text(), QString());
    m_b->princ->ItemCOM2Click();
    QCOMPARE(campo->text(), QStringLiteral("COM2: simulador"));
    // At the right of the status line, beside the status text.
    QVERIFY(campo->isVisible());
    QVERIFY(campo->mapTo(m_b->princ.get(), QPoint()).x() > m_b->princ->width() / 2);
}

void TestTFormPrincConforto::windowPlaceIsRememberedAcrossRuns_data()
{
    QTest::addColumn<bool>("maximizada");
    QTest::newRow("normal") << false;
    QTest::newRow("maximised") << true;
}

void TestTFormPrincConforto::windowPlaceIsRememberedAcrossRuns()
{
    QFETCH(bool, maximizada);
    const QRect area(0, 0, 1600, 1000);
    QVERIFY(!m_b->princ->RestauraGeometria(area));  // first run: nothing kept
    const QRect lugar(120, 90, 820, 560);
    m_b->princ->setGeometry(lugar);
    QCoreApplication::processEvents();
    if (maximizada) {
        m_b->princ->showMaximized();
        QCoreApplication::processEvents();
    }
    QVERIFY(m_b->princ->close());
    const QString ini = m_b->arquivoIni();
    QVERIFY(ini.contains(QStringLiteral("[JANELA]")));

    BancadaPrinc outra(ini.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    QVERIFY(outra.princ->RestauraGeometria(area));
    QCOMPARE(
        outra.princ->isMaximized() || outra.princ->windowState().testFlag(Qt::WindowMaximized), maximizada);
    outra.mostra();
    QCOMPARE(outra.princ->normalGeometry().size(), lugar.size());
    QCOMPARE(outra.princ->normalGeometry().topLeft(), lugar.topLeft());
    QVERIFY(outra.princ->close());
}

QUORVANE_TEST_MAIN(TestTFormPrincConforto)
#include "tst_TFormPrincConforto.moc"
