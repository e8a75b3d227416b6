#include "ConfigRegional.h"
#include "DataHora.h"
#include "FormataDataHora.h"
#include "NumeracaoGraficos.h"
#include "RegistroTestes.h"

#include "TAquisicao.h"
#include <QtTest>

namespace {

double instante(int ano, int mes, int dia, int h, int n, int s, int ms = 0)
{
    return DataHora::codifica(ano, mes, dia, h, n, s, ms).value();
}

QString texto(double v)
{
    return FormataDataHora(u"dd/mm/yyyy hh:nn:ss.zzz", v, ConfigRegional::portuguesBrasil());
}

TAquisicao documento(double intervalo, int entradas, double inicio)
{
    TAquisicao a;
    a.defineIntervalo(intervalo);
    a.Inicio = inicio;
    for (int i = 0; i < entradas; ++i)
        a.adicionaLeitura(i, -i);
    return a;
}

}  // namespace

class tst_TAquisicao : public QObject
{
    Q_OBJECT
private slots:
    void instanteDaEntrada_data();
    void instanteDaEntrada();
    void fimEhAUltimaEntrada_data();
    void fimEhAUltimaEntrada();
    void normalizaLimitesDeTermoparEPt100_data();
    void normalizaLimitesDeTermoparEPt100();
    void escalaComum_data();
    void escalaComum();
    void numeracaoDeGraficos();
    void numeracaoParaNoLimite();
};

void tst_TAquisicao::instanteDaEntrada_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<double>("inicio");
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("esperado");
    const double dezHoras = instante(2000, 1, 1, 10, 0, 0);
    QTest::newRow("first entry at Inicio") << 10.0 << dezHoras << 0 << "01/01/2000 10:00:00.000";
    QTest::newRow("10 s, entry 3") << 10.0 << dezHoras << 3 << "01/01/2000 10:00:30.000";
    QTest::newRow("2.7 s, entry 3 cut to 8 s") << 2.7 << dezHoras << 3 << "01/01/2000 10:00:08.000";
    QTest::newRow("2.7 s, entry 10 is 27 s") << 2.7 << dezHoras << 10 << "01/01/2000 10:00:27.000";
    QTest::newRow("2.7 s, entry 1000 is 2700 s") << 2.7 << dezHoras << 1000 << "01/01/2000 10:45:00.000";
    QTest::newRow("1.5 s, entry 1 cut to 1 s") << 1.5 << dezHoras << 1 << "01/01/2000 10:00:01.000";
    QTest::newRow("1.5 s, entry 3 cut to 4 s") << 1.5 << dezHoras << 3 << "01/01/2000 10:00:04.000";
    QTest::newRow("negative interval taken by its size")
        << -1.5 << dezHoras << 3 << "01/01/2000 10:00:04.000";
    QTest::newRow("crosses midnight and a year")
        << 60.0 << instante(1999, 12, 31, 23, 59, 0) << 2 << "01/01/2000 00:01:00.000";
    QTest::newRow("one day of hours") << 3600.0 << dezHoras << 48 << "03/01/2000 10:00:00.000";
    QTest::newRow("half-second entry 0") << 0.0 << dezHoras << 0 << "01/01/2000 10:00:00.000";
    QTest::newRow("half-second entry 1 shares the second")
        << 0.0 << dezHoras << 1 << "01/01/2000 10:00:00.000";
    QTest::newRow("half-second entry 2") << 0.0 << dezHoras << 2 << "01/01/2000 10:00:01.000";
    QTest::newRow("half-second entry 3") << 0.0 << dezHoras << 3 << "01/01/2000 10:00:01.000";
    QTest::newRow("half-second entry 4") << 0.0 << dezHoras << 4 << "01/01/2000 10:00:02.000";
    QTest::newRow("half-second drops Inicio's milliseconds")
        << 0.0 << instante(2000, 1, 1, 10, 0, 0, 700) << 3 << "01/01/2000 10:00:01.000";
    QTest::newRow("half-second past midnight")
        << 0.0 << instante(2000, 1, 1, 23, 59, 59) << 4 << "02/01/2000 00:00:01.000";
}

void tst_TAquisicao::instanteDaEntrada()
{
    QFETCH(double, intervalo);
    QFETCH(double, inicio);
    QFETCH(int, entrada);
    QFETCH(QString, esperado);
    const TAquisicao a = documento(intervalo, entrada + 1, inicio);
    QCOMPARE(texto(a.instante(entrada)), esperado);
}

void tst_TAquisicao::fimEhAUltimaEntrada_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("entradas");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("4 entries of 10 s") << 10.0 << 4 << "01/01/2000 10:00:30.000";
    QTest::newRow("5 half-second entries") << 0.0 << 5 << "01/01/2000 10:00:02.000";
    QTest::newRow("6 half-second entries") << 0.0 << 6 << "01/01/2000 10:00:02.000";
    QTest::newRow("one entry") << 10.0 << 1 << "01/01/2000 10:00:00.000";
    QTest::newRow("no entry: Fim is Inicio") << 10.0 << 0 << "01/01/2000 10:00:00.000";
    QTest::newRow("no half-second entry") << 0.0 << 0 << "01/01/2000 10:00:00.000";
}

void tst_TAquisicao::fimEhAUltimaEntrada()
{
    QFETCH(double, intervalo);
    QFETCH(int, entradas);
    QFETCH(QString, esperado);
    TAquisicao a = documento(intervalo, entradas, instante(2000, 1, 1, 10, 0, 0));
    a.Fim = instante(2010, 5, 5, 5, 5, 5);  // what the file or the logger said
    a.AjustaFim();
    QCOMPARE(texto(a.Fim), esperado);
}

