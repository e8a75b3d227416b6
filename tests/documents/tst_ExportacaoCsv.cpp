#include "ConfigRegional.h"
#include "DataHora.h"
#include "ExportacaoCsv.h"
#include "GravacaoTeste.h"
#include "InstanteIso.h"
#include "RegistroTestes.h"
#include "TAquisicao.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TDateTime em(int ano, int mes, int dia, int hora, int minuto, int segundo = 0)
{
    return *DataHora::codifica(ano, mes, dia, hora, minuto, segundo);
}

// Two channels: a thermocouple "Entrada" in °C with one decimal and a
// 4-20 mA "Pressão" in bar with two, every 60 s.
TAquisicao doisCanais(int entradas = 3)
{
    TAquisicao a = gravacaoTeste();
    a.SensorCanal1 = 1;
    a.DecimaisCanal1 = 1;
    a.NomeCanal1 = QStringLiteral("Entrada");
    a.NomeCanal2 = QStringLiteral("Pressão");
    return comLeiturasSemFim(a, entradas, [](int i) { return ParTeste(20.25 + i, -1.5 + i * 0.125); });
}

QList<QByteArray> linhas(const QByteArray &conteudo)
{
    QList<QByteArray> r = conteudo.split('\n');
    if (!r.isEmpty() && r.last().isEmpty())
        r.removeLast();
    return r;
}

ExportacaoCsv::Opcoes naZona(const char *zona, bool utc = false)
{
    ExportacaoCsv::Opcoes o;
    o.zona = QTimeZone(zona);
    o.utc = utc;
    o.bom = false;
    return o;
}

}  // namespace

class TestExportacaoCsv : public QObject
{
    Q_OBJECT
private slots:
    void headerNamesTheUsedChannelsWithUnits_data();
    void headerNamesTheUsedChannelsWithUnits();
    void instantsCarryTheOffsetOfTheirOwnMoment_data();
    void instantsCarryTheOffsetOfTheirOwnMoment();
    void seriesAcrossAChangeOfOffsetFollowsIt();
    void halfSecondEntriesCarryTheMark();
    void separatorsFollowRegionalSettingsOrOverrides_data();
    void separatorsFollowRegionalSettingsOrOverrides();
    void byteOrderMarkAndLineEnds();
    void onlyTheAskedEntriesHeldToThoseThatExist();
    void failedWriteKeepsTheOldFile();
};

void TestExportacaoCsv::headerNamesTheUsedChannelsWithUnits_data()
{
    QTest::addColumn<int>("numCanais");
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<QByteArray>("nome1");
    QTest::addColumn<QByteArray>("unidade2");
    QTest::addColumn<QByteArray>("cabecalho");
    QTest::addColumn<QByteArray>("primeiraLinha");
    QTest::newRow("two channels") << 2 << 1 << 9 << QByteArray("Entrada") << QByteArray("bar")
                                  << QByteArray("Instante;Entrada (°C);Pressão (bar)")
                                  << QByteArray("2024-06-14T17:03:00-03:00;20,3;-1,50");
    QTest::newRow("one channel, recorded on 2")
        << 1 << -1 << 9 << QByteArray("Entrada") << QByteArray("bar") << QByteArray("Instante;Pressão (bar)")
        << QByteArray("2024-06-14T17:03:00-03:00;-1,50");
    QTest::newRow("one channel, recorded on 1")
        << 1 << 1 << -1 << QByteArray("Entrada") << QByteArray("bar") << QByteArray("Instante;Entrada (°C)")
        << QByteArray("2024-06-14T17:03:00-03:00;20,3");
    QTest::newRow("a quote in the name, doubled")
        << 2 << 1 << 9 << QByteArray("Entrada \"A\"") << QByteArray("bar")
        << QByteArray("Instante;\"Entrada \"\"A\"\" (°C)\";Pressão (bar)")
        << QByteArray("2024-06-14T17:03:00-03:00;20,3;-1,50");
    QTest::newRow("no name, no unit")
        << 2 << 1 << 9 << QByteArray("") << QByteArray("") << QByteArray("Instante;Canal 1 (°C);Pressão")
        << QByteArray("2024-06-14T17:03:00-03:00;20,3;-1,50");
}

void TestExportacaoCsv::headerNamesTheUsedChannelsWithUnits()
{
    QFETCH(int, numCanais);
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(QByteArray, nome1);
    QFETCH(QByteArray, unidade2);
    QFETCH(QByteArray, cabecalho);
    QFETCH(QByteArray, primeiraLinha);
    TAquisicao a = doisCanais();
    a.NumCanais = numCanais;
    a.SensorCanal1 = sensor1;
    a.SensorCanal2 = sensor2;
    a.NomeCanal1 = QString::fromUtf8(nome1);
    a.UnidadeCanal2 = QString::fromUtf8(unidade2);
    const auto l = linhas(ExportacaoCsv::conteudo(a, 0, 2, naZona("America/Sao_Paulo")));
    QCOMPARE(l.size(), 4);
    QCOMPARE(l[0].chopped(1), cabecalho);
    QCOMPARE(l[1].chopped(1), primeiraLinha);
}

