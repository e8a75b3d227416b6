// Chart maths without widgets: number patterns of the value axes, the
// refusal rule of axis limits, the fixed zoom steps and the choice of the
// time-axis labels.
#include "EscalaEixo.h"
#include "EscolhaRotulos.h"
#include "FormatoNumero.h"
#include "PassosZoom.h"
#include "RegistroTestes.h"

#include <QtTest>

#include <map>

class tst_EscalasGrafico : public QObject
{
    Q_OBJECT
private slots:
    void padraoDeNumero_data();
    void padraoDeNumero();
    void padraoPorDecimais_data();
    void padraoPorDecimais();
    void limiteRecusado_data();
    void limiteRecusado();
    void faixaNaOrdemQueEvitaRecusa_data();
    void faixaNaOrdemQueEvitaRecusa();
    void passosDeZoom_data();
    void passosDeZoom();
    void rotulosDoTempoEspacados_data();
    void rotulosDoTempoEspacados();
    void rotulosDeUmMilhaoDePontosMedemPoucos();
    void passoDeValorEscritoExato_data();
    void passoDeValorEscritoExato();
};

void tst_EscalasGrafico::padraoDeNumero_data()
{
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("integer rounds half away from zero") << "####0" << 12.5 << "13";
    QTest::newRow("integer negative") << "####0" << -12.5 << "-13";
    QTest::newRow("integer big has no separators") << "####0" << 123456.0 << "123456";
    QTest::newRow("one decimal keeps three leading zeros") << "###,#000.0" << 5.0 << "005,0";
    QTest::newRow("one decimal groups thousands") << "###,#000.0" << 1234.56 << "1.234,6";
    QTest::newRow("two decimals two integer digits") << "##,##00.00" << 3.14159 << "03,14";
    QTest::newRow("two decimals grouped") << "##,##00.00" << 12345.678 << "12.345,68";
    QTest::newRow("three decimals negative grouped") << "#,###0.000" << -1234.5 << "-1.234,500";
    QTest::newRow("negative that rounds to zero has no sign") << "####0" << -0.4 << "0";
    QTest::newRow("rounding carries into a new digit") << "###,#000.0" << 999.96 << "1.000,0";
    QTest::newRow("optional decimals dropped") << "0.##" << 2.5 << "2,5";
}

void tst_EscalasGrafico::padraoDeNumero()
{
    QFETCH(QString, padrao);
    QFETCH(double, valor);
    QFETCH(QString, esperado);
    QCOMPARE(FormatoNumero::formata(padrao, valor, u',', u'.'), esperado);
}

void tst_EscalasGrafico::padraoPorDecimais_data()
{
    QTest::addColumn<int>("casas");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("0") << 0 << "####0";
    QTest::newRow("1") << 1 << "###,#000.0";
    QTest::newRow("2") << 2 << "##,##00.00";
    QTest::newRow("3") << 3 << "#,###0.000";
    QTest::newRow("4 keeps the pattern") << 4 << "atual";
    QTest::newRow("-1 keeps the pattern") << -1 << "atual";
}

void tst_EscalasGrafico::padraoPorDecimais()
{
    QFETCH(int, casas);
    QFETCH(QString, esperado);
    QCOMPARE(FormatoNumero::padraoDecimais(casas, QStringLiteral("atual")), esperado);
}

void tst_EscalasGrafico::limiteRecusado_data()
{
    QTest::addColumn<bool>("minimo");
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("aceito");
    QTest::addColumn<double>("minimoDepois");
    QTest::addColumn<double>("maximoDepois");
    // The scale runs from 0 to 80 to begin with.
    QTest::newRow("minimum inside") << true << 50.0 << true << 50.0 << 80.0;
    QTest::newRow("minimum equal to maximum refused") << true << 80.0 << false << 0.0 << 80.0;
    QTest::newRow("maximum equal to minimum refused") << false << 0.0 << false << 0.0 << 80.0;
    QTest::newRow("minimum above maximum refused") << true << 81.0 << false << 0.0 << 80.0;
    QTest::newRow("maximum below minimum refused") << false << -1.0 << false << 0.0 << 80.0;
    QTest::newRow("maximum above") << false << 200.0 << true << 0.0 << 200.0;
    QTest::newRow("infinite minimum refused") << true << -qInf() << false << 0.0 << 80.0;
    QTest::newRow("infinite maximum refused") << false << qInf() << false << 0.0 << 80.0;
    QTest::newRow("minimum not a number refused") << true << qQNaN() << false << 0.0 << 80.0;
}

void tst_EscalasGrafico::limiteRecusado()
{
    QFETCH(bool, minimo);
    QFETCH(double, valor);
    QFETCH(bool, aceito);
    QFETCH(double, minimoDepois);
    QFETCH(double, maximoDepois);
    EscalaEixo e;
    e.defineFaixaAutomatica(0, 80);
    QCOMPARE(minimo ? e.defineMinimo(valor) : e.defineMaximo(valor), aceito);
    QCOMPARE(e.minimo(), minimoDepois);
    QCOMPARE(e.maximo(), maximoDepois);
    // Only an accepted limit turns the scale manual.
    QCOMPARE(e.automatico(), !aceito);
}

