#include "Bancada.h"

#include "RegistroTestes.h"
#include "RotinasBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

using Estado = TarvekRoteirizado::Estado;

namespace {

QString texto(int numero)
{
    return Catalogo::padrao(numero);
}

QString caixaChecksum(int esperado, int retornado)
{
    return texto(256) + QString::number(esperado) + "\r\n" + texto(257) + QString::number(retornado) + "\r\n";
}

}  // namespace

class TestTDatalogger : public QObject
{
    Q_OBJECT
private slots:
    void unansweredActivationGivesUpAfterEightSecondsOnce_data();
    void unansweredActivationGivesUpAfterEightSecondsOnce();
    void replyFaultsFailAttemptsWithTheirText_data();
    void replyFaultsFailAttemptsWithTheirText();
    void checksumMismatchRetriesThenRecovers();
    void requestsGoOutByteForByteOnTime_data();
    void requestsGoOutByteForByteOnTime();
    void pageWaitRunsNoWindowMessages_data();
    void pageWaitRunsNoWindowMessages();
    void openingSetsTheLineBeforeOpening_data();
    void openingSetsTheLineBeforeOpening();
    void lostDeviceEndsTheExchangeAtOnce_data();
    void lostDeviceEndsTheExchangeAtOnce();
    void closeWaitsForTheExchangeInProgress_data();
    void closeWaitsForTheExchangeInProgress();
    void portChangeDuringActivationRetries_data();
    void portChangeDuringActivationRetries();
    void secondCommandWhileOneWaitsIsRefused();
    void recordChangedDuringSendIsNotSent();
    void configurationTraceFollowsDebugKey_data();
    void configurationTraceFollowsDebugKey();
    void debugFileHoldsOneEntryPerByte();
    void textsComeFromTheCatalogueWhenShown();
};

// ---- Activation ----------------------------------------------------------

void TestTDatalogger::unansweredActivationGivesUpAfterEightSecondsOnce_data()
{
    QTest::addColumn<Estado>("estado");
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("erro");
    QTest::newRow("nothing connected") << Estado::Desligado << "LeConfiguracao" << texto(262);
    QTest::newRow("nothing connected, stop") << Estado::Desligado << "FimAquisicoes" << texto(262);
    QTest::newRow("lines looped") << Estado::Laco << "LeConfiguracao" << texto(259);
    QTest::newRow("lines looped, write") << Estado::Laco << "EscreveNaoVolateis" << texto(259);
}

void TestTDatalogger::unansweredActivationGivesUpAfterEightSecondsOnce()
{
    QFETCH(Estado, estado);
    QFETCH(QString, comando);
    QFETCH(QString, erro);
    Bancada b;
    b.tarvek.estado = estado;
    QVERIFY(b.abre());
    const int64_t inicio = b.relogio.agora;
    QByteArray bloco;

    QVERIFY(!b.executa(comando, bloco));

    // Cycles of 1.1 s: eight inside the deadline, one more after it.
    const int64_t duracao = b.relogio.agora - inicio;
    QVERIFY2(duracao >= 9000 && duracao <= 9600, qPrintable(QString::number(duracao)));
    QCOMPARE(b.porta.bytesEscritos(), QByteArray(9, char(0x08)));
    // Two beeps per retried cycle, then the failure signal once.
    QCOMPARE(b.sinal.bips, 8 * 2 + 72);
    QCOMPARE(b.status.texto, erro);
    QCOMPARE(b.status.cor, ILinhaStatus::Cor::Vermelho);
    // Until the last cycle only the retry text was shown.
    const QStringList antes = b.status.historico.mid(0, b.status.historico.size() - 1);
    QVERIFY(!antes.isEmpty());
    for (const QString &t : antes)
        QCOMPARE(t, texto(258));
    QVERIFY(b.mensagens.registro.isEmpty());
    QVERIFY(!b.link->HouveErro);
}

// ---- Echo, block and checksum checks ----------------------------------------