void TestExportacaoCsv::instantsCarryTheOffsetOfTheirOwnMoment_data()
{
    QTest::addColumn<QByteArray>("zona");
    QTest::addColumn<double>("instante");
    QTest::addColumn<bool>("utc");
    QTest::addColumn<QByteArray>("texto");
    QTest::newRow("winter, no daylight saving since 2019")
        << QByteArray("America/Sao_Paulo") << em(2024, 6, 14, 17, 3) << false
        << QByteArray("2024-06-14T17:03:00-03:00");
    QTest::newRow("summer time of 2018") << QByteArray("America/Sao_Paulo") << em(2018, 1, 10, 12, 0) << false
                                         << QByteArray("2018-01-10T12:00:00-02:00");
    QTest::newRow("skipped hour keeps the offset before")
        << QByteArray("America/Sao_Paulo") << em(2018, 11, 4, 0, 30) << false
        << QByteArray("2018-11-04T00:30:00-03:00");
    QTest::newRow("after the skipped hour") << QByteArray("America/Sao_Paulo") << em(2018, 11, 4, 1, 30)
                                            << false << QByteArray("2018-11-04T01:30:00-02:00");
    QTest::newRow("repeated hour, first occurrence")
        << QByteArray("America/Sao_Paulo") << em(2019, 2, 16, 23, 30) << false
        << QByteArray("2019-02-16T23:30:00-02:00");
    QTest::newRow("after the repeated hour") << QByteArray("America/Sao_Paulo") << em(2019, 2, 17, 0, 30)
                                             << false << QByteArray("2019-02-17T00:30:00-03:00");
    QTest::newRow("a zone at UTC: plus zero")
        << QByteArray("UTC") << em(2024, 6, 14, 17, 3) << false << QByteArray("2024-06-14T17:03:00+00:00");
    QTest::newRow("positive half-hour offset") << QByteArray("Asia/Kolkata") << em(2024, 1, 2, 3, 4, 5)
                                               << false << QByteArray("2024-01-02T03:04:05+05:30");
    QTest::newRow("utc") << QByteArray("America/Sao_Paulo") << em(2024, 6, 14, 22, 3) << true
                         << QByteArray("2024-06-15T01:03:00Z");
    QTest::newRow("utc of the repeated hour") << QByteArray("America/Sao_Paulo") << em(2019, 2, 16, 23, 30)
                                              << true << QByteArray("2019-02-17T01:30:00Z");
    QTest::newRow("utc east of Greenwich")
        << QByteArray("Asia/Kolkata") << em(2024, 1, 1, 3, 0) << true << QByteArray("2023-12-31T21:30:00Z");
}

void TestExportacaoCsv::instantsCarryTheOffsetOfTheirOwnMoment()
{
    QFETCH(QByteArray, zona);
    QFETCH(double, instante);
    QFETCH(bool, utc);
    QFETCH(QByteArray, texto);
    QVERIFY(QTimeZone(zona).isValid());
    InstanteIso iso(QTimeZone(zona), utc);
    QCOMPARE(iso.texto(instante), texto);
}

void TestExportacaoCsv::seriesAcrossAChangeOfOffsetFollowsIt()
{
    // Every 90 minutes from two days before the 2018 change: an offset
    // worked out for a quiet day must not be kept into the day of the change.
    TAquisicao a = doisCanais(36);
    a.defineIntervalo(5400);
    a.Inicio = em(2018, 11, 2, 0, 0);
    const auto l = linhas(ExportacaoCsv::conteudo(a, 0, 35, naZona("America/Sao_Paulo")));
    QCOMPARE(l.size(), 37);
    for (int i = 1; i < l.size(); ++i) {
        const QByteArray instante = l[i].left(l[i].indexOf(';'));
        QVERIFY2(instante.endsWith(i <= 33 ? "-03:00" : "-02:00"), instante.constData());
    }
    QCOMPARE(l[33].left(l[33].indexOf(';')), QByteArray("2018-11-04T00:00:00-03:00"));
    QCOMPARE(l[34].left(l[34].indexOf(';')), QByteArray("2018-11-04T01:30:00-02:00"));
}

