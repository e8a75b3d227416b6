// The simulated Tarvek at the level of the line: bytes in with their
// instants, bytes out as the clock passes.

#include "Fakes.h"
#include "RegistroTestes.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

namespace {

QByteArray bytes(std::initializer_list<int> lista)
{
    QByteArray b;
    for (int x : lista)
        b.append(char(x));
    return b;
}

uint8_t soma(const QByteArray &b)
{
    uint8_t s = 0;
    for (char c : b)
        s = uint8_t(s + uint8_t(c));
    return s;
}

// Sends the bytes 10 ms apart from `instante` and collects everything the
// logger answers within `espera` ms after the last.
QByteArray troca(TarvekSimulado &t, const QByteArray &enviados, int64_t &instante, int espera = 200)
{
    for (char c : enviados) {
        t.recebe(QByteArray(1, c), instante);
        instante += 10;
    }
    instante += espera;
    return t.transmite(instante);
}

QByteArray sequencia(int n, int inicio)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((inicio + i) & 0xFF);
    return b;
}

TarvekSimulado tarvekDeTeste()
{
    TarvekSimulado t;
    QByteArray cfg(32, '\0');
    cfg[0] = char(0x81);
    cfg[23] = 0x01;  // 300 acquisitions
    cfg[24] = 0x2C;
    t.defineConfiguracao(cfg);
    t.defineCalibracao(sequencia(37, 100));
    t.defineNaoVolatil(sequencia(123, 7));
    t.defineLeituras(sequencia(11, 40));
    QByteArray memoria(32768, '\0');
    for (int i = 0; i < memoria.size(); ++i)
        memoria[i] = char((i * 7 + i / 2048) & 0xFF);
    t.defineMemoria(memoria);
    t.defineRelogio(QDateTime(QDate(2026, 12, 7), QTime(9, 30, 0)), 0);
    t.defineDesdeUltima(10);
    return t;
}

}  // namespace

class tst_TarvekSimulado : public QObject
{
    Q_OBJECT

private slots:
    void respondeAsTrocas_data();
    void respondeAsTrocas();
    void paginasServemAMemoria_data();
    void paginasServemAMemoria();
    void relogioEContadorAvancamComOTempo();
    void configuracaoRecebidaAcertaRelogioEZeraContadores();
    void naoVolateisRecebidosSaoGuardados();
    void escritaInterrompidaEhDescartada();
    void falhasEstragamAsTrocasVisadas_data();
    void falhasEstragamAsTrocasVisadas();
    void falhaDeUmaPagina_data();
    void falhaDeUmaPagina();
    void registraOsComandosEAsPaginas();
    void silencioDuraAteALinhaSossegar();
    void cadenciaDe19200Baud();
    void memoriaDeclaradaSubstituiOTamanho();
    void aquisicaoContinua_data();
    void aquisicaoContinua();
    void novaConfiguracaoEsperaOAtraso();
    void portaSimulada_data();
    void portaSimulada();
};

void tst_TarvekSimulado::respondeAsTrocas_data()
{
    QTest::addColumn<QByteArray>("enviados");
    QTest::addColumn<QByteArray>("esperado");
    const TarvekSimulado t = tarvekDeTeste();
    const QByteArray cal = t.calibracao();
    const QByteArray nv = t.naoVolatil();
    const QByteArray lei = t.leituras();

    QTest::newRow("activation answers F0h after its echo") << bytes({ 0x08 }) << bytes({ 0x08, 0xF0 });
    QTest::newRow("a command without activation is only echoed") << bytes({ 0x65 }) << bytes({ 0x65 });
    QTest::newRow("an unknown command after activation is only echoed")
        << bytes({ 0x08, 0x42 }) << bytes({ 0x08, 0xF0, 0x42 });
    QTest::newRow("calibration block and its checksum")
        << bytes({ 0x08, 0x65 }) << bytes({ 0x08, 0xF0, 0x65 }) + cal + char(soma(cal));
    QTest::newRow("non-volatile block and its checksum")
        << bytes({ 0x08, 0x05 }) << bytes({ 0x08, 0xF0, 0x05 }) + nv + char(soma(nv));
    QTest::newRow("current readings and their checksum")
        << bytes({ 0x08, 0x03 }) << bytes({ 0x08, 0xF0, 0x03 }) + lei + char(soma(lei));
    QTest::newRow("stop answers F0h") << bytes({ 0x08, 0x06 }) << bytes({ 0x08, 0xF0, 0x06, 0xF0 });
    QTest::newRow("each command needs its own activation")
        << bytes({ 0x08, 0x06, 0x06 }) << bytes({ 0x08, 0xF0, 0x06, 0xF0, 0x06 });
}

