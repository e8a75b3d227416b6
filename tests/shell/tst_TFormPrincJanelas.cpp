#include "BancadaPrinc.h"

#include "JanelaAjuda.h"
#include "JanelaFilha.h"
#include "RegistroTestes.h"
#include "TAboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

namespace {

// The commands whose enabling follows the child windows.
const char *const kComandos[] = { "ItemSalvar", "ItemImprimir", "ItemZoomMais", "ItemZoomMenos",
    "ItemZoom100", "ItemCopiar", "ItemExportar", "ItemGrafico", "ItemDados", "ItemParametrosGerais",
    "ItemFaixaZoom", "ItemFormula", "ItemPropriedades", "ItemJuncao", "ItemCascata", "ItemFecharTodas",
    "ItemAbrir", "ItemResumo", "ItemLimitesAlarme" };

QMdiSubWindow *abreFilha(TFormPrinc &princ, TipoJanela tipo, const QString &titulo)
{
    auto *janela = new QWidget;
    marcaJanela(janela, tipo);
    janela->setWindowTitle(titulo);
    QMdiSubWindow *sub = princ.mdiArea()->addSubWindow(janela);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->resize(200, 150);
    sub->show();
    return sub;
}

TipoJanela tipoDaLetra(QChar c)
{
    switch (c.unicode()) {
    case 'G':
        return TipoJanela::Grafico;
    case 'J':
        return TipoJanela::Juncao;
    case 'D':
        return TipoJanela::Dados;
    case 'I':
        return TipoJanela::Informacoes;
    case 'R':
        return TipoJanela::Resumo;
    default:
        return TipoJanela::Outra;
    }
}

}  // namespace

class TestTFormPrincJanelas : public QObject
{
    Q_OBJECT
private slots:
    void commandsFollowTheOpenWindows_data();
    void commandsFollowTheOpenWindows();
    void tilingPlacesTheWindowsSideBySide_data();
    void tilingPlacesTheWindowsSideBySide();
    void tilingManyWindowsMakesAGrid_data();
    void tilingManyWindowsMakesAGrid();
    void minimiseRestoreAndCloseAll();
    void windowMenuListsTheOpenChildren();
    void helpOpensAtItsKeyword_data();
    void helpOpensAtItsKeyword();
    void aboutBoxShowsItsTexts();
};

void TestTFormPrincJanelas::commandsFollowTheOpenWindows_data()
{
    // Children as letters (G graph, J merged, D readings, I general
    // parameters, R summary), the active one by index, and the enabled
    // commands.
    QTest::addColumn<QString>("filhas");
    QTest::addColumn<int>("ativa");
    QTest::addColumn<bool>("formulas");
    QTest::addColumn<QStringList>("habilitados");
    const QStringList arquivos { "ItemAbrir" };
    const QStringList janelas { "ItemCascata", "ItemFecharTodas" };
    const QStringList graficoOuJuncao { "ItemSalvar", "ItemImprimir", "ItemZoomMais", "ItemZoomMenos",
        "ItemZoom100" };
    const QStringList soGrafico { "ItemExportar", "ItemGrafico", "ItemDados", "ItemParametrosGerais",
        "ItemFaixaZoom", "ItemResumo", "ItemLimitesAlarme" };
    QTest::newRow("no child") << "" << -1 << true << arquivos;
    QTest::newRow("one graph") << "G" << 0 << false
                               << arquivos + janelas + graficoOuJuncao + soGrafico
            + QStringList { "ItemCopiar", "ItemPropriedades" };
    QTest::newRow("one graph, formula library found") << "G" << 0 << true
                                                      << arquivos + janelas + graficoOuJuncao + soGrafico
            + QStringList { "ItemCopiar", "ItemPropriedades", "ItemFormula" };
    QTest::newRow("merged window active") << "GGJ" << 2 << true
                                          << arquivos + janelas + graficoOuJuncao
            + QStringList { "ItemCopiar", "ItemPropriedades", "ItemJuncao", "ItemLimitesAlarme" };
    QTest::newRow("readings list active: no copy")
        << "GD" << 1 << false
        << arquivos + janelas + graficoOuJuncao + soGrafico + QStringList { "ItemPropriedades" };
    QTest::newRow("general parameters active: no copy")
        << "GI" << 1 << false
        << arquivos + janelas + graficoOuJuncao + soGrafico + QStringList { "ItemPropriedades" };
    QTest::newRow("summary active: no copy")
        << "GR" << 1 << false
        << arquivos + janelas + graficoOuJuncao + soGrafico + QStringList { "ItemPropriedades" };
    QTest::newRow("two graphs: merge") << "GG" << 1 << false
                                       << arquivos + janelas + graficoOuJuncao + soGrafico
            + QStringList { "ItemCopiar", "ItemPropriedades", "ItemJuncao" };
    QTest::newRow("merged window alone")
        << "J" << 0 << true << arquivos + janelas + graficoOuJuncao + QStringList { "ItemCopiar" };
    QTest::newRow("graph closed again") << "g" << -1 << true << arquivos;
}

