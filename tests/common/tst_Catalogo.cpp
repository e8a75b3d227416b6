#include "Catalogo.h"
#include "RegistroTestes.h"

class TestCatalogo : public QObject
{
    Q_OBJECT
private slots:
    void defaultsKeepTheirBlanks_data();
    void defaultsKeepTheirBlanks();
    void everyNumberButTheUnusedHasADefault();
    void replacementCoversEveryVariantAndIsCut();
};

void TestCatalogo::defaultsKeepTheirBlanks_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("unidade");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("leading blank") << 67 << QString() << QString::fromUtf8(" Início de Aquisições");
    QTest::newRow("trailing blank") << 60 << QString() << QStringLiteral("Restam aproximadamente ");
    QTest::newRow("graph variant") << 65 << "FormGrafico" << QString::fromUtf8("Título: ");
    QTest::newRow("config variant") << 65 << "FrmConfig" << QString::fromUtf8("Título:");
    QTest::newRow("one of several windows")
        << 137 << "FrmBateria" << QString::fromUtf8("Falhou leitura dos parâmetros não-voláteis.");
    QTest::newRow("main window variant")
        << 137 << "FormPrinc" << QString::fromUtf8("Falhou leitura dos parâmetros de não-voláteis.");
    QTest::newRow("quote inside") << 226 << QString() << QString::fromUtf8("Deseja salvar o gráfico \"");
    QTest::newRow("date format") << 206 << QString() << QStringLiteral("dddd, d \"de\" mmmm");
    QTest::newRow("merged series") << 124 << QString() << QStringLiteral("Canal6");
    QTest::newRow("link") << 262 << QString() << QString::fromUtf8("Erro de timeout na reflexão!");
}

void TestCatalogo::defaultsKeepTheirBlanks()
{
    QFETCH(int, numero);
    QFETCH(QString, unidade);
    QFETCH(QString, esperado);
    QCOMPARE(Catalogo().texto(numero, unidade), esperado);
}

void TestCatalogo::everyNumberButTheUnusedHasADefault()
{
    for (int n = Catalogo::Primeiro; n <= Catalogo::Ultimo; ++n) {
        const bool usado = n != 22 && n != 228 && (n < 475 || n > 499);  // 475-499: kept for texts to come
        QCOMPARE(!Catalogo::padrao(n).isEmpty(), usado);
    }
}

void TestCatalogo::replacementCoversEveryVariantAndIsCut()
{
    Catalogo c;
    c.substitui(171, QString(300, u'x'));
    QCOMPARE(c.texto(171, u"FormDados").size(), 255);
    QCOMPARE(c.texto(171, u"FormDados"), c.texto(171, u"FormInform"));
    QCOMPARE(c.texto(171, u"FormGrafico"), c.texto(171, u"FormInform"));
    c.restauraPadroes();
    QCOMPARE(c.texto(171, u"FormInform"), QString::fromUtf8("Erro na gravação do arquivo de informações"));
}

QUORVANE_TEST_GUILESS_MAIN(TestCatalogo)
#include "tst_Catalogo.moc"