void tst_EscalasGrafico::faixaNaOrdemQueEvitaRecusa_data()
{
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::addColumn<bool>("aceito");
    QTest::addColumn<double>("minimoDepois");
    QTest::addColumn<double>("maximoDepois");
    QTest::newRow("wholly above the present range") << 200.0 << 300.0 << true << 200.0 << 300.0;
    QTest::newRow("wholly below") << -300.0 << -200.0 << true << -300.0 << -200.0;
    QTest::newRow("overlapping") << 50.0 << 150.0 << true << 50.0 << 150.0;
    QTest::newRow("minimum above maximum changes nothing") << 30.0 << 20.0 << false << 0.0 << 100.0;
    QTest::newRow("no span changes nothing") << 40.0 << 40.0 << false << 0.0 << 100.0;
    QTest::newRow("infinite maximum changes nothing") << 0.0 << qInf() << false << 0.0 << 100.0;
    QTest::newRow("maximum not a number changes nothing") << 10.0 << qQNaN() << false << 0.0 << 100.0;
}

void tst_EscalasGrafico::faixaNaOrdemQueEvitaRecusa()
{
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    QFETCH(bool, aceito);
    QFETCH(double, minimoDepois);
    QFETCH(double, maximoDepois);
    EscalaEixo e;
    e.defineFaixaAutomatica(0, 100);
    QCOMPARE(e.defineFaixa(minimo, maximo), aceito);
    QCOMPARE(e.minimo(), minimoDepois);
    QCOMPARE(e.maximo(), maximoDepois);
}

void tst_EscalasGrafico::passosDeZoom_data()
{
    QTest::addColumn<bool>("aproxima");
    QTest::addColumn<bool>("direito");
    QTest::addColumn<double>("esquerdoMax");  // left axis runs from 0 to this
    QTest::addColumn<int>("aplicados");
    QTest::addColumn<QList<double>>("esperado");  // time min/max, left, right
    const double t0 = 36526.0;
    const double t1 = 36527.0;
    const double s = PassosZoom::UmSegundo;
    QTest::newRow("in, two channels")
        << true << true << 1000.0 << 6 << QList<double> { t0 + s, t1 - s, 50, 950, 50, 950 };
    QTest::newRow("out, two channels")
        << false << true << 1000.0 << 6 << QList<double> { t0 - s, t1 + s, -50, 1050, -50, 1050 };
    QTest::newRow("in, one channel leaves the right axis")
        << true << false << 1000.0 << 4 << QList<double> { t0 + s, t1 - s, 50, 950, 0, 1000 };
    // 0 to 80: the minimum becomes 50, the maximum 30 is refused and the
    // steps stop there.
    QTest::newRow("in, refused maximum stops the steps")
        << true << true << 80.0 << 3 << QList<double> { t0 + s, t1 - s, 50, 80, 0, 1000 };
    // 0 to 100 would become 50 to 50: an axis without a span.
    QTest::newRow("in, maximum meeting the minimum refused")
        << true << true << 100.0 << 3 << QList<double> { t0 + s, t1 - s, 50, 100, 0, 1000 };
}

void tst_EscalasGrafico::passosDeZoom()
{
    QFETCH(bool, aproxima);
    QFETCH(bool, direito);
    QFETCH(double, esquerdoMax);
    QFETCH(int, aplicados);
    QFETCH(QList<double>, esperado);
    std::map<EixoGrafico, EscalaEixo> escalas;
    escalas[EixoGrafico::Inferior].defineFaixaAutomatica(36526.0, 36527.0);
    escalas[EixoGrafico::Esquerdo].defineFaixaAutomatica(0, esquerdoMax);
    escalas[EixoGrafico::Direito].defineFaixaAutomatica(0, 1000);
    const int feitos = PassosZoom::aplica(
        PassosZoom::passos(aproxima, direito), [&](EixoGrafico e) -> EscalaEixo & { return escalas[e]; });
    QCOMPARE(feitos, aplicados);
    const QList<double> obtido { escalas[EixoGrafico::Inferior].minimo(),
        escalas[EixoGrafico::Inferior].maximo(), escalas[EixoGrafico::Esquerdo].minimo(),
        escalas[EixoGrafico::Esquerdo].maximo(), escalas[EixoGrafico::Direito].minimo(),
        escalas[EixoGrafico::Direito].maximo() };
    for (int i = 0; i < obtido.size(); ++i)
        QVERIFY2(qAbs(obtido[i] - esperado[i]) < 1e-9, qPrintable(QString::number(i)));
}