void TestTFormPrincJanelas::commandsFollowTheOpenWindows()
{
    QFETCH(QString, filhas);
    QFETCH(int, ativa);
    QFETCH(bool, formulas);
    QFETCH(QStringList, habilitados);
    BancadaPrinc b({}, formulas ? pastaBibliotecaTeste("formulas_teste") : QString());
    b.mostra();
    QList<QMdiSubWindow *> subs;
    for (QChar c : filhas)
        subs << abreFilha(*b.princ, tipoDaLetra(c.toUpper()), QString(c));
    if (ativa >= 0)
        b.princ->mdiArea()->setActiveSubWindow(subs[ativa]);
    // A lower-case letter: that window is closed again.
    for (qsizetype i = 0; i < filhas.size(); ++i) {
        if (filhas[i].isLower())
            subs[i]->close();
    }
    // The frame follows by itself: activation, and children coming and going.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QStringList obtidos;
    for (const char *nome : kComandos) {
        QAction *a = b.item(nome);
        QVERIFY2(a, nome);
        if (a->isEnabled())
            obtidos << QString::fromLatin1(nome);
    }
    obtidos.sort();
    habilitados.removeIf([](const QString &n) { return !TFormPrinc::ComandoConstruido(n.toLatin1()); });
    habilitados.sort();
    QCOMPARE(obtidos, habilitados);
    QCOMPARE(b.botao("SpeedButtonResumo")->isEnabled(), b.item("ItemResumo")->isEnabled());
    // Each speed button follows its item.
    QCOMPARE(b.botao("SpeedButtonSalvar")->isEnabled(), b.item("ItemSalvar")->isEnabled());
    QCOMPARE(b.botao("SpeedButtonCopiar")->isEnabled(), b.item("ItemCopiar")->isEnabled());
    QCOMPARE(b.botao("SpeedButtonDados")->isEnabled(), b.item("ItemDados")->isEnabled());
    QCOMPARE(b.botao("SpeedButtonSobreporGraficos")->isEnabled(), b.item("ItemJuncao")->isEnabled());
    QCOMPARE(b.botao("SpeedButtonInformacoes")->isEnabled(), b.item("ItemParametrosGerais")->isEnabled());
}

void TestTFormPrincJanelas::tilingPlacesTheWindowsSideBySide_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("colunas");
    QTest::newRow("vertically: columns") << "ItemVerticalmente" << true;
    QTest::newRow("horizontally: rows") << "ItemHorizontalmente" << false;
}