void TestTDatalogger::replyFaultsFailAttemptsWithTheirText_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("eco");
    QTest::addColumn<QByteArray>("resposta");  // after the echoes; empty: the regular one
    QTest::addColumn<int>("vezes");  // attempts answered so
    QTest::addColumn<bool>("resultado");
    QTest::addColumn<int>("tentativas");
    QTest::addColumn<QString>("textoFinal");
    QTest::addColumn<QString>("caixa");
    QTest::addColumn<int>("bips");

    const QByteArray config = Bancada::sequencia(32, 1);  // 1..32
    const QByteArray certa = TarvekRoteirizado::comChecksum(config);
    const QByteArray pagina = TarvekRoteirizado::padraoPagina(0);
    const int somaPagina = SomaVerificacao(pagina);
    const int somaNaoVolateis = SomaVerificacao(Bancada::sequencia(123));
    // The activations of attempts 2 and 3 succeed after an error: recovery
    // signal each; then the failure signal.
    const int falhaApos3 = 4 + 4 + 72;

    QTest::newRow("regular configuration read")
        << "LeConfiguracao" << true << QByteArray() << 0 << true << 1 << QString() << QString() << 0;
    QTest::newRow("35 bytes waiting: surplus") << "LeConfiguracao" << true << certa + '\x00' << 3 << false
                                               << 3 << texto(264) << QString() << falhaApos3;
    QTest::newRow("33 bytes without echo: checksum agrees")
        << "LeConfiguracao" << false << certa << 1 << true << 1 << QString() << QString() << 0;
    QTest::newRow("33 bytes without checksum: block read one early")
        << "LeConfiguracao" << true << config << 3 << false << 3 << texto(260) << caixaChecksum(241, 32)
        << falhaApos3;
    QTest::newRow("wrong echo") << "LeConfiguracao" << false << '\x02' + certa << 3 << false << 3
                                << texto(263) << QString() << falhaApos3;
    QTest::newRow("short reply") << "LeCalibracao" << true << QByteArray(10, '\x01') << 3 << false << 3
                                 << texto(262) << QString() << falhaApos3;
    QTest::newRow("short non-volatile reply: receive timeout")
        << "LeNaoVolateis" << true << QByteArray(100, '\x01') << 3 << false << 3 << texto(261) << QString()
        << falhaApos3;
    // The echo and 122 bytes: 123 waiting, one short of the 124 needed.
    QTest::newRow("non-volatile reply one byte short: receive timeout")
        << "LeNaoVolateis" << true << QByteArray(122, '\x01') << 3 << false << 3 << texto(261) << QString()
        << falhaApos3;
    QTest::newRow("stop not acknowledged") << "FimAquisicoes" << true << QByteArray(1, '\x00') << 3 << false
                                           << 3 << texto(265) << QString() << falhaApos3;
    QTest::newRow("stop acknowledged after one miss")
        << "FimAquisicoes" << true << QByteArray(1, '\x00') << 1 << true << 2 << QString() << QString() << 4;
    QTest::newRow("write without checksum byte compares 199")
        << "EscreveNaoVolateis" << false << QByteArray() << 3 << false << 3 << texto(260)
        << caixaChecksum(somaNaoVolateis, 199) << falhaApos3;
    QTest::newRow("page without checksum byte compares 199")
        << "LePagina" << false << pagina << 3 << false << 3 << texto(260) << caixaChecksum(somaPagina, 199)
        << falhaApos3;
}

