#include "ConfiguracoesIni.h"
#include "RegistroTestes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <initializer_list>

#include <unistd.h>

class TestConfiguracoesIni : public QObject
{
    Q_OBJECT
private slots:
    void readsEveryKeyAsTheProfileFunctions_data();
    void readsEveryKeyAsTheProfileFunctions();
    void writingChangesOnlyItsOwnLine_data();
    void writingChangesOnlyItsOwnLine();
    void missingFileIsCreatedByTheFirstWrite();
    void writeThatDoesNotTakeSaysWhy_data();
    void writeThatDoesNotTakeSaysWhy();
    void defaultFileFollowsTheEnvironment();
};

namespace {

const QString kPadrao = QStringLiteral("<default>");

// Lines joined by the given line end, each one ended by it.
QByteArray linhas(std::initializer_list<const char *> lista, const char *fim = "\r\n")
{
    QByteArray texto;
    for (const char *linha : lista)
        texto += QByteArray(linha) + fim;
    return texto;
}

// A settings file as a user leaves it after editing it by hand.
QByteArray editadoAMao()
{
    return linhas({
        "; Quorvane, lab 2",
        "",
        "[Comunicacao]",
        "Porta = 3",
        "debug=FALSE ; trace off",
        "\tFORCA_COLETA =  TRUE  ",
        ";PORTA=4",
        "",
        "; serial devices",
        "[portas]",
        R"(COM1=\\.\COM10)",
        R"(com2 = C:\dev\x)",
        "COM3=/dev/ttyUSB0 ; the blue adapter",
        "Com4=simulador",
        "COM2=/dev/ttyS9",
        "",
    });
}

QByteArray leBytes(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escreveArquivo(const QString &caminho, const QByteArray &conteudo)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

// One row of each table.
void leitura(const char *nome, const QByteArray &conteudo, const char *secao, const char *chave,
    const QString &esperado)
{
    QTest::newRow(nome) << conteudo << QString::fromLatin1(secao) << QString::fromLatin1(chave) << esperado;
}

void escrita(const char *nome, const QByteArray &antes, const char *secao, const char *chave,
    const QString &valor, const QByteArray &depois)
{
    QTest::newRow(nome) << antes << QString::fromLatin1(secao) << QString::fromLatin1(chave) << valor
                        << depois;
}

}  // namespace

void TestConfiguracoesIni::readsEveryKeyAsTheProfileFunctions_data()
{
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<QString>("secao");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("esperado");
    const QByteArray mao = editadoAMao();
    leitura("names in another case, blanks around =", mao, "COMUNICACAO", "PORTA", "3");
    leitura("; inside a value is text", mao, "COMUNICACAO", "DEBUG", "FALSE ; trace off");
    leitura("blanks and tab trimmed", mao, "COMUNICACAO", "FORCA_COLETA", "TRUE");
    leitura("Windows device name", mao, "PORTAS", "COM1", R"(\\.\COM10)");
    leitura("backslashes are plain, first duplicate wins", mao, "PORTAS", "COM2", R"(C:\dev\x)");
    leitura("path with a comment after it", mao, "PORTAS", "COM3", "/dev/ttyUSB0 ; the blue adapter");
    leitura("last key", mao, "portas", "com4", "simulador");
    leitura("key of another section", mao, "PORTAS", "PORTA", kPadrao);
    leitura("missing section", mao, "OUTRA", "PORTA", kPadrao);
    leitura("commented-out key", linhas({ "[A]", ";K=1" }), "A", "K", kPadrao);

    leitura("value with =", linhas({ "[A]", "K=a=b" }, "\n"), "A", "K", "a=b");
    leitura("empty value", linhas({ "[A]", "K=  " }), "A", "K", "");
    leitura("enclosing quotes removed", linhas({ "[A]", R"(K=" x ")" }), "A", "K", " x ");
    leitura("two quotes are an empty value", linhas({ "[A]", R"(K="")" }), "A", "K", "");
    leitura("unmatched quotes kept", linhas({ "[A]", R"(K="x')" }), "A", "K", R"("x')");
    leitura("lone quote kept", linhas({ "[A]", R"(K=")" }), "A", "K", R"(")");
    leitura("no final line end", "[A]\r\nK=7", "A", "K", "7");
    leitura("key before any section", linhas({ "K=1", "[A]", "X=2" }), "A", "K", kPadrao);
    leitura(
        "second section of the same name ignored", linhas({ "[A]", "X=1", "[a]", "K=2" }), "A", "K", kPadrao);
    leitura("section name with blanks and a comment", linhas({ " [ A ] ; first", "K=1" }), "A", "K", "1");
    leitura("line without = is no key", linhas({ "[A]", "K", "K=2" }), "A", "K", "2");
    leitura("byte-order mark before the first section", "\xEF\xBB\xBF[A]\r\nK=1\r\n", "A", "K", "1");
    leitura("Windows-1252 value", linhas({ "[A]", "K=Medi\xE7\xE3o" }), "A", "K", "Medição");
    leitura("UTF-8 value", linhas({ "[A]", "K=Medição" }), "A", "K", "Medição");
}

void TestConfiguracoesIni::readsEveryKeyAsTheProfileFunctions()
{
    QFETCH(QByteArray, conteudo);
    QFETCH(QString, secao);
    QFETCH(QString, chave);
    QFETCH(QString, esperado);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("QUORVANE.INI"));
    escreveArquivo(caminho, conteudo);
    QCOMPARE(ConfiguracoesIni(caminho).le(secao, chave, kPadrao), esperado);
    QCOMPARE(leBytes(caminho), conteudo);  // reading changes nothing
}

void TestConfiguracoesIni::writingChangesOnlyItsOwnLine_data()
{
    QTest::addColumn<QByteArray>("antes");
    QTest::addColumn<QString>("secao");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QByteArray>("depois");
    const QByteArray mao = editadoAMao();
    QByteArray gravado = mao;
    gravado.replace("Porta = 3\r\n", "Porta = 1\r\n");
    escrita("hand-edited file", mao, "COMUNICACAO", "PORTA", "1", gravado);
    escrita("value with = and ;", linhas({ "[A]", "K=a=b ; c", "L=1" }, "\n"), "A", "K", "2",
        linhas({ "[A]", "K=2", "L=1" }, "\n"));
    escrita("first of duplicate keys", linhas({ "[A]", "K=1", "k=2" }), "a", "k", "9",
        linhas({ "[A]", "K=9", "k=2" }));
    escrita("byte-order mark and Windows-1252 comment kept", "\xEF\xBB\xBF; Medi\xE7\xE3o\r\n[A]\r\nK=1\r\n",
        "A", "K", "2", "\xEF\xBB\xBF; Medi\xE7\xE3o\r\n[A]\r\nK=2\r\n");

    escrita("new key after the last key, not after the blank lines",
        linhas({ "[COMUNICACAO]", "PORTA=1", ";DEBUG=TRUE", "", "", "[PORTAS]", "COM1=simulador" }),
        "COMUNICACAO", "DEBUG", "FALSE",
        linhas({ "[COMUNICACAO]", "PORTA=1", "DEBUG=FALSE", ";DEBUG=TRUE", "", "", "[PORTAS]",
            "COM1=simulador" }));
    escrita("new key in a section without keys", linhas({ "[A]", "", "[B]" }, "\n"), "A", "K", "v",
        linhas({ "[A]", "K=v", "", "[B]" }, "\n"));
    escrita("new key at the end of a file without final line end", "[A]\r\nX=1", "A", "K", "v",
        "[A]\r\nX=1\r\nK=v");
    escrita("key before any section is not the section's", linhas({ "K=1", "[A]", "X=2" }, "\n"), "A", "K",
        "9", linhas({ "K=1", "[A]", "X=2", "K=9" }, "\n"));

    escrita("new section after a file without final line end", "[A]\nX=1", "B", "K", "v",
        "[A]\nX=1\n\n[B]\nK=v\n");
    escrita("new section after a blank line", linhas({ "[A]", "X=1", "" }), "B", "K", "v",
        linhas({ "[A]", "X=1", "", "[B]", "K=v" }));
    escrita("new section in an empty file", "", "B", "K", "v", linhas({ "[B]", "K=v" }, "\n"));
    escrita("line break in the value refused", linhas({ "[A]", "K=1" }), "A", "K", "2\r\n[B]",
        linhas({ "[A]", "K=1" }));
}

void TestConfiguracoesIni::writingChangesOnlyItsOwnLine()
{
    QFETCH(QByteArray, antes);
    QFETCH(QString, secao);
    QFETCH(QString, chave);
    QFETCH(QString, valor);
    QFETCH(QByteArray, depois);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("QUORVANE.INI"));
    escreveArquivo(caminho, antes);
    ConfiguracoesIni(caminho).grava(secao, chave, valor);
    QCOMPARE(leBytes(caminho), depois);
}

void TestConfiguracoesIni::missingFileIsCreatedByTheFirstWrite()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("sub/QUORVANE.INI"));
    ConfiguracoesIni ini(caminho);
    QCOMPARE(ini.le(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("0")),
        QStringLiteral("0"));
    QVERIFY(!QFile::exists(caminho));  // reading creates nothing
    ini.grava(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("4"));
    ini.grava(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("2"));
    QCOMPARE(leBytes(caminho), QByteArray("[COMUNICACAO]\nPORTA=2\n"));
    QCOMPARE(ConfiguracoesIni(caminho).le(QStringLiteral("comunicacao"), QStringLiteral("porta"), QString()),
        QStringLiteral("2"));
}

void TestConfiguracoesIni::writeThatDoesNotTakeSaysWhy_data()
{
    using F = GravacaoConfiguracao::Falha;
    QTest::addColumn<QString>("caso");
    QTest::addColumn<int>("falha");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("folder is a file") << "pasta" << int(F::Pasta) << "a pasta dele não pode ser criada.";
    QTest::newRow("file is a folder") << "arquivo" << int(F::Leitura) << "o arquivo não pode ser lido.";
    QTest::newRow("value of two lines") << "valor" << int(F::Valor) << "o valor não cabe em uma linha.";
    // Permissions bind everyone but the superuser.
    if (geteuid() != 0) {
        QTest::newRow("read-only file")
            << "somente leitura" << int(F::Permissao)
            << "não há permissão para gravá-lo (o arquivo ou a pasta é somente leitura).";
        QTest::newRow("read-only folder")
            << "pasta somente leitura" << int(F::Permissao)
            << "não há permissão para gravá-lo (o arquivo ou a pasta é somente leitura).";
    }
}

void TestConfiguracoesIni::writeThatDoesNotTakeSaysWhy()
{
    QFETCH(QString, caso);
    QFETCH(int, falha);
    QFETCH(QString, motivo);
    QTemporaryDir pasta;
    QString caminho = pasta.filePath(QStringLiteral("QUORVANE.INI"));
    const QByteArray antes = "[COMUNICACAO]\nPORTA=1\n";
    QString valor = QStringLiteral("2");
    if (caso == u"pasta") {
        escreveArquivo(pasta.filePath(QStringLiteral("Quorvane")), antes);
        caminho = pasta.filePath(QStringLiteral("Quorvane/QUORVANE.INI"));
    } else if (caso == u"arquivo") {
        QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("QUORVANE.INI")));
    } else {
        escreveArquivo(caminho, antes);
        if (caso == u"valor")
            valor = QStringLiteral("2\r\n[OUTRA]");
        else if (caso == u"somente leitura")
            QVERIFY(QFile::setPermissions(caminho, QFile::ReadOwner));
        else
            QVERIFY(QFile::setPermissions(pasta.path(), QFile::ReadOwner | QFile::ExeOwner));
    }
    const GravacaoConfiguracao g
        = ConfiguracoesIni(caminho).grava(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), valor);
    QFile::setPermissions(pasta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(int(g.falha), falha);
    QCOMPARE(g.mensagem(nullptr),
        QString::fromUtf8("As configurações não foram gravadas em %1: %2").arg(caminho, motivo));
    if (caso != u"arquivo")
        QCOMPARE(leBytes(caso == u"pasta" ? pasta.filePath(QStringLiteral("Quorvane")) : caminho), antes);
}

void TestConfiguracoesIni::defaultFileFollowsTheEnvironment()
{
    QTemporaryDir pasta;
    const QByteArray anteriorPasta = qgetenv("QUORVANE_CONFIG_DIR");
    const QByteArray anteriorXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("QUORVANE_CONFIG_DIR", pasta.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", pasta.filePath(QStringLiteral("xdg")).toLocal8Bit());
    QCOMPARE(ConfiguracoesIni::caminhoPadrao(), pasta.filePath(QStringLiteral("QUORVANE.INI")));
    qunsetenv("QUORVANE_CONFIG_DIR");
    QCOMPARE(ConfiguracoesIni::caminhoPadrao(), pasta.filePath(QStringLiteral("xdg/Quorvane/QUORVANE.INI")));
    qputenv("QUORVANE_CONFIG_DIR", anteriorPasta);
    qputenv("XDG_CONFIG_HOME", anteriorXdg);
}

QUORVANE_TEST_GUILESS_MAIN(TestConfiguracoesIni)
#include "tst_ConfiguracoesIni.moc"