void tst_TarvekSimulado::respondeAsTrocas()
{
    QFETCH(QByteArray, enviados);
    QFETCH(QByteArray, esperado);
    TarvekSimulado t = tarvekDeTeste();
    int64_t instante = 1000;
    QCOMPARE(troca(t, enviados, instante).toHex(' '), esperado.toHex(' '));
    QCOMPARE(t.aquisicoesEncerradas(), enviados.contains(char(0x06)));
}

void tst_TarvekSimulado::paginasServemAMemoria_data()
{
    QTest::addColumn<int>("tamanho");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<int>("bytesDaMemoria");

    QTest::newRow("first page") << 32768 << 0 << 2048;
    QTest::newRow("last page of a full memory") << 32768 << 15 << 2048;
    QTest::newRow("a page past the memory reads FFh") << 32768 << 16 << 0;
    QTest::newRow("a page that runs past a short memory") << 3000 << 1 << 952;
}

void tst_TarvekSimulado::paginasServemAMemoria()
{
    QFETCH(int, tamanho);
    QFETCH(int, pagina);
    QFETCH(int, bytesDaMemoria);
    TarvekSimulado t = tarvekDeTeste();
    t.defineMemoria(t.memoria().left(tamanho));
    int64_t instante = 0;
    const QByteArray r = troca(t, bytes({ 0x08, 0x02, pagina }), instante, 300);
    QCOMPARE(r.size(), 2 + 2 + 2048 + 1);
    const QByteArray dados = r.mid(4, 2048);
    QCOMPARE(dados.left(bytesDaMemoria), t.memoria().mid(pagina * 2048, bytesDaMemoria));
    QCOMPARE(dados.mid(bytesDaMemoria), QByteArray(2048 - bytesDaMemoria, char(0xFF)));
    QCOMPARE(uint8_t(r.back()), soma(dados));
}

void tst_TarvekSimulado::relogioEContadorAvancamComOTempo()
{
    TarvekSimulado t = tarvekDeTeste();
    int64_t instante = 0;
    const QByteArray antes = troca(t, bytes({ 0x08, 0x01 }), instante).mid(3, 32);
    instante += 61'000;
    const QByteArray depois = troca(t, bytes({ 0x08, 0x01 }), instante).mid(3, 32);
    QCOMPARE(antes.mid(10, 6).toHex(' '), QByteArray("1c 0c 07 09 1e 00"));
    QCOMPARE(depois.mid(10, 6).toHex(' '), QByteArray("1c 0c 07 09 1f 01"));
    // Half seconds since the latest acquisition: 10 at the start.
    QCOMPARE(antes.mid(27, 3).toHex(), QByteArray("00000a"));
    QCOMPARE(depois.mid(27, 3).toHex(), QByteArray("000084"));
    QCOMPARE(depois.mid(21, 2).toHex(), QByteArray("8000"));
    QCOMPARE(depois.mid(23, 2).toHex(), QByteArray("012c"));
}

