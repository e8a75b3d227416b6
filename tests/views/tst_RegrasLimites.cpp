// The alarm-limits dialog's reading of a channel's boxes: numbers with
// either separator in the channel's decimals, boxes that are off, and the
// refusals with their messages.
#include "Catalogo.h"
#include "ConfigRegional.h"
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
    QTest::addColumn<int>("casas");
    QTest::addColumn<double>("esperadoAlto");  // NaN: no limit
    QTest::addColumn<double>("esperadoBaixo");
    QTest::addColumn<QString>("erro");
    const double nenhum = qQNaN();
    QTest::newRow("both, comma, one decimal")
        << true << "30,5" << true << " -2,0 " << 1 << 30.5 << -2.0 << "";
    QTest::newRow("point as separator") << true << "30.5" << false << "" << 1 << 30.5 << nenhum << "";
    QTest::newRow("a box that is off is not read")
        << false << "abc" << true << "4" << 0 << nenhum << 4.0 << "";
    QTest::newRow("both off") << false << "" << false << "" << 2 << nenhum << nenhum << "";
    QTest::newRow("not a number") << true << "3O" << true << "1" << 0 << nenhum << nenhum
                                  << "Valor inválido para o limite. \"3O\" não é um número.";
    QTest::newRow("empty box that is on") << false << "" << true << "" << 0 << nenhum << nenhum
                                          << "Valor inválido para o limite. \"\" não é um número.";
    QTest::newRow("finer than the channel")
        << true << "30,55" << false << "" << 1 << nenhum << nenhum
        << "Valor inválido para o limite. O limite \"30,55\" deverá ter no máximo 1 casas decimais.";
    QTest::newRow("three decimals kept") << true << "0,125" << true << "-0,125" << 3 << 0.125 << -0.125 << "";
    QTest::newRow("upper below the lower") << true << "10" << true << "20" << 0 << nenhum << nenhum
                                           << "O limite superior deverá estar acima do limite inferior.";
    QTest::newRow("upper equal to the lower") << true << "7,5" << true << "7,5" << 1 << nenhum << nenhum
                                              << "O limite superior deverá estar acima do limite inferior.";
}

void tst_RegrasLimites::leOsLimitesDeUmCanal()
{
    QFETCH(bool, altoLigado);
    QFETCH(QString, alto);
    QFETCH(bool, baixoLigado);
    QFETCH(QString, baixo);
    QFETCH(int, casas);
    QFETCH(double, esperadoAlto);
    QFETCH(double, esperadoBaixo);
    QFETCH(QString, erro);
    const RegrasLimites::Leitura r = RegrasLimites::le(
        altoLigado, alto, baixoLigado, baixo, casas, ConfigRegional::portuguesBrasil(), Catalogo());
    QCOMPARE(r.erro, erro);
    if (!erro.isEmpty())
        return;
    QCOMPARE(r.limites.alto.has_value(), !qIsNaN(esperadoAlto));
    QCOMPARE(r.limites.baixo.has_value(), !qIsNaN(esperadoBaixo));
    if (r.limites.alto)
        QCOMPARE(*r.limites.alto, esperadoAlto);
    if (r.limites.baixo)
        QCOMPARE(*r.limites.baixo, esperadoBaixo);
}

QUORVANE_TEST_GUILESS_MAIN(tst_RegrasLimites)
#include "tst_RegrasLimites.moc"