void tst_TAquisicao::normalizaLimitesDeTermoparEPt100_data()
{
    // Both channels hold the limits 0 and 500 to begin with; each channel
    // takes the range of its own sensor.
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<QList<int>>("limites");  // lower 1, upper 1, lower 2, upper 2
    QTest::newRow("J and K") << 0 << 1 << QList<int> { -50, 760, -90, 1370 };
    QTest::newRow("K replaces 0 and 500, 4-20 mA keeps them") << 1 << 9 << QList<int> { -90, 1370, 0, 500 };
    QTest::newRow("T and E") << 2 << 3 << QList<int> { -100, 400, -35, 720 };
    QTest::newRow("N and R") << 4 << 5 << QList<int> { -90, 1300, 0, 1760 };
    QTest::newRow("S and B") << 6 << 7 << QList<int> { 0, 1760, 0, 1820 };
    QTest::newRow("0-50 mV keeps its limits, Pt100") << 10 << 8 << QList<int> { 0, 500, -200, 320 };
    QTest::newRow("unused channel keeps its limits") << -1 << 0 << QList<int> { 0, 500, -50, 760 };
    QTest::newRow("unknown sensor keeps its limits") << 11 << 8 << QList<int> { 0, 500, -200, 320 };
    QTest::newRow("sensors at the ends of 32 bits keep their limits")
        << 2147483647 << -2147483647 - 1 << QList<int> { 0, 500, 0, 500 };
}

void tst_TAquisicao::normalizaLimitesDeTermoparEPt100()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(QList<int>, limites);
    TAquisicao a;
    a.SensorCanal1 = sensor1;
    a.LimInfCanal1 = 0;
    a.LimSupCanal1 = 500;
    a.SensorCanal2 = sensor2;
    a.LimInfCanal2 = 0;
    a.LimSupCanal2 = 500;
    a.NormalizaLimites();
    QCOMPARE((QList<int> { a.LimInfCanal1, a.LimSupCanal1, a.LimInfCanal2, a.LimSupCanal2 }), limites);
}

void tst_TAquisicao::escalaComum_data()
{
    QTest::addColumn<QList<int>>("canal1");  // lower, upper, decimals
    QTest::addColumn<QList<int>>("canal2");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::newRow("channel 2 widens the top")
        << QList<int> { -500, 1000, 1 } << QList<int> { 0, 200, 0 } << -50.0 << 200.0;
    QTest::newRow("channel 2 widens the bottom")
        << QList<int> { 0, 1000, 1 } << QList<int> { -20, 50, 0 } << -20.0 << 100.0;
    QTest::newRow("channel 1 holds both")
        << QList<int> { -5000, 5000, 2 } << QList<int> { -1, 1, 0 } << -50.0 << 50.0;
    QTest::newRow("three decimals") << QList<int> { 0, 1000, 3 } << QList<int> { 0, 0, 0 } << 0.0 << 1.0;
}

void tst_TAquisicao::escalaComum()
{
    QFETCH(QList<int>, canal1);
    QFETCH(QList<int>, canal2);
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    TAquisicao a;
    a.NumCanais = 1;  // both channels count whatever NumCanais says
    a.LimInfCanal1 = canal1[0];
    a.LimSupCanal1 = canal1[1];
    a.DecimaisCanal1 = canal1[2];
    a.LimInfCanal2 = canal2[0];
    a.LimSupCanal2 = canal2[1];
    a.DecimaisCanal2 = canal2[2];
    const EscalaComum e = DefineMaxMin(a);
    QVERIFY(qFuzzyCompare(1 + e.EscalaMin, 1 + minimo));
    QVERIFY(qFuzzyCompare(1 + e.EscalaMax, 1 + maximo));
}

void tst_TAquisicao::numeracaoDeGraficos()
{
    NumeracaoGraficos n;
    QObject a, b;
    QCOMPARE(n.registra(&a), 0);
    QCOMPARE(n.registra(&b), 1);
    QCOMPARE(n.ContadorGraficos(), 2);
    QCOMPARE(n.grafico(0), &a);
    QCOMPARE(n.grafico(1), &b);
    n.ReorganizaVetorGrafico(&a);
    QCOMPARE(n.grafico(0), nullptr);
    QCOMPARE(n.grafico(1), &b);
    QCOMPARE(n.ContadorGraficos(), 2);  // closing never lowers the counter
    QCOMPARE(n.grafico(-1), nullptr);
    QCOMPARE(n.grafico(201), nullptr);
    {
        QObject c;
        QCOMPARE(n.registra(&c), 2);
    }
    QCOMPARE(n.grafico(2), nullptr);  // a destroyed window is never handed out
    n.InicializaVetorGrafico();
    QCOMPARE(n.ContadorGraficos(), 0);
    QCOMPARE(n.grafico(1), nullptr);
}

void tst_TAquisicao::numeracaoParaNoLimite()
{
    NumeracaoGraficos n;
    QObject janela;
    for (int i = 0; i < 199; ++i)
        n.registra(&janela);
    QVERIFY(!n.esgotado());
    QCOMPARE(n.registra(&janela), 199);
    QVERIFY(n.esgotado());
    QCOMPARE(n.ContadorGraficos(), 200);
    QCOMPARE(n.registra(&janela), 200);  // the table has room for 200
    QCOMPARE(n.ContadorGraficos(), 200);
    QCOMPARE(n.grafico(200), &janela);
}

QUORVANE_TEST_GUILESS_MAIN(tst_TAquisicao)
#include "tst_TAquisicao.moc"