void tst_TarvekSimulado::configuracaoRecebidaAcertaRelogioEZeraContadores()
{
    TarvekSimulado t = tarvekDeTeste();
    t.defineAquisicoesEncerradas(true);
    QByteArray dados = sequencia(21, 0x30);
    const QByteArray relogio = bytes({ 29, 2, 28, 23, 59, 50 });  // 2027-02-28 23:59:50
    dados.replace(10, 6, relogio);
    int64_t instante = 0;
    const QByteArray r = troca(t, bytes({ 0x08, 0x00 }) + dados, instante, 300);
    QCOMPARE(r, bytes({ 0x08, 0xF0, 0x00 }) + dados + char(soma(dados)));
    QCOMPARE(t.configuracao().left(21), dados);
    QCOMPARE(t.configuracoesRecebidas(), 1);
    QVERIFY(!t.aquisicoesEncerradas());
    instante += 15'000;
    const QByteArray lido = troca(t, bytes({ 0x08, 0x01 }), instante).mid(3, 32);
    QCOMPARE(lido.left(10), dados.left(10));
    QCOMPARE(lido.mid(10, 6).toHex(' '), QByteArray("1d 03 01 00 00 05"));  // the clock went on
    QCOMPARE(lido.mid(23, 4).toHex(), QByteArray("00000000"));
}

void tst_TarvekSimulado::naoVolateisRecebidosSaoGuardados()
{
    TarvekSimulado t = tarvekDeTeste();
    const QByteArray dados = sequencia(123, 200);
    int64_t instante = 0;
    const QByteArray r = troca(t, bytes({ 0x08, 0x04 }) + dados, instante, 1000);
    QCOMPARE(uint8_t(r.back()), soma(dados));
    QCOMPARE(r.size(), 2 + 1 + 123 + 1);
    QCOMPARE(t.naoVolatil(), dados);
    QCOMPARE(t.naoVolateisRecebidos(), 1);
}

void tst_TarvekSimulado::escritaInterrompidaEhDescartada()
{
    TarvekSimulado t = tarvekDeTeste();
    const QByteArray antes = t.naoVolatil();
    int64_t instante = 0;
    troca(t, bytes({ 0x08, 0x04 }) + sequencia(60, 1), instante, 2000);
    // After the silence a new exchange starts clean.
    const QByteArray r = troca(t, bytes({ 0x08, 0x05 }), instante, 1000);
    QCOMPARE(t.naoVolatil(), antes);
    QCOMPARE(r, bytes({ 0x08, 0xF0, 0x05 }) + antes + char(soma(antes)));
}

void tst_TarvekSimulado::falhasEstragamAsTrocasVisadas_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("alvo");
    QTest::addColumn<QByteArray>("enviados");
    QTest::addColumn<QByteArray>("esperado");
    using T = FalhaSimulada::Tipo;
    const QByteArray lei = tarvekDeTeste().leituras();
    const char cs = char(soma(lei));

    QTest::newRow("silence on every exchange")
        << int(T::Silencio) << FalhaSimulada::QualquerTroca << bytes({ 0x08, 0x03 }) << QByteArray();
    QTest::newRow("silence on commands leaves the activation")
        << int(T::Silencio) << FalhaSimulada::QualquerComando << bytes({ 0x08, 0x03 })
        << bytes({ 0x08, 0xF0 });
    QTest::newRow("lost echo of the command") << int(T::EcoPerdido) << FalhaSimulada::QualquerComando
                                              << bytes({ 0x08, 0x03 }) << bytes({ 0x08, 0xF0 }) + lei + cs;
    QTest::newRow("wrong echo of the command") << int(T::EcoErrado) << int(0x03) << bytes({ 0x08, 0x03 })
                                               << bytes({ 0x08, 0xF0, 0x03 ^ 0x5A }) + lei + cs;
    QTest::newRow("wrong checksum") << int(T::ChecksumErrado) << FalhaSimulada::QualquerComando
                                    << bytes({ 0x08, 0x03 })
                                    << bytes({ 0x08, 0xF0, 0x03 }) + lei + char(cs + 1);
    QTest::newRow("a wrong activation reply")
        << int(T::AckErrado) << int(0x08) << bytes({ 0x08 }) << bytes({ 0x08, 0x0F });
    QTest::newRow("a wrong stop reply") << int(T::AckErrado) << FalhaSimulada::QualquerComando
                                        << bytes({ 0x08, 0x06 }) << bytes({ 0x08, 0xF0, 0x06, 0x0F });
    QTest::newRow("surplus bytes") << int(T::BytesExcedentes) << FalhaSimulada::QualquerComando
                                   << bytes({ 0x08, 0x06 }) << bytes({ 0x08, 0xF0, 0x06, 0xF0, 0x55 });
    QTest::newRow("a slow reply leaves only the echo in time")
        << int(T::RespostaLenta) << FalhaSimulada::QualquerComando << bytes({ 0x08, 0x03 })
        << bytes({ 0x08, 0xF0, 0x03 });
    QTest::newRow("a fault aimed at another command does nothing") << int(
        T::ChecksumErrado) << int(0x65) << bytes({ 0x08, 0x03 }) << bytes({ 0x08, 0xF0, 0x03 }) + lei + cs;
}