void TestTDatalogger::replyFaultsFailAttemptsWithTheirText()
{
    QFETCH(QString, comando);
    QFETCH(bool, eco);
    QFETCH(QByteArray, resposta);
    QFETCH(int, vezes);
    QFETCH(bool, resultado);
    QFETCH(int, tentativas);
    QFETCH(QString, textoFinal);
    QFETCH(QString, caixa);
    QFETCH(int, bips);
    Bancada b;
    b.tarvek.eco = eco;
    b.tarvek.blocos[0x01] = Bancada::sequencia(32, 1);
    QByteArray bloco;
    const quint8 cmd = QHash<QString, quint8> {
        { "LeConfiguracao", 0x01 }, { "LeCalibracao", 0x65 }, { "LeNaoVolateis", 0x05 },
        { "FimAquisicoes", 0x06 }, { "EscreveNaoVolateis", 0x04 }, { "LePagina", 0x02 }
    }.value(comando);
    for (int i = 0; i < vezes; ++i)
        b.tarvek.programa(cmd, { resposta });
    QVERIFY(b.abre());

    QCOMPARE(b.executa(comando, bloco), resultado);

    QCOMPARE(b.tarvek.vezes(0x08), tentativas);
    QCOMPARE(b.tarvek.vezes(cmd), tentativas);
    QCOMPARE(b.status.texto, textoFinal);
    QCOMPARE(b.status.cor, resultado ? ILinhaStatus::Cor::Preto : ILinhaStatus::Cor::Vermelho);
    QCOMPARE(b.sinal.bips, bips);
    const QStringList esperadas = caixa.isEmpty() ? QStringList() : QStringList(tentativas, caixa);
    QCOMPARE(b.mensagens.textos(), esperadas);
    if (resultado && comando == u"LeConfiguracao")
        QCOMPARE(bloco, Bancada::sequencia(32, 1));
}

void TestTDatalogger::checksumMismatchRetriesThenRecovers()
{
    Bancada b;
    const QByteArray calibracao = Bancada::sequencia(37, 100);
    b.tarvek.blocos[0x65] = calibracao;
    QByteArray errada = TarvekRoteirizado::comChecksum(calibracao);
    errada[37] = char(errada[37] + 1);
    b.tarvek.programa(0x65, { errada });
    int64_t instanteCaixa = -1;
    QString textoNaCaixa;
    b.mensagens.aoMostrar = [&](const MensagemRegistrada &) {
        instanteCaixa = b.relogio.agora;
        textoNaCaixa = b.status.texto;
    };
    QVERIFY(b.abre());
    TDatalogger::BytesCalibracao bloco {};

    QVERIFY(b.link->LeCalibracao(bloco));

    QCOMPARE(TDatalogger::ComoQByteArray(bloco), calibracao);
    const int soma = SomaVerificacao(calibracao);
    QCOMPARE(b.mensagens.textos(), QStringList { caixaChecksum(soma, (soma + 1) & 0xFF) });
    QCOMPARE(textoNaCaixa, QString());  // the error text follows the box
    QVERIFY(b.status.historico.contains(texto(260)));
    QCOMPARE(b.tarvek.vezes(0x08), 2);
    // The recovery signal: two beeps, 150 ms, two beeps, at the second
    // activation's success.
    QCOMPARE(b.sinal.bips, 4);
    const int64_t t = b.sinal.instantes[0];
    QVERIFY(t > instanteCaixa);
    QCOMPARE(b.sinal.instantes, (QList<int64_t> { t, t, t + 150, t + 150 }));
    QCOMPARE(b.status.texto, QString());
    QVERIFY(!b.link->HouveErro && b.link->Ocioso && b.link->MostraErro);
}

// ---- Requests on the wire ---------------------------------------------------

void TestTDatalogger::requestsGoOutByteForByteOnTime_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QByteArray>("enviados");  // after the activation byte
    QTest::addColumn<QList<int>>("intervalos");  // ms between writes, from the activation byte
    QTest::addColumn<QByteArray>("lido");

    auto intervalos = [](int primeiro, int dados) {
        QList<int> l { 200, primeiro };
        for (int i = 1; i < dados; ++i)
            l << 10;
        return l;
    };
    const QByteArray vazio;
    QTest::newRow("send configuration: 21 of 32 bytes")
        << "EnviaConfiguracao" << '\x00' + Bancada::sequencia(21) << intervalos(6, 21) << vazio;
    QTest::newRow("read configuration")
        << "LeConfiguracao" << QByteArray(1, '\x01') << QList<int> { 200 } << Bancada::sequencia(32, 40);
    QTest::newRow("read page 5") << "LePagina" << QByteArray("\x02\x05", 2) << QList<int> { 200, 6 }
                                 << TarvekRoteirizado::padraoPagina(5);
    QTest::newRow("read readings") << "LeLeituras" << QByteArray(1, '\x03') << QList<int> { 200 }
                                   << Bancada::sequencia(11, 7);
    QTest::newRow("write non-volatile")
        << "EscreveNaoVolateis" << '\x04' + Bancada::sequencia(123) << intervalos(10, 123) << vazio;
    QTest::newRow("read non-volatile")
        << "LeNaoVolateis" << QByteArray(1, '\x05') << QList<int> { 200 } << Bancada::sequencia(123, 200);
    QTest::newRow("stop acquisitions")
        << "FimAquisicoes" << QByteArray(1, '\x06') << QList<int> { 200 } << vazio;
    QTest::newRow("read calibration")
        << "LeCalibracao" << QByteArray(1, '\x65') << QList<int> { 200 } << Bancada::sequencia(37, 90);
}

