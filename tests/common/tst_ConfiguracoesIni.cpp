#include "ConfiguracoesIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestConfiguracoesIni : public QObject
{
    Q_OBJECT
private slots:
    void missingFileOrKeyGivesTheDefault();
    void writtenPortReadsAsPlainLines();
    void handEditedNamesMatchWithoutCase_data();
    void handEditedNamesMatchWithoutCase();
    void defaultFileFollowsTheEnvironment();
};

namespace {

QString leArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void escreveArquivo(const QString &caminho, const QByteArray &conteudo)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

}  // namespace

void TestConfiguracoesIni::missingFileOrKeyGivesTheDefault()
{
    QTemporaryDir pasta;
    ConfiguracoesIni ini(pasta.filePath(QStringLiteral("QUORVANE.INI")));
    QCOMPARE(ini.le(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("0")),
        QStringLiteral("0"));
    QVERIFY(!QFile::exists(ini.caminho()));  // reading creates nothing
    ini.grava(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("3"));
    QCOMPARE(ini.le(QStringLiteral("COMUNICACAO"), QStringLiteral("DEBUG"), QStringLiteral("TRUE")),
        QStringLiteral("TRUE"));
    QCOMPARE(
        ini.le(QStringLiteral("OUTRA"), QStringLiteral("PORTA"), QStringLiteral("0")), QStringLiteral("0"));
}

void TestConfiguracoesIni::writtenPortReadsAsPlainLines()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("sub/QUORVANE.INI"));
    ConfiguracoesIni ini(caminho);
    ini.grava(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("4"));
    ini.grava(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("2"));
    const QStringList linhas = leArquivo(caminho).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(linhas, (QStringList { QStringLiteral("[COMUNICACAO]"), QStringLiteral("PORTA=2") }));
    // A second object sees what the first wrote.
    QCOMPARE(ConfiguracoesIni(caminho).le(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QString()),
        QStringLiteral("2"));
}

void TestConfiguracoesIni::handEditedNamesMatchWithoutCase_data()
{
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<QString>("porta");
    QTest::newRow("as the program writes it") << QByteArray("[COMUNICACAO]\nPORTA=3\n") << "3";
    QTest::newRow("lower case") << QByteArray("[comunicacao]\nporta=3\n") << "3";
    QTest::newRow("CR LF lines") << QByteArray("[Comunicacao]\r\nPorta=3\r\nDEBUG=FALSE\r\n") << "3";
    QTest::newRow("value with a comma stays text") << QByteArray("[COMUNICACAO]\nPORTA=1,2\n") << "1,2";
}

void TestConfiguracoesIni::handEditedNamesMatchWithoutCase()
{
    QFETCH(QByteArray, conteudo);
    QFETCH(QString, porta);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("QUORVANE.INI"));
    escreveArquivo(caminho, conteudo);
    ConfiguracoesIni ini(caminho);
    QCOMPARE(ini.le(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("0")), porta);

    // Writing replaces the existing key instead of adding a second one.
    ini.grava(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("1"));
    QCOMPARE(ini.le(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("0")),
        QStringLiteral("1"));
    QCOMPARE(leArquivo(caminho).count(QStringLiteral("orta="), Qt::CaseInsensitive), 1);
}

void TestConfiguracoesIni::defaultFileFollowsTheEnvironment()
{
    QTemporaryDir pasta;
    const QByteArray anterior = qgetenv("QUORVANE_CONFIG_DIR");
    qputenv("QUORVANE_CONFIG_DIR", pasta.path().toLocal8Bit());
    QCOMPARE(ConfiguracoesIni::caminhoPadrao(), pasta.filePath(QStringLiteral("QUORVANE.INI")));
    qunsetenv("QUORVANE_CONFIG_DIR");
    QVERIFY(ConfiguracoesIni::caminhoPadrao().endsWith(QStringLiteral("/Quorvane/QUORVANE.INI")));
    qputenv("QUORVANE_CONFIG_DIR", anterior);
}

QTEST_GUILESS_MAIN(TestConfiguracoesIni)
#include "tst_ConfiguracoesIni.moc"
