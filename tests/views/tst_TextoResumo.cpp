// A channel's summary as the lines of a table: labels, values with the
// channel's decimals and unit, entries numbered as the readings list
// numbers them, instants and times.
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "GravacaoTeste.h"
#include "RegistroTestes.h"
#include "RelatorioResumo.h"
#include "TAquisicao.h"
#include "TextoResumo.h"

#include <QtTest>

using Linhas = QList<TextoResumo::Linha>;

namespace QTest {
template <> char *toString(const TextoResumo::Linha &l)
{
    return qstrdup(qPrintable(l.rotulo + QStringLiteral(" | ") + l.valor));
}
}  // namespace QTest

namespace {

// Channel 1 a Pt100 in °C, channel 2 a 4-20 mA channel in bar at two
// decimals, from 14/06/2024 17:03:00.
TAquisicao documento(double intervalo, const QList<QPair<double, double>> &valores)
{
    TAquisicao a = gravacaoTeste();
    a.NomeCanal1 = QStringLiteral("Camara");
    a.NomeCanal2 = QStringLiteral("Linha");
    a.defineIntervalo(intervalo);
    return comLeituras(a, valores);
}

}  // namespace

class tst_TextoResumo : public QObject
{
    Q_OBJECT
private slots:
    void linhasDeUmCanal_data();
    void linhasDeUmCanal();
    void duracao_data();
    void duracao();
    void faixaCasaAsLinhasPeloRotulo_data();
    void faixaCasaAsLinhasPeloRotulo();
};

void tst_TextoResumo::linhasDeUmCanal_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("canal");
    QTest::addColumn<int>("primeira");
    QTest::addColumn<LimitesCanal>("limites");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<Linhas>("linhas");

    // Pt100 values with one decimal whatever the decimals say; statistics
    // with two; the limit 4 as the channel writes it, 3.25 in full.
    QTest::newRow("channel 1 in °C, both limits, every 10 minutes")
        << 600.0 << 1 << 0 << LimitesCanal { 4.0, 3.25 } << "Canal 1: Camara (°C)"
        << Linhas { { "Entradas", "4" }, { "Mínimo", "3,0 °C (entrada 00004, 14/06/2024 17:33:00)" },
               { "Máximo", "5,0 °C (entrada 00002, 14/06/2024 17:13:00)" }, { "Média", "4,00 °C" },
               { "Desvio padrão", "0,82 °C" }, { "Temperatura cinética média", "4,03 °C" },
               { "Limite superior", "4,0 °C" }, { "Entradas acima", "1" }, { "Tempo acima", "0:10:00" },
               { "Excursões acima", "1" },
               { "Maior excursão acima", "0:10:00 (entrada 00002, 14/06/2024 17:13:00)" },
               { "Limite inferior", "3,25 °C" }, { "Entradas abaixo", "1" }, { "Tempo abaixo", "0:10:00" },
               { "Excursões abaixo", "1" },
               { "Maior excursão abaixo", "0:10:00 (entrada 00004, 14/06/2024 17:33:00)" } };
    // Half-second mode: the instant's mark, times in half seconds; no mean
    // kinetic temperature out of °C; no longest run without a run.
    QTest::newRow("channel 2 in bar over a range, half-second mode")
        << 0.0 << 2 << 1 << LimitesCanal { 1.5, std::nullopt } << "Canal 2: Linha (bar)"
        << Linhas { { "Entradas", "3" }, { "Mínimo", "1,25 bar (entrada 00002, 14/06/2024 17:03:00 .5)" },
               { "Máximo", "1,75 bar (entrada 00003, 14/06/2024 17:03:01 .0)" }, { "Média", "1,500 bar" },
               { "Desvio padrão", "0,250 bar" }, { "Limite superior", "1,50 bar" }, { "Entradas acima", "1" },
               { "Tempo acima", "0:00:00,5" }, { "Excursões acima", "1" },
               { "Maior excursão acima", "0:00:00,5 (entrada 00003, 14/06/2024 17:03:01 .0)" } };
    QTest::newRow("a limit never passed has no longest excursion")
        << 600.0 << 2 << 0 << LimitesCanal { 9.0, std::nullopt } << "Canal 2: Linha (bar)"
        << Linhas { { "Entradas", "4" }, { "Mínimo", "1,25 bar (entrada 00002, 14/06/2024 17:13:00)" },
               { "Máximo", "2,00 bar (entrada 00001, 14/06/2024 17:03:00)" }, { "Média", "1,625 bar" },
               { "Desvio padrão", "0,323 bar" }, { "Limite superior", "9,00 bar" }, { "Entradas acima", "0" },
               { "Tempo acima", "0:00:00" }, { "Excursões acima", "0" } };
    // The longest excursion at the range's first entry, from 0 and from 1;
    // a value equal to the limit is not beyond it.
    QTest::newRow("the longest excursion at the recording's first entry")
        << 600.0 << 2 << 0 << LimitesCanal { 1.75, std::nullopt } << "Canal 2: Linha (bar)"
        << Linhas { { "Entradas", "4" }, { "Mínimo", "1,25 bar (entrada 00002, 14/06/2024 17:13:00)" },
               { "Máximo", "2,00 bar (entrada 00001, 14/06/2024 17:03:00)" }, { "Média", "1,625 bar" },
               { "Desvio padrão", "0,323 bar" }, { "Limite superior", "1,75 bar" }, { "Entradas acima", "1" },
               { "Tempo acima", "0:10:00" }, { "Excursões acima", "1" },
               { "Maior excursão acima", "0:10:00 (entrada 00001, 14/06/2024 17:03:00)" } };
    QTest::newRow("the longest excursion at the range's first entry")
        << 600.0 << 2 << 1 << LimitesCanal { std::nullopt, 1.5 } << "Canal 2: Linha (bar)"
        << Linhas { { "Entradas", "3" }, { "Mínimo", "1,25 bar (entrada 00002, 14/06/2024 17:13:00)" },
               { "Máximo", "1,75 bar (entrada 00003, 14/06/2024 17:23:00)" }, { "Média", "1,500 bar" },
               { "Desvio padrão", "0,250 bar" }, { "Limite inferior", "1,50 bar" },
               { "Entradas abaixo", "1" }, { "Tempo abaixo", "0:10:00" }, { "Excursões abaixo", "1" },
               { "Maior excursão abaixo", "0:10:00 (entrada 00002, 14/06/2024 17:13:00)" } };
}

