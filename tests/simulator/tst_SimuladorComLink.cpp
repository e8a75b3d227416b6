// The logger link against the simulated Tarvek, in virtual time: every
// command reads what the description holds, writes change the logger, and
// the simulator's faults give the link's errors.

#include "AmbienteFalso.h"
#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoLeituras.h"
#include "BlocoNaoVolatil.h"
#include "CenariosTarvek.h"
#include "ConversaoLeitura.h"
#include "RegistroTestes.h"
#include "RotinasSensor.h"
#include "TDatalogger.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <cmath>
#include <memory>

namespace {

const QDateTime Agora(QDate(2026, 12, 7), QTime(9, 30, 0));

const char *const Descricao = R"({
  "modelo": 2, "numeroSerie": 123456, "firmware": "1.3", "relogio": "2026-12-07T09:30:00",
  "titulo": "Ensaio de bancada", "intervalo": "00:00:10", "leiturasPorAquisicao": 3, "parada": 900,
  "bateria": 16384, "trocaBateria": "2026-05-04T13:45:00",
  "calibracao": { "coeficientes": [12, 9980, -3, 10010, 0, 10000, 5, 10020, 0, 10000, -8, 9990, 17],
                  "reservado35": 77 },
  "canais": [
    { "sensor": "K", "modo": "maximo", "tag": "Forno", "limites": [0, 300], "offset": -2,
      "aquisicoes": { "forma": "seno", "minimo": 20, "maximo": 80, "periodo": 3600 } },
    { "sensor": "4-20mA", "modo": "minimo", "tag": "Pressao", "unidade": "bar", "decimais": 1,
      "limites": [0, 250], "offset": 3, "aquisicoes": { "forma": "rampa", "de": 2, "ate": 22 },
      "leituraAtual": 12.5 }
  ],
  "juncaoFria": 120,
  "aquisicoes": { "quantidade": 700, "desdeUltima": 6 }
})";

struct Bancada : AmbienteFalso
{
    DescricaoTarvek descricao;
    TarvekSimulado tarvek;
    TMSCommSimulado porta { tarvek, relogio };
    std::unique_ptr<TDatalogger> link;

    explicit Bancada(const QByteArray &json = Descricao)
        : Bancada(interpreta(json))
    {
    }
    explicit Bancada(const DescricaoTarvek &d)
        : descricao(d)
    {
        QString erro;
        if (!descricao.aplica(tarvek, relogio.tickCount(), Agora, &erro))
            qFatal("%s", qPrintable(erro));
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
    }

    static DescricaoTarvek interpreta(const QByteArray &json)
    {
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(json, &erro);
        if (!d)
            qFatal("%s", qPrintable(erro));
        return *d;
    }

    void falha(FalhaSimulada::Tipo tipo, int alvo, int vezes, int atrasoMs = 1500)
    {
        FalhaSimulada f;
        f.tipo = tipo;
        f.alvo = alvo;
        f.vezes = vezes;
        f.atrasoMs = atrasoMs;
        tarvek.injetaFalha(f);
    }

    bool executa(const QString &comando)
    {
        QByteArray b;
        if (comando == u"LeConfiguracao")
            return link->LeConfiguracao(b);
        if (comando == u"LeCalibracao")
            return link->LeCalibracao(b);
        if (comando == u"LeNaoVolateis")
            return link->LeNaoVolateis(b);
        if (comando == u"LeLeituras")
            return link->LeLeituras(b);
        if (comando == u"LePagina")
            return link->LePagina(b, 0);
        if (comando == u"FimAquisicoes")
            return link->FimAquisicoes();
        if (comando == u"EscreveNaoVolateis")
            return link->EscreveNaoVolateis(tarvek.naoVolatil());
        if (comando == u"EnviaConfiguracao")
            return link->EnviaConfiguracao(tarvek.configuracao());
        qFatal("unknown command");
    }
};

