// The offset adjustment against the simulated Tarvek, in virtual time: the
// offsets as shown per sensor kind, the up-down steps and their bounds, the
// bytes written (the offsets of the channels with a sensor, nothing else),
// and the messages of the reads and of the write.

#include "AjusteOffset.h"
#include "AmbienteFalso.h"
#include "DescricaoTarvek.h"
#include "RegistroTestes.h"
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
    std::unique_ptr<AjusteOffset> ajuste;

    // canal1 and canal2: the JSON of each channel.
    Bancada(const QString &canal1, const QString &canal2)
    {
        const QString descricao = QStringLiteral(R"({ "relogio": "2026-12-07T09:30:00", "titulo": "Estufa",
            "naoVolatilReservado": "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728A9",
            "trocaBateria": "2025-05-04T03:02:00", "canais": [ %1, %2 ] })")
                                      .arg(canal1, canal2);
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(descricao.toUtf8(), &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)), &erro))
            qFatal("%s", qPrintable(erro));
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
        ajuste = std::make_unique<AjusteOffset>(*link, ambiente);
    }
    void silencia(quint8 comando) { tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, comando }); }
};

const QString Nenhum = QStringLiteral(R"({ "sensor": "Nenhum", "offset": 51 })");

}  // namespace

class TestAjusteOffset : public QObject
{
    Q_OBJECT
private slots:
    void passosEEnvio_data();
    void passosEEnvio();
    void textoDigitado_data();
    void textoDigitado();
    void canalSemSensorFicaComoLido();
    void leituraFalhaNaOrdem_data();
    void leituraFalhaNaOrdem();
    void escritaFalhaDeixaOsTextos();
};

void TestAjusteOffset::passosEEnvio_data()
{
    QTest::addColumn<QString>("canal");  // channel 1
    QTest::addColumn<QString>("mostrado");  // as read
    QTest::addColumn<QList<int>>("passos");  // +1 up, -1 down
    QTest::addColumn<QString>("final");
    QTest::addColumn<int>("byte74");
    QTest::newRow("Pt100 -0,5 one up") << R"({ "sensor": "Pt100", "offset": -5 })"
                                       << "-0,5" << QList<int> { 1 } << "-0,4" << 0xFC;
    QTest::newRow("Pt100 0,5 as read") << R"({ "sensor": "Pt100", "offset": 5 })"
                                       << "0,5" << QList<int> {} << "0,5" << 0x05;
    QTest::newRow("thermocouple three down") << R"({ "sensor": "K", "offset": 0 })"
                                             << "0" << QList<int> { -1, -1, -1 } << "-3" << 0xFD;
    QTest::newRow("4-20mA code 2")
        << R"({ "sensor": "4-20mA", "decimais": 2, "limites": [0, 9999], "offset": 7 })"
        << "0,07" << QList<int> { 1, 1, -1 } << "0,08" << 0x08;
    QTest::newRow("0-50mV code 0") << R"({ "sensor": "0-50mV", "limites": [0, 50], "offset": -2 })"
                                   << "-2" << QList<int> { 1 } << "-1" << 0xFF;
    QTest::newRow("0-50mV code 3 crosses zero")
        << R"({ "sensor": "0-50mV", "decimais": 3, "limites": [0, 5000], "offset": -1 })"
        << "-0,001" << QList<int> { 1, 1 } << "0,001" << 0x01;
    QTest::newRow("stops at 127") << R"({ "sensor": "Pt100", "offset": 126 })"
                                  << "12,6" << QList<int> { 1, 1, 1 } << "12,7" << 0x7F;
    QTest::newRow("stops at -128") << R"({ "sensor": "J", "offset": -127 })"
                                   << "-127" << QList<int> { -1, -1 } << "-128" << 0x80;
    QTest::newRow("back from the bound") << R"({ "sensor": "J", "offset": 127 })"
                                         << "127" << QList<int> { 1, -1 } << "126" << 0x7E;
}

void TestAjusteOffset::passosEEnvio()
{
    QFETCH(QString, canal);
    QFETCH(QString, mostrado);
    QFETCH(QList<int>, passos);
    QFETCH(QString, final);
    QFETCH(int, byte74);
    Bancada b(canal, R"({ "sensor": "J", "offset": 3 })");
    QVERIFY(b.ajuste->RecebeConfiguracoes());
    QCOMPARE(b.ajuste->texto(1), mostrado);
    QCOMPARE(b.ajuste->texto(2), u"3"_qs);
    for (int p : passos)
        b.ajuste->UpDownClick(1, p > 0);
    QCOMPARE(b.ajuste->texto(1), final);
    const QByteArray lido = b.tarvek.naoVolatil();
    b.sinal.bips = 0;
    QVERIFY(b.ajuste->BitBtnOffsetClick());
    QCOMPARE(b.mensagens.textos(), QStringList { u"Envio do(s) Offset(s) com sucesso!"_qs });
    QCOMPARE(b.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::Informacao);
    QCOMPARE(b.sinal.bips, 8);
    const QByteArray escrito = b.tarvek.naoVolatil();
    QCOMPARE(int(quint8(escrito.at(74))), byte74);
    QCOMPARE(int(quint8(escrito.at(75))), 3);
    QCOMPARE(escrito.left(74), lido.left(74));
    QCOMPARE(escrito.mid(76), lido.mid(76));
}

