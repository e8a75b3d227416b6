#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "DataHora.h"
#include "FormataDataHora.h"
#include "RegistroTestes.h"

#include <cmath>
#include <limits>

class TestDataHora : public QObject
{
    Q_OBJECT
private slots:
    void codifica_data();
    void codifica();
    void decodificaRoundsToTheMillisecond_data();
    void decodificaRoundsToTheMillisecond();
    void qtValuesRoundTrip();
    void formata_data();
    void formata();
    void regionalFormatsNamingThemselvesEnd();
    void converteData_data();
    void converteData();
    void converteHora_data();
    void converteHora();
};

void TestDataHora::codifica_data()
{
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<double>("valor");
    QTest::newRow("origin") << QDate(1899, 12, 30) << QTime(0, 0) << 0.0;
    QTest::newRow("1900 is not a leap year") << QDate(1900, 3, 1) << QTime(0, 0) << 61.0;
    QTest::newRow("year 2000") << QDate(2000, 1, 1) << QTime(0, 0) << 36526.0;
    QTest::newRow("noon") << QDate(2000, 1, 1) << QTime(12, 0) << 36526.5;
    QTest::newRow("six in the morning") << QDate(2000, 1, 1) << QTime(6, 0) << 36526.25;
    QTest::newRow("before the origin counts down") << QDate(1899, 12, 29) << QTime(6, 0) << -1.25;
}

void TestDataHora::codifica()
{
    QFETCH(QDate, data);
    QFETCH(QTime, hora);
    QFETCH(double, valor);
    const auto v = DataHora::codifica(data.year(), data.month(), data.day(), hora.hour(), hora.minute());
    QVERIFY(v);
    QCOMPARE(*v, valor);
    QCOMPARE(DataHora::deQDateTime(QDateTime(data, hora)), valor);
    QCOMPARE(DataHora::paraQDate(valor), data);
    QCOMPARE(DataHora::paraQTime(valor), hora);
    QCOMPARE(DataHora::parteData(valor) + DataHora::parteHora(valor) * (valor < 0 ? -1 : 1), valor);
}

void TestDataHora::decodificaRoundsToTheMillisecond_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QDateTime>("esperado");
    const double dezHoras = *DataHora::codifica(2000, 1, 1, 10, 0, 0);
    QTest::newRow("ten o'clock") << dezHoras << QDateTime(QDate(2000, 1, 1), QTime(10, 0));
    QTest::newRow("one second later")
        << dezHoras + 1.0 / 86400 << QDateTime(QDate(2000, 1, 1), QTime(10, 0, 1));
    QTest::newRow("just under midnight carries into the next day")
        << 36526.0 + (86400000.0 - 0.2) / 86400000.0 << QDateTime(QDate(2000, 1, 2), QTime(0, 0));
    QTest::newRow("milliseconds") << 36526.0 + 1234.0 / 86400000.0
                                  << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 1, 234));
    QTest::newRow("not a number is the origin")
        << std::numeric_limits<double>::quiet_NaN() << QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    QTest::newRow("huge values stop at year 9999")
        << 1e300 << QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999));
    QTest::newRow("huge negative values stop at year 1") << -1e300 << QDateTime(QDate(1, 1, 1), QTime(0, 0));
}

void TestDataHora::decodificaRoundsToTheMillisecond()
{
    QFETCH(double, valor);
    QFETCH(QDateTime, esperado);
    QCOMPARE(DataHora::paraQDateTime(valor), esperado);
    const CamposDataHora c = DataHora::decodifica(valor);
    QCOMPARE(c.diaDaSemana, esperado.date().dayOfWeek() % 7 + 1);
}

void TestDataHora::qtValuesRoundTrip()
{
    const QDateTime instante(QDate(2026, 12, 7), QTime(23, 59, 59, 999));
    QCOMPARE(DataHora::paraQDateTime(DataHora::deQDateTime(instante)), instante);
    QCOMPARE(DataHora::deQDateTime(QDateTime()), 0.0);
    QVERIFY(!DataHora::codificaData(2000, 2, 30));
    QVERIFY(!DataHora::codificaHora(24, 0, 0));
    QCOMPARE(DataHora::decodifica(*DataHora::codificaData(2000, 1, 1)).diaDaSemana, 7);  // a Saturday
}

