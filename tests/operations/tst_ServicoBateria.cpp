// The battery service against the simulated Tarvek, in virtual time: the
// charge and the stored change date as the window shows them, the reads and
// the write with their messages, and the write changing bytes 118 to 122
// only.

#include "AmbienteFalso.h"
#include "DescricaoTarvek.h"
#include "RegistroTestes.h"
#include "ServicoBateria.h"
#include "TDatalogger.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <memory>

namespace {

struct Bancada : AmbienteFalso
{
    TarvekSimulado tarvek;
    TMSCommSimulado porta { tarvek, relogio };
    std::unique_ptr<TDatalogger> link;

    explicit Bancada(int bateria = 9000)
    {
        const QString descricao = QStringLiteral(R"({ "relogio": "2026-12-07T09:30:00", "bateria": %1,
            "trocaBateria": "2026-03-02T14:30:00", "titulo": "Caldeira",
            "naoVolatilReservado": "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728A9",
            "canais": [ { "sensor": "Pt100", "offset": -5 }, { "sensor": "J", "offset": 3 } ] })")
                                      .arg(bateria);
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(descricao.toUtf8(), &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)), &erro))
            qFatal("%s", qPrintable(erro));
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
    }
    void bateria(const QByteArray &bytes118a122)
    {
        QByteArray n = tarvek.naoVolatil();
        n.replace(118, 5, bytes118a122);
        tarvek.defineNaoVolatil(n);
    }
    void silencia(quint8 comando) { tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, comando }); }
};

QByteArray bytes(std::initializer_list<int> valores)
{
    QByteArray b;
    for (int v : valores)
        b.append(char(v));
    return b;
}

}  // namespace

class TestServicoBateria : public QObject
{
    Q_OBJECT
private slots:
    void cargaRestante_data();
    void cargaRestante();
    void dataArmazenada_data();
    void dataArmazenada();
    void leituraFalhaNaOrdem_data();
    void leituraFalhaNaOrdem();
    void gravaSoOsBytesDaBateria();
    void escritaFalhaAvisaEGuardaOLido();
    void validaTudoApontaOCampo_data();
    void validaTudoApontaOCampo();
};

void TestServicoBateria::cargaRestante_data()
{
    QTest::addColumn<int>("bateria");
    QTest::addColumn<int>("carga");
    QTest::addColumn<QString>("texto");
    QTest::newRow("new battery") << 0 << 100 << "Restam aproximadamente100% da carga da bateria.";
    QTest::newRow("spent battery shows 0") << 65535 << 0 << "Restam aproximadamente0% da carga da bateria.";
    QTest::newRow("half, truncated") << 32768 << 49 << "Restam aproximadamente49% da carga da bateria.";
    QTest::newRow("one count below full") << 1 << 99 << "Restam aproximadamente99% da carga da bateria.";
}

void TestServicoBateria::cargaRestante()
{
    QFETCH(int, bateria);
    QFETCH(int, carga);
    QFETCH(QString, texto);
    Bancada b(bateria);
    ServicoBateria s(*b.link, b.ambiente);
    QVERIFY(s.RecebeConfiguracoes());
    const ServicoBateria::Textos t = s.mostra();
    QCOMPARE(t.carga, carga);
    QCOMPARE(t.consumo, texto);
}

void TestServicoBateria::dataArmazenada_data()
{
    QTest::addColumn<QByteArray>("armazenado");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QStringList>("mensagens");
    QTest::newRow("one-digit fields get a zero") << bytes({ 9, 5, 1, 2, 26 }) << "01/02/2024"
                                                 << "09:05" << QStringList();
    QTest::newRow("two-digit fields") << bytes({ 23, 59, 31, 12, 27 }) << "31/12/2025"
                                      << "23:59" << QStringList();
    QTest::newRow("an hour of three digits does not fit")
        << bytes({ 200, 5, 1, 2, 26 }) << ""
        << "" << QStringList { "Erro na leitura da data/hora da bateria." };
    QTest::newRow("nor a day") << bytes({ 9, 5, 100, 2, 26 }) << ""
                               << "" << QStringList { "Erro na leitura da data/hora da bateria." };
}

void TestServicoBateria::dataArmazenada()
{
    QFETCH(QByteArray, armazenado);
    QFETCH(QString, data);
    QFETCH(QString, hora);
    QFETCH(QStringList, mensagens);
    Bancada b;
    b.bateria(armazenado);
    ServicoBateria s(*b.link, b.ambiente);
    QVERIFY(s.RecebeConfiguracoes());
    const ServicoBateria::Textos t = s.mostra();
    QCOMPARE(t.data, data);
    QCOMPARE(t.hora, hora);
    QCOMPARE(b.mensagens.textos(), mensagens);
    // The charge is shown whatever the date.
    QCOMPARE(t.carga, 86);
}