void tst_TarvekSimulado::falhasEstragamAsTrocasVisadas()
{
    QFETCH(int, tipo);
    QFETCH(int, alvo);
    QFETCH(QByteArray, enviados);
    QFETCH(QByteArray, esperado);
    TarvekSimulado t = tarvekDeTeste();
    FalhaSimulada f;
    f.tipo = FalhaSimulada::Tipo(tipo);
    f.alvo = alvo;
    f.vezes = 1;
    t.injetaFalha(f);
    int64_t instante = 0;
    QCOMPARE(troca(t, enviados, instante, 700).toHex(' '), esperado.toHex(' '));
    // Spent on its one exchange (or never used), the fault leaves the next
    // exchange alone.
    t.transmite(instante + 10'000);
    instante += 10'000;
    const QByteArray lei = t.leituras();
    QCOMPARE(troca(t, bytes({ 0x08, 0x03 }), instante, 700).toHex(' '),
        (bytes({ 0x08, 0xF0, 0x03 }) + lei + char(soma(lei))).toHex(' '));
}

void tst_TarvekSimulado::falhaDeUmaPagina_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("alvo");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<QByteArray>("enviados");
    QTest::addColumn<QByteArray>("inicio");  // what the reply starts with
    QTest::addColumn<int>("total");  // the reply's length
    using T = FalhaSimulada::Tipo;
    const QByteArray p3 = tarvekDeTeste().memoria().mid(3 * 2048, 2048);
    const QByteArray p2 = tarvekDeTeste().memoria().mid(2 * 2048, 2048);
    const int pagina = TarvekSimulado::CmdLePagina;

    QTest::newRow("silence on the page aimed at, after the command's echo")
        << int(T::Silencio) << pagina << 3 << bytes({ 0x08, 0x02, 0x03 }) << bytes({ 0x08, 0xF0, 0x02 }) << 3;
    QTest::newRow("another page is served")
        << int(T::Silencio) << pagina << 3 << bytes({ 0x08, 0x02, 0x02 })
        << bytes({ 0x08, 0xF0, 0x02, 0x02 }) + p2 + char(soma(p2)) << 2 + 2 + 2048 + 1;
    QTest::newRow("a wrong checksum on that page")
        << int(T::ChecksumErrado) << pagina << 3 << bytes({ 0x08, 0x02, 0x03 })
        << bytes({ 0x08, 0xF0, 0x02, 0x03 }) + p3 + char(soma(p3) + 1) << 2 + 2 + 2048 + 1;
    QTest::newRow("the page byte's echo lost, not the command's")
        << int(T::EcoPerdido) << pagina << 3 << bytes({ 0x08, 0x02, 0x03 })
        << bytes({ 0x08, 0xF0, 0x02 }) + p3 + char(soma(p3)) << 2 + 1 + 2048 + 1;
    QTest::newRow("the command's echo lost, not the page byte's")
        << int(T::EcoPerdido) << pagina << FalhaSimulada::QualquerPagina << bytes({ 0x08, 0x02, 0x03 })
        << bytes({ 0x08, 0xF0, 0x03 }) + p3 + char(soma(p3)) << 2 + 1 + 2048 + 1;
    QTest::newRow("aimed at every command, still only that page")
        << int(T::Silencio) << FalhaSimulada::QualquerComando << 3 << bytes({ 0x08, 0x01 })
        << bytes({ 0x08, 0xF0, 0x01 }) << 3 + 32 + 1;
}

