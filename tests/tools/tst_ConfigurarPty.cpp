// End to end: quorvane-tarvek-sim --log serves a pseudo-terminal, and
// quorvane-cli configurar writes a configuration through the real serial
// port class; the bytes the simulator received are checked one by one, then
// quorvane-cli info reads the new configuration back.

#include "ProcessosPty.h"
#include "RegistroTestes.h"
#include <QDate>
#include <QJsonDocument>
#include <QJsonObject>

#include <QTemporaryDir>

namespace {

// Two channels (J and 4-20 mA with offsets), 32768 bytes, known bytes 76 to
// 117 of the non-volatile block.
const char *const Descricao = R"({
  "modelo": 2, "firmware": "1.3", "relogio": "2026-12-07T09:30:00", "titulo": "Secador 4",
  "intervalo": "00:00:20", "leiturasPorAquisicao": 3, "parada": 5000,
  "naoVolatilReservado": "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728A9",
  "canais": [
    { "sensor": "J", "tag": "Ar quente", "limites": [0, 150], "offset": -2,
      "aquisicoes": { "forma": "constante", "valor": 60 } },
    { "sensor": "4-20mA", "tag": "Umidade", "unidade": "%", "decimais": 1, "limites": [0, 1000], "offset": 3,
      "aquisicoes": { "forma": "constante", "valor": 50 } }
  ],
  "aquisicoes": { "quantidade": 600, "desdeUltima": 24 }
})";

// The data of the configuration write (00h, 21 bytes) and of the
// non-volatile write that follows it (04h, 123 bytes) in what the simulator
// received: each command follows an activation (08h).
struct Escritas
{
    QByteArray configuracao;
    QByteArray naoVolatil;
};

Escritas escritas(const QByteArray &recebidos)
{
    // The configuration's command is the first 00h the logger gets (the
    // reads before it send no data); the non-volatile block's 04h follows
    // it, maybe after an activation repeated on a slow machine.
    const qsizetype c = recebidos.indexOf(QByteArray("\x08\x00", 2));
    const qsizetype n = c < 0 ? -1 : recebidos.indexOf(QByteArray("\x08\x04", 2), c + 2 + 21);
    if (n < 0 || n + 2 + 123 > recebidos.size())
        return {};
    return { recebidos.mid(c + 2, 21), recebidos.mid(n + 2, 123) };
}

QJsonValue valor(const QJsonObject &secao, const char *nome)
{
    const QJsonValue v = secao.value(QLatin1String(nome));
    return v.isObject() ? v.toObject().value(QStringLiteral("valor")) : v;
}

}  // namespace

class tst_ConfigurarPty : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void configurarGravaEInfoLeDeVolta();
    void semEnviarNadaEGravado_data();
    void semEnviarNadaEGravado();
    void deJsonCopiaOutroTarvek();

private:
    QTemporaryDir m_pasta;
    QString m_descricao;
};

void tst_ConfigurarPty::initTestCase()
{
    QVERIFY(m_pasta.isValid());
    m_descricao = m_pasta.filePath(QStringLiteral("secador.json"));
    QFile f(m_descricao);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Descricao);
}

