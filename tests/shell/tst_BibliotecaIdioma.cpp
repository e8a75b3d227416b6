#include "AmbienteFalso.h"
#include "BibliotecaExterna.h"
#include "BibliotecaIdioma.h"
#include "Catalogo.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QDir>
#include <QTemporaryDir>

#include <dlfcn.h>

namespace {
// Whether the process has the library loaded, without loading it.
bool carregadaNoProcesso(const QString &caminho)
{
    void *h = dlopen(QFile::encodeName(caminho).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (h)
        dlclose(h);
    return h != nullptr;
}

QString pasta(const char *nome)
{
    return QDir(QStringLiteral(PASTA_BIBLIOTECAS_TESTE)).filePath(QString::fromLatin1(nome));
}
}  // namespace

class TestBibliotecaIdioma : public QObject
{
    Q_OBJECT
private slots:
    void withoutUsableLibraryEveryTextKeepsItsDefault_data();
    void withoutUsableLibraryEveryTextKeepsItsDefault();
    void libraryReplacesEveryVariantOfItsNumbers_data();
    void libraryReplacesEveryVariantOfItsNumbers();
    void englishLibraryCoversTheWholeCatalogue();
    void acknowledgementErrorOfTheLinkComesFromTheLibrary();
    void libraryIsReleasedAfterUse();
};

void TestBibliotecaIdioma::withoutUsableLibraryEveryTextKeepsItsDefault_data()
{
    QTest::addColumn<QString>("pastaPrograma");
    QTest::newRow("no library at all") << QString();
    QTest::newRow("library without GetStr") << pasta("idioma_sem_getstr");
}

void TestBibliotecaIdioma::withoutUsableLibraryEveryTextKeepsItsDefault()
{
    QFETCH(QString, pastaPrograma);
    QTemporaryDir vazia;
    Catalogo catalogo;
    QVERIFY(!BibliotecaIdioma::aplica(catalogo, pastaPrograma.isEmpty() ? vazia.path() : pastaPrograma));
    int quantos = 0;
    const Catalogo::Padrao *padroes = Catalogo::padroes(&quantos);
    for (int i = 0; i < quantos; ++i) {
        const QString unidade = QString::fromUtf16(padroes[i].unidade).section(u',', 0, 0);
        QCOMPARE(catalogo.texto(padroes[i].numero, unidade), QString::fromUtf16(padroes[i].texto));
        QVERIFY(!catalogo.substituido(padroes[i].numero));
    }
}

void TestBibliotecaIdioma::libraryReplacesEveryVariantOfItsNumbers_data()
{
    QTest::addColumn<QString>("biblioteca");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("unidade");
    QTest::addColumn<QString>("esperado");
    const QString gravar = QStringLiteral("Falha ao gravar");
    QTest::newRow("readings list save error") << "idioma_gravacao" << 171 << "FormDados" << gravar;
    QTest::newRow("general parameters save error") << "idioma_gravacao" << 171 << "FormInform" << gravar;
    QTest::newRow("graph save error") << "idioma_gravacao" << 171 << "FormGrafico" << gravar;
    QTest::newRow("merged graph save error") << "idioma_gravacao" << 171 << "FormJuncao" << gravar;
    QTest::newRow("long replacement cut to 255")
        << "idioma_gravacao" << 236 << QString()
        << QString::fromLatin1(QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(10).left(255));
    QTest::newRow("number not given keeps default")
        << "idioma_gravacao" << 170 << QString()
        << QString::fromUtf8("Valor inicial deve ser inferior ao valor final.");
    QTest::newRow("Windows-1252 text decoded")
        << "idioma_ack" << 265 << QString() << QString::fromUtf8("Sem confirmação do Tarvek!");
}

void TestBibliotecaIdioma::libraryReplacesEveryVariantOfItsNumbers()
{
    QFETCH(QString, biblioteca);
    QFETCH(int, numero);
    QFETCH(QString, unidade);
    QFETCH(QString, esperado);
    Catalogo catalogo;
    QVERIFY(BibliotecaIdioma::aplica(catalogo, pasta(biblioteca.toLatin1().constData())));
    QCOMPARE(catalogo.texto(numero, unidade), esperado);
}

void TestBibliotecaIdioma::englishLibraryCoversTheWholeCatalogue()
{
    Catalogo catalogo;
    QVERIFY(BibliotecaIdioma::aplica(catalogo, QStringLiteral(PASTA_IDIOMA_INGLES)));
    for (int n = Catalogo::Primeiro; n <= Catalogo::Ultimo; ++n) {
        const bool usado = n != 22 && n != 228 && (n < 475 || n > 499);  // 475-499: kept for texts to come
        QCOMPARE(catalogo.substituido(n), usado);
    }
    QCOMPARE(catalogo.texto(1), QStringLiteral("&File"));
    QCOMPARE(catalogo.texto(55, u"FormSplash"), catalogo.texto(55, u"AboutBox"));
    // Leading and trailing blanks follow the Portuguese texts.
    QVERIFY(catalogo.texto(67).startsWith(u' '));
    QVERIFY(catalogo.texto(60).endsWith(u' '));
}

void TestBibliotecaIdioma::acknowledgementErrorOfTheLinkComesFromTheLibrary()
{
    AmbienteFalso f;
    QVERIFY(BibliotecaIdioma::aplica(f.catalogo, pasta("idioma_ack")));
    TarvekSimulado tarvek;
    FalhaSimulada falha;
    falha.tipo = FalhaSimulada::Tipo::AckErrado;
    falha.alvo = TarvekSimulado::CmdFimAquisicoes;
    tarvek.injetaFalha(falha);
    TMSCommSimulado porta(tarvek, f.relogio);
    TDatalogger link(f.ambiente);
    QVERIFY(link.AbreComunicacao(1, &porta, &f.status));
    QVERIFY(!link.FimAquisicoes());
    QCOMPARE(f.status.texto, QString::fromUtf8("Sem confirmação do Tarvek!"));
    QCOMPARE(f.status.cor, ILinhaStatus::Cor::Vermelho);
}

void TestBibliotecaIdioma::libraryIsReleasedAfterUse()
{
    const QString caminho = QDir(pasta("idioma_ack")).filePath(QStringLiteral("liblanguage.so"));
    {
        BibliotecaExterna biblioteca(QString::fromLatin1(NomeBibliotecaIdioma), pasta("idioma_ack"));
        QVERIFY(biblioteca.carregada());
        QVERIFY(biblioteca.funcao("GetStr"));
        QVERIFY(carregadaNoProcesso(caminho));
    }
    QVERIFY(!carregadaNoProcesso(caminho));
}

QUORVANE_TEST_MAIN(TestBibliotecaIdioma)
#include "tst_BibliotecaIdioma.moc"
