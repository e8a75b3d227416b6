#include "Fakes.h"
#include "GeometriaJanela.h"
#include "RegistroTestes.h"

class TestGeometriaJanela : public QObject
{
    Q_OBJECT
private slots:
    void placeIsBroughtOntoTheScreen_data();
    void placeIsBroughtOntoTheScreen();
    void savedPlaceIsReadBackOrIgnored_data();
    void savedPlaceIsReadBackOrIgnored();
};

void TestGeometriaJanela::placeIsBroughtOntoTheScreen_data()
{
    QTest::addColumn<QRect>("salvo");
    QTest::addColumn<QRect>("tela");
    QTest::addColumn<QRect>("ajustado");
    const QRect tela(0, 30, 1280, 770);  // a panel along the top
    QTest::newRow("inside stays") << QRect(100, 100, 900, 640) << tela << QRect(100, 100, 900, 640);
    QTest::newRow("touching the bottom right corner stays")
        << QRect(380, 160, 900, 640) << tela << QRect(380, 160, 900, 640);
    QTest::newRow("past the right edge moves left")
        << QRect(1000, 100, 900, 640) << tela << QRect(380, 100, 900, 640);
    QTest::newRow("under the top panel moves down")
        << QRect(50, 0, 900, 640) << tela << QRect(50, 30, 900, 640);
    QTest::newRow("on a monitor no longer attached")
        << QRect(-1600, 200, 900, 640) << tela << QRect(0, 160, 900, 640);
    QTest::newRow("larger than the screen shrinks to it")
        << QRect(10, 40, 1920, 1080) << tela << QRect(0, 30, 1280, 770);
    QTest::newRow("second screen to the right")
        << QRect(1400, 100, 900, 640) << QRect(1280, 0, 1920, 1080) << QRect(1400, 100, 900, 640);
}

void TestGeometriaJanela::placeIsBroughtOntoTheScreen()
{
    QFETCH(QRect, salvo);
    QFETCH(QRect, tela);
    QFETCH(QRect, ajustado);
    QCOMPARE(GeometriaJanela::ajustaATela(salvo, tela), ajustado);
}

void TestGeometriaJanela::savedPlaceIsReadBackOrIgnored_data()
{
    QTest::addColumn<QStringList>("chaves");  // KEY=value of section JANELA
    QTest::addColumn<bool>("lida");
    QTest::addColumn<QRect>("retangulo");
    QTest::addColumn<bool>("maximizada");
    QTest::newRow("normal") << QStringList { "X=12", "Y=-8", "LARGURA=900", "ALTURA=640", "MAXIMIZADA=FALSE" }
                            << true << QRect(12, -8, 900, 640) << false;
    QTest::newRow("maximised, written by hand in lower case")
        << QStringList { "X=0", "Y=0", "LARGURA=800", "ALTURA=600", "MAXIMIZADA=true" } << true
        << QRect(0, 0, 800, 600) << true;
    QTest::newRow("no maximised key") << QStringList { "X=0", "Y=0", "LARGURA=800", "ALTURA=600" } << true
                                      << QRect(0, 0, 800, 600) << false;
    QTest::newRow("a key missing") << QStringList { "X=0", "LARGURA=800", "ALTURA=600" } << false << QRect()
                                   << false;
    QTest::newRow("not a number") << QStringList { "X=0", "Y=0", "LARGURA=grande", "ALTURA=600" } << false
                                  << QRect() << false;
    QTest::newRow("too small to use")
        << QStringList { "X=0", "Y=0", "LARGURA=319", "ALTURA=600" } << false << QRect() << false;
    QTest::newRow("smallest kept") << QStringList { "X=0", "Y=0", "LARGURA=320", "ALTURA=240" } << true
                                   << QRect(0, 0, 320, 240) << false;
}

void TestGeometriaJanela::savedPlaceIsReadBackOrIgnored()
{
    QFETCH(QStringList, chaves);
    QFETCH(bool, lida);
    QFETCH(QRect, retangulo);
    QFETCH(bool, maximizada);
    ConfiguracoesMemoria configuracoes;
    for (const QString &c : std::as_const(chaves))
        configuracoes.grava(QStringLiteral("JANELA"), c.section(u'=', 0, 0), c.section(u'=', 1));
    const auto g = GeometriaJanela::le(configuracoes);
    QCOMPARE(g.has_value(), lida);
    if (!g)
        return;
    QCOMPARE(g->retangulo, retangulo);
    QCOMPARE(g->maximizada, maximizada);
    // Written back, it reads the same.
    ConfiguracoesMemoria outra;
    g->grava(outra);
    const auto relida = GeometriaJanela::le(outra);
    QVERIFY(relida);
    QCOMPARE(relida->retangulo, retangulo);
    QCOMPARE(relida->maximizada, maximizada);
}

QUORVANE_TEST_GUILESS_MAIN(TestGeometriaJanela)
#include "tst_GeometriaJanela.moc"