void TestTDatalogger::requestsGoOutByteForByteOnTime()
{
    QFETCH(QString, comando);
    QFETCH(QByteArray, enviados);
    QFETCH(QList<int>, intervalos);
    QFETCH(QByteArray, lido);
    Bancada b;
    b.configuracoes.grava("COMUNICACAO", "DEBUG", "FALSE");
    if (!lido.isEmpty() && comando != u"LePagina")
        b.tarvek.blocos[quint8(enviados[0])] = lido;
    QVERIFY(b.abre());
    QByteArray bloco;

    QVERIFY(b.executa(comando, bloco, 5));

    QCOMPARE(b.porta.bytesEscritos(), '\x08' + enviados);
    QList<int> medidos;
    for (qsizetype i = 1; i < b.porta.escritas.size(); ++i)
        medidos << int(b.porta.escritas[i].instante - b.porta.escritas[i - 1].instante);
    QCOMPARE(medidos, intervalos);
    if (!lido.isEmpty())
        QCOMPARE(bloco, lido);
    QCOMPARE(b.sinal.bips, 0);
    QVERIFY(b.mensagens.registro.isEmpty());
}

void TestTDatalogger::pageWaitRunsNoWindowMessages_data()
{
    QTest::addColumn<QByteArray>("antes");  // extra bytes ahead of the reply
    QTest::addColumn<double>("msPorByte");
    QTest::addColumn<bool>("resultado");
    QTest::addColumn<int>("espera");  // ms without window messages after the page byte

    // Echoes at once; the reply starts 20 ms later. The 2049th byte waiting
    // is reply byte 2047 (index 2046).
    QTest::newRow("reply at line speed") << QByteArray() << 0.57 << true << 20 + 1166;
    QTest::newRow("surplus bytes dropped from the front")
        << QByteArray("\x11\x22\x33", 3) << 0.57 << true << 20 + 1166;
    QTest::newRow("reply too slow: 3 s limit") << QByteArray() << 2.0 << false << 3002;
}

void TestTDatalogger::pageWaitRunsNoWindowMessages()
{
    QFETCH(QByteArray, antes);
    QFETCH(double, msPorByte);
    QFETCH(bool, resultado);
    QFETCH(int, espera);
    Bancada b;
    b.tarvek.msPorByte = msPorByte;
    const QByteArray pagina = TarvekRoteirizado::padraoPagina(9);
    b.tarvek.programa(0x02, { antes + TarvekRoteirizado::comChecksum(pagina) });
    QList<int64_t> mensagens;
    b.relogio.aoProcessarMensagens = [&] { mensagens << b.relogio.agora; };
    QVERIFY(b.abre());
    QByteArray bloco;

    QCOMPARE(b.link->LePagina(bloco, 9), resultado);

    const int64_t enviada = b.porta.escritas[2].instante;
    QCOMPARE(b.porta.escritas[2].byte, quint8(9));
    const auto primeira
        = std::find_if(mensagens.begin(), mensagens.end(), [&](int64_t t) { return t > enviada; });
    QVERIFY(primeira != mensagens.end());
    // The poll ends on the 2 ms step that sees the bytes; the wait of 250 ms
    // that follows processes messages again from its first step.
    QCOMPARE(*primeira - enviada, espera + 2);
    if (resultado)
        QCOMPARE(bloco, pagina);
    else
        QCOMPARE(b.status.texto, texto(261));
}