// The fields of a block read through the link, as text.
QMap<QString, QString> campos(Bancada &b)
{
    QMap<QString, QString> c;
    QByteArray bloco;
    if (b.link->LeConfiguracao(bloco)) {
        const BlocoConfiguracao cfg = BlocoConfiguracao::decodifica(bloco);
        c[u"Sensor1"_qs] = QString::number(cfg.Sensor1);
        c[u"Sensor2"_qs] = QString::number(cfg.Sensor2);
        c[u"Intervalo"_qs] = cfg.textoIntervalo();
        c[u"LeiturasPorAquisicao"_qs] = QString::number(cfg.LeiturasPorAquisicao);
        c[u"Modos"_qs]
            = QStringLiteral("%1 %2").arg(ModoDoCanal(cfg.Modos, 1)).arg(ModoDoCanal(cfg.Modos, 2));
        c[u"Medidas"_qs] = QString::number(cfg.Medidas);
        c[u"Decimais"_qs] = QStringLiteral("%1 %2").arg(cfg.decimais(1)).arg(cfg.decimais(2));
        c[u"Parada"_qs] = QString::number(cfg.Parada);
        c[u"Memoria"_qs] = QString::number(cfg.Memoria);
        c[u"AquisicoesEfetuadas"_qs] = QString::number(cfg.AquisicoesEfetuadas);
        c[u"InicioCircular"_qs] = QString::number(cfg.InicioCircular);
        c[u"Bateria"_qs] = QString::number(cfg.Bateria);
        c[u"Relogio"_qs] = cfg.relogio().toString(u"yyyy-MM-dd hh:mm:ss"_qs);
        c[u"DesdeUltima"_qs] = QString::number(cfg.DesdeUltima);
    }
    if (b.link->LeNaoVolateis(bloco)) {
        const BlocoNaoVolatil nv = BlocoNaoVolatil::decodifica(bloco);
        c[u"Titulo"_qs] = nv.Titulo;
        c[u"Tags"_qs] = nv.Tag1 + u'|' + nv.Tag2;
        c[u"Unidades"_qs] = nv.Unidade1 + u'|' + nv.Unidade2;
        c[u"Limites"_qs] = QStringLiteral("%1 %2 %3 %4")
                               .arg(nv.LimiteInferior1)
                               .arg(nv.LimiteSuperior1)
                               .arg(nv.LimiteInferior2)
                               .arg(nv.LimiteSuperior2);
        c[u"Offsets"_qs] = QStringLiteral("%1 %2").arg(nv.Offset1).arg(nv.Offset2);
        c[u"TrocaBateria"_qs] = nv.dataBateria().toString(u"yyyy-MM-dd hh:mm"_qs);
    }
    if (b.link->LeCalibracao(bloco)) {
        const BlocoCalibracao cal = BlocoCalibracao::decodifica(bloco);
        c[u"Modelo"_qs] = QString::number(cal.Modelo);
        c[u"NumeroSerie"_qs] = cal.textoNumeroSerie();
        c[u"Firmware"_qs] = cal.textoFirmware();
        c[u"Reservado35"_qs] = QString::number(cal.Reservado35);
        c[u"W0W1W12"_qs] = QStringLiteral("%1 %2 %3")
                               .arg(cal.coeficiente(0))
                               .arg(cal.coeficiente(1))
                               .arg(cal.offsetJuncaoFria());
    }
    return c;
}

}  // namespace

class tst_SimuladorComLink : public QObject
{
    Q_OBJECT

private slots:
    void leiturasDecodificamADescricao_data();
    void leiturasDecodificamADescricao();
    void paginasTrazemAsAquisicoesDescritas();
    void memoriaCircularLidaComoNaColeta();
    void leiturasAtuaisSeguemADescricao();
    void escritasMudamOTarvek_data();
    void escritasMudamOTarvek();
    void falhasDaoOsErrosDoLink_data();
    void falhasDaoOsErrosDoLink();
    void portaQueNaoAbre();
};

