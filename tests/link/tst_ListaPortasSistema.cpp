#include "ListaPortasSistema.h"
#include "RegistroTestes.h"

#include <QFile>
#include <QTemporaryDir>

class TestListaPortasSistema : public QObject
{
    Q_OBJECT
private slots:
    void situationOfAPath_data();
    void situationOfAPath();
};

void TestListaPortasSistema::situationOfAPath_data()
{
    QTest::addColumn<bool>("porLink");  // asked through a link, as a by-id name
    QTest::addColumn<int>("modo");  // of the file; 0: no file
    QTest::addColumn<bool>("grupoPodeUsar");
    QTest::newRow("device the group may read and write") << false << 0660 << true;
    QTest::newRow("through a link, as a by-id name") << true << 0660 << true;
    QTest::newRow("only its owner may use it") << false << 0600 << false;
    QTest::newRow("the group may only read it") << false << 0640 << false;
    QTest::newRow("no such device") << false << 0 << false;
}

void TestListaPortasSistema::situationOfAPath()
{
#ifndef Q_OS_UNIX
    QSKIP("owners and groups of device files are Unix's");
#endif
    QFETCH(bool, porLink);
    QFETCH(int, modo);
    QFETCH(bool, grupoPodeUsar);
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString arquivo = pasta.filePath(QStringLiteral("ttyUSB0"));
    if (modo) {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
        if (modo & 040)
            p |= QFile::ReadGroup;
        if (modo & 020)
            p |= QFile::WriteGroup;
        QVERIFY(f.setPermissions(p));
    }
    const QString link = pasta.filePath(QStringLiteral("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"));
    QVERIFY(QFile::link(arquivo, link));

    const SituacaoDispositivo s = ListaPortasSistema(pasta.path()).situacao(porLink ? link : arquivo);

    QCOMPARE(s.existe, modo != 0);
    QCOMPARE(s.caminhoReal, modo ? QFileInfo(arquivo).canonicalFilePath() : QString());
    QCOMPARE(s.grupoPodeUsar, grupoPodeUsar);
    // The file is this user's, of this user's group: usable now, and the
    // group is the user's own (the primary one).
    QCOMPARE(s.permitido, modo != 0);
    QCOMPARE(s.grupoDoUsuario, modo != 0);
    QCOMPARE(s.grupo.isEmpty(), modo == 0);
    QCOMPARE(s.usuario.isEmpty(), modo == 0);
}

QUORVANE_TEST_GUILESS_MAIN(TestListaPortasSistema)
#include "tst_ListaPortasSistema.moc"