void TestDataHora::formata_data()
{
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<bool>("outroRegional");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("date") << "dd/mm/yyyy" << false << "01/02/2000";
    QTest::newRow("time with n") << "hh:nn:ss" << false << "09:05:07";
    QTest::newRow("m right after h is the minute") << "hh:mm:ss" << false << "09:05:07";
    QTest::newRow("m after a day is the month") << "dd mm" << false << "01 02";
    QTest::newRow("single letters drop the zero") << "d/m h:n:s" << false << "1/2 9:5:7";
    QTest::newRow("short month") << "mmm" << false << "fev";
    QTest::newRow("long month") << "mmmm" << false << "fevereiro";
    QTest::newRow("long weekday") << "dddd" << false << QString::fromUtf8("terça-feira");
    QTest::newRow("short weekday") << "ddd" << false << "ter";
    QTest::newRow("two-digit year") << "yy" << false << "00";
    QTest::newRow("milliseconds") << "ss.zzz" << false << "07.030";
    QTest::newRow("long time of the settings") << "tt" << true << "09.05.07";
    QTest::newRow("quoted literal") << "dddd, d \"de\" mmmm" << false
                                    << QString::fromUtf8("terça-feira, 1 de fevereiro");
    QTest::newRow("single quotes too") << "d 'de' mmm" << false << "1 de fev";
    QTest::newRow("separators are the regional ones") << "dd/mm/yyyy hh:nn" << true << "01-02-2000 09.05";
    QTest::newRow("quoted separators stay") << "dd\"/\"mm" << true << "01/02";
    QTest::newRow("other characters are copied") << "[hh]!" << false << "[09]!";
    QTest::newRow("short date and long time") << "c" << false << "01/02/2000 09:05:07";
}

void TestDataHora::formata()
{
    QFETCH(QString, padrao);
    QFETCH(bool, outroRegional);
    QFETCH(QString, esperado);
    ConfigRegional r = ConfigRegional::portuguesBrasil();
    if (outroRegional) {
        r.separadorData = u'-';
        r.separadorHora = u'.';
        r.formatoHoraLonga = QStringLiteral("hh:nn:ss");
    }
    const double valor = *DataHora::codifica(2000, 2, 1, 9, 5, 7, 30);
    QCOMPARE(FormataDataHora(padrao, valor, r), esperado);
}

void TestDataHora::regionalFormatsNamingThemselvesEnd()
{
    ConfigRegional r = ConfigRegional::portuguesBrasil();
    r.formatoHoraLonga = QStringLiteral("tt hh");
    r.formatoDataCurta = QStringLiteral("c");
    const double valor = *DataHora::codifica(2000, 2, 1, 9, 5, 7);
    QVERIFY(FormataDataHora(u"tt", valor, r).endsWith(QStringLiteral(" 09")));
    QVERIFY(FormataDataHora(u"c", valor, r).contains(QStringLiteral("09")));
}

void TestDataHora::converteData_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QDate>("data");
    QTest::newRow("a date") << "07/12/2026" << QDate(2026, 12, 7);
    QTest::newRow("leap day") << "29/02/2000" << QDate(2000, 2, 29);
    QTest::newRow("no leap day in 1900") << "29/02/1900" << QDate();
    QTest::newRow("no 31st of February") << "31/02/2000" << QDate();
    QTest::newRow("month 13") << "01/13/2000" << QDate();
    QTest::newRow("day 0") << "00/01/2000" << QDate();
    QTest::newRow("leading blank") << " 1/01/2000" << QDate(2000, 1, 1);
    QTest::newRow("regional separator") << "01-01-2000" << QDate(2000, 1, 1);
    QTest::newRow("two-digit year") << "01/01/26" << QDate(2026, 1, 1);
    QTest::newRow("empty mask") << "  /  /    " << QDate();
    QTest::newRow("letters") << "0a/01/2000" << QDate();
    QTest::newRow("only two numbers") << "01/01" << QDate();
}

void TestDataHora::converteData()
{
    QFETCH(QString, texto);
    QFETCH(QDate, data);
    ConfigRegional r = ConfigRegional::portuguesBrasil();
    r.separadorData = u'-';
    const auto v = ConverteData(texto, r);
    QCOMPARE(v.has_value(), data.isValid());
    if (v)
        QCOMPARE(DataHora::paraQDate(*v), data);
}

void TestDataHora::converteHora_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QTime>("hora");
    QTest::newRow("last second of the day") << "23:59:59" << QTime(23, 59, 59);
    QTest::newRow("hour 24") << "24:00:00" << QTime();
    QTest::newRow("minute 60") << "00:60:00" << QTime();
    QTest::newRow("second 60") << "00:00:60" << QTime();
    QTest::newRow("hours and minutes") << "10:30" << QTime(10, 30);
    QTest::newRow("hours alone") << "10" << QTime();
    QTest::newRow("empty mask") << "  :  :  " << QTime();
}

void TestDataHora::converteHora()
{
    QFETCH(QString, texto);
    QFETCH(QTime, hora);
    const auto v = ConverteHora(texto, ConfigRegional::portuguesBrasil());
    QCOMPARE(v.has_value(), hora.isValid());
    if (v)
        QCOMPARE(DataHora::paraQTime(*v), hora);
}

QUORVANE_TEST_GUILESS_MAIN(TestDataHora)
#include "tst_DataHora.moc"
