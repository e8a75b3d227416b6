// The summary of a channel: extremes, mean and deviation, the mean kinetic
// temperature and the excursions beyond the alarm limits, against values
// worked out by hand.
#include "DataHora.h"
#include "GravacaoTeste.h"
#include "Real48.h"
#include "RegistroTestes.h"
#include "ResumoCanal.h"
#include "TAquisicao.h"

#include <QtTest>

#include <cmath>

namespace {

using Valores = QList<double>;
// Entries beyond, seconds, runs, the longest run's seconds and first entry;
// empty without the limit.
using Excursao = QList<double>;

// A two-channel document (channel 1 at two decimals, channel 2 at one) at
// one entry per interval from 01/01/2024 08:00:00
// whose channel `canal` holds `valores` and the other channel something else
// altogether (1000 minus them), so that a summary of the wrong channel shows.
TAquisicao documento(const Valores &valores, int canal = 1, double intervalo = 60)
{
    TAquisicao a = gravacaoTeste();
    a.SensorCanal1 = 9;
    a.DecimaisCanal1 = 2;
    a.DecimaisCanal2 = 1;
    a.UnidadeCanal2 = QStringLiteral("°C");
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2024, 1, 1, 8, 0, 0).value_or(0);
    QList<ParTeste> pares;
    for (double v : valores)
        pares.append({ canal == 1 ? v : 1000 - v, canal == 2 ? v : 1000 - v });
    return comLeituras(a, pares);
}

std::optional<double> limite(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

void comparaExcursao(const std::optional<ExcursoesLimite> &e, const Excursao &esperada)
{
    QCOMPARE(e.has_value(), !esperada.isEmpty());
    if (!e)
        return;
    QCOMPARE(e->entradas, int(esperada[0]));
    QCOMPARE(e->segundos, esperada[1]);
    QCOMPARE(e->excursoes, int(esperada[2]));
    QCOMPARE(e->maiorSegundos, esperada[3]);
    QCOMPARE(e->maiorEntrada, int(esperada[4]));
}

constexpr double Sem = std::numeric_limits<double>::quiet_NaN();

}  // namespace

class tst_ResumoCanal : public QObject
{
    Q_OBJECT
private slots:
    void resumoDeUmCanal_data();
    void resumoDeUmCanal();
    void temperaturaCineticaMedia_data();
    void temperaturaCineticaMedia();
    void semResumo_data();
    void semResumo();
};

