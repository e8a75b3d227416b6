// End to end: quorvane-cli talks to quorvane-tarvek-sim through a
// pseudo-terminal, and the simulator goes away in the middle of an exchange
// (its end of the terminal closes, as when an adapter is pulled out). The
// command must end within 2 s, without its retries and time-outs, say that
// the port was lost and leave no file behind.
#include "ProcessosPty.h"
#include "RegistroTestes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

// Waits until the simulator has received the bytes the given number of
// times (its --log on stderr). A slow machine may repeat an activation, so
// the times are counted rather than looked for in one run.
bool esperaRecebidos(Simulador &sim, const QByteArray &bytes, int vezes)
{
    QElapsedTimer prazo;
    prazo.start();
    QByteArray recebidos;
    while (recebidos.count(bytes) < vezes && prazo.elapsed() < 30000) {
        sim.processo.waitForReadyRead(50);
        sim.registro += sim.processo.readAllStandardError();
        recebidos.clear();
        for (const QByteArray &l : sim.registro.split('\n')) {
            const qsizetype i = l.indexOf("->");  // "  1.234 -> 08 02"
            if (i >= 0)
                recebidos += QByteArray::fromHex(l.mid(i + 2).trimmed());
        }
    }
    return recebidos.count(bytes) >= vezes;
}

}  // namespace

class tst_PortaPerdidaPty : public QObject
{
    Q_OBJECT

private slots:
    void simuladorSomeNoMeioDaTroca_data();
    void simuladorSomeNoMeioDaTroca();
};

void tst_PortaPerdidaPty::simuladorSomeNoMeioDaTroca_data()
{
    QTest::addColumn<QStringList>("argumentos");  // after the command's name and --porta
    QTest::addColumn<QByteArray>("pedido");  // once the simulator received it so many times, it goes
    QTest::addColumn<int>("vezes");
    // The operation's own message, after the loss; none when the loss is
    // the last word (the monitor, as in the program's window).
    QTest::addColumn<QString>("falha");
    QTest::newRow("collection, between its pages")
        << QStringList { "coletar", "--saida", "perdida.qvg" } << QByteArray("\x08\x02\x01", 3) << 1
        << QString::fromUtf8("Falha no comando de Upload.");
    QTest::newRow("monitor, between its readings")
        << QStringList { "monitorar" } << QByteArray("\x08\x03", 2) << 2 << QString();
}

void tst_PortaPerdidaPty::simuladorSomeNoMeioDaTroca()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, pedido);
    QFETCH(int, vezes);
    QFETCH(QString, falha);
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    Simulador sim;
    // Paced at 19200 baud, a page takes over a second.
    QVERIFY(sim.inicia({ QStringLiteral("--cenario"), QStringLiteral("memoria-cheia"),
        QStringLiteral("--pace"), QStringLiteral("--log") }));
    argumentos.insert(1, QStringLiteral("--porta"));
    argumentos.insert(2, sim.dispositivo);

    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QUORVANE_CONFIG_DIR"), pasta.path());
    p.setProcessEnvironment(ambiente);
    p.setWorkingDirectory(pasta.path());
    p.start(QStringLiteral(QUORVANE_CLI), argumentos);
    QVERIFY(p.waitForStarted(5000));
    QVERIFY2(esperaRecebidos(sim, pedido, vezes), (sim.registro + p.readAllStandardError()).constData());

    sim.processo.kill();  // its end of the terminal closes
    QElapsedTimer relogio;
    relogio.start();
    QVERIFY(sim.processo.waitForFinished(5000));
    QVERIFY(p.waitForFinished(10000));
    const qint64 demora = relogio.elapsed();
    const QString texto = QString::fromUtf8(p.readAllStandardError());

    QVERIFY2(demora <= 2000, qPrintable(QString::number(demora)));
    QCOMPARE(p.exitCode(), 1);
    const QString perdida
        = QString::fromUtf8("A porta %1 foi perdida: o dispositivo foi desconectado.\n").arg(sim.dispositivo);
    QVERIFY2(texto.contains(perdida), qPrintable(texto));
    QVERIFY2(texto.endsWith(falha.isEmpty() ? perdida : falha + u'\n'), qPrintable(texto));
    // No retries: the link's time-out texts never came.
    QVERIFY2(!texto.contains(QString::fromUtf8("Erro de timeout")), qPrintable(texto));
    QCOMPARE(QDir(pasta.path()).entryList({ QStringLiteral("*.qvg") }), QStringList());
}

QUORVANE_TEST_GUILESS_MAIN(tst_PortaPerdidaPty)
#include "tst_PortaPerdidaPty.moc"
