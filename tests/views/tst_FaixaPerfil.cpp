// What the graph draws of a verdict, against tables worked out by hand:
// the band each channel's thresholds allow, on its axis, and the spans of
// the excursions that break a rule, one per overlapping run of a side.
#include "AvaliacaoPerfil.h"
#include "FaixaPerfil.h"
#include "GravacaoTeste.h"
#include "RegistroTestes.h"

#include <QtTest>

namespace {

using Valores = QList<double>;
constexpr double Aberto = -999;  // an open side of a band

// Entries one a minute: channel 1 in °C at one decimal, channel 2 in bar.
TAquisicao documento(const Valores &canal1, const Valores &canal2)
{
    return comLeituras(gravacaoTeste(), int(canal1.size()),
        [&](int i) { return ParTeste(canal1[i], canal2.value(i, 1.0)); });
}

RegraAlarme regra(int canal, TipoRegra tipo, bool acima, double limite, double segundos = 0)
{
    return { canal, tipo, acima, limite, false, segundos, JanelaTcm::Inteira };
}

}  // namespace

Q_DECLARE_METATYPE(QList<RegraAlarme>)

class tst_FaixaPerfil : public QObject
{
    Q_OBJECT
private slots:
    void geometria_data();
    void geometria();
};

void tst_FaixaPerfil::geometria_data()
{
    QTest::addColumn<Valores>("canal1");
    QTest::addColumn<Valores>("canal2");
    QTest::addColumn<QList<RegraAlarme>>("regras");
    // Each band: channel, axis (0 left, 1 right), lower edge, upper edge.
    QTest::addColumn<Valores>("faixas");
    // Each span: channel, axis, first and last entry, peak, peak's entry.
    QTest::addColumn<Valores>("trechos");

    const auto acima = [](double v, int canal = 0) { return regra(canal, TipoRegra::Instante, true, v); };
    const auto abaixo = [](double v, int canal = 0) { return regra(canal, TipoRegra::Instante, false, v); };
    QTest::newRow("2 to 8: one span each side")
        << Valores { 5, 9, 9.5, 5, 1, 5 } << Valores {} << QList<RegraAlarme> { acima(8), abaixo(2) }
        << Valores { 1, 0, 2, 8 } << Valores { 1, 0, 1, 2, 9.5, 2, 1, 0, 4, 4, 1, 4 };
    QTest::newRow("only above: the lower side open")
        << Valores { 5, 5 } << Valores {} << QList<RegraAlarme> { acima(8) } << Valores { 1, 0, Aberto, 8 }
        << Valores {};
    QTest::newRow("lowest above and highest below; nested runs are one span")
        << Valores { 5, 9, 11, 9, 5 } << Valores {}
        << QList<RegraAlarme> { acima(10), acima(8), abaixo(0), abaixo(2) } << Valores { 1, 0, 2, 8 }
        << Valores { 1, 0, 1, 3, 11, 2 };
    QTest::newRow("channel 2 on the right axis")
        << Valores { 5, 5, 5 } << Valores { 1, 2, 1 } << QList<RegraAlarme> { acima(1.5, 2) }
        << Valores { 2, 1, Aberto, 1.5 } << Valores { 2, 1, 1, 1, 2, 1 };
    QTest::newRow("an event too short breaks nothing")
        << Valores { 9, 5, 9 } << Valores {}
        << QList<RegraAlarme> { regra(0, TipoRegra::Evento, true, 8, 120) } << Valores { 1, 0, Aberto, 8 }
        << Valores {};
    QTest::newRow("a mean kinetic temperature limit makes no band")
        << Valores { 30, 30 } << Valores {} << QList<RegraAlarme> { regra(0, TipoRegra::Tcm, true, 25) }
        << Valores {} << Valores {};
    QTest::newRow("no value allowed: no band; sides are not joined")
        << Valores { 5, 5 } << Valores {} << QList<RegraAlarme> { acima(2), abaixo(8) } << Valores {}
        << Valores { 1, 0, 0, 1, 5, 0, 1, 0, 0, 1, 5, 0 };
}

void tst_FaixaPerfil::geometria()
{
    QFETCH(Valores, canal1);
    QFETCH(Valores, canal2);
    QFETCH(QList<RegraAlarme>, regras);
    QFETCH(Valores, faixas);
    QFETCH(Valores, trechos);

    const TAquisicao a = documento(canal1, canal2);
    const FaixaPerfil::Geometria g
        = FaixaPerfil::calcula(a, avalia(a, { QStringLiteral("p"), {}, false, regras }));
    Valores obtidas;
    for (const FaixaPerfil::Faixa &f : g.faixas)
        obtidas << f.canal << double(f.eixo) << f.baixo.value_or(Aberto) << f.alto.value_or(Aberto);
    QCOMPARE(obtidas, faixas);
    // The x values are the entries' instants, one a minute.
    const auto entrada = [&a](double x) { return std::round((x - a.Inicio) * 1440.0); };
    Valores spans;
    for (const FaixaPerfil::Trecho &t : g.trechos) {
        QCOMPARE(entrada(t.xInicio), double(t.inicio));
        QCOMPARE(entrada(t.xFim), double(t.fim));
        spans << t.canal << double(t.eixo) << t.inicio << t.fim << t.pico << entrada(t.xPico);
    }
    QCOMPARE(spans, trechos);
}

QUORVANE_TEST_GUILESS_MAIN(tst_FaixaPerfil)
#include "tst_FaixaPerfil.moc"
