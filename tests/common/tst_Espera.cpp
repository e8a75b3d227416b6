#include "Espera.h"
#include "Fakes.h"
#include "RegistroTestes.h"

class TestEspera : public QObject
{
    Q_OBJECT
private slots:
    void waitsAtLeastTheTimeAndKeepsEventsFlowing_data();
    void waitsAtLeastTheTimeAndKeepsEventsFlowing();
    void signalIsFourPairsOfBeeps();
};

void TestEspera::waitsAtLeastTheTimeAndKeepsEventsFlowing_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("passos");
    QTest::newRow("nothing to wait") << 0 << 0;
    QTest::newRow("negative wait") << -5 << 0;
    QTest::newRow("one step") << 2 << 1;
    QTest::newRow("odd time rounds up a step") << 7 << 4;
    QTest::newRow("page wait") << 250 << 125;
}

void TestEspera::waitsAtLeastTheTimeAndKeepsEventsFlowing()
{
    QFETCH(int, ms);
    QFETCH(int, passos);
    RelogioVirtual relogio;
    Espera(relogio, ms);
    QVERIFY(relogio.totalDormido >= ms);
    QCOMPARE(relogio.mensagensProcessadas, passos);
}

void TestEspera::signalIsFourPairsOfBeeps()
{
    RelogioVirtual relogio;
    SinalFalso sinal;
    sinal.relogio = &relogio;
    const int64_t inicio = relogio.agora;
    SinalSonoro(sinal, relogio);
    QCOMPARE(sinal.bips, 8);
    const QList<int64_t> esperado = { inicio, inicio, inicio + 150, inicio + 150, inicio + 300, inicio + 300,
        inicio + 450, inicio + 450 };
    QCOMPARE(sinal.instantes, esperado);
}

QUORVANE_TEST_GUILESS_MAIN(TestEspera)
#include "tst_Espera.moc"