void tst_ConfigurarPty::configurarGravaEInfoLeDeVolta()
{
    Simulador sim;
    QVERIFY2(sim.inicia({ QStringLiteral("--descricao"), m_descricao, QStringLiteral("--log") }),
        qPrintable(sim.processo.readAllStandardError()));
    const QDate hoje = QDate::currentDate();
    const Saida s
        = cli({ QStringLiteral("configurar"), QStringLiteral("--porta"), sim.dispositivo,
                  QStringLiteral("--sensor1"), QStringLiteral("Termopar K"), QStringLiteral("--sensor2"),
                  QStringLiteral("Nenhum"), QStringLiteral("--intervalo"), QStringLiteral("00:01:00"),
                  QStringLiteral("--leituras"), QStringLiteral("1"), QStringLiteral("--modo2"),
                  QStringLiteral("media"), QStringLiteral("--fim"), QStringLiteral("cheia"),
                  QStringLiteral("--titulo"), QStringLiteral("Forno 3"), QStringLiteral("--tag1"),
                  QStringLiteral("Forno"), QStringLiteral("--enviar") },
            m_pasta.path());
    QVERIFY2(s.codigo == 0, qPrintable(s.erros));
    QVERIFY2(s.saida.contains(QStringLiteral("Tempo estimado:181:07:00")), qPrintable(s.saida));
    QVERIFY(s.erros.contains(QStringLiteral("Configuração realizada com sucesso!")));

    const Escritas escrito = escritas(sim.recebidos());
    const QByteArray &b = escrito.configuracao;
    QCOMPARE(b.size(), 21);
    // K alone, 00:01:00, at once, 10868 acquisitions, one reading, average
    // on both, two measurements, decimal bits 0; the clock of the computer.
    QCOMPARE(b.left(10).toHex(' '), QByteArray("81 00 00 00 77 00 00 00 2a 74"));
    QCOMPARE(b.mid(16).toHex(' '), QByteArray("01 09 02 00 00"));
    const QDate relogio(1998 + quint8(b[10]), quint8(b[11]), quint8(b[12]));
    QVERIFY2(relogio == hoje || relogio == hoje.addDays(1), qPrintable(relogio.toString()));
    QVERIFY(quint8(b[13]) < 24 && quint8(b[14]) < 60 && quint8(b[15]) < 60);
    // The bytes shown are the bytes sent (the clock included).
    QVERIFY2(s.saida.contains(QString::fromLatin1(b.toHex(' ').toUpper())), qPrintable(s.saida));

    const QByteArray &n = escrito.naoVolatil;
    QCOMPARE(n.size(), 123);
    QCOMPARE(n.left(30), QByteArray("Forno 3").leftJustified(30, ' '));
    QCOMPARE(n.mid(30, 20), QByteArray("Forno     Umidade   "));
    QCOMPARE(n.mid(50, 16),
        QByteArray("\xB0"
                   "C      "
                   "        "));
    QCOMPARE(n.mid(66, 10).toHex(' '), QByteArray("a6 ff 5a 05 00 00 00 00 00 00"));
    QCOMPARE(n.mid(76, 42).toHex().toUpper(),
        QByteArray("000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728A9"));

    const Saida info = cli(
        { QStringLiteral("info"), QStringLiteral("--porta"), sim.dispositivo, QStringLiteral("--json") },
        m_pasta.path());
    QVERIFY2(info.codigo == 0, qPrintable(info.erros));
    const QJsonObject raiz = QJsonDocument::fromJson(info.saida.toUtf8()).object();
    const QJsonObject c = raiz.value(QStringLiteral("configuracao")).toObject();
    const QJsonObject nv = raiz.value(QStringLiteral("naoVolatil")).toObject();
    QCOMPARE(valor(c, "Sensor1").toInt(), 129);
    QCOMPARE(valor(c, "Sensor2").toInt(), 0);
    QCOMPARE(valor(c, "Intervalo").toInt(), 119);
    QCOMPARE(valor(c, "Parada").toInt(), 10868);
    QCOMPARE(valor(c, "AquisicoesEfetuadas").toInt(), 0);
    QCOMPARE(valor(c, "Ano").toInt(), relogio.year());
    QCOMPARE(valor(nv, "Titulo").toString(), QStringLiteral("Forno 3"));
    QCOMPARE(valor(nv, "LimiteSuperior1").toInt(), 1370);
    QCOMPARE(valor(nv, "Offset1").toInt(), 0);
}