void TestServicoBateria::leituraFalhaNaOrdem_data()
{
    QTest::addColumn<int>("comando");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("configuration") << 0x01 << "Falhou leitura dos parâmetros de configuração.";
    QTest::newRow("non-volatile") << 0x05 << "Falhou leitura dos parâmetros não-voláteis.";
}

void TestServicoBateria::leituraFalhaNaOrdem()
{
    QFETCH(int, comando);
    QFETCH(QString, mensagem);
    Bancada b;
    b.silencia(quint8(comando));
    ServicoBateria s(*b.link, b.ambiente);
    QVERIFY(!s.RecebeConfiguracoes());
    QCOMPARE(b.mensagens.textos(), QStringList { mensagem });
    QCOMPARE(b.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::Aviso);
}

void TestServicoBateria::gravaSoOsBytesDaBateria()
{
    Bancada b;
    ServicoBateria s(*b.link, b.ambiente);
    QVERIFY(s.RecebeConfiguracoes());
    const QByteArray lido = b.tarvek.naoVolatil();
    b.sinal.bips = 0;
    QVERIFY(s.ValidaTudo(u"31/12/2025"_qs, u"23:59"_qs));
    QVERIFY(s.grava(u"31/12/2025"_qs, u"23:59"_qs));
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 1);
    const QByteArray escrito = b.tarvek.naoVolatil();
    QCOMPARE(escrito.size(), 123);
    QCOMPARE(escrito.mid(118), bytes({ 23, 59, 31, 12, 27 }));
    QCOMPARE(escrito.left(118), lido.left(118));
    QCOMPARE(b.mensagens.textos(), QStringList { u"Data da bateria gravada com sucesso!"_qs });
    QCOMPARE(b.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::Informacao);
    QCOMPARE(b.sinal.bips, 8);
}

void TestServicoBateria::escritaFalhaAvisaEGuardaOLido()
{
    Bancada b;
    ServicoBateria s(*b.link, b.ambiente);
    QVERIFY(s.RecebeConfiguracoes());
    const QByteArray lido = s.naoVolatil();
    b.silencia(0x04);
    QVERIFY(!s.grava(u"01/01/2026"_qs, u"08:00"_qs));
    // (the link shows its own checksum boxes first)
    QCOMPARE(b.mensagens.textos().last(), u"Falhou escrita da string"_qs);
    QCOMPARE(b.mensagens.registro.last().tipo, MensagemRegistrada::Tipo::Aviso);
    QCOMPARE(s.naoVolatil(), lido);
    QCOMPARE(b.tarvek.naoVolatil(), lido);
    // A second press writes again.
    b.tarvek.limpaFalhas();
    b.mensagens.registro.clear();
    QVERIFY(s.grava(u"01/01/2026"_qs, u"08:00"_qs));
    QCOMPARE(b.tarvek.naoVolatil().mid(118), bytes({ 8, 0, 1, 1, 28 }));
}

void TestServicoBateria::validaTudoApontaOCampo_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<int>("campo");
    QTest::addColumn<QString>("mensagem");
    const QString anos
        = QStringLiteral("Ano inválido. O ano da troca da bateria deverá estar entre 1998 e 2253.");
    QTest::newRow("no such day") << "31/02/2025"
                                 << "10:00" << 0 << "Data inválida.";
    QTest::newRow("no such hour") << "28/02/2025"
                                  << "24:00" << 1 << "Hora inválida.";
    QTest::newRow("both wrong: the date first") << "00/01/2025"
                                                << "99:99" << 0 << "Data inválida.";
    // The year byte counts from 1998: 1899 and 2300 would read back as
    // other years.
    QTest::newRow("a year before the byte's first") << "01/01/1899"
                                                    << "10:00" << 0 << anos;
    QTest::newRow("a year after the byte's last") << "01/01/2300"
                                                  << "10:00" << 0 << anos;
    QTest::newRow("one year after the last") << "01/01/2254"
                                             << "10:00" << 0 << anos;
}

void TestServicoBateria::validaTudoApontaOCampo()
{
    QFETCH(QString, data);
    QFETCH(QString, hora);
    QFETCH(int, campo);
    QFETCH(QString, mensagem);
    Bancada b;
    ServicoBateria s(*b.link, b.ambiente);
    int recusado = -1;
    QVERIFY(!s.ValidaTudo(data, hora, &recusado));
    QCOMPARE(recusado, campo);
    QCOMPARE(b.mensagens.textos(), QStringList { mensagem });
}

QUORVANE_TEST_GUILESS_MAIN(TestServicoBateria)
#include "tst_ServicoBateria.moc"
