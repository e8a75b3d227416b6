// End to end: quorvane-tarvek-sim --log serves a pseudo-terminal, and the
// service commands of quorvane-cli (bateria, offset, monitorar) talk to it
// through the real serial port class. Every write is checked byte for byte
// against the block the logger sent before: only the command's own bytes
// change.

#include "ProcessosPty.h"
#include "RegistroTestes.h"

#include <QTemporaryDir>

#include <csignal>

namespace {

// Pt100 with an offset of -0,5 and a thermocouple K; the battery changed
// on 01/02/2024 at 09:05; known bytes 76 to 117 of the non-volatile block.
const char *const Descricao = R"({
  "relogio": "2026-12-07T09:30:00", "titulo": "Estufa 7", "bateria": 32768,
  "trocaBateria": "2024-02-01T09:05:00", "intervalo": "00:00:10", "parada": "circular",
  "naoVolatilReservado": "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728A9",
  "canais": [
    { "sensor": "Pt100", "tag": "Camara", "limites": [0, 2000], "offset": -5, "leituraAtual": 37.5 },
    { "sensor": "K", "tag": "Resistencia", "limites": [0, 800], "offset": 0, "leituraAtual": 412 }
  ],
  "aquisicoes": { "quantidade": 100, "desdeUltima": 4 }
})";

// The non-volatile block as the logger last sent it (reply to 05h after an
// activation) and as it was last written to it (04h).
QByteArray naoVolatilLido(const QByteArray &enviados)
{
    const qsizetype i = enviados.lastIndexOf(QByteArray("\x08\xF0\x05", 3));
    return i < 0 ? QByteArray() : enviados.mid(i + 3, 123);
}

QByteArray naoVolatilEscrito(const QByteArray &recebidos)
{
    const qsizetype i = recebidos.lastIndexOf(QByteArray("\x08\x04", 2));
    return i < 0 ? QByteArray() : recebidos.mid(i + 2, 123);
}

}  // namespace

class tst_ServicoPty : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bateriaGravaSoADataDaTroca();
    void offsetGravaSoOsOffsets();
    void semOpcaoNadaEGravado_data();
    void semOpcaoNadaEGravado();
    void monitorarTerminaNoTempo();
    void monitorarParaComCtrlC();

private:
    bool inicia(Simulador &sim)
    {
        return sim.inicia({ QStringLiteral("--descricao"), m_descricao, QStringLiteral("--log") });
    }

    QTemporaryDir m_pasta;
    QString m_descricao;
};

void tst_ServicoPty::initTestCase()
{
    QVERIFY(m_pasta.isValid());
    m_descricao = m_pasta.filePath(QStringLiteral("estufa.json"));
    QFile f(m_descricao);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Descricao);
}

void tst_ServicoPty::bateriaGravaSoADataDaTroca()
{
    Simulador sim;
    QVERIFY(inicia(sim));
    const Saida s = cli({ QStringLiteral("bateria"), QStringLiteral("--porta"), sim.dispositivo,
                            QStringLiteral("--data"), QStringLiteral("31/12/2025 23:59") },
        m_pasta.path());
    QVERIFY2(s.codigo == 0, qPrintable(s.erros));
    QVERIFY2(s.saida.contains(QStringLiteral("Última troca: 01/02/2024 às 09:05")), qPrintable(s.saida));
    QVERIFY(s.saida.contains(QStringLiteral("Restam aproximadamente49% da carga da bateria.")));
    QVERIFY(s.erros.contains(QStringLiteral("Data da bateria gravada com sucesso!")));
    const QByteArray lido = naoVolatilLido(sim.enviados());
    const QByteArray escrito = naoVolatilEscrito(sim.recebidos());
    QCOMPARE(lido.size(), 123);
    QCOMPARE(escrito.size(), 123);
    QCOMPARE(lido.mid(118).toHex(' '), QByteArray("09 05 01 02 1a"));
    QCOMPARE(escrito.mid(118).toHex(' '), QByteArray("17 3b 1f 0c 1b"));
    QCOMPARE(escrito.left(118).toHex(' '), lido.left(118).toHex(' '));
}