// ---- Opening and closing -------------------------------------------------------

void TestTDatalogger::openingSetsTheLineBeforeOpening_data()
{
    QTest::addColumn<bool>("recusa");
    QTest::newRow("port opens") << false;
    QTest::newRow("port refuses") << true;
}

void TestTDatalogger::openingSetsTheLineBeforeOpening()
{
    QFETCH(bool, recusa);
    Bancada b;
    b.porta.recusaAbertura = recusa;

    QCOMPARE(b.link->AbreComunicacao(3, &b.porta, &b.status), !recusa);

    QStringList esperados { "CommPort=3", "Settings=19200,e,8,1", "InputMode=binario", "InBufferSize=4096",
        "InputLen=0", "PortOpen=true" };
    if (!recusa)
        esperados << "InBufferCount=0"
                  << "OutBufferCount=0";
    QCOMPARE(b.porta.eventos, esperados);
    // The port's reason follows the link's text, in the warning and in red on
    // the status line.
    QCOMPARE(b.mensagens.textos(), recusa ? QStringList { texto(254) + "\nporta ocupada" } : QStringList());
    QCOMPARE(b.status.texto, recusa ? texto(254) + " porta ocupada" : QString());
    QVERIFY(b.link->MostraErro && !b.link->HouveErro && !b.link->PedidoFecha && b.link->Ocioso);
}

void TestTDatalogger::lostDeviceEndsTheExchangeAtOnce_data()
{
    QTest::addColumn<Estado>("estado");
    QTest::addColumn<QString>("comando");
    // ms after the command starts; below 0, once the logger has received
    // the command that many times, the tries before left unanswered
    QTest::addColumn<int>("perda");
    QTest::addColumn<bool>("semTexto");  // the port has no words of its own for the loss
    QTest::newRow("pulled during the activation retries")
        << Estado::Desligado << "LeConfiguracao" << 3000 << false;
    QTest::newRow("pulled while a page comes in") << Estado::Ligado << "LePagina" << 250 << false;
    QTest::newRow("pulled while the block is written")
        << Estado::Ligado << "EscreveNaoVolateis" << 600 << false;
    QTest::newRow("pulled while the reply is awaited") << Estado::Ligado << "LeNaoVolateis" << 400 << false;
    QTest::newRow("gone before the command") << Estado::Ligado << "LeLeituras" << 0 << false;
    QTest::newRow("pulled during the third try") << Estado::Ligado << "LeNaoVolateis" << -3 << false;
    QTest::newRow("lost without words of the port's own") << Estado::Ligado << "LeNaoVolateis" << 400 << true;
}