void tst_SimuladorComLink::leiturasDecodificamADescricao_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("channel 1 thermocouple K") << u"Sensor1"_qs << u"129"_qs;
    QTest::newRow("channel 2 4-20 mA") << u"Sensor2"_qs << u"137"_qs;
    QTest::newRow("interval") << u"Intervalo"_qs << u"00:00:10"_qs;
    QTest::newRow("readings per acquisition") << u"LeiturasPorAquisicao"_qs << u"3"_qs;
    QTest::newRow("modes maximum and minimum") << u"Modos"_qs << u"1 2"_qs;
    QTest::newRow("measurements: two channels and the cold junction") << u"Medidas"_qs << u"3"_qs;
    QTest::newRow("decimal places") << u"Decimais"_qs << u"0 1"_qs;
    QTest::newRow("stop after 900") << u"Parada"_qs << u"900"_qs;
    QTest::newRow("memory") << u"Memoria"_qs << u"32768"_qs;
    QTest::newRow("acquisitions made") << u"AquisicoesEfetuadas"_qs << u"700"_qs;
    QTest::newRow("oldest at the start") << u"InicioCircular"_qs << u"0"_qs;
    QTest::newRow("battery counter") << u"Bateria"_qs << u"16384"_qs;
    QTest::newRow("clock") << u"Relogio"_qs << u"2026-12-07 09:30:00"_qs;
    QTest::newRow("title") << u"Titulo"_qs << u"Ensaio de bancada"_qs;
    QTest::newRow("tags") << u"Tags"_qs << u"Forno|Pressao"_qs;
    QTest::newRow("units, degrees by default") << u"Unidades"_qs << u"°C|bar"_qs;
    QTest::newRow("limits") << u"Limites"_qs << u"0 300 0 250"_qs;
    QTest::newRow("offsets") << u"Offsets"_qs << u"-2 3"_qs;
    QTest::newRow("battery change") << u"TrocaBateria"_qs << u"2026-05-04 13:45"_qs;
    QTest::newRow("model") << u"Modelo"_qs << u"2"_qs;
    QTest::newRow("serial number") << u"NumeroSerie"_qs << u"000157920"_qs;
    QTest::newRow("firmware") << u"Firmware"_qs << u"1.3"_qs;
    QTest::newRow("calibration byte 35") << u"Reservado35"_qs << u"77"_qs;
    QTest::newRow("calibration words") << u"W0W1W12"_qs << u"12 9980 17"_qs;
}

void tst_SimuladorComLink::leiturasDecodificamADescricao()
{
    QFETCH(QString, campo);
    QFETCH(QString, esperado);
    Bancada b;
    const QMap<QString, QString> c = campos(b);
    if (campo == u"Relogio") {
        // Whole seconds of virtual time have passed since the description
        // was loaded.
        const QDateTime lido = QDateTime::fromString(c.value(campo), u"yyyy-MM-dd hh:mm:ss"_qs);
        const qint64 decorrido = Agora.secsTo(lido);
        QVERIFY2(decorrido >= 0 && decorrido <= 2, qPrintable(c.value(campo)));
        return;
    }
    QCOMPARE(c.value(campo), esperado);
    QCOMPARE(b.status.cor, ILinhaStatus::Cor::Preto);
}

void tst_SimuladorComLink::paginasTrazemAsAquisicoesDescritas()
{
    Bancada b;
    QByteArray pagina;
    QVERIFY(b.link->LePagina(pagina, 0));
    QCOMPARE(pagina, b.tarvek.memoria().left(2048));
    QByteArray cal;
    QVERIFY(b.link->LeCalibracao(cal));
    const BlocoCalibracao c = BlocoCalibracao::decodifica(cal);
    int zero1 = 0, span1 = 0, zero2 = 0, span2 = 0;
    uint16_t w12 = 0;
    CoeficientesCalibracao(c.Coeficientes, 129, 1, zero1, span1, w12);
    CoeficientesCalibracao(c.Coeficientes, 137, 2, zero2, span2, w12);
    // As a collection would: two channels of 4 bytes from address 162, the
    // offsets added and the decimal places applied.
    for (int k = 0; k < 400; ++k) {
        const int i = 162 + 4 * k;
        const QByteArray m = i + 4 <= 2048 ? pagina : b.tarvek.memoria();
        double v1 = 0, v2 = 0;
        ConverteDoisCanais(v1, v2, true, uint8_t(m[i]), uint8_t(m[i + 1]), uint8_t(m[i + 2]),
            uint8_t(m[i + 3]), 129, 137, zero1, span1, zero2, span2, w12, 0, 300, 0, 250);
        v1 = v1 - 2;
        v2 = (v2 + 3) * 0.1;
        const double t = k * 30.0;
        const double esperado1 = 50 + 30 * std::sin(2 * M_PI * t / 3600);
        const double esperado2 = 2 + 20.0 * k / 699;
        QVERIFY2(std::abs(v1 - esperado1) <= 0.6,
            qPrintable(QStringLiteral("%1: %2 %3").arg(k).arg(v1).arg(esperado1)));
        QVERIFY2(std::abs(v2 - esperado2) <= 0.051,
            qPrintable(QStringLiteral("%1: %2 %3").arg(k).arg(v2).arg(esperado2)));
    }
}