void tst_EscalasGrafico::rotulosDoTempoEspacados_data()
{
    QTest::addColumn<int>("quantos");
    QTest::addColumn<double>("passo");  // pixels between points
    QTest::addColumn<double>("largura");  // of each label
    QTest::addColumn<double>("inicio");  // pixel of point 0
    QTest::addColumn<QList<int>>("esperado");
    QTest::newRow("sparse points all labelled") << 5 << 100.0 << 50.0 << 0.0 << QList<int> { 0, 1, 2, 3, 4 };
    // 50 wide + 15 apart needs 65 pixels: every 7th point at 10 px.
    QTest::newRow("dense points every seventh")
        << 30 << 10.0 << 50.0 << 0.0 << QList<int> { 0, 7, 14, 21, 28 };
    QTest::newRow("exactly fifteen apart") << 4 << 65.0 << 50.0 << 0.0 << QList<int> { 0, 1, 2, 3 };
    QTest::newRow("points before the axis skipped")
        << 10 << 100.0 << 50.0 << -250.0 << QList<int> { 3, 4, 5, 6 };
    QTest::newRow("no points") << 0 << 10.0 << 50.0 << 0.0 << QList<int> {};
    // The axis ends at pixel 400: a point drawn within half a pixel of it is on the axis.
    QTest::newRow("last point less than half a pixel past the end")
        << 5 << 100.0 << 50.0 << 0.4 << QList<int> { 0, 1, 2, 3, 4 };
    QTest::newRow("last point more than half a pixel past the end")
        << 5 << 100.0 << 50.0 << 0.6 << QList<int> { 0, 1, 2, 3 };
}

void tst_EscalasGrafico::rotulosDoTempoEspacados()
{
    QFETCH(int, quantos);
    QFETCH(double, passo);
    QFETCH(double, largura);
    QFETCH(double, inicio);
    QFETCH(QList<int>, esperado);
    EscolhaRotulos::Eixo e;
    e.quantos = quantos;
    e.pixel = [&](int i) { return inicio + i * passo; };
    e.largura = [&](int) { return largura; };
    e.pixelMinimo = 0;
    e.pixelMaximo = 400;
    e.espaco = 15;
    QCOMPARE(EscolhaRotulos::escolhe(e), esperado);
}

// A million points over 488 pixels, the first label 30 pixels wider than
// the others (it carries the year): the labels are spaced as usual and only
// a few dozen of them are measured, not the thousands of points that lie
// between two labels.
void tst_EscalasGrafico::rotulosDeUmMilhaoDePontosMedemPoucos()
{
    int medidos = 0;
    EscolhaRotulos::Eixo e;
    e.quantos = 1000000;
    e.pixel = [](int i) { return i / 2048.0; };
    e.largura = [&](int i) {
        ++medidos;
        return i == 0 ? 120.0 : 90.0;
    };
    e.pixelMinimo = 0;
    e.pixelMaximo = 500;
    e.espaco = 15;
    QCOMPARE(EscolhaRotulos::escolhe(e), (QList<int> { 0, 245760, 460800, 675840, 890880 }));
    QVERIFY2(medidos < 500, qPrintable(QString::number(medidos)));
}

void tst_EscalasGrafico::passoDeValorEscritoExato_data()
{
    QTest::addColumn<double>("faixa");
    QTest::addColumn<int>("marcas");
    QTest::addColumn<int>("decimais");
    QTest::addColumn<double>("passo");
    QTest::newRow("2.5 without decimals becomes 5") << 10.0 << 4 << 0 << 5.0;
    QTest::newRow("2.5 with one decimal stays") << 10.0 << 4 << 1 << 2.5;
    QTest::newRow("halves without decimals become units") << 10.0 << 20 << 0 << 1.0;
    QTest::newRow("halves with one decimal stay") << 10.0 << 20 << 1 << 0.5;
    QTest::newRow("quarters with one decimal become halves") << 1.0 << 4 << 1 << 0.5;
    QTest::newRow("quarters with two decimals stay") << 1.0 << 4 << 2 << 0.25;
    QTest::newRow("25 is whole") << 100.0 << 4 << 0 << 25.0;
    QTest::newRow("125 rounds up to 200") << 1000.0 << 8 << 0 << 200.0;
    QTest::newRow("thousandths with three decimals") << 0.01 << 10 << 3 << 0.001;
    QTest::newRow("under a unit without decimals") << 0.3 << 10 << 0 << 1.0;
    QTest::newRow("no span gives the last digit") << 0.0 << 10 << 2 << 0.01;
}

void tst_EscalasGrafico::passoDeValorEscritoExato()
{
    QFETCH(double, faixa);
    QFETCH(int, marcas);
    QFETCH(int, decimais);
    QFETCH(double, passo);
    QVERIFY(qAbs(EscolhaRotulos::passoValor(faixa, marcas, decimais) - passo) < passo * 1e-9);
}

QUORVANE_TEST_GUILESS_MAIN(tst_EscalasGrafico)
#include "tst_EscalasGrafico.moc"
