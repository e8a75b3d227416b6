// The alarm limits kept per logger and channel in the settings file.
#include "ConfiguracoesIni.h"
#include "Fakes.h"
#include "LimitesAlarme.h"
#include "RegistroTestes.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

constexpr qint32 SerieA = 0x0001000A;  // shown as 00010010
constexpr qint32 SerieB = 0x0002000A;  // the same low half
constexpr qint32 SerieC = 65548345;  // halves 1000 and 12345
constexpr qint32 SerieD = 655427881;  // halves 10001 and 2345
constexpr double Sem = std::numeric_limits<double>::quiet_NaN();

std::optional<double> limite(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

}  // namespace

class tst_LimitesAlarme : public QObject
{
    Q_OBJECT
private slots:
    void cadaLoggerECanalGuardaOsSeus_data();
    void cadaLoggerECanalGuardaOsSeus();
    void valoresEscritosAMao_data();
    void valoresEscritosAMao();
    void soAsChavesMudadasMudamNoArquivo();
};

void tst_LimitesAlarme::cadaLoggerECanalGuardaOsSeus_data()
{
    QTest::addColumn<qint32>("serie");
    QTest::addColumn<int>("canal");
    QTest::addColumn<double>("alto");
    QTest::addColumn<double>("baixo");

    QTest::newRow("the first logger's channel 1") << SerieA << 1 << 8.0 << 2.0;
    QTest::newRow("its channel 2 keeps its own upper limit only") << SerieA << 2 << 75.5 << Sem;
    QTest::newRow("the second logger, the same low half of the number") << SerieB << 1 << -18.0 << -25.25;
    QTest::newRow("the second logger's channel 2 has none") << SerieB << 2 << Sem << Sem;
    QTest::newRow("a logger never set") << qint32(12345) << 1 << Sem << Sem;
    // Written "%.4d%.4d" both would be 100012345.
    QTest::newRow("two numbers the halves' digits confuse, the first") << SerieC << 1 << 30.0 << Sem;
    QTest::newRow("two numbers the halves' digits confuse, the second") << SerieD << 1 << 40.0 << Sem;
    QTest::newRow("a recording without a serial number keeps none") << qint32(0) << 1 << Sem << Sem;
}

void tst_LimitesAlarme::cadaLoggerECanalGuardaOsSeus()
{
    QFETCH(qint32, serie);
    QFETCH(int, canal);
    QFETCH(double, alto);
    QFETCH(double, baixo);

    ConfiguracoesMemoria config;
    LimitesAlarme limites(&config);
    limites.grava(SerieA, 1, { 8.0, 2.0 });
    limites.grava(SerieA, 2, { 75.5, std::nullopt });
    limites.grava(SerieB, 1, { -18.0, -25.25 });
    limites.grava(SerieB, 2, { 1.0, 0.0 });
    limites.grava(SerieB, 2, {});  // turned off again
    limites.grava(SerieC, 1, { 30.0, std::nullopt });
    limites.grava(SerieD, 1, { 40.0, std::nullopt });
    limites.grava(0, 1, { 50.0, std::nullopt });
    const LimitesCanal esperado { limite(alto), limite(baixo) };
    QCOMPARE(limites.le(serie, canal), esperado);
    // Another reader of the same settings sees the same.
    QCOMPARE(LimitesAlarme(&config).le(serie, canal), esperado);
}

void tst_LimitesAlarme::valoresEscritosAMao_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<double>("limite");
    QTest::addColumn<qint32>("serie");
    QTest::addColumn<QString>("chave");  // section and key

    const QString anterior = QStringLiteral("LIMITES/00010010_2_BAIXO");
    QTest::newRow("decimal point") << "30.5" << 30.5 << SerieA << anterior;
    QTest::newRow("decimal comma") << "-0,25" << -0.25 << SerieA << anterior;
    QTest::newRow("blanks around") << " 12 " << 12.0 << SerieA << anterior;
    QTest::newRow("empty: off") << "" << Sem << SerieA << anterior;
    QTest::newRow("not a number: off") << "trinta" << Sem << SerieA << anterior;
    QTest::newRow("two separators: off") << "1.000,5" << Sem << SerieA << anterior;
    QTest::newRow("inf: off") << "inf" << Sem << SerieA << anterior;
    QTest::newRow("nan: off") << "nan" << Sem << SerieA << anterior;
    QTest::newRow("an exponent: off") << "1e2" << Sem << SerieA << anterior;
    QTest::newRow("the key of today's form") << "7.5" << 7.5 << SerieA << "LIMITES_SERIE/65546_2_BAIXO";
    QTest::newRow("an earlier key that names two loggers is not read")
        << "7.5" << Sem << SerieD << "LIMITES/100012345_2_BAIXO";
}

void tst_LimitesAlarme::valoresEscritosAMao()
{
    QFETCH(QString, valor);
    QFETCH(double, limite);
    QFETCH(qint32, serie);
    QFETCH(QString, chave);

    ConfiguracoesMemoria config;
    config.valores.insert(chave, valor);
    const LimitesCanal l = LimitesAlarme(&config).le(serie, 2);
    QCOMPARE(l.baixo, ::limite(limite));
    QCOMPARE(l.alto, std::nullopt);
}

void tst_LimitesAlarme::soAsChavesMudadasMudamNoArquivo()
{
    // Whatever the regional settings, the file holds '.'.
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const auto restaura = qScopeGuard([&] { QLocale::setDefault(antes); });

    QTemporaryDir pasta;
    ConfiguracoesIni ini(pasta.filePath(QStringLiteral("QUORVANE.INI")));
    const QByteArray original = "; feito à mão\r\n[COMUNICACAO]\r\nPORTA=2\r\n\r\n[LIMITES]\r\n"
                                "00010010_1_ALTO = 30,5\r\n00010010_1_BAIXO=\r\n\r\n[OUTRA]\r\nX=1\r\n";
    const auto conteudo = [&] {
        QFile f(ini.caminho());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    {
        QFile f(ini.caminho());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(original);
    }
    LimitesAlarme limites(&ini);
    QCOMPARE(limites.le(SerieA, 1), (LimitesCanal { 30.5, std::nullopt }));

    // The same limits again: nothing is written, the comma stays.
    limites.grava(SerieA, 1, { 30.5, std::nullopt });
    QCOMPARE(conteudo(), original);

    // A change goes to today's key; the earlier one stays for the rest.
    limites.grava(SerieA, 1, { 30.5, -2.25 });
    limites.grava(SerieB, 2, { 1e-3, std::nullopt });
    QCOMPARE(conteudo(),
        QByteArray("; feito à mão\r\n[COMUNICACAO]\r\nPORTA=2\r\n\r\n[LIMITES]\r\n"
                   "00010010_1_ALTO = 30,5\r\n00010010_1_BAIXO=\r\n\r\n[OUTRA]\r\nX=1\r\n\r\n"
                   "[LIMITES_SERIE]\r\n65546_1_BAIXO=-2.25\r\n131082_2_ALTO=0.001\r\n"));
    QCOMPARE(LimitesAlarme(&ini).le(SerieA, 1), (LimitesCanal { 30.5, -2.25 }));
    QCOMPARE(LimitesAlarme(&ini).le(SerieB, 2), (LimitesCanal { 0.001, std::nullopt }));
}

QUORVANE_TEST_GUILESS_MAIN(tst_LimitesAlarme)
#include "tst_LimitesAlarme.moc"