void tst_SimuladorComLink::memoriaCircularLidaComoNaColeta()
{
    QString erro;
    const std::optional<DescricaoTarvek> d = CenariosTarvek::descricao(u"circular"_qs, &erro);
    QVERIFY2(d, qPrintable(erro));
    Bancada b(*d);
    QByteArray bloco;
    QVERIFY(b.link->LeConfiguracao(bloco));
    const BlocoConfiguracao cfg = BlocoConfiguracao::decodifica(bloco);
    QVERIFY(b.link->LeCalibracao(bloco));
    const BlocoCalibracao cal = BlocoCalibracao::decodifica(bloco);
    QByteArray memoria;
    for (int p = 0; p < cfg.Memoria / 2048; ++p) {
        QVERIFY(b.link->LePagina(bloco, quint8(p)));
        memoria += bloco;
    }
    int zero1 = 0, span1 = 0, zero2 = 0, span2 = 0;
    uint16_t w12 = 0;
    CoeficientesCalibracao(cal.Coeficientes, cfg.Sensor1, 1, zero1, span1, w12);
    CoeficientesCalibracao(cal.Coeficientes, cfg.Sensor2, 2, zero2, span2, w12);
    // The walk of a collection: from the oldest, 4 bytes each, wrapping to
    // address 162 inside an acquisition and between them.
    const int a = 4;
    const int n = cfg.AquisicoesEfetuadas;
    QCOMPARE(n, cfg.capacidade());
    const int sobra = cfg.bytesMemoria() - n * a;
    auto m = [&](int i) { return uint8_t(memoria[i < cfg.Memoria ? i : i - cfg.Memoria + 162]); };
    int i = cfg.InicioCircular + 162;
    bool deuAVolta = false;
    for (int j = 0; j < n; ++j) {
        double v1 = 0, v2 = 0;
        ConverteDoisCanais(v1, v2, true, m(i), m(i + 1), m(i + 2), m(i + 3), cfg.Sensor1, cfg.Sensor2, zero1,
            span1, zero2, span2, w12, 0, 300, -50, 150);
        const double t = (5000 - n + j) * 60.0;
        const double esperado1 = 140 + 40 * std::sin(2 * M_PI * t / 21600);
        const double esperado2 = 37.75 + 7.75 * std::sin(2 * M_PI * t / 43200);
        QVERIFY2(std::abs(v1 - esperado1) <= 0.6 && std::abs(v2 - esperado2) <= 0.07,
            qPrintable(QStringLiteral("%1 at %2: %3 %4").arg(j).arg(i).arg(v1).arg(v2)));
        i += a;
        if (i >= cfg.Memoria) {
            i = sobra == 0 ? 162 : 162 + a - sobra;
            deuAVolta = true;
        }
    }
    QVERIFY(deuAVolta);
}

void tst_SimuladorComLink::leiturasAtuaisSeguemADescricao()
{
    Bancada b;
    QByteArray bloco;
    QVERIFY(b.link->LeLeituras(bloco));
    const BlocoLeituras l = BlocoLeituras::decodifica(bloco);
    QCOMPARE(l.JuncaoFria, 120);
    QByteArray cal;
    QVERIFY(b.link->LeCalibracao(cal));
    const BlocoCalibracao c = BlocoCalibracao::decodifica(cal);
    int zero2 = 0, span2 = 0;
    uint16_t w12 = 0;
    CoeficientesCalibracao(c.Coeficientes, 137, 2, zero2, span2, w12);
    const double v2 = (ConverteLeitura(0, 137, zero2, l.LeituraCanal2, span2, w12, 0, 250) + 3) * 0.1;
    QCOMPARE(v2, 12.5);
    // Channel 1 has no current value of its own: it goes on along its curve.
    QVERIFY(l.LeituraCanal1 > 0 && l.LeituraCanal1 < 4096);
}

