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
    void otherEndClosedLosesThePort_data();
    void otherEndClosedLosesThePort();
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
    QTest::addColumn<bool>("ocupado");  // another port holds the device
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("motivo");  // how the reason begins; %1 is the device
    QTest::newRow("no such device") << false << false << "19200,e,8,1"
                                    << "O dispositivo %1 não está conectado.";
    QTest::newRow("held by another port") << true << true << "19200,e,8,1"
                                          << "O dispositivo %1 está ocupado: outro programa o está usando.";
    QTest::newRow("unknown parity") << true << false << "19200,x,8,1"
                                    << "Invalid line settings";
    QTest::newRow("missing stop bits") << true << false << "19200,e,8"
                                       << "Invalid line settings";
    QTest::newRow("baud not a number") << true << false << "fast,e,8,1"
                                       << "Invalid line settings";
}

void TestTMSCommSerial::openingFailsWithAReason()
{
    QFETCH(bool, dispositivoExiste);
    QFETCH(bool, ocupado);
    QFETCH(QString, settings);
    QFETCH(QString, motivo);
    PseudoTerminal pty;
    if (dispositivoExiste && !pty.valido())
        QSKIP("no pseudo-terminal");
    const QString dispositivo
        = dispositivoExiste ? pty.escravo() : QStringLiteral("/dev/quorvane-no-such-port");
    // The system's port class locks the device it opens.
    TMSCommSerial outra(dispositivo);
    if (ocupado) {
        configura(outra, "19200,e,8,1");
        QVERIFY2(outra.setPortOpen(true), qPrintable(outra.erro()));
    }
    TMSCommSerial porta(dispositivo);
    configura(porta, settings);

    QVERIFY(!porta.setPortOpen(true));

    QVERIFY(!porta.PortOpen());
    QVERIFY2(porta.erro().startsWith(motivo.arg(dispositivo)), qPrintable(porta.erro()));
    QCOMPARE(porta.InBufferCount(), 0);
    porta.Output("\x08");  // harmless on a closed port
}

void TestTMSCommSerial::otherEndClosedLosesThePort_data()
{
    QTest::addColumn<bool>("escrevendo");
    QTest::newRow("found by the count of waiting bytes") << false;
    QTest::newRow("found by a write") << true;
}

void TestTMSCommSerial::otherEndClosedLosesThePort()
{
    QFETCH(bool, escrevendo);
    PseudoTerminal pty;
    if (!pty.valido())
        QSKIP(qPrintable("no pseudo-terminal: " + pty.erro()));
    const QString dispositivo = pty.escravo();
    TMSCommSerial porta(dispositivo);
    configura(porta, "19200,e,8,1");
    QVERIFY2(porta.setPortOpen(true), qPrintable(porta.erro()));
    porta.Output("\x08");
    QCOMPARE(porta.InBufferCount(), 0);
    QVERIFY(!porta.PortaPerdida());

    pty.fecha();
    if (escrevendo)
        porta.Output("\x08");
    else
        porta.InBufferCount();

    QVERIFY(porta.PortaPerdida());
    QCOMPARE(
        porta.erro(), QString("A porta %1 foi perdida: o dispositivo foi desconectado.").arg(dispositivo));
    // Opening again looks at the device anew: gone, it is not connected.
    QVERIFY(porta.setPortOpen(false));
    QVERIFY(!porta.setPortOpen(true));
    QVERIFY(!porta.PortaPerdida());
    QVERIFY2(porta.erro().startsWith(QString("O dispositivo %1 não está conectado.").arg(dispositivo)),
        qPrintable(porta.erro()));
}

QUORVANE_TEST_GUILESS_MAIN(TestTMSCommSerial)
#include "tst_TMSCommSerial.moc"
