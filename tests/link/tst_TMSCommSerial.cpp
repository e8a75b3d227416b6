#include "PseudoTerminal.h"
#include "RegistroTestes.h"
#include "TMSCommSerial.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

QByteArray todosOsBytes()
{
    QByteArray b(256, '\0');
    for (int i = 0; i < 256; ++i)
        b[i] = char(i);
    return b;
}

// Polls the count (no event loop runs) until it reaches n or a second
// passed.
int esperaContagem(TMSComm &porta, int n)
{
    QDeadlineTimer prazo(1000);
    int c = porta.InBufferCount();
    while (c < n && !prazo.hasExpired()) {
        QThread::msleep(1);
        c = porta.InBufferCount();
    }
    return c;
}

void configura(TMSComm &porta, const QString &settings)
{
    porta.setCommPort(2);
    porta.setSettings(settings);
    porta.setInputMode(TMSComm::ModoEntrada::Binario);
    porta.setInBufferSize(4096);
    porta.setInputLen(0);
}

}  // namespace

class TestTMSCommSerial : public QObject
{
    Q_OBJECT
private slots:
    void pseudoTerminalCarriesRawBytesBothWays();
    void discardDropsWaitingBytes();
    void openingFailsWithAReason_data();
    void openingFailsWithAReason();
};

void TestTMSCommSerial::pseudoTerminalCarriesRawBytesBothWays()
{
    PseudoTerminal pty;
    if (!pty.valido())
        QSKIP(qPrintable("no pseudo-terminal: " + pty.erro()));
    TMSCommSerial porta(pty.escravo());
    configura(porta, "19200,e,8,1");

    QVERIFY2(porta.setPortOpen(true), qPrintable(porta.erro()));
    QVERIFY(porta.PortOpen());
    QCOMPARE(porta.CommPort(), 2);

    // One byte per write, as the link sends, every value unchanged.
    const QByteArray bytes = todosOsBytes();
    for (char c : bytes)
        porta.Output(QByteArray(1, c));
    QCOMPARE(pty.le(256, 2000), bytes);

    QVERIFY(pty.escreve(bytes));
    QCOMPARE(esperaContagem(porta, 256), 256);
    porta.setInputLen(1);
    QCOMPARE(porta.Input(), QByteArray(1, '\0'));
    porta.setInputLen(200);
    QCOMPARE(porta.Input(), bytes.mid(1, 200));
    QCOMPARE(porta.InBufferCount(), 55);
    porta.setInputLen(0);
    QCOMPARE(porta.Input(), bytes.mid(201));
    QCOMPARE(porta.InBufferCount(), 0);

    QVERIFY(porta.setPortOpen(false));
    QVERIFY(!porta.PortOpen());
    QCOMPARE(porta.InBufferCount(), 0);
    // It opens again.
    QVERIFY2(porta.setPortOpen(true), qPrintable(porta.erro()));
}

void TestTMSCommSerial::discardDropsWaitingBytes()
{
    PseudoTerminal pty;
    if (!pty.valido())
        QSKIP(qPrintable("no pseudo-terminal: " + pty.erro()));
    TMSCommSerial porta(pty.escravo());
    configura(porta, "19200,e,8,1");
    QVERIFY2(porta.setPortOpen(true), qPrintable(porta.erro()));
    QVERIFY(pty.escreve("\x08\xF0\x01"));
    QCOMPARE(esperaContagem(porta, 3), 3);

    porta.setInBufferCount(0);

    QCOMPARE(porta.InBufferCount(), 0);
    QVERIFY(pty.escreve("\x33"));
    QCOMPARE(esperaContagem(porta, 1), 1);
    porta.setInputLen(1);
    QCOMPARE(porta.Input(), QByteArray("\x33"));
}

void TestTMSCommSerial::openingFailsWithAReason_data()
{
    QTest::addColumn<bool>("dispositivoExiste");
    QTest::addColumn<QString>("settings");
    QTest::newRow("no such device") << false << "19200,e,8,1";
    QTest::newRow("unknown parity") << true << "19200,x,8,1";
    QTest::newRow("missing stop bits") << true << "19200,e,8";
    QTest::newRow("baud not a number") << true << "fast,e,8,1";
}

void TestTMSCommSerial::openingFailsWithAReason()
{
    QFETCH(bool, dispositivoExiste);
    QFETCH(QString, settings);
    PseudoTerminal pty;
    if (dispositivoExiste && !pty.valido())
        QSKIP("no pseudo-terminal");
    TMSCommSerial porta(dispositivoExiste ? pty.escravo() : QStringLiteral("/dev/quorvane-no-such-port"));
    configura(porta, settings);

    QVERIFY(!porta.setPortOpen(true));

    QVERIFY(!porta.PortOpen());
    QVERIFY(!porta.erro().isEmpty());
    QCOMPARE(porta.InBufferCount(), 0);
    porta.Output("\x08");  // harmless on a closed port
}

QUORVANE_TEST_GUILESS_MAIN(TestTMSCommSerial)
#include "tst_TMSCommSerial.moc"