void tst_ServicoPty::offsetGravaSoOsOffsets()
{
    Simulador sim;
    QVERIFY(inicia(sim));
    const Saida s = cli(
        { QStringLiteral("offset"), QStringLiteral("--porta"), sim.dispositivo, QStringLiteral("--canal1"),
            QStringLiteral("-0,4"), QStringLiteral("--canal2"), QStringLiteral("-3") },
        m_pasta.path());
    QVERIFY2(s.codigo == 0, qPrintable(s.erros));
    QVERIFY(s.erros.contains(QStringLiteral("Envio do(s) Offset(s) com sucesso!")));
    const QByteArray lido = naoVolatilLido(sim.enviados());
    const QByteArray escrito = naoVolatilEscrito(sim.recebidos());
    QCOMPARE(escrito.size(), 123);
    QCOMPARE(lido.mid(74, 2).toHex(' '), QByteArray("fb 00"));
    QCOMPARE(escrito.mid(74, 2).toHex(' '), QByteArray("fc fd"));
    QCOMPARE(escrito.left(74).toHex(' '), lido.left(74).toHex(' '));
    QCOMPARE(escrito.mid(76).toHex(' '), lido.mid(76).toHex(' '));
}

void tst_ServicoPty::semOpcaoNadaEGravado_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("mostrado");  // on stdout or stderr
    QTest::addColumn<int>("codigo");
    QTest::newRow("bateria shows") << QStringList { "bateria" } << "Última troca: 01/02/2024 às 09:05" << 0;
    QTest::newRow("offset shows") << QStringList { "offset" } << "Offset do Canal 1: -0,5" << 0;
    QTest::newRow("offset beyond 127 steps")
        << QStringList { "offset", "--canal2", "128" } << "O offset deverá estar entre -128 e 127." << 1;
    QTest::newRow("offset finer than a Pt100 step")
        << QStringList { "offset", "--canal1", "0,55" } << "O offset deverá ser múltiplo de 0,1." << 1;
    QTest::newRow("offset not a number")
        << QStringList { "offset", "--canal1", "abc" } << "\"abc\" não é um número." << 1;
    QTest::newRow("a date the calendar lacks")
        << QStringList { "bateria", "--data", "31/02/2025 10:00" } << "Data inválida." << 1;
    QTest::newRow("a year the logger's byte cannot give back")
        << QStringList { "bateria", "--data", "01/01/2300 10:00" } << "deverá estar entre 1998 e 2253." << 1;
}

void tst_ServicoPty::semOpcaoNadaEGravado()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QString, mostrado);
    QFETCH(int, codigo);
    Simulador sim;
    QVERIFY(inicia(sim));
    argumentos << QStringLiteral("--porta") << sim.dispositivo;
    const Saida s = cli(argumentos, m_pasta.path());
    QCOMPARE(s.codigo, codigo);
    QVERIFY2((s.saida + s.erros).contains(mostrado), qPrintable(s.saida + s.erros));
    QVERIFY(naoVolatilEscrito(sim.recebidos()).isEmpty());
}

void tst_ServicoPty::monitorarTerminaNoTempo()
{
    Simulador sim;
    QVERIFY(inicia(sim));
    const Saida s = cli({ QStringLiteral("monitorar"), QStringLiteral("--porta"), sim.dispositivo,
                            QStringLiteral("--segundos"), QStringLiteral("5"), QStringLiteral("--csv") },
        m_pasta.path());
    QVERIFY2(s.codigo == 0, qPrintable(s.erros));
    const QStringList linhas = s.saida.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(linhas.size() >= 2, qPrintable(s.saida));
    static const QRegularExpression formato(
        QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d;3[67]\.\d;4\d\d$)"));
    for (const QString &l : linhas)
        QVERIFY2(formato.match(l).hasMatch(), qPrintable(l));
    // It writes nothing to the logger.
    const QByteArray recebidos = sim.recebidos();
    QVERIFY(!recebidos.contains(QByteArray("\x08\x04", 2)));
    QVERIFY(!recebidos.contains(QByteArray("\x08\x00", 2)));
}

void tst_ServicoPty::monitorarParaComCtrlC()
{
    Simulador sim;
    QVERIFY(inicia(sim));
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QUORVANE_CONFIG_DIR"), m_pasta.path());
    p.setProcessEnvironment(ambiente);
    p.start(QStringLiteral(QUORVANE_CLI),
        { QStringLiteral("monitorar"), QStringLiteral("--porta"), sim.dispositivo });
    QVERIFY(p.waitForStarted(5000));
    QByteArray saida;
    while (!saida.contains('\n') && p.waitForReadyRead(10000))
        saida += p.readAllStandardOutput();
    QVERIFY2(saida.contains("Camara: 37,"), saida.constData());
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
}

QUORVANE_TEST_GUILESS_MAIN(tst_ServicoPty)
#include "tst_ServicoPty.moc"