void tst_TarvekSimulado::falhaDeUmaPagina()
{
    QFETCH(int, tipo);
    QFETCH(int, alvo);
    QFETCH(int, pagina);
    QFETCH(QByteArray, enviados);
    QFETCH(QByteArray, inicio);
    QFETCH(int, total);
    TarvekSimulado t = tarvekDeTeste();
    FalhaSimulada f;
    f.tipo = FalhaSimulada::Tipo(tipo);
    f.alvo = alvo;
    f.pagina = pagina;
    f.vezes = 2;
    t.injetaFalha(f);
    int64_t instante = 0;
    const QByteArray r = troca(t, enviados, instante, 300);
    QCOMPARE(r.left(inicio.size()).toHex(' '), inicio.toHex(' '));
    QCOMPARE(r.size(), total);
    // Page 3 is spoiled as often as the fault's count says, then served.
    const QByteArray p3 = t.memoria().mid(3 * 2048, 2048);
    const QByteArray certa = bytes({ 0x08, 0xF0, 0x02, 0x03 }) + p3 + char(soma(p3));
    auto lePagina3 = [&] {
        instante += 10'000;
        t.transmite(instante);
        return troca(t, bytes({ 0x08, 0x02, 0x03 }), instante, 300);
    };
    for (int i = enviados == bytes({ 0x08, 0x02, 0x03 }) ? 1 : 0; i < 2; ++i)
        QVERIFY(lePagina3() != certa);
    QCOMPARE(lePagina3().toHex(' '), certa.toHex(' '));
}

void tst_TarvekSimulado::registraOsComandosEAsPaginas()
{
    TarvekSimulado t = tarvekDeTeste();
    FalhaSimulada f;
    f.tipo = FalhaSimulada::Tipo::Silencio;
    f.alvo = TarvekSimulado::CmdLePagina;
    f.pagina = 1;
    t.injetaFalha(f);
    int64_t instante = 0;
    // A command without activation is not taken; a silenced page is still
    // a page asked for.
    for (const QByteArray &b : { bytes({ 0x08, 0x01 }), bytes({ 0x65 }), bytes({ 0x08, 0x02, 0x00 }),
             bytes({ 0x08, 0x02, 0x01 }), bytes({ 0x08, 0x05 }) }) {
        troca(t, b, instante, 300);
        instante += 3000;
    }
    using C = TarvekSimulado::ComandoRecebido;
    QCOMPARE(t.comandosRecebidos(), QList<C>({ { 0x01, -1 }, { 0x02, 0 }, { 0x02, 1 }, { 0x05, -1 } }));
    t.limpaComandosRecebidos();
    QVERIFY(t.comandosRecebidos().isEmpty());
}

void tst_TarvekSimulado::silencioDuraAteALinhaSossegar()
{
    TarvekSimulado t = tarvekDeTeste();
    FalhaSimulada f;
    f.tipo = FalhaSimulada::Tipo::Silencio;
    f.alvo = TarvekSimulado::CmdLePagina;
    f.vezes = 1;
    t.injetaFalha(f);
    int64_t instante = 0;
    // The page number 1 must not be taken for the command 01h.
    QCOMPARE(troca(t, bytes({ 0x08, 0x02, 0x01 }), instante, 300), bytes({ 0x08, 0xF0 }));
    QCOMPARE(troca(t, bytes({ 0x08, 0x01 }), instante).size(), 3 + 32 + 1);
}