void TestTDatalogger::lostDeviceEndsTheExchangeAtOnce()
{
    QFETCH(Estado, estado);
    QFETCH(QString, comando);
    QFETCH(int, perda);
    QFETCH(bool, semTexto);
    Bancada b;
    b.tarvek.estado = estado;
    b.porta.perdaSemTexto = semTexto;
    int perdas = 0;
    b.link->aoPerderPorta = [&] { ++perdas; };
    QVERIFY(b.abre());
    const int64_t inicio = b.relogio.agora;
    if (perda >= 0) {
        b.porta.perdaEm = inicio + perda;
    } else {
        constexpr quint8 leNaoVolateis = 0x05;
        for (int i = 1; i < -perda; ++i)
            b.tarvek.programa(leNaoVolateis, {});
        b.relogio.aoAvancar = [&b, perda](int64_t agora) {
            if (b.porta.perdaEm < 0 && b.tarvek.vezes(leNaoVolateis) >= -perda)
                b.porta.perdaEm = agora;
        };
    }
    QByteArray bloco;

    QVERIFY(!b.executa(comando, bloco));
    b.relogio.aoAvancar = nullptr;
    QVERIFY(b.porta.perdaEm >= 0);

    // No retries, no time-outs: over within 2 s of the loss, no more sent to
    // the gone device than the byte that found it gone, its own words on the
    // status line, the port closed.
    QVERIFY2(
        b.relogio.agora - b.porta.perdaEm <= 2000, qPrintable(QString::number(b.relogio.agora - inicio)));
    const auto tarde = std::count_if(b.porta.escritas.begin(), b.porta.escritas.end(),
        [&](const auto &e) { return e.instante >= b.porta.perdaEm; });
    QVERIFY2(tarde <= 1, qPrintable(QString::number(tarde)));
    QVERIFY(b.link->PortaPerdida());
    const QString palavras = semTexto
        ? QString::fromUtf8("A porta COM1 foi perdida: o dispositivo foi desconectado.")
        : "porta perdida";
    QCOMPARE(b.link->TextoPerda(), palavras);
    QCOMPARE(b.status.texto, palavras);
    QCOMPARE(b.status.cor, ILinhaStatus::Cor::Vermelho);
    QCOMPARE(b.porta.fechamentos, 1);
    QCOMPARE(perdas, 1);
    QVERIFY(b.mensagens.registro.isEmpty());
    // The failure signal (36 double beeps) sounds once for the loss.
    const auto bipsDaPerda = std::count_if(
        b.sinal.instantes.begin(), b.sinal.instantes.end(), [&](int64_t t) { return t >= b.porta.perdaEm; });
    QCOMPARE(bipsDaPerda, 72);

    // The next command fails at once without touching the port.
    const int64_t depois = b.relogio.agora;
    const int escritas = b.porta.escritas.size() + b.porta.escritasPerdidas;
    QVERIFY(!b.link->LeConfiguracao(bloco));
    QCOMPARE(b.relogio.agora, depois);
    QCOMPARE(b.porta.escritas.size() + b.porta.escritasPerdidas, escritas);

    // Back again, the port opens as before.
    b.porta.perdaEm = -1;
    QVERIFY(b.abre());
    QVERIFY(!b.link->PortaPerdida());
}

void TestTDatalogger::closeWaitsForTheExchangeInProgress_data()
{
    QTest::addColumn<int>("quando");  // ms after the command starts; -1: no command
    QTest::addColumn<Estado>("estado");
    QTest::addColumn<int>("demora");
    QTest::newRow("idle link") << -1 << Estado::Ligado << 50;
    QTest::newRow("while an activation retries") << 3000 << Estado::Desligado << 50;
    QTest::newRow("while a command's reply is awaited") << 300 << Estado::Ligado << 3500;
}

void TestTDatalogger::closeWaitsForTheExchangeInProgress()
{
    QFETCH(int, quando);
    QFETCH(Estado, estado);
    QFETCH(int, demora);
    Bancada b;
    b.tarvek.estado = estado;
    b.tarvek.programa(0x01, { QByteArray(33, '\x01'), 400 });  // after the read's wait
    QVERIFY(b.abre());
    int64_t medida = -1;
    if (quando < 0) {
        const int64_t t = b.relogio.agora;
        b.link->FechaComunicacao();
        medida = b.relogio.agora - t;
    } else {
        const int64_t inicio = b.relogio.agora;
        b.relogio.aoProcessarMensagens = [&] {
            if (medida >= 0 || b.relogio.agora - inicio < quando)
                return;
            const int64_t t = b.relogio.agora;
            medida = 0;
            b.link->FechaComunicacao();
            medida = b.relogio.agora - t;
        };
        TDatalogger::BytesConfiguracao bloco {};
        QVERIFY(!b.link->LeConfiguracao(bloco));
        QVERIFY(b.sinal.bips < 72);  // no failure signal
    }
    QCOMPARE(medida, int64_t(demora));
    QVERIFY(!b.porta.PortOpen());
    QCOMPARE(b.porta.escritasPerdidas, 0);
    QVERIFY(b.link->PedidoFecha);
}

void TestTDatalogger::portChangeDuringActivationRetries_data()
{
    QTest::addColumn<bool>("reabre");
    QTest::newRow("closed and reopened on another port") << true;
    QTest::newRow("closed only") << false;
}