void TestExportacaoCsv::halfSecondEntriesCarryTheMark()
{
    TAquisicao a = doisCanais(5);
    a.defineIntervalo(0);
    a.Inicio = em(2026, 12, 7, 9, 59, 59);
    const auto l = linhas(ExportacaoCsv::conteudo(a, 0, 4, naZona("America/Sao_Paulo")));
    QCOMPARE(l.size(), 6);
    QCOMPARE(l[1], QByteArray("2026-12-07T09:59:59-03:00;20,3;-1,50\r"));
    QCOMPARE(l[2], QByteArray("2026-12-07T09:59:59.5-03:00;21,3;-1,38\r"));
    QCOMPARE(l[3], QByteArray("2026-12-07T10:00:00-03:00;22,3;-1,25\r"));
    QCOMPARE(l[4], QByteArray("2026-12-07T10:00:00.5-03:00;23,3;-1,13\r"));
    QCOMPARE(l[5], QByteArray("2026-12-07T10:00:01-03:00;24,3;-1,00\r"));
}

void TestExportacaoCsv::separatorsFollowRegionalSettingsOrOverrides_data()
{
    QTest::addColumn<QChar>("decimalRegional");
    QTest::addColumn<QChar>("separador");  // 0: the regional choice
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QByteArray>("linha");
    QTest::newRow("decimal comma") << QChar(u',') << QChar() << QChar()
                                   << QByteArray("2024-06-14T17:04:00-03:00;21,3;-1,38");
    QTest::newRow("decimal point") << QChar(u'.') << QChar() << QChar()
                                   << QByteArray("2024-06-14T17:04:00-03:00,21.3,-1.38");
    QTest::newRow("tab and point over the comma")
        << QChar(u',') << QChar(u'\t') << QChar(u'.') << QByteArray("2024-06-14T17:04:00-03:00\t21.3\t-1.38");
    QTest::newRow("comma for both: values quoted") << QChar(
        u'.') << QChar() << QChar(u',') << QByteArray("2024-06-14T17:04:00-03:00,\"21,3\",\"-1,38\"");
}

void TestExportacaoCsv::separatorsFollowRegionalSettingsOrOverrides()
{
    QFETCH(QChar, decimalRegional);
    QFETCH(QChar, separador);
    QFETCH(QChar, decimal);
    QFETCH(QByteArray, linha);
    ConfigRegional regional = ConfigRegional::portuguesBrasil();
    regional.separadorDecimal = decimalRegional;
    ExportacaoCsv::Opcoes o = ExportacaoCsv::opcoesRegionais(regional);
    o.zona = QTimeZone("America/Sao_Paulo");
    if (!separador.isNull())
        o.separador = separador;
    if (!decimal.isNull())
        o.decimal = decimal;
    const auto l = linhas(ExportacaoCsv::conteudo(doisCanais(), 1, 1, o));
    QCOMPARE(l.size(), 2);
    QCOMPARE(l[1].chopped(1), linha);
}

void TestExportacaoCsv::byteOrderMarkAndLineEnds()
{
    ExportacaoCsv::Opcoes o = naZona("UTC");
    o.bom = true;
    const QByteArray com = ExportacaoCsv::conteudo(doisCanais(), 0, 0, o);
    QVERIFY(com.startsWith("\xEF\xBB\xBFInstante;"));
    QCOMPARE(com.count("\r\n"), 2);
    QCOMPARE(com.count('\n'), 2);
    o.bom = false;
    QVERIFY(ExportacaoCsv::conteudo(doisCanais(), 0, 0, o).startsWith("Instante;"));
}

void TestExportacaoCsv::onlyTheAskedEntriesHeldToThoseThatExist()
{
    const TAquisicao a = doisCanais(10);
    const auto o = naZona("America/Sao_Paulo");
    auto l = linhas(ExportacaoCsv::conteudo(a, 4, 6, o));
    QCOMPARE(l.size(), 4);
    QVERIFY(l[1].startsWith("2024-06-14T17:07:00-03:00;24,3;"));
    QVERIFY(l[3].startsWith("2024-06-14T17:09:00-03:00;26,3;"));
    QCOMPARE(linhas(ExportacaoCsv::conteudo(a, -5, 50, o)).size(), 11);
    QCOMPARE(linhas(ExportacaoCsv::conteudo(a, 6, 5, o)).size(), 1);
}

void TestExportacaoCsv::failedWriteKeepsTheOldFile()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("saida.csv"));
    QVERIFY(ExportacaoCsv::grava(doisCanais(), caminho, 0, 2, naZona("UTC")));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(linhas(f.readAll()).size(), 4);
    QVERIFY(!ExportacaoCsv::grava(
        doisCanais(), pasta.filePath(QStringLiteral("nao-existe/saida.csv")), 0, 2, naZona("UTC")));
}

QUORVANE_TEST_GUILESS_MAIN(TestExportacaoCsv)
#include "tst_ExportacaoCsv.moc"