void tst_ResumoCanal::resumoDeUmCanal_data()
{
    QTest::addColumn<Valores>("valores");
    QTest::addColumn<int>("canal");
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("primeira");
    QTest::addColumn<int>("ultima");
    QTest::addColumn<double>("alto");
    QTest::addColumn<double>("baixo");
    // entries, minimum and its entry, maximum and its entry, mean, deviation
    QTest::addColumn<Valores>("estatisticas");
    QTest::addColumn<Excursao>("acima");
    QTest::addColumn<Excursao>("abaixo");

    // Mean 136 / 5 = 27.2; squares of the deviations 174.8, over 4.
    QTest::newRow("excursions at the first and at the last entry")
        << Valores { 31, 20, 20, 32, 33 } << 1 << 60.0 << 0 << 4 << 30.0 << 20.0
        << Valores { 5, 20, 1, 33, 4, 27.2, std::sqrt(43.7) } << Excursao { 3, 180, 2, 120, 3 }
        << Excursao { 0, 0, 0, 0, -1 };
    QTest::newRow("a run that touches the limit without passing it")
        << Valores { 10, 30, 30, 31, 30, 29 } << 1 << 10.0 << 0 << 5 << 30.0 << 10.0
        << Valores { 6, 10, 0, 31, 3, 160.0 / 6, std::sqrt(1006.0 / 15) } << Excursao { 1, 10, 1, 10, 3 }
        << Excursao { 0, 0, 0, 0, -1 };
    QTest::newRow("half-second mode: half a second an entry")
        << Valores { 5, 12, 13, 4, 11 } << 1 << 0.0 << 0 << 4 << 10.0 << 5.0
        << Valores { 5, 4, 3, 13, 2, 9, std::sqrt(70.0 / 4) } << Excursao { 3, 1.5, 2, 1.0, 1 }
        << Excursao { 1, 0.5, 1, 0.5, 3 };
    QTest::newRow("one entry: no deviation")
        << Valores { 25 } << 1 << 60.0 << 0 << 0 << 20.0 << Sem << Valores { 1, 25, 0, 25, 0, 25, 0 }
        << Excursao { 1, 60, 1, 60, 0 } << Excursao {};
    QTest::newRow("a range in the middle")
        << Valores { 40, 1, 2, 3, 4, 40 } << 1 << 60.0 << 1 << 4 << 3.0 << Sem
        << Valores { 4, 1, 1, 4, 4, 2.5, std::sqrt(5.0 / 3) } << Excursao { 1, 60, 1, 60, 4 } << Excursao {};
    QTest::newRow("a range past both ends is held to the entries")
        << Valores { 3, 1, 2 } << 1 << 60.0 << -5 << 99 << Sem << Sem << Valores { 3, 1, 1, 3, 0, 2, 1 }
        << Excursao {} << Excursao {};
    QTest::newRow("two runs of equal length: the first is the longest")
        << Valores { 0, 11, 11, 0, 11, 11 } << 1 << 60.0 << 0 << 5 << 10.0 << Sem
        << Valores { 6, 0, 0, 11, 1, 44.0 / 6, std::sqrt(1452.0 / 45) } << Excursao { 4, 240, 2, 120, 1 }
        << Excursao {};
    QTest::newRow("the longer second run wins, below the lower limit")
        << Valores { -1, 5, -1, -2, -1, 5 } << 1 << 60.0 << 0 << 5 << Sem << 0.0
        << Valores { 6, -2, 3, 5, 1, 5.0 / 6, std::sqrt(317.0 / 30) } << Excursao {}
        << Excursao { 4, 240, 2, 180, 2 };
    QTest::newRow("channel 2 of two")
        << Valores { 7, 9, 8 } << 2 << 60.0 << 0 << 2 << 8.5 << 7.5 << Valores { 3, 7, 0, 9, 1, 8, 1 }
        << Excursao { 1, 60, 1, 60, 1 } << Excursao { 1, 60, 1, 60, 0 };
    // As a recording holds them: 41,40 and 4,3 a hair above, 41,30, 4,1 and
    // 4,2 a hair below. Equal to a limit at the channel's decimals is not beyond.
    const auto r = [](double v) { return Real48::arredonda(v); };
    QTest::newRow("readings equal to two-decimal limits, either side")
        << Valores { r(41.4), r(41.4), 41.5, r(41.3) } << 1 << 60.0 << 0 << 3 << 41.4 << 41.3
        << Valores { 4, r(41.3), 3, 41.5, 2, 41.4, std::sqrt(0.02 / 3) } << Excursao { 1, 60, 1, 60, 2 }
        << Excursao { 0, 0, 0, 0, -1 };
    QTest::newRow("readings equal to one-decimal limits, either side")
        << Valores { r(4.3), r(4.1), r(4.2) } << 2 << 60.0 << 0 << 2 << 4.3 << 4.1
        << Valores { 3, r(4.1), 1, r(4.3), 0, 4.2, 0.1 } << Excursao { 0, 0, 0, 0, -1 }
        << Excursao { 0, 0, 0, 0, -1 };
    // Sums of squares of the values themselves lose every digit here.
    QTest::newRow("values far from zero keep the deviation's digits")
        << Valores { 1e8 + 0.25, 1e8 + 0.5, 1e8 + 0.75 } << 1 << 60.0 << 0 << 2 << Sem << Sem
        << Valores { 3, 1e8 + 0.25, 0, 1e8 + 0.75, 2, 1e8 + 0.5, 0.25 } << Excursao {} << Excursao {};
}

void tst_ResumoCanal::resumoDeUmCanal()
{
    QFETCH(Valores, valores);
    QFETCH(int, canal);
    QFETCH(double, intervalo);
    QFETCH(int, primeira);
    QFETCH(int, ultima);
    QFETCH(double, alto);
    QFETCH(double, baixo);
    QFETCH(Valores, estatisticas);
    QFETCH(Excursao, acima);
    QFETCH(Excursao, abaixo);

    const TAquisicao a = documento(valores, canal, intervalo);
    const auto r = resumeCanal(a, canal, primeira, ultima, { limite(alto), limite(baixo) });
    QVERIFY(r);
    QCOMPARE(r->canal, canal);
    QCOMPARE(r->entradas, int(estatisticas[0]));
    QCOMPARE(r->ultima - r->primeira + 1, r->entradas);
    QCOMPARE(r->minimo.valor, estatisticas[1]);
    QCOMPARE(r->minimo.entrada, int(estatisticas[2]));
    QCOMPARE(r->minimo.instante, a.instante(int(estatisticas[2])));
    QCOMPARE(r->maximo.valor, estatisticas[3]);
    QCOMPARE(r->maximo.entrada, int(estatisticas[4]));
    QCOMPARE(r->maximo.instante, a.instante(int(estatisticas[4])));
    QVERIFY2(std::fabs(r->media - estatisticas[5]) < 1e-9, qPrintable(QString::number(r->media, 'g', 17)));
    QVERIFY2(std::fabs(r->desvio - estatisticas[6]) < 1e-9, qPrintable(QString::number(r->desvio, 'g', 17)));
    comparaExcursao(r->acima, acima);
    comparaExcursao(r->abaixo, abaixo);
}