void TestAjusteOffset::textoDigitado_data()
{
    QTest::addColumn<QString>("canal");  // channel 1
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("mostrado");  // empty: refused
    QTest::addColumn<QString>("mensagem");
    const QString pt100 = R"({ "sensor": "Pt100", "offset": -5 })";
    const QString mA2 = R"({ "sensor": "4-20mA", "decimais": 2, "limites": [0, 9999], "offset": 7 })";
    QTest::newRow("Pt100 with a point") << pt100 << "-0.4"
                                        << "-0,4"
                                        << "";
    QTest::newRow("Pt100 finer than a tenth")
        << pt100 << "0,55"
        << ""
        << "Valor inválido para o offset. O offset deverá ser múltiplo de 0,1.";
    QTest::newRow("two decimals, a thousandth")
        << mA2 << "0,001"
        << ""
        << "Valor inválido para o offset. O offset deverá ser múltiplo de 0,01.";
    QTest::newRow("thermocouple, a half degree")
        << R"({ "sensor": "K", "offset": 0 })"
        << "1,5"
        << ""
        << "Valor inválido para o offset. O offset deverá ser múltiplo de 1.";
    QTest::newRow("thermocouple, whole with a comma") << R"({ "sensor": "K", "offset": 0 })"
                                                      << "-3,0"
                                                      << "-3"
                                                      << "";
    QTest::newRow("not a number") << pt100 << "abc"
                                  << ""
                                  << "Valor inválido para o offset. \"abc\" não é um número.";
    QTest::newRow("beyond 127 steps")
        << pt100 << "12,8"
        << ""
        << "Valor inválido para o offset. O offset deverá estar entre -12,8 e 12,7.";
    QTest::newRow("the last step") << mA2 << "-1,28"
                                   << "-1,28"
                                   << "";
}

void TestAjusteOffset::textoDigitado()
{
    QFETCH(QString, canal);
    QFETCH(QString, digitado);
    QFETCH(QString, mostrado);
    QFETCH(QString, mensagem);
    Bancada b(canal, Nenhum);
    QVERIFY(b.ajuste->RecebeConfiguracoes());
    const QString antes = b.ajuste->texto(1);
    b.mensagens.registro.clear();
    QCOMPARE(b.ajuste->defineTexto(1, digitado), !mostrado.isEmpty());
    QCOMPARE(b.ajuste->texto(1), mostrado.isEmpty() ? antes : mostrado);
    QCOMPARE(b.mensagens.textos(), mensagem.isEmpty() ? QStringList() : QStringList { mensagem });
    // A channel without a sensor takes nothing, and says nothing.
    QVERIFY(!b.ajuste->defineTexto(2, u"1"_qs));
}

void TestAjusteOffset::canalSemSensorFicaComoLido()
{
    Bancada b(R"({ "sensor": "4-20mA", "decimais": 2, "limites": [0, 9999], "offset": 7 })", Nenhum);
    QVERIFY(b.ajuste->RecebeConfiguracoes());
    QVERIFY(b.ajuste->visivel(1));
    QVERIFY(!b.ajuste->visivel(2));
    // Steps on a hidden channel change nothing that is sent.
    b.ajuste->UpDownClick(2, true);
    b.ajuste->UpDownClick(1, false);
    QVERIFY(b.ajuste->BitBtnOffsetClick());
    const QByteArray escrito = b.tarvek.naoVolatil();
    QCOMPARE(int(quint8(escrito.at(74))), 6);
    QCOMPARE(int(quint8(escrito.at(75))), 51);
}

void TestAjusteOffset::leituraFalhaNaOrdem_data()
{
    QTest::addColumn<int>("comando");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("configuration") << 0x01 << "Falhou leitura dos parâmetros de configuração.";
    QTest::newRow("non-volatile") << 0x05 << "Falhou leitura dos parâmetros não-voláteis.";
}

void TestAjusteOffset::leituraFalhaNaOrdem()
{
    QFETCH(int, comando);
    QFETCH(QString, mensagem);
    Bancada b(R"({ "sensor": "Pt100", "offset": -5 })", Nenhum);
    b.silencia(quint8(comando));
    QVERIFY(!b.ajuste->RecebeConfiguracoes());
    QCOMPARE(b.mensagens.textos(), QStringList { mensagem });
    QCOMPARE(b.ajuste->texto(1), u"0"_qs);
}

void TestAjusteOffset::escritaFalhaDeixaOsTextos()
{
    Bancada b(R"({ "sensor": "Pt100", "offset": -5 })", R"({ "sensor": "T", "offset": -1 })");
    QVERIFY(b.ajuste->RecebeConfiguracoes());
    const QByteArray lido = b.tarvek.naoVolatil();
    b.ajuste->UpDownClick(2, true);
    b.silencia(0x04);
    QVERIFY(!b.ajuste->BitBtnOffsetClick());
    QCOMPARE(b.mensagens.textos().last(), u"Falhou escrita da configuração (ajuste de offset)"_qs);
    QCOMPARE(b.mensagens.registro.last().tipo, MensagemRegistrada::Tipo::Aviso);
    QCOMPARE(b.ajuste->texto(2), u"0"_qs);
    QCOMPARE(b.tarvek.naoVolatil(), lido);
    b.tarvek.limpaFalhas();
    QVERIFY(b.ajuste->BitBtnOffsetClick());
    QCOMPARE(b.tarvek.naoVolatil().mid(74, 2).toHex(), QByteArray("fb00"));
}

QUORVANE_TEST_GUILESS_MAIN(TestAjusteOffset)
#include "tst_AjusteOffset.moc"