void TestTDatalogger::portChangeDuringActivationRetries()
{
    QFETCH(bool, reabre);
    Bancada b;
    b.tarvek.estado = Estado::Desligado;
    PortaRoteirizada outra(b.relogio);
    TarvekRoteirizado logger(outra);
    logger.blocos[0x03] = Bancada::sequencia(11, 50);
    QVERIFY(b.abre(1));
    const int64_t inicio = b.relogio.agora;
    bool trocou = false;
    int64_t fechou = -1;
    b.relogio.aoProcessarMensagens = [&] {
        if (trocou || b.relogio.agora - inicio < 2500)
            return;
        trocou = true;
        const int64_t t = b.relogio.agora;
        b.link->FechaComunicacao();
        fechou = b.relogio.agora - t;
        if (reabre)
            QVERIFY(b.link->AbreComunicacao(2, &outra, &b.status));
    };
    QByteArray bloco;

    QCOMPARE(b.link->LeLeituras(bloco), reabre);

    QVERIFY(trocou);
    QCOMPARE(fechou, int64_t(50));
    QVERIFY(!b.porta.PortOpen());
    QCOMPARE(b.porta.escritasPerdidas, 0);
    QVERIFY(b.sinal.bips < 72);  // no failure signal either way
    if (reabre) {
        QCOMPARE(bloco, Bancada::sequencia(11, 50));
        QCOMPARE(logger.vezes(0x03), 1);
        QCOMPARE(b.status.texto, QString());
    } else {
        QCOMPARE(b.status.cor, ILinhaStatus::Cor::Preto);
        QVERIFY(b.relogio.agora - inicio < 4000);  // gave up at the next cycle
    }
}

// ---- One command at a time ------------------------------------------------------

void TestTDatalogger::secondCommandWhileOneWaitsIsRefused()
{
    Bancada b;
    QVERIFY(b.abre());
    QList<bool> usos;
    b.link->aoMudarUso = [&](bool emUso) { usos << emUso; };
    bool tentou = false;
    bool aninhado = true;
    QByteArray escritasAntes;
    QStringList statusAntes;
    int64_t instanteAntes = 0;
    int64_t instanteDepois = 0;
    b.relogio.aoProcessarMensagens = [&] {
        if (tentou || b.porta.escritas.size() < 2)
            return;
        tentou = true;
        QVERIFY(b.link->EmUso());
        escritasAntes = b.porta.bytesEscritos();
        statusAntes = b.status.historico;
        instanteAntes = b.relogio.agora;
        TDatalogger::BytesLeituras leituras {};
        aninhado = b.link->LeLeituras(leituras);
        instanteDepois = b.relogio.agora;
        QCOMPARE(b.status.historico, statusAntes);
    };
    TDatalogger::BytesConfiguracao bloco {};

    QVERIFY(b.link->LeConfiguracao(bloco));

    QVERIFY(tentou);
    QVERIFY(!aninhado);
    QCOMPARE(b.porta.bytesEscritos(), QByteArray("\x08\x01", 2));
    QCOMPARE(escritasAntes, QByteArray("\x08\x01", 2));
    QCOMPARE(usos, (QList<bool> { true, false }));
    QCOMPARE(instanteDepois, instanteAntes);  // refused at once
    QCOMPARE(b.sinal.bips, 0);
    // Once the first has ended the link takes commands again.
    QVERIFY(!b.link->EmUso());
    TDatalogger::BytesLeituras leituras {};
    QVERIFY(b.link->LeLeituras(leituras));
    QCOMPARE(b.tarvek.vezes(0x03), 1);
}

void TestTDatalogger::recordChangedDuringSendIsNotSent()
{
    Bancada b;
    QVERIFY(b.abre());
    TDatalogger::BytesConfiguracao registro {};
    for (int i = 0; i < 32; ++i)
        registro[i] = quint8(i + 1);
    b.relogio.aoProcessarMensagens = [&] { registro.fill(0xEE); };

    QVERIFY(b.link->EnviaConfiguracao(registro));

    QCOMPARE(b.porta.bytesEscritos().mid(2), Bancada::sequencia(21, 1));
    QVERIFY(b.mensagens.textos().value(0).endsWith(TDatalogger::LinhaTraco(21, 21) + "\r\n"));
    // A block of another size is refused without touching the port.
    const qsizetype escritas = b.porta.escritas.size();
    QVERIFY(!b.link->EnviaConfiguracao(QByteArray(21, '\x01')));
    QVERIFY(!b.link->EscreveNaoVolateis(QByteArray(124, '\x01')));
    QCOMPARE(b.porta.escritas.size(), escritas);
}