void tst_ResumoCanal::temperaturaCineticaMedia_data()
{
    QTest::addColumn<Valores>("valores");
    QTest::addColumn<QString>("unidade");
    QTest::addColumn<double>("deltaHSobreR");
    QTest::addColumn<double>("tcm");  // NaN: none

    QTest::newRow("a constant series: the constant") << Valores { 25, 25, 25, 25 } << "°C" << 10000.0 << 25.0;
    // exp(-100000 / 73.15) underflows: the largest term is factored out.
    QTest::newRow("a cold constant series with a large ΔH/R: the constant")
        << Valores { -200, -200, -200 } << "°C" << 100000.0 << -200.0;
    // 10000 / -ln((exp(-10000 / 293.15) + exp(-10000 / 303.15)) / 2) - 273.15
    QTest::newRow("20 and 30 °C: above their mean")
        << Valores { 20, 30 } << "°C" << 10000.0 << 26.25988691600344;
    QTest::newRow("the unit typed with the ordinal sign") << Valores { 5, 5 } << " ºc" << 10000.0 << 5.0;
    QTest::newRow("a channel not in °C") << Valores { 25, 25 } << "%UR" << 10000.0 << Sem;
    QTest::newRow("ΔH/R of 0") << Valores { 25, 25 } << "°C" << 0.0 << Sem;
    QTest::newRow("ΔH/R below 0") << Valores { 25, 25 } << "°C" << -10000.0 << Sem;
    QTest::newRow("an entry below absolute zero") << Valores { 25, -300 } << "°C" << 10000.0 << Sem;
}

void tst_ResumoCanal::temperaturaCineticaMedia()
{
    QFETCH(Valores, valores);
    QFETCH(QString, unidade);
    QFETCH(double, deltaHSobreR);
    QFETCH(double, tcm);

    TAquisicao a = documento(valores);
    a.UnidadeCanal1 = unidade;
    const auto r = resumeCanal(a, 1, 0, a.NumLeituras() - 1, {}, deltaHSobreR);
    QVERIFY(r);
    QCOMPARE(r->tcm.has_value(), !std::isnan(tcm));
    if (r->tcm)
        QVERIFY2(std::fabs(*r->tcm - tcm) < 1e-9, qPrintable(QString::number(*r->tcm, 'g', 17)));
}

void tst_ResumoCanal::semResumo_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<int>("canal");
    QTest::addColumn<int>("primeira");
    QTest::addColumn<int>("ultima");
    QTest::addColumn<bool>("comResumo");

    QTest::newRow("channel 2 without a sensor") << 9 << -1 << 2 << 0 << 2 << false;
    QTest::newRow("channel 1 of a recording on channel 2") << -1 << 9 << 1 << 0 << 2 << false;
    QTest::newRow("channel 2 of a recording on channel 2") << -1 << 9 << 2 << 0 << 2 << true;
    QTest::newRow("a range after the last entry") << 9 << -1 << 1 << 3 << 5 << false;
    QTest::newRow("a range backwards") << 9 << -1 << 1 << 2 << 1 << false;
}

void tst_ResumoCanal::semResumo()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(int, canal);
    QFETCH(int, primeira);
    QFETCH(int, ultima);
    QFETCH(bool, comResumo);

    TAquisicao a = documento({ 1, 2, 3 });
    a.NumCanais = 1;
    a.SensorCanal1 = sensor1;
    a.SensorCanal2 = sensor2;
    QCOMPARE(canalComSensor(a, canal), sensor1 != -1 ? canal == 1 : canal == 2);
    QCOMPARE(resumeCanal(a, canal, primeira, ultima).has_value(), comResumo);
}

QUORVANE_TEST_GUILESS_MAIN(tst_ResumoCanal)
#include "tst_ResumoCanal.moc"