void tst_TextoResumo::linhasDeUmCanal()
{
    QFETCH(double, intervalo);
    QFETCH(int, canal);
    QFETCH(int, primeira);
    QFETCH(LimitesCanal, limites);
    QFETCH(QString, titulo);
    QFETCH(Linhas, linhas);

    const TAquisicao a = documento(intervalo, { { 4, 2 }, { 5, 1.25 }, { 4, 1.75 }, { 3, 1.5 } });
    const Catalogo cat;
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    QCOMPARE(TextoResumo::titulo(a, canal, cat), titulo);
    QCOMPARE(TextoResumo::linhas(a, canal, primeira, 3, limites, cat, regional), linhas);
}

void tst_TextoResumo::duracao_data()
{
    QTest::addColumn<double>("segundos");
    QTest::addColumn<QString>("texto");

    QTest::newRow("nothing") << 0.0 << "0:00:00";
    QTest::newRow("half a second") << 0.5 << "0:00:00,5";
    QTest::newRow("hours, minutes and seconds") << 3725.0 << "1:02:05";
    QTest::newRow("more than a day, in hours") << 90061.5 << "25:01:01,5";
}

void tst_TextoResumo::duracao()
{
    QFETCH(double, segundos);
    QFETCH(QString, texto);
    QCOMPARE(TextoResumo::duracao(segundos, u','), texto);
}

// The summary window puts each line of the range shown beside the line of
// the whole recording with the same label: a range without an excursion
// the whole has lacks that line, and the lines after it still match.
void tst_TextoResumo::faixaCasaAsLinhasPeloRotulo_data()
{
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("inteira");
    QTest::addColumn<QString>("mostrada");

    QTest::newRow("the count") << "Entradas"
                               << "4"
                               << "2";
    QTest::newRow("an excursion only the whole has")
        << "Maior excursão acima"
        << "0:10:00 (entrada 00002, 14/06/2024 17:13:00)" << QString();
    QTest::newRow("a line after it") << "Limite inferior"
                                     << "3,5 °C"
                                     << "3,5 °C";
    QTest::newRow("the last line") << "Maior excursão abaixo"
                                   << "0:10:00 (entrada 00004, 14/06/2024 17:33:00)"
                                   << "0:10:00 (entrada 00004, 14/06/2024 17:33:00)";
}

void tst_TextoResumo::faixaCasaAsLinhasPeloRotulo()
{
    QFETCH(QString, rotulo);
    QFETCH(QString, inteira);
    QFETCH(QString, mostrada);

    // Channel 1: 4, 5, 4, 3 with limits 4.5 and 3.5; the range shown holds
    // the last two entries.
    const TAquisicao a = documento(600.0, { { 4, 2 }, { 5, 1.25 }, { 4, 1.75 }, { 3, 1.5 } });
    const std::array<LimitesCanal, 2> limites { LimitesCanal { 4.5, 3.5 }, LimitesCanal {} };
    const Catalogo cat;
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    const auto todo = RelatorioResumo::partes(a, limites, 0, 3, cat, regional);
    const auto faixa = RelatorioResumo::partes(a, limites, 2, 3, cat, regional);
    QCOMPARE(RelatorioResumo::valor(todo, 1, rotulo), inteira);
    QCOMPARE(RelatorioResumo::valor(faixa, 1, rotulo), mostrada);
    // Channel 2's part holds its own lines.
    QVERIFY(RelatorioResumo::valor(faixa, 2, QStringLiteral("Limite inferior")).isEmpty());
}

QUORVANE_TEST_GUILESS_MAIN(tst_TextoResumo)
#include "tst_TextoResumo.moc"