void tst_SimuladorComLink::escritasMudamOTarvek_data()
{
    QTest::addColumn<QString>("comando");
    QTest::newRow("configuration") << u"EnviaConfiguracao"_qs;
    QTest::newRow("non-volatile block") << u"EscreveNaoVolateis"_qs;
    QTest::newRow("stop") << u"FimAquisicoes"_qs;
}

void tst_SimuladorComLink::escritasMudamOTarvek()
{
    QFETCH(QString, comando);
    Bancada b;
    if (comando == u"EnviaConfiguracao") {
        BlocoConfiguracao cfg;
        cfg.Sensor1 = 136;
        cfg.Sensor2 = 0;
        cfg.Intervalo = BlocoConfiguracao::codificaIntervalo(60);
        cfg.Parada = BlocoConfiguracao::ParadaNunca;
        cfg.LeiturasPorAquisicao = 5;
        cfg.Medidas = NumeroDeMedidas(136, 0);
        const QDateTime relogio(QDate(2027, 1, 2), QTime(3, 4, 5));
        QVERIFY(b.link->EnviaConfiguracao(cfg.codificaRegistro(relogio)));
        QCOMPARE(b.tarvek.configuracao().left(21), cfg.codifica(relogio));
        QCOMPARE(b.tarvek.configuracoesRecebidas(), 1);
        QByteArray lido;
        QVERIFY(b.link->LeConfiguracao(lido));
        const BlocoConfiguracao volta = BlocoConfiguracao::decodifica(lido);
        QCOMPARE(volta.Sensor1, 136);
        QCOMPARE(volta.AquisicoesEfetuadas, 0);
        QVERIFY(relogio.secsTo(volta.relogio()) >= 0 && relogio.secsTo(volta.relogio()) <= 2);
        // The logger acquires on: one acquisition every 5 x 60 s, a Pt100
        // channel alone in 2 bytes from the start of the area.
        b.relogio.avanca(2 * 300'000);
        QVERIFY(b.link->LeConfiguracao(lido));
        QCOMPARE(BlocoConfiguracao::decodifica(lido).AquisicoesEfetuadas, 2);
        QByteArray pagina;
        QVERIFY(b.link->LePagina(pagina, 0));
        QVERIFY(uint8_t(pagina[162]) <= 0x0F && uint8_t(pagina[164]) <= 0x0F);
    } else if (comando == u"EscreveNaoVolateis") {
        QByteArray lido;
        QVERIFY(b.link->LeNaoVolateis(lido));
        BlocoNaoVolatil nv = BlocoNaoVolatil::decodifica(lido);
        nv.Offset1 = 7;
        nv.defineDataBateria(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        const QByteArray novo
            = nv.atualiza(lido, BlocoNaoVolatil::Campo::Offsets | BlocoNaoVolatil::Campo::DataBateria);
        QVERIFY(b.link->EscreveNaoVolateis(novo));
        QCOMPARE(b.tarvek.naoVolatil(), novo);
        QVERIFY(b.link->LeNaoVolateis(lido));
        QCOMPARE(BlocoNaoVolatil::decodifica(lido).Offset1, 7);
    } else {
        QVERIFY(!b.tarvek.aquisicoesEncerradas());
        QVERIFY(b.link->FimAquisicoes());
        QVERIFY(b.tarvek.aquisicoesEncerradas());
    }
    QCOMPARE(b.status.cor, ILinhaStatus::Cor::Preto);
}

void tst_SimuladorComLink::falhasDaoOsErrosDoLink_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("alvo");
    QTest::addColumn<int>("vezes");
    QTest::addColumn<int>("atraso");
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("resultado");
    QTest::addColumn<int>("textoErro");  // catalogue number; 0: no error at all
    QTest::addColumn<int>("avisos");  // checksum boxes
    using T = FalhaSimulada::Tipo;
    const int todas = -1;
    const int comando = FalhaSimulada::QualquerComando;

    QTest::newRow("a silent logger times out the echo after the activation's 8 s")
        << int(T::Silencio) << FalhaSimulada::QualquerTroca << todas << 0 << u"LeConfiguracao"_qs << false
        << 262 << 0;
    QTest::newRow("a refused activation")
        << int(T::AckErrado) << 0x08 << todas << 0 << u"LeCalibracao"_qs << false << 259 << 0;
    QTest::newRow("a silent activation once is retried")
        << int(T::Silencio) << 0x08 << 1 << 0 << u"LeCalibracao"_qs << true << 0 << 0;
    QTest::newRow("a wrong checksum once: box, then a retry that works")
        << int(T::ChecksumErrado) << comando << 1 << 0 << u"LeConfiguracao"_qs << true << 260 << 1;
    QTest::newRow("a wrong checksum always: three boxes and failure")
        << int(T::ChecksumErrado) << comando << todas << 0 << u"LeNaoVolateis"_qs << false << 260 << 3;
    QTest::newRow("a wrong page checksum once")
        << int(T::ChecksumErrado) << comando << 1 << 0 << u"LePagina"_qs << true << 260 << 1;
    QTest::newRow("a wrong write checksum once")
        << int(T::ChecksumErrado) << comando << 1 << 0 << u"EscreveNaoVolateis"_qs << true << 260 << 1;
    QTest::newRow("a wrong echo once")
        << int(T::EcoErrado) << comando << 1 << 0 << u"LeLeituras"_qs << true << 263 << 0;
    QTest::newRow("a surplus byte once")
        << int(T::BytesExcedentes) << comando << 1 << 0 << u"LeCalibracao"_qs << true << 264 << 0;
    QTest::newRow("surplus bytes after a page are dropped with the echoes")
        << int(T::BytesExcedentes) << comando << todas << 0 << u"LePagina"_qs << false << 260 << 3;
    QTest::newRow("a slow reply once")
        << int(T::RespostaLenta) << comando << 1 << 1500 << u"LeConfiguracao"_qs << true << 262 << 0;
    QTest::newRow("a page slower than its 3 s")
        << int(T::RespostaLenta) << comando << 1 << 3500 << u"LePagina"_qs << true << 261 << 0;
    QTest::newRow("a page within its 3 s")
        << int(T::RespostaLenta) << comando << 1 << 2500 << u"LePagina"_qs << true << 0 << 0;
    QTest::newRow("a lost command echo passes the echo check")
        << int(T::EcoPerdido) << comando << todas << 0 << u"LeConfiguracao"_qs << true << 0 << 0;
    QTest::newRow("a wrong stop reply always")
        << int(T::AckErrado) << comando << todas << 0 << u"FimAquisicoes"_qs << false << 265 << 0;
}

void tst_SimuladorComLink::falhasDaoOsErrosDoLink()
{
    QFETCH(int, tipo);
    QFETCH(int, alvo);
    QFETCH(int, vezes);
    QFETCH(int, atraso);
    QFETCH(QString, comando);
    QFETCH(bool, resultado);
    QFETCH(int, textoErro);
    QFETCH(int, avisos);
    Bancada b;
    b.falha(FalhaSimulada::Tipo(tipo), alvo, vezes, atraso);
    QCOMPARE(b.executa(comando), resultado);
    if (textoErro == 0) {
        for (int texto = 259; texto <= 265; ++texto)
            QVERIFY2(!b.status.historico.contains(b.catalogo.texto(texto)),
                qPrintable(b.status.historico.join(u" / ")));
    } else {
        QVERIFY2(b.status.historico.contains(b.catalogo.texto(textoErro)),
            qPrintable(b.status.historico.join(u" / ")));
    }
    QCOMPARE(b.mensagens.registro.size(), avisos);
    // After a failure the logger still answers a plain command.
    b.tarvek.limpaFalhas();
    QByteArray bloco;
    QVERIFY(b.link->LeCalibracao(bloco));
}

void tst_SimuladorComLink::portaQueNaoAbre()
{
    Bancada b;
    b.link->FechaComunicacao();
    b.porta.defineFalhaAbertura(u"ocupada"_qs);
    QVERIFY(!b.link->AbreComunicacao(1, &b.porta, &b.status));
    QCOMPARE(b.mensagens.textos(), QStringList { b.catalogo.texto(254) + u"\nocupada"_qs });
}

QUORVANE_TEST_GUILESS_MAIN(tst_SimuladorComLink)
#include "tst_SimuladorComLink.moc"
