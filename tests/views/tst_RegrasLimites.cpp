// The limits' rule on a channel's two boxes: plain numbers with either
// separator in the decimals the channel's own rule gives, boxes that are
// off, the sensor's range, and the refusals with their messages.
#include "Catalogo.h"
#include "GravacaoTeste.h"
#include "RegistroTestes.h"
#include "RegrasLimites.h"

#include <QtTest>

class tst_RegrasLimites : public QObject
{
    Q_OBJECT
private slots:
    void leOsLimitesDeUmCanal_data();
    void leOsLimitesDeUmCanal();
};

void tst_RegrasLimites::leOsLimitesDeUmCanal_data()
{
    QTest::addColumn<bool>("altoLigado");
    QTest::addColumn<QString>("alto");
    QTest::addColumn<bool>("baixoLigado");
    QTest::addColumn<QString>("baixo");
    QTest::addColumn<int>("sensor");  // of channel 1, as the document keeps it
    QTest::addColumn<int>("decimais");
    QTest::addColumn<double>("esperadoAlto");  // NaN: no limit
    QTest::addColumn<double>("esperadoBaixo");
    QTest::addColumn<QString>("erro");
    const double nenhum = qQNaN();
    const int pt100 = 8;  // one decimal whatever its decimals say
    const int tipoJ = 0;
    const int linear = 9;  // 4-20 mA: no range of its own
    const QString invalido = QStringLiteral("Canal 1: Valor inválido para o limite. ");
    QTest::newRow("both, comma, one decimal")
        << true << "30,5" << true << " -2,0 " << pt100 << 0 << 30.5 << -2.0 << "";
    QTest::newRow("point as separator")
        << true << "30.5" << false << "" << pt100 << 0 << 30.5 << nenhum << "";
    QTest::newRow("a box that is off is not read")
        << false << "abc" << true << "4" << linear << 0 << nenhum << 4.0 << "";
    QTest::newRow("both off") << false << "" << false << "" << linear << 2 << nenhum << nenhum << "";
    QTest::newRow("not a number") << true << "3O" << true << "1" << linear << 0 << nenhum << nenhum
                                  << invalido + "\"3O\" não é um número.";
    QTest::newRow("empty box that is on")
        << false << "" << true << "" << linear << 0 << nenhum << nenhum << invalido + "\"\" não é um número.";
    QTest::newRow("an exponent is not a plain number")
        << true << "1e2" << false << "" << linear << 0 << nenhum << nenhum
        << invalido + "\"1e2\" não é um número.";
    QTest::newRow("inf is not a number") << true << "inf" << false << "" << linear << 0 << nenhum << nenhum
                                         << invalido + "\"inf\" não é um número.";
    QTest::newRow("finer than the channel")
        << true << "30,55" << false << "" << pt100 << 0 << nenhum << nenhum
        << invalido + "O limite \"30,55\" deverá ter no máximo 1 casas decimais.";
    QTest::newRow("finer than the channel, however little")
        << true << "30,50003" << false << "" << pt100 << 0 << nenhum << nenhum
        << invalido + "O limite \"30,50003\" deverá ter no máximo 1 casas decimais.";
    QTest::newRow("finer than two decimals, however large")
        << true << "1000,0001" << false << "" << linear << 2 << nenhum << nenhum
        << invalido + "O limite \"1000,0001\" deverá ter no máximo 2 casas decimais.";
    QTest::newRow("a whole channel wants a whole number")
        << true << "9999,0004" << false << "" << linear << 0 << nenhum << nenhum
        << invalido + "O limite \"9999,0004\" deverá ser um número inteiro.";
    QTest::newRow("trailing zeros are not decimals")
        << true << "12,500" << false << "" << pt100 << 0 << 12.5 << nenhum << "";
    QTest::newRow("three decimals kept")
        << true << "0,125" << true << "-0,125" << linear << 3 << 0.125 << -0.125 << "";
    QTest::newRow("beyond what a type J thermocouple reads")
        << true << "99999" << false << "" << tipoJ << 0 << nenhum << nenhum
        << invalido + "O limite \"99999\" está fora da faixa do sensor, de -50 a 760 °C.";
    QTest::newRow("the ends of the range can be reached")
        << true << "760" << true << "-50" << tipoJ << 0 << 760.0 << -50.0 << "";
    QTest::newRow("a linear input has no range of its own")
        << true << "99999" << false << "" << linear << 0 << 99999.0 << nenhum << "";
    QTest::newRow("upper below the lower")
        << true << "10" << true << "20" << linear << 0 << nenhum << nenhum
        << "Canal 1: O limite superior deverá estar acima do limite inferior.";
    QTest::newRow("upper equal to the lower")
        << true << "7,5" << true << "7,5" << pt100 << 0 << nenhum << nenhum
        << "Canal 1: O limite superior deverá estar acima do limite inferior.";
}

void tst_RegrasLimites::leOsLimitesDeUmCanal()
{
    QFETCH(bool, altoLigado);
    QFETCH(QString, alto);
    QFETCH(bool, baixoLigado);
    QFETCH(QString, baixo);
    QFETCH(int, sensor);
    QFETCH(int, decimais);
    QFETCH(double, esperadoAlto);
    QFETCH(double, esperadoBaixo);
    QFETCH(QString, erro);
    TAquisicao a = gravacaoTeste();
    a.SensorCanal1 = sensor;
    a.DecimaisCanal1 = decimais;
    const RegrasLimites::Leitura r = RegrasLimites::le(
        altoLigado, alto, baixoLigado, baixo, RegrasLimites::canal(a, 1), u',', Catalogo());
    QCOMPARE(r.erro, erro);
    QCOMPARE(r.limites.alto.has_value(), !qIsNaN(esperadoAlto));
    QCOMPARE(r.limites.baixo.has_value(), !qIsNaN(esperadoBaixo));
    if (r.limites.alto)
        QCOMPARE(*r.limites.alto, esperadoAlto);
    if (r.limites.baixo)
        QCOMPARE(*r.limites.baixo, esperadoBaixo);
}

QUORVANE_TEST_GUILESS_MAIN(tst_RegrasLimites)
#include "tst_RegrasLimites.moc"