// ---- Communication trace ------------------------------------------------------

void TestTDatalogger::configurationTraceFollowsDebugKey_data()
{
    QTest::addColumn<QString>("valor");  // null: key missing
    QTest::addColumn<bool>("ligado");
    QTest::newRow("key missing") << QString() << true;
    QTest::newRow("TRUE") << "TRUE" << true;
    QTest::newRow("lower-case false stays on") << "false" << true;
    QTest::newRow("FALSE with a blank stays on") << "FALSE " << true;
    QTest::newRow("FALSE") << "FALSE" << false;
}

void TestTDatalogger::configurationTraceFollowsDebugKey()
{
    QFETCH(QString, valor);
    QFETCH(bool, ligado);
    Bancada b;
    if (!valor.isNull())
        b.configuracoes.grava("COMUNICACAO", "DEBUG", valor);
    QVERIFY(b.abre());
    QByteArray registro = Bancada::sequencia(32, 0xF0);
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());

    QVERIFY(b.link->EnviaConfiguracao(registro));
    const bool gravou
        = b.link->GravaTracoDebug(reinterpret_cast<const quint8 *>(registro.constData()), 2, pasta.path());

    QString caixa = texto(255) + "\r\n\n";
    for (int i = 0; i < 21; ++i)
        caixa += TDatalogger::LinhaTraco(i + 1, quint8(registro[i])) + "\r\n";
    QCOMPARE(b.mensagens.textos(), ligado ? QStringList { caixa } : QStringList());
    if (ligado)
        QCOMPARE(b.mensagens.registro[0].tipo, MensagemRegistrada::Tipo::Listagem);
    QCOMPARE(gravou, ligado);
    QCOMPARE(QFile::exists(QDir(pasta.path()).filePath("DEBUG.TXT")), ligado);
}

void TestTDatalogger::debugFileHoldsOneEntryPerByte()
{
    Bancada b;
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString caminho = QDir(pasta.path()).filePath("DEBUG.TXT");
    {
        QFile antigo(caminho);
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write(QByteArray(5000, 'x'));
    }
    const std::array<quint8, 3> bytes { 0x0A, 0xFF, 0x00 };

    QVERIFY(b.link->GravaTracoDebug(bytes, pasta.path()));

    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    QCOMPARE(arquivo.readAll(),
        QByteArray("Byte 01:      0A     -     010\r\n\r\n"
                   "Byte 02:      FF     -     255\r\n\r\n"
                   "Byte 03:      00     -     000\r\n\r\n"));
}

void TestTDatalogger::textsComeFromTheCatalogueWhenShown()
{
    Bancada b;
    b.tarvek.estado = Estado::Desligado;
    b.porta.recusaAbertura = true;
    b.catalogo.substitui(254, "Port unavailable.");
    QVERIFY(!b.abre());
    b.porta.recusaAbertura = false;
    QVERIFY(b.abre());
    b.status.historico.clear();
    // Replaced after the link was made: the link reads the catalogue when it
    // shows a text.
    b.catalogo.substitui(258, "Trying...");
    b.catalogo.substitui(262, "Echo timeout!");
    TDatalogger::BytesLeituras bloco {};

    QVERIFY(!b.link->LeLeituras(bloco));

    QCOMPARE(b.mensagens.textos(), QStringList { "Port unavailable.\nporta ocupada" });
    QCOMPARE(b.status.historico.first(), QString("Trying..."));
    QCOMPARE(b.status.texto, QString("Echo timeout!"));
}

QUORVANE_TEST_GUILESS_MAIN(TestTDatalogger)
#include "tst_TDatalogger.moc"