void TestTFormPrincJanelas::tilingPlacesTheWindowsSideBySide()
{
    QFETCH(QString, item);
    QFETCH(bool, colunas);
    BancadaPrinc b({}, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    QMdiSubWindow *a = abreFilha(*b.princ, TipoJanela::Grafico, QStringLiteral("a"));
    QMdiSubWindow *c = abreFilha(*b.princ, TipoJanela::Juncao, QStringLiteral("c"));
    b.item(item.toLatin1().constData())->trigger();
    const QRect area = b.princ->mdiArea()->viewport()->rect();
    QVERIFY(!a->geometry().intersects(c->geometry()));
    if (colunas) {
        QCOMPARE(a->height(), area.height());
        QCOMPARE(a->width() + c->width(), area.width());
    } else {
        QCOMPARE(a->width(), area.width());
        QCOMPARE(a->height() + c->height(), area.height());
    }
    QVERIFY(b.item(item.toLatin1().constData())->isChecked());
    QVERIFY(!b.item("ItemCascata")->isChecked());
    b.item("ItemCascata")->trigger();
    QVERIFY(b.item("ItemCascata")->isChecked());
    QVERIFY(!b.item(item.toLatin1().constData())->isChecked());
}

void TestTFormPrincJanelas::tilingManyWindowsMakesAGrid_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("janelas");
    QTest::addColumn<int>("colunas");
    QTest::addColumn<int>("linhas");
    QTest::newRow("three vertically: columns") << "ItemVerticalmente" << 3 << 3 << 1;
    QTest::newRow("twelve vertically: four columns of three") << "ItemVerticalmente" << 12 << 4 << 3;
    QTest::newRow("twelve horizontally: four rows of three") << "ItemHorizontalmente" << 12 << 3 << 4;
    QTest::newRow("five vertically: the last column takes the rest") << "ItemVerticalmente" << 5 << 3 << 2;
}

