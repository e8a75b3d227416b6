// Reading and writing the configuration through the link against the
// simulated Tarvek, in virtual time: the reads in their order with their
// messages, the two writes and what a failed one leaves, and a configuration
// followed by a collection of what the logger then acquired.

#include "AmbienteFalso.h"
#include "ColetaDados.h"
#include "DescricaoTarvek.h"
#include "EditorConfiguracao.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"
#include "TransferenciaConfiguracao.h"

#include <memory>

namespace {

const QDateTime Agora(QDate(2026, 12, 7), QTime(9, 30, 0));

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

struct Bancada : AmbienteFalso
{
    TarvekSimulado tarvek;
    TMSCommSimulado porta { tarvek, relogio };
    std::unique_ptr<TDatalogger> link;
    EditorConfiguracao editor { ambiente };

    Bancada()
    {
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(Descricao, &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), Agora, &erro))
            qFatal("%s", qPrintable(erro));
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
        editor.LimpaCampos();
    }
    TransferenciaConfiguracao transferencia() { return TransferenciaConfiguracao(*link, ambiente); }
    void silencia(quint8 comando) { tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, comando }); }
};

}  // namespace

class TestTransferenciaConfiguracao : public QObject
{
    Q_OBJECT
private slots:
    void leituraPreencheEAvisaComSinal();
    void leituraFalhaNaOrdem_data();
    void leituraFalhaNaOrdem();
    void escritaGravaOsDoisBlocos();
    void escritaFalhaDeixaEditorPronto_data();
    void escritaFalhaDeixaEditorPronto();
    void configurarEDepoisColetar();
};

void TestTransferenciaConfiguracao::leituraPreencheEAvisaComSinal()
{
    Bancada b;
    QVERIFY(b.transferencia().RecebeConfiguracoes(b.editor));
    QVERIFY(b.mensagens.registro.isEmpty());
    QCOMPARE(b.sinal.bips, 8);
    QCOMPARE(b.editor.EditTitulo.texto, QStringLiteral("Secador 4"));
    QCOMPARE(b.editor.Canal2.MELimHi.texto, QStringLiteral("100,0"));
    QCOMPARE(b.editor.EditIntervalo.texto, QStringLiteral("00:00:20"));
    QCOMPARE(b.editor.lblDataHoraTarvek.texto.left(20), QStringLiteral("Data/Hora:07/12/2026"));
    QVERIFY(!b.link->EmUso());
}

void TestTransferenciaConfiguracao::leituraFalhaNaOrdem_data()
{
    QTest::addColumn<int>("comando");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("configuration") << 0x01 << "Falhou leitura dos parâmetros de configuração.";
    QTest::newRow("non-volatile") << 0x05 << "Falhou leitura dos parâmetros não-voláteis.";
    QTest::newRow("calibration") << 0x65 << "Falhou leitura dos parâmetros de calibração.";
}

void TestTransferenciaConfiguracao::leituraFalhaNaOrdem()
{
    QFETCH(int, comando);
    QFETCH(QString, mensagem);
    Bancada b;
    b.silencia(quint8(comando));
    QVERIFY(!b.transferencia().RecebeConfiguracoes(b.editor));
    QCOMPARE(b.mensagens.textos(), QStringList { mensagem });
    QCOMPARE(b.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::Aviso);
    // Nothing was filled in.
    QVERIFY(b.editor.EditTitulo.texto.isEmpty());
    QCOMPARE(b.editor.Canal1.ComboBoxSensor.indice, 0);
}

