#include "ArquivosRecentes.h"
#include "ConfiguracoesIni.h"
#include "RegistroTestes.h"

#include <QFile>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(ArquivosRecentes::Tipo)

class TestArquivosRecentes : public QObject
{
    Q_OBJECT
private slots:
    void registeringKeepsTheLastEightNewestFirst_data();
    void registeringKeepsTheLastEightNewestFirst();
    void everyPathSurvivesTheSettingsFile_data();
    void everyPathSurvivesTheSettingsFile();
    void handWrittenListIsReadWithoutBlanksOrRepeats();
    void removingAFileLeavesNoStaleKeyBehind();
    void captionsNameTheFileOrTheWholePathWhenNamesClash_data();
    void captionsNameTheFileOrTheWholePathWhenNamesClash();
    void fileKindFollowsTheExtension_data();
    void fileKindFollowsTheExtension();
};

namespace {

struct Bancada
{
    QTemporaryDir pasta;
    ConfiguracoesIni ini { pasta.filePath(QStringLiteral("QUORVANE.INI")) };
    ArquivosRecentes recentes { &ini };

    void escreve(const QByteArray &conteudo)
    {
        QFile f(ini.caminho());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
    }
    QByteArray conteudo() const
    {
        QFile f(ini.caminho());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QStringList numerados(std::initializer_list<int> numeros)
{
    QStringList l;
    for (int n : numeros)
        l.append(QStringLiteral("/dados/g%1.qvg").arg(n));
    return l;
}

}  // namespace

void TestArquivosRecentes::registeringKeepsTheLastEightNewestFirst_data()
{
    QTest::addColumn<QStringList>("registrados");
    QTest::addColumn<QStringList>("lista");
    QTest::newRow("newest first") << numerados({ 1, 2, 3 }) << numerados({ 3, 2, 1 });
    QTest::newRow("a file opened again moves to the front, once")
        << numerados({ 1, 2, 3, 1 }) << numerados({ 1, 3, 2 });
    QTest::newRow("eight are kept") << numerados({ 1, 2, 3, 4, 5, 6, 7, 8 })
                                    << numerados({ 8, 7, 6, 5, 4, 3, 2, 1 });
    QTest::newRow("the ninth drops the oldest")
        << numerados({ 1, 2, 3, 4, 5, 6, 7, 8, 9 }) << numerados({ 9, 8, 7, 6, 5, 4, 3, 2 });
    QTest::newRow("the same file under another spelling is one entry") << QStringList { "/dados/g1.qvg",
        "/dados/sub/../g1.qvg", "/dados/./g2.qvj" } << QStringList { "/dados/g2.qvj", "/dados/g1.qvg" };
    QTest::newRow("a path with a line break is not kept")
        << QStringList { "/dados/g1.qvg", "/dados/a\nb.qvg", "" } << numerados({ 1 });
}

void TestArquivosRecentes::registeringKeepsTheLastEightNewestFirst()
{
    QFETCH(QStringList, registrados);
    QFETCH(QStringList, lista);
    Bancada b;
    for (const QString &c : std::as_const(registrados))
        b.recentes.registra(c);
    QCOMPARE(b.recentes.lista(), lista);
    // A new reader of the same file sees the same list.
    QCOMPARE(ArquivosRecentes(&b.ini).lista(), lista);
}

void TestArquivosRecentes::everyPathSurvivesTheSettingsFile_data()
{
    QTest::addColumn<QString>("caminho");
    QTest::newRow("plain") << QStringLiteral("/dados/ensaio.qvg");
    QTest::newRow("blanks at both ends of the name") << QStringLiteral("/dados/ forno 2 .qvg");
    QTest::newRow("semicolon, equals sign and backslash") << QStringLiteral("/dados/a;b=c\\d.qvg");
    QTest::newRow("quotes") << QStringLiteral("/dados/\"forno\".qvj");
    QTest::newRow("accents") << QStringLiteral("/dados/pressão câmara.qvg");
}

void TestArquivosRecentes::everyPathSurvivesTheSettingsFile()
{
    QFETCH(QString, caminho);
    Bancada b;
    b.escreve("[COMUNICACAO]\r\nPORTA=2\r\n");
    b.recentes.registra(caminho);
    QCOMPARE(b.recentes.lista(), QStringList { caminho });
    QVERIFY(b.conteudo().startsWith("[COMUNICACAO]\r\nPORTA=2\r\n\r\n[ARQUIVOS_RECENTES]\r\nARQUIVO1="));
}

void TestArquivosRecentes::handWrittenListIsReadWithoutBlanksOrRepeats()
{
    Bancada b;
    b.escreve("[arquivos_recentes]\nARQUIVO1=/dados/a.qvg\nARQUIVO2=\nARQUIVO3=\"/dados/a.qvg\"\n"
              "ARQUIVO4= /dados/b.qvj \nARQUIVO9=/dados/c.qvg\n");
    QCOMPARE(b.recentes.lista(), (QStringList { "/dados/a.qvg", "/dados/b.qvj" }));
}

void TestArquivosRecentes::removingAFileLeavesNoStaleKeyBehind()
{
    Bancada b;
    for (const QString &c : numerados({ 1, 2, 3 }))
        b.recentes.registra(c);
    b.recentes.remove(QStringLiteral("/dados/g3.qvg"));
    QCOMPARE(b.recentes.lista(), numerados({ 2, 1 }));
    b.recentes.remove(QStringLiteral("/dados/g1.qvg"));
    QCOMPARE(b.recentes.lista(), numerados({ 2 }));
    b.recentes.remove(QStringLiteral("/dados/inexistente.qvg"));
    QCOMPARE(b.recentes.lista(), numerados({ 2 }));
    QVERIFY(!b.conteudo().contains("g1.qvg"));
    QVERIFY(!b.conteudo().contains("g3.qvg"));
}

void TestArquivosRecentes::captionsNameTheFileOrTheWholePathWhenNamesClash_data()
{
    QTest::addColumn<QStringList>("caminhos");
    QTest::addColumn<QStringList>("legendas");
    QTest::newRow("file names, numbered from 1") << QStringList { "/dados/forno.qvg", "/dados/juncao.qvj" }
                                                 << QStringList { "&1 forno.qvg", "&2 juncao.qvj" };
    QTest::newRow("two files of the same name show their paths")
        << QStringList { "/lab1/forno.qvg", "/dados/camara.qvg", "/lab2/forno.qvg" }
        << QStringList { "&1 /lab1/forno.qvg", "&2 camara.qvg", "&3 /lab2/forno.qvg" };
    QTest::newRow("an ampersand is shown, not taken as a mnemonic")
        << QStringList { "/dados/P&D.qvg" } << QStringList { "&1 P&&D.qvg" };
    QTest::newRow("eighth") << numerados({ 1, 2, 3, 4, 5, 6, 7, 8 }).mid(7) << QStringList { "&1 g8.qvg" };
}

void TestArquivosRecentes::captionsNameTheFileOrTheWholePathWhenNamesClash()
{
    QFETCH(QStringList, caminhos);
    QFETCH(QStringList, legendas);
    QCOMPARE(ArquivosRecentes::legendas(caminhos), legendas);
}

void TestArquivosRecentes::fileKindFollowsTheExtension_data()
{
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<ArquivosRecentes::Tipo>("tipo");
    using T = ArquivosRecentes::Tipo;
    QTest::newRow("qvg") << QStringLiteral("/dados/a.qvg") << T::Grafico;
    QTest::newRow("QVG in capitals") << QStringLiteral("/dados/A.QVG") << T::Grafico;
    QTest::newRow("qvj") << QStringLiteral("/dados/b.Qvj") << T::Juncao;
    QTest::newRow("text export") << QStringLiteral("/dados/a.txt") << T::Nenhum;
    QTest::newRow("a backup of a recording") << QStringLiteral("/dados/a.qvg.bak") << T::Nenhum;
    QTest::newRow("no extension, named like one") << QStringLiteral("/dados/qvg") << T::Nenhum;
}

void TestArquivosRecentes::fileKindFollowsTheExtension()
{
    QFETCH(QString, caminho);
    QFETCH(ArquivosRecentes::Tipo, tipo);
    QCOMPARE(ArquivosRecentes::tipo(caminho), tipo);
}

QUORVANE_TEST_GUILESS_MAIN(TestArquivosRecentes)
#include "tst_ArquivosRecentes.moc"