void tst_ConfigurarPty::semEnviarNadaEGravado_data()
{
    QTest::addColumn<QStringList>("opcoes");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("without --enviar")
        << QStringList { QStringLiteral("--titulo"), QStringLiteral("Outro") } << 0 << "Nada foi gravado";
    QTest::newRow("limit refused") << QStringList { QStringLiteral("--superior2"), QStringLiteral("1000.0"),
        QStringLiteral("--enviar") }
                                   << 1 << "deverá estar entre -200,0 ; 999,9";
    QTest::newRow("capacity exceeded")
        << QStringList { QStringLiteral("--fim"), QStringLiteral("9000"), QStringLiteral("--enviar") } << 1
        << "Nro. de aquisições:(9000) excede a memória (8151) do Tarvek.";
    QTest::newRow("negative count") << QStringList { QStringLiteral("--fim"), QStringLiteral("-5"),
        QStringLiteral("--enviar") } << 1
                                    << "Número de aquisições inválido!";
    QTest::newRow("limit longer than its box") << QStringList { QStringLiteral("--superior2"),
        QStringLiteral("99,9999"), QStringLiteral("--enviar") }
                                               << 1 << "deverá estar entre -200,0 ; 999,9";
    QTest::newRow("title with a character the logger lacks") << QStringList {
        QStringLiteral("--titulo"), QStringLiteral("Estufa 10 kΩ"), QStringLiteral("--enviar")
    } << 1 << "O caractere \"Ω\" não pode ser gravado no Tarvek.";
    QTest::newRow("unknown sensor") << QStringList { QStringLiteral("--sensor1"),
        QStringLiteral("Termopar X"), QStringLiteral("--enviar") }
                                    << 2 << "sensor desconhecido";
}

void tst_ConfigurarPty::semEnviarNadaEGravado()
{
    QFETCH(QStringList, opcoes);
    QFETCH(int, codigo);
    QFETCH(QString, mensagem);
    Simulador sim;
    QVERIFY(sim.inicia({ QStringLiteral("--descricao"), m_descricao, QStringLiteral("--log") }));
    const Saida s = cli(
        QStringList { QStringLiteral("configurar"), QStringLiteral("--porta"), sim.dispositivo } + opcoes,
        m_pasta.path());
    QCOMPARE(s.codigo, codigo);
    QVERIFY2(s.erros.contains(mensagem), qPrintable(s.erros));
    const QByteArray recebidos = sim.recebidos();
    QVERIFY(!recebidos.contains(QByteArray("\x08\x00", 2)));
    QVERIFY(!recebidos.contains(QByteArray("\x08\x04", 2)));
}

void tst_ConfigurarPty::deJsonCopiaOutroTarvek()
{
    // The configuration of the simulator's "circular" logger (E and Pt100,
    // 8 kB, every minute, circular memory), as info --json prints it,
    // copied to a 32 kB logger with other sensors.
    const Saida origem
        = cli({ QStringLiteral("info"), QStringLiteral("--porta"), QStringLiteral("simulador"),
                  QStringLiteral("--descricao"), QStringLiteral("circular"), QStringLiteral("--json") },
            m_pasta.path());
    QVERIFY2(origem.codigo == 0, qPrintable(origem.erros));
    const QString arquivo = m_pasta.filePath(QStringLiteral("circular.json"));
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(origem.saida.toUtf8());
    f.close();

    Simulador sim;
    QVERIFY(sim.inicia({ QStringLiteral("--descricao"), m_descricao, QStringLiteral("--log") }));
    const Saida s = cli(
        { QStringLiteral("configurar"), QStringLiteral("--porta"), sim.dispositivo, QStringLiteral("--de"),
            arquivo, QStringLiteral("--tag2"), QStringLiteral("Retorno"), QStringLiteral("--enviar") },
        m_pasta.path());
    QVERIFY2(s.codigo == 0, qPrintable(s.erros));
    const Escritas escrito = escritas(sim.recebidos());
    const QByteArray &b = escrito.configuracao;
    QCOMPARE(b.size(), 21);
    QCOMPARE(b.left(10).toHex(' '), QByteArray("83 88 00 00 77 00 00 00 80 00"));
    QCOMPARE(b.mid(16).toHex(' '), QByteArray("01 09 04 00 00"));
    const QByteArray &n = escrito.naoVolatil;
    QCOMPARE(n.left(30), QByteArray("Linha 3 - circular").leftJustified(30, ' '));
    // The option given replaces the file's tag.
    QCOMPARE(n.mid(30, 20), QByteArray("Entrada   Retorno   "));
    QCOMPARE(n.mid(50, 16),
        QByteArray("\xB0"
                   "C      "
                   "\xB0"
                   "C      "));
    // The sensors' ranges; new sensors, no offsets.
    QCOMPARE(n.mid(66, 10).toHex(' '), QByteArray("dd ff d0 02 38 ff 40 01 00 00"));
}

QUORVANE_TEST_GUILESS_MAIN(tst_ConfigurarPty)
#include "tst_ConfigurarPty.moc"