void tst_TarvekSimulado::cadenciaDe19200Baud()
{
    TarvekSimulado t = tarvekDeTeste();
    t.defineCadencia(true);
    int64_t instante = 0;
    troca(t, bytes({ 0x08 }), instante);
    t.recebe(bytes({ 0x02 }), instante);
    t.recebe(bytes({ 0x00 }), instante + 6);
    // 2051 bytes of 11 bits at 19200 baud take about 1175 ms.
    const int64_t inicio = instante + 6;
    const int ate1100 = int(t.transmite(inicio + 1100).size());
    QVERIFY2(ate1100 > 1850 && ate1100 < 1950, qPrintable(QString::number(ate1100)));
    const int resto = int(t.transmite(inicio + 1200).size());
    QCOMPARE(ate1100 + resto, 2051);
    QCOMPARE(t.pendentes(), 0);
}

void tst_TarvekSimulado::memoriaDeclaradaSubstituiOTamanho()
{
    TarvekSimulado t = tarvekDeTeste();
    t.defineMemoria(QByteArray(8192, '\0'));
    QCOMPARE(t.configuracaoEm(0).mid(21, 2).toHex(), QByteArray("2000"));
    t.defineMemoriaDeclarada(40000);
    QCOMPARE(t.configuracaoEm(0).mid(21, 2).toHex(), QByteArray("9c40"));
}

void tst_TarvekSimulado::aquisicaoContinua_data()
{
    QTest::addColumn<int>("memoria");
    QTest::addColumn<int>("parada");
    QTest::addColumn<int>("jaFeitas");
    QTest::addColumn<bool>("encerradas");
    QTest::addColumn<int>("segundos");
    QTest::addColumn<int>("efetuadas");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("desdeUltima");
    QTest::addColumn<QByteArray>("area");  // the first bytes of the acquisition area

    // One 4-20 mA channel (2 bytes), every 10 s, counts 0x100 + k.
    QTest::newRow("one acquisition per period")
        << 1000 << 0x8000 << 0 << false << 35 << 3 << 0 << 10 << QByteArray("010001010102ffff");
    QTest::newRow("after those already held")
        << 1000 << 0x8000 << 2 << false << 12 << 3 << 0 << 4 << QByteArray("ffffffff0100ffff");
    QTest::newRow("the stop count ends them")
        << 1000 << 2 << 0 << false << 35 << 2 << 0 << 30 << QByteArray("01000101ffffffff");
    QTest::newRow("stopped acquisitions make none")
        << 1000 << 0x8000 << 0 << true << 35 << 0 << 0 << 70 << QByteArray("ffffffffffffffff");
    QTest::newRow("a full memory that stops")
        << 170 << 100 << 4 << false << 35 << 4 << 0 << 70 << QByteArray("ffffffffffffffff");
    QTest::newRow("a full circular memory overwrites the oldest")
        << 170 << 0x8000 << 4 << false << 25 << 4 << 4 << 10 << QByteArray("01000101ffffffff");
}

void tst_TarvekSimulado::aquisicaoContinua()
{
    QFETCH(int, memoria);
    QFETCH(int, parada);
    QFETCH(int, jaFeitas);
    QFETCH(bool, encerradas);
    QFETCH(int, segundos);
    QFETCH(int, efetuadas);
    QFETCH(int, inicio);
    QFETCH(int, desdeUltima);
    QFETCH(QByteArray, area);
    TarvekSimulado t;
    QByteArray cfg(32, '\0');
    cfg[0] = char(137);
    cfg[4] = 19;
    cfg[8] = char(parada >> 8);
    cfg[9] = char(parada & 0xFF);
    cfg[16] = 1;
    cfg[24] = char(jaFeitas);
    t.defineConfiguracao(cfg);
    t.defineMemoria(QByteArray(memoria, char(0xFF)));
    t.defineAquisicoesEncerradas(encerradas);
    t.defineRelogio(QDateTime(QDate(2026, 12, 7), QTime(9, 30)), 0);
    t.defineAquisicaoContinua([](int k) { return std::array<int, 2> { 0x100 + k, -1 }; }, 0, 0);
    t.acompanha(segundos * 1000);
    const QByteArray c = t.configuracaoEm(segundos * 1000);
    QCOMPARE((uint8_t(c[23]) << 8) | uint8_t(c[24]), efetuadas);
    QCOMPARE((uint8_t(c[25]) << 8) | uint8_t(c[26]), inicio);
    QCOMPARE(int(uint8_t(c[29])), desdeUltima);
    QCOMPARE(t.memoria().mid(162, 8).toHex(), area);
}