void TestTFormPrincJanelas::tilingManyWindowsMakesAGrid()
{
    QFETCH(QString, item);
    QFETCH(int, janelas);
    QFETCH(int, colunas);
    QFETCH(int, linhas);
    BancadaPrinc b({}, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    QList<QMdiSubWindow *> subs;
    for (int i = 0; i < janelas; ++i)
        subs << abreFilha(*b.princ, TipoJanela::Grafico, QString::number(i));
    b.item(item.toLatin1().constData())->trigger();
    const QRect area = b.princ->mdiArea()->viewport()->rect();
    QSet<int> xs;
    QSet<int> ys;
    int superficie = 0;
    for (qsizetype i = 0; i < subs.size(); ++i) {
        QVERIFY(area.contains(subs[i]->geometry()));
        for (qsizetype j = i + 1; j < subs.size(); ++j)
            QVERIFY(!subs[i]->geometry().intersects(subs[j]->geometry()));
        xs.insert(subs[i]->x());
        ys.insert(subs[i]->y());
        superficie += subs[i]->width() * subs[i]->height();
    }
    QCOMPARE(int(xs.size()), colunas);
    QCOMPARE(int(ys.size()), linhas);
    // The tiles cover the whole area.
    QCOMPARE(superficie, area.width() * area.height());
}

void TestTFormPrincJanelas::minimiseRestoreAndCloseAll()
{
    BancadaPrinc b({}, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    QVERIFY(b.item("ItemCascata")->isChecked());
    QPointer<QMdiSubWindow> grafico = abreFilha(*b.princ, TipoJanela::Grafico, QStringLiteral("g"));
    QPointer<QMdiSubWindow> dados = abreFilha(*b.princ, TipoJanela::Dados, QStringLiteral("d"));
    QPointer<QMdiSubWindow> juncao = abreFilha(*b.princ, TipoJanela::Juncao, QStringLiteral("j"));
    b.item("ItemMinimizar")->trigger();
    for (QMdiSubWindow *s : { grafico.data(), dados.data(), juncao.data() })
        QVERIFY(s->isMinimized());
    b.item("ItemOrganizarIcones")->trigger();
    QVERIFY(!grafico->geometry().intersects(juncao->geometry()));
    b.item("ItemRestaurar")->trigger();
    for (QMdiSubWindow *s : { grafico.data(), dados.data(), juncao.data() })
        QVERIFY(!s->isMinimized());
    // Only graph and merged windows are closed: a graph window closes its
    // own companions.
    b.item("ItemFecharTodas")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!grafico);
    QVERIFY(!juncao);
    QVERIFY(dados);
}

void TestTFormPrincJanelas::windowMenuListsTheOpenChildren()
{
    BancadaPrinc b({}, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    abreFilha(*b.princ, TipoJanela::Grafico, QStringLiteral("Forno - Gráfico"));
    QMdiSubWindow *segunda = abreFilha(*b.princ, TipoJanela::Juncao, QStringLiteral("Junção"));
    b.princ->mdiArea()->setActiveSubWindow(segunda);
    QMenu *janela = nullptr;
    for (QAction *a : b.princ->menuBar()->actions()) {
        if (a->text() == QStringLiteral("&Janela"))
            janela = a->menu();
    }
    QVERIFY(janela);
    const auto lista = [janela] {
        emit janela->aboutToShow();
        QStringList textos;
        for (QAction *a : janela->actions()) {
            if (!a->isSeparator() && a->objectName().isEmpty())
                textos << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        }
        return textos;
    };
    QCOMPARE(
        lista(), (QStringList { QString::fromUtf8("&1 Forno - Gráfico"), QString::fromUtf8("&2 Junção *") }));
    // Shown again, the list is made anew, not appended.
    segunda->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(lista(), QStringList { QString::fromUtf8("&1 Forno - Gráfico *") });
}

void TestTFormPrincJanelas::helpOpensAtItsKeyword_data()
{
    QTest::addColumn<QString>("palavraChave");
    QTest::newRow("contents") << "Tarvek_Meral";
    QTest::newRow("configuration") << "Iniciar_Aquisi__o";
    QTest::newRow("graph properties") << "Propriedades_do_Gr_fico";
}

void TestTFormPrincJanelas::helpOpensAtItsKeyword()
{
    QFETCH(QString, palavraChave);
    BancadaPrinc b({}, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    if (palavraChave == QStringLiteral("Tarvek_Meral"))
        b.botao("SpeedButtonHelp")->click();
    else
        b.princ->MostraAjuda(palavraChave);
    auto *ajuda = b.princ->findChild<JanelaAjuda *>();
    QVERIFY(ajuda);
    QVERIFY(ajuda->isVisible());
    QCOMPARE(ajuda->navegador()->source().fragment(), palavraChave);
    QVERIFY(ajuda->navegador()->toPlainText().contains(QStringLiteral("Tarvek")));
    QFile guia(QStringLiteral(":/ajuda/quorvane.html"));
    QVERIFY(guia.open(QIODevice::ReadOnly));
    QVERIFY(guia.readAll().contains("name=\"" + palavraChave.toLatin1() + "\""));
}

void TestTFormPrincJanelas::aboutBoxShowsItsTexts()
{
    Catalogo catalogo;
    QTemporaryDir vazia;
    TAboutBox sobre(catalogo, vazia.path());
    QCOMPARE(sobre.windowTitle(), QStringLiteral("Sobre"));
    QCOMPARE(sobre.findChild<QLabel *>(QStringLiteral("Version"))->text(), QString::fromUtf8("Versão 1.14"));
    QCOMPARE(sobre.findChild<QLabel *>(QStringLiteral("Comments"))->text(),
        QString::fromUtf8("Software de Configuração do Tarvek"));
    QCOMPARE(sobre.findChild<QLabel *>(QStringLiteral("ProductName"))->text(), QStringLiteral("Quorvane"));
    QVERIFY(sobre.findChild<QDialogButtonBox *>());
}

QUORVANE_TEST_MAIN(TestTFormPrincJanelas)
#include "tst_TFormPrincJanelas.moc"