void TestTransferenciaConfiguracao::escritaGravaOsDoisBlocos()
{
    Bancada b;
    QVERIFY(b.transferencia().RecebeConfiguracoes(b.editor));
    const QByteArray lido = b.tarvek.naoVolatil();
    b.editor.EditTitulo.texto = QStringLiteral("Estufa 2");
    b.editor.Canal2.MELimHi.texto = QStringLiteral("80,5");
    b.sinal.bips = 0;
    QVERIFY(b.transferencia().EnviaConfiguracoes(b.editor));
    QCOMPARE(b.mensagens.textos(), QStringList { QStringLiteral("Configuração realizada com sucesso!") });
    QCOMPARE(b.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::Informacao);
    QCOMPARE(b.sinal.bips, 8);
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 1);
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 1);
    const QByteArray n = b.tarvek.naoVolatil();
    QCOMPARE(n.left(30), QByteArray("Estufa 2                      "));
    QCOMPARE(n.mid(72, 2).toHex(), QByteArray("2503"));  // 805
    QCOMPARE(n.mid(74, 2).toHex(), QByteArray("fe03"));  // offsets as read
    QCOMPARE(n.mid(76), lido.mid(76));
    // The logger took the clock and the settings it was sent.
    const QByteArray c = b.tarvek.configuracao();
    QCOMPARE(c.mid(0, 2).toHex(), QByteArray("8089"));
    // (the reads and the signal took two seconds of the virtual clock)
    QCOMPARE(c.mid(10, 6).toHex(), QByteArray("1c0c07091e02"));
}

void TestTransferenciaConfiguracao::escritaFalhaDeixaEditorPronto_data()
{
    QTest::addColumn<int>("comando");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<int>("configuracoes");
    QTest::newRow("configuration") << 0x00 << "Falhou escrita dos parâmetros de configuração." << 0;
    QTest::newRow("non-volatile") << 0x04 << "Falhou escrita dos parâmetros não-voláteis" << 1;
}

void TestTransferenciaConfiguracao::escritaFalhaDeixaEditorPronto()
{
    QFETCH(int, comando);
    QFETCH(QString, mensagem);
    QFETCH(int, configuracoes);
    Bancada b;
    QVERIFY(b.transferencia().RecebeConfiguracoes(b.editor));
    b.silencia(quint8(comando));
    QVERIFY(!b.transferencia().EnviaConfiguracoes(b.editor));
    // After the link's own checksum boxes, the operation's message.
    QCOMPARE(b.mensagens.textos().last(), mensagem);
    QCOMPARE(b.mensagens.registro.last().tipo, MensagemRegistrada::Tipo::Aviso);
    QCOMPARE(b.tarvek.configuracoesRecebidas(), configuracoes);
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 0);
    // The fields stay, their texts padded, and the same editor sends again.
    QCOMPARE(b.editor.EditTitulo.texto, QStringLiteral("Secador 4                     "));
    b.tarvek.limpaFalhas();
    b.mensagens.registro.clear();
    QVERIFY(b.transferencia().EnviaConfiguracoes(b.editor));
    QCOMPARE(b.tarvek.naoVolatil().left(30), QByteArray("Secador 4                     "));
}

void TestTransferenciaConfiguracao::configurarEDepoisColetar()
{
    // K on channel 1 alone, every 10 s; 95 s later the logger holds nine
    // acquisitions of it, under the new title.
    Bancada b;
    QVERIFY(b.transferencia().RecebeConfiguracoes(b.editor));
    b.editor.canal(1).ComboBoxSensor.indice = 2;
    b.editor.ComboBoxSensorChange(1);
    b.editor.canal(2).ComboBoxSensor.indice = 0;
    b.editor.ComboBoxSensorChange(2);
    b.editor.EditMedia.texto = QStringLiteral("1");
    b.editor.EditIntervalo.texto = QStringLiteral("00:00:10");
    b.editor.EditTitulo.texto = QStringLiteral("Forno novo");
    b.editor.TempoEstimado();
    QCOMPARE(b.editor.ValidaTudo(), std::nullopt);
    QVERIFY(b.transferencia().EnviaConfiguracoes(b.editor));
    b.relogio.avanca(95 * 1000);
    const ColetaDados::Resultado r = ColetaDados(*b.link, b.ambiente).executa(nullptr);
    QVERIFY2(r.ok(), qPrintable(r.mensagem));
    QCOMPARE(r.aquisicao->Titulo, QStringLiteral("Forno novo"));
    QCOMPARE(r.aquisicao->SensorCanal1, 1);
    QCOMPARE(r.aquisicao->NumCanais, 1);
    QCOMPARE(r.aquisicao->IntervaloAquisicoes(), 10.0);
    QCOMPARE(r.aquisicao->NumLeituras(), 9);
}

QUORVANE_TEST_GUILESS_MAIN(TestTransferenciaConfiguracao)
#include "tst_TransferenciaConfiguracao.moc"
