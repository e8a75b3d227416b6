// Whether a recording left its logger's alarm limits, as its seal records it.
#include "GravacaoTeste.h"
#include "RegistroTestes.h"
#include "SeloGravacao.h"

#include <QtTest>

class tst_SeloGravacao : public QObject
{
    Q_OBJECT
private slots:
    void excedeuOsLimites_data();
    void excedeuOsLimites();
};

namespace {

std::optional<double> limite(double v)
{
    return qIsNaN(v) ? std::nullopt : std::optional<double>(v);
}

}  // namespace

void tst_SeloGravacao::excedeuOsLimites_data()
{
    QTest::addColumn<double>("alto1");
    QTest::addColumn<double>("baixo1");
    QTest::addColumn<double>("alto2");
    QTest::addColumn<double>("baixo2");
    QTest::addColumn<int>("esperado");  // -1: not known (no limit)
    const double sem = qQNaN();
    // Channel 1 goes 20, 25, 30; channel 2 1.0, 1.5, 2.0.
    QTest::newRow("no limit for either channel") << sem << sem << sem << sem << -1;
    QTest::newRow("inside the limits of both") << 35.0 << 10.0 << 3.0 << 0.5 << 0;
    QTest::newRow("on the limit is not beyond") << 30.0 << 20.0 << sem << sem << 0;
    QTest::newRow("channel 1 above") << 28.0 << sem << sem << sem << 1;
    QTest::newRow("channel 2 below, channel 1 without limits") << sem << sem << sem << 1.2 << 1;
    QTest::newRow("channel 2 inside, channel 1 below") << sem << 21.0 << 3.0 << sem << 1;
}

void tst_SeloGravacao::excedeuOsLimites()
{
    QFETCH(double, alto1);
    QFETCH(double, baixo1);
    QFETCH(double, alto2);
    QFETCH(double, baixo2);
    QFETCH(int, esperado);
    const TAquisicao a = comLeituras(gravacaoTeste(), { { 20, 1.0 }, { 25, 1.5 }, { 30, 2.0 } });
    const std::optional<bool> fora = SeloGravacao::excedeu(a,
        { LimitesCanal { limite(alto1), limite(baixo1) }, LimitesCanal { limite(alto2), limite(baixo2) } });
    QCOMPARE(fora.has_value() ? int(*fora) : -1, esperado);
}

QUORVANE_TEST_GUILESS_MAIN(tst_SeloGravacao)
#include "tst_SeloGravacao.moc"
