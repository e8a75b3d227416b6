#include "BibliotecaIdioma.h"
#include "RegistroTestes.h"
#include "TraducoesQt.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>

class TestTraducoesQt : public QObject
{
    Q_OBJECT
private slots:
    void fileFollowsTheLanguage_data();
    void fileFollowsTheLanguage();
    void languageFollowsTheLibrary_data();
    void languageFollowsTheLibrary();
    void messageBoxButtonsSpeakTheLanguage_data();
    void messageBoxButtonsSpeakTheLanguage();
};

namespace {
QString pasta(const char *nome)
{
    return QDir(QStringLiteral(PASTA_BIBLIOTECAS_TESTE)).filePath(QString::fromLatin1(nome));
}
}  // namespace

void TestTraducoesQt::fileFollowsTheLanguage_data()
{
    QTest::addColumn<QStringList>("arquivos");
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QString>("esperado");
    const QString ptBr = QStringLiteral("qtbase_pt_BR.qm");
    const QString pt = QStringLiteral("qtbase_pt.qm");
    const QString en = QStringLiteral("qtbase_en.qm");
    QTest::newRow("Brazilian Portuguese first") << QStringList { pt, ptBr } << "pt_BR" << ptBr;
    QTest::newRow("then Portuguese") << QStringList { pt, QStringLiteral("qtbase_pt_PT.qm") } << "pt_BR"
                                     << pt;
    QTest::newRow("neither another region nor another module")
        << QStringList { QStringLiteral("qtbase_pt_PT.qm"), QStringLiteral("qt_pt_BR.qm") } << "pt_BR"
        << "";
    QTest::newRow("English") << QStringList { ptBr, en } << "en" << en;
    QTest::newRow("English never falls to Portuguese") << QStringList { ptBr, pt } << "en"
                                                       << "";
    QTest::newRow("translations not installed") << QStringList {} << "pt_BR"
                                                << "";
}

void TestTraducoesQt::fileFollowsTheLanguage()
{
    QFETCH(QStringList, arquivos);
    QFETCH(QString, idioma);
    QFETCH(QString, esperado);
    QTemporaryDir traducoes;
    for (const QString &nome : arquivos) {
        QFile f(traducoes.filePath(nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString escolhido = TraducoesQt::arquivo(idioma, traducoes.path());
    QCOMPARE(escolhido, esperado.isEmpty() ? QString() : traducoes.filePath(esperado));
}

void TestTraducoesQt::languageFollowsTheLibrary_data()
{
    QTest::addColumn<QString>("pastaPrograma");
    QTest::addColumn<QString>("idioma");
    QTest::newRow("no library") << QString() << "pt_BR";
    QTest::newRow("library without GetStr") << pasta("idioma_sem_getstr") << "pt_BR";
    QTest::newRow("library naming Portuguese") << pasta("idioma_gravacao") << "pt_BR";
    QTest::newRow("library naming no language") << pasta("idioma_ack") << "en";
    QTest::newRow("English library") << QStringLiteral(PASTA_IDIOMA_INGLES) << "en";
}

void TestTraducoesQt::languageFollowsTheLibrary()
{
    QFETCH(QString, pastaPrograma);
    QFETCH(QString, idioma);
    QTemporaryDir vazia;
    QCOMPARE(BibliotecaIdioma::idioma(pastaPrograma.isEmpty() ? vazia.path() : pastaPrograma), idioma);
}

void TestTraducoesQt::messageBoxButtonsSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QStringList>("botoes");  // Yes, No, Cancel
    QTest::newRow("Portuguese") << "pt_BR"
                                << QStringList { QStringLiteral("&Sim"), QString::fromUtf8("&Não"),
                                       QStringLiteral("Cancelar") };
    QTest::newRow("English") << "en"
                             << QStringList { QStringLiteral("&Yes"), QStringLiteral("&No"),
                                    QStringLiteral("Cancel") };
}

void TestTraducoesQt::messageBoxButtonsSpeakTheLanguage()
{
    QFETCH(QString, idioma);
    QFETCH(QStringList, botoes);
    // Qt's English file, where there is one, holds no texts.
    if (idioma != u"en"
        && TraducoesQt::arquivo(idioma, QLibraryInfo::path(QLibraryInfo::TranslationsPath)).isEmpty())
        QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
    QTranslator tradutor;
    TraducoesQt::instala(tradutor, idioma);
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Quorvane"), QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const QStringList textos { caixa.button(QMessageBox::Yes)->text(), caixa.button(QMessageBox::No)->text(),
        caixa.button(QMessageBox::Cancel)->text() };
    QCoreApplication::removeTranslator(&tradutor);
    QCOMPARE(textos, botoes);
}

QUORVANE_TEST_MAIN(TestTraducoesQt)
#include "tst_TraducoesQt.moc"