void tst_TarvekSimulado::novaConfiguracaoEsperaOAtraso()
{
    TarvekSimulado t = tarvekDeTeste();
    t.defineAquisicaoContinua([](int) { return std::array<int, 2> { 0x234, -1 }; }, 0, 0x77);
    QByteArray dados(21, '\0');
    dados[0] = char(0x81);  // thermocouple K alone: 3 bytes
    dados[4] = 1;  // one reading a second
    dados[7] = 21;  // start after 10 s
    dados[8] = char(0x80);
    dados[16] = 1;
    dados.replace(10, 6, bytes({ 28, 12, 7, 10, 0, 0 }));
    int64_t instante = 0;
    troca(t, bytes({ 0x08, 0x00 }) + dados, instante, 300);
    const int64_t escrita = instante;
    t.acompanha(escrita + 10'500);
    QCOMPARE(t.configuracaoEm(escrita + 10'500).mid(23, 2).toHex(), QByteArray("0000"));
    t.acompanha(escrita + 12'600);
    QCOMPARE(t.configuracaoEm(escrita + 12'600).mid(23, 2).toHex(), QByteArray("0002"));
    QCOMPARE(t.memoria().mid(162, 6).toHex(' '), QByteArray("02 34 77 02 34 77"));
}

void tst_TarvekSimulado::portaSimulada_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("tamanhoBuffer");
    QTest::addColumn<int>("latencia");
    QTest::addColumn<int>("aposMs");
    QTest::addColumn<int>("esperando");

    // 08h then 01h: 2 + 1 + 32 + 1 bytes come back.
    QTest::newRow("the whole exchange") << u"19200,e,8,1"_qs << 4096 << 0 << 0 << 36;
    QTest::newRow("settings in capitals and blanks") << u"19200, E, 8, 1"_qs << 4096 << 0 << 0 << 36;
    QTest::newRow("another speed: the logger hears noise") << u"9600,e,8,1"_qs << 4096 << 0 << 0 << 0;
    QTest::newRow("no parity: the logger hears noise") << u"19200,n,8,1"_qs << 4096 << 0 << 0 << 0;
    QTest::newRow("a full receive buffer loses the rest") << u"19200,e,8,1"_qs << 16 << 0 << 0 << 16;
    // With 50 ms before each reply: the echoes and the first F0h only.
    QTest::newRow("replies not yet due are not counted") << u"19200,e,8,1"_qs << 4096 << 50 << 20 << 3;
    QTest::newRow("replies count once their time comes") << u"19200,e,8,1"_qs << 4096 << 50 << 60 << 36;
}

void tst_TarvekSimulado::portaSimulada()
{
    QFETCH(QString, settings);
    QFETCH(int, tamanhoBuffer);
    QFETCH(int, latencia);
    QFETCH(int, aposMs);
    QFETCH(int, esperando);
    RelogioVirtual relogio;
    TarvekSimulado t = tarvekDeTeste();
    t.defineLatencia(latencia);
    TMSCommSimulado porta(t, relogio);
    porta.setSettings(settings);
    porta.setInBufferSize(tamanhoBuffer);
    QVERIFY(porta.setPortOpen(true));
    porta.Output(bytes({ 0x08 }));
    relogio.avanca(200);
    porta.Output(bytes({ 0x01 }));
    relogio.avanca(aposMs);
    QCOMPARE(porta.InBufferCount(), esperando);
    porta.setInputLen(2);
    // Input takes the InputLen oldest.
    QCOMPARE(porta.Input(), bytes({ 0x08, 0xF0 }).left(std::min(esperando, 2)));
    QCOMPARE(porta.InBufferCount(), std::max(0, esperando - 2));
}

QUORVANE_TEST_GUILESS_MAIN(tst_TarvekSimulado)
#include "tst_TarvekSimulado.moc"
