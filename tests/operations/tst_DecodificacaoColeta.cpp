// The collection's decoding without a port: the header from the blocks,
// the pages to read, and the walk over the memory image with its wrap
// rules, offsets and decimal places.

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConversaoLeitura.h"
#include "DataHora.h"
#include "DecodificacaoColeta.h"
#include "FormataDataHora.h"
#include "Real48.h"
#include "RegistroTestes.h"

namespace {

using Plano = DecodificacaoColeta::Plano;

constexpr int K = 129;
constexpr int J = 128;
constexpr int Pt100 = 136;
constexpr int mA = 137;

// Blocks of a logger, built from their fields.
struct Logger
{
    BlocoConfiguracao c;
    BlocoNaoVolatil n;
    BlocoCalibracao k;

    Logger(int sensor1, int sensor2, int memoria = 8192, int efetuadas = 10, int inicioCircular = 0)
    {
        c.Sensor1 = sensor1;
        c.Sensor2 = sensor2;
        c.Memoria = memoria;
        c.AquisicoesEfetuadas = efetuadas;
        c.InicioCircular = inicioCircular;
        c.Intervalo = 19;  // 10 s
        c.LeiturasPorAquisicao = 1;
        c.Ano = 2026;
        c.Mes = 12;
        c.Dia = 7;
        c.Hora = 10;
        c.Minuto = 0;
        c.Segundo = 0;
        n.Titulo = QStringLiteral("Forno 3");
        n.LimiteSuperior1 = 10000;
        n.LimiteSuperior2 = 10000;
        k.Firmware = 0x13;
        // Zero and span of every pair; a cold-junction offset that counts.
        k.Coeficientes = { 10, 10000, 20, 10010, 30, 9990, 40, 10020, 50, 9980, 60, 10030, 300 };
    }

    QByteArray configuracao() const { return c.codificaCompleto(); }
    QByteArray naoVolatil() const
    {
        return n.atualiza(QByteArray(BlocoNaoVolatil::Tamanho, '\0'),
            { BlocoNaoVolatil::Campo::Textos, BlocoNaoVolatil::Campo::Limites,
                BlocoNaoVolatil::Campo::Offsets });
    }
    QByteArray calibracao() const { return k.codifica(); }
    Plano planeja(bool forca = false) const
    {
        return DecodificacaoColeta::planeja(configuracao(), naoVolatil(), calibracao(), forca);
    }
    TAquisicao decodifica(const QByteArray &imagem, bool forca = false) const
    {
        return DecodificacaoColeta::decodifica(planeja(forca), calibracao(), imagem);
    }
};

// An image in which neighbouring addresses hold different bytes, so that a
// byte read from the wrong address shows in the value. The bytes stay
// within the cold-junction table (90 to 139), where every byte counts.
QByteArray imagemPadrao()
{
    QByteArray m(DecodificacaoColeta::MemoriaMaxima, '\0');
    for (int a = 0; a < m.size(); ++a)
        m[a] = char(90 + (a * 7) % 50);
    return m;
}

QString texto(TDateTime t)
{
    const CamposDataHora f = DataHora::decodifica(t);
    return QString::asprintf(
        "%02d/%02d/%04d %02d:%02d:%02d", f.dia, f.mes, f.ano, f.hora, f.minuto, f.segundo);
}

// The calibration pair of a code on a channel, as the walk takes it.
void par(const Logger &l, int codigo, int canal, int &zero, int &span, int &w12)
{
    QByteArray invertido = l.calibracao();
    for (int i = 0; i + 1 < 26; i += 2)
        std::swap(invertido[i], invertido[i + 1]);
    uint16_t w = 0;
    zero = span = 0;
    CoeficientesCalibracao(invertido, codigo, canal, zero, span, w);
    w12 = w;
}

}  // namespace

class TestDecodificacaoColeta : public QObject
{
    Q_OBJECT
private slots:
    void plano_data();
    void plano();
    void instantes_data();
    void instantes();
    void doisCanaisContinuamNoInicioDaArea_data();
    void doisCanaisContinuamNoInicioDaArea();
    void umCanalLeSeusBytesEAJuncaoFria_data();
    void umCanalLeSeusBytesEAJuncaoFria();
    void offsetEDecimais_data();
    void offsetEDecimais();
    void codigoSemBit7NaoEhSensor();
    void memoriaGrandeNomeiaOsTamanhos();
    void nuncaLeForaDaImagem_data();
    void nuncaLeForaDaImagem();
};

void TestDecodificacaoColeta::plano_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<int>("memoria");
    QTest::addColumn<int>("efetuadas");
    QTest::addColumn<int>("inicioCircular");
    QTest::addColumn<int>("parada");
    QTest::addColumn<bool>("forca");
    QTest::addColumn<int>("falha");
    QTest::addColumn<int>("quantidade");
    QTest::addColumn<int>("capacidade");
    QTest::addColumn<int>("divisao");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("paginas");

    QTest::newRow("nothing stored") << K << mA << 8192 << 0 << 0 << 0 << false << 238 << 0 << 0 << 0 << 162
                                    << 0;
    QTest::newRow("no sensor") << 0 << 0 << 8192 << 10 << 0 << 0 << false << 237 << 0 << 0 << 0 << 162 << 0;
    QTest::newRow("memory above the image")
        << K << mA << 32769 << 10 << 0 << 0 << false << 289 << 0 << 0 << 0 << 162 << 0;
    QTest::newRow("area smaller than an acquisition")
        << K << mA << 165 << 10 << 0 << 0 << false << 238 << 0 << 0 << 0 << 162 << 0;
    // 500 x 4 bytes from 162 end at 2161, on the second page.
    QTest::newRow("500 four-byte") << K << mA << 8192 << 500 << 0 << 0 << false << 0 << 500 << 2007 << 6030
                                   << 162 << 2;
    QTest::newRow("471 four-byte end on page 0")
        << K << mA << 8192 << 471 << 0 << 0 << false << 0 << 471 << 2007 << 6146 << 162 << 1;
    QTest::newRow("472 four-byte reach page 1")
        << K << mA << 8192 << 472 << 0 << 0 << false << 0 << 472 << 2007 << 6142 << 162 << 2;
    QTest::newRow("three-byte from the middle")
        << K << 0 << 8192 << 100 << 3000 << 0 << false << 0 << 100 << 2676 << 7730 << 3162 << 2;
    QTest::newRow("running past the end reads all")
        << mA << 0 << 8192 << 100 << 7900 << 0 << false << 0 << 100 << 4015 << 7830 << 8062 << 4;
    QTest::newRow("wrapped circular reads all")
        << K << mA << 8192 << 2100 << 0 << 0x8000 << false << 0 << 2100 << 2007 << -370 << 162 << 4;
    QTest::newRow("forced: the whole capacity")
        << K << mA << 8192 << 3 << 0 << 0 << true << 0 << 2007 << 2007 << 0 << 162 << 4;
    // A memory that is not a whole number of pages is read to its end.
    QTest::newRow("memory not a page multiple")
        << mA << 0 << 5000 << 2500 << 0 << 0x8000 << false << 0 << 2500 << 2419 << -162 << 162 << 3;
    QTest::newRow("oldest beyond the memory")
        << mA << 0 << 2048 << 10 << 2000 << 0 << false << 0 << 10 << 943 << 1866 << 162 + 2000 % 1886 << 1;
}

void TestDecodificacaoColeta::plano()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(int, memoria);
    QFETCH(int, efetuadas);
    QFETCH(int, inicioCircular);
    QFETCH(int, parada);
    QFETCH(bool, forca);
    Logger l(sensor1, sensor2, memoria, efetuadas, inicioCircular);
    l.c.Parada = parada;
    QFETCH(int, falha);
    QFETCH(int, quantidade);
    QFETCH(int, capacidade);
    QFETCH(int, divisao);
    QFETCH(int, inicio);
    QFETCH(int, paginas);
    const Plano p = l.planeja(forca);
    QCOMPARE(int(p.falha), falha);
    if (p.falha != DecodificacaoColeta::Nenhuma)
        return;
    QCOMPARE(p.quantidade, quantidade);
    QCOMPARE(p.cabecalho.NumLeituras(), 0);
    QCOMPARE(p.capacidade, capacidade);
    QCOMPARE(p.cabecalho.Capacidade, capacidade);
    QCOMPARE(p.divisao, divisao);
    QCOMPARE(p.inicio, inicio);
    QCOMPARE(p.paginas, paginas);
}

void TestDecodificacaoColeta::instantes_data()
{
    QTest::addColumn<int>("intervalo");
    QTest::addColumn<int>("leituras");
    QTest::addColumn<int>("efetuadas");
    QTest::addColumn<int>("desdeUltima");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<QTime>("relogio");
    QTest::addColumn<double>("intervaloAquisicoes");
    QTest::addColumn<QString>("inicio");

    const QTime dez(10, 0, 0);
    // (3 + 9) div 2 = 6 s before the clock.
    QTest::newRow("half second") << 0 << 1 << 10 << 3 << 0x13 << dez << 0.0 << "07/12/2026 09:59:54";
    // 30 x 4 + 8 div 2 = 124 s.
    QTest::newRow("10 s, 3 readings") << 19 << 3 << 5 << 8 << 0x13 << dez << 30.0 << "07/12/2026 09:57:56";
    QTest::newRow("1 min, 2 readings") << 119 << 2 << 3 << 5 << 0x13 << dez << 120.0 << "07/12/2026 09:55:58";
    QTest::newRow("one acquisition") << 19 << 1 << 1 << 0 << 0x13 << dez << 10.0 << "07/12/2026 10:00:00";
    QTest::newRow("firmware 1.0 at :01")
        << 19 << 1 << 1 << 0 << 0x10 << QTime(10, 0, 1) << 10.0 << "07/12/2026 10:00:00";
    QTest::newRow("firmware 1.0 at :02")
        << 19 << 1 << 1 << 0 << 0x10 << QTime(10, 0, 2) << 10.0 << "07/12/2026 10:00:02";
    QTest::newRow("firmware 1.0 at :11")
        << 19 << 1 << 2 << 0 << 0x10 << QTime(10, 0, 11) << 10.0 << "07/12/2026 10:00:00";
    QTest::newRow("firmware 1.3 at :01")
        << 19 << 1 << 1 << 0 << 0x13 << QTime(10, 0, 1) << 10.0 << "07/12/2026 10:00:01";
    QTest::newRow("across midnight") << 7199 << 1 << 12 << 0 << 0x13 << dez << 3600.0
                                     << "06/12/2026 23:00:00";
}

void TestDecodificacaoColeta::instantes()
{
    QFETCH(int, intervalo);
    QFETCH(int, leituras);
    QFETCH(int, efetuadas);
    QFETCH(int, desdeUltima);
    QFETCH(int, firmware);
    QFETCH(QTime, relogio);
    QFETCH(double, intervaloAquisicoes);
    QFETCH(QString, inicio);
    Logger l(K, mA, 8192, efetuadas);
    l.c.Intervalo = intervalo;
    l.c.LeiturasPorAquisicao = leituras;
    l.c.DesdeUltima = desdeUltima;
    l.c.Hora = relogio.hour();
    l.c.Minuto = relogio.minute();
    l.c.Segundo = relogio.second();
    l.k.Firmware = firmware;
    const Plano p = l.planeja();
    QCOMPARE(int(p.falha), 0);
    QCOMPARE(p.cabecalho.IntervaloAquisicoes(), intervaloAquisicoes);
    QCOMPARE(texto(p.cabecalho.Fim), QStringLiteral("07/12/2026 ") + relogio.toString(u"HH:mm:ss"));
    QCOMPARE(texto(p.cabecalho.Inicio), inicio);
}

namespace {

QList<int> enderecos(std::initializer_list<int> lista)
{
    return QList<int>(lista);
}

}  // namespace

void TestDecodificacaoColeta::doisCanaisContinuamNoInicioDaArea_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<bool>("forca");
    QTest::addColumn<int>("inicioCircular");
    QTest::addColumn<int>("efetuadas");
    QTest::addColumn<int>("parada");
    QTest::addColumn<QList<int>>("primeira");
    QTest::addColumn<QList<int>>("segunda");

    // Memoria 8192: the area is 162 to 8191.
    QTest::newRow("two bytes left") << K << mA << false << 8028 << 2 << 0
                                    << enderecos({ 8190, 8191, 162, 163 })
                                    << enderecos({ 164, 165, 166, 167 });
    QTest::newRow("three bytes left")
        << K << mA << false << 8027 << 2 << 0 << enderecos({ 8189, 8190, 8191, 162 })
        << enderecos({ 163, 164, 165, 166 });
    QTest::newRow("one byte left") << K << mA << false << 8029 << 2 << 0 << enderecos({ 8191, 162, 163, 164 })
                                   << enderecos({ 165, 166, 167, 168 });
    // A wrapped memory (2100 > 2007): split -370, so the next one is at
    // 162 + 4 + 370.
    QTest::newRow("wrapped") << K << mA << false << 8026 << 2100 << 0x8000
                             << enderecos({ 8188, 8189, 8190, 8191 }) << enderecos({ 536, 537, 538, 539 });
    // A forced collection takes the split as 0: after the end it starts
    // again at 162.
    QTest::newRow("forced") << K << mA << true << 8028 << 2007 << 0 << enderecos({ 8190, 8191, 162, 163 })
                            << enderecos({ 162, 163, 164, 165 });
    // The cold junction counts when either channel is a thermocouple.
    QTest::newRow("thermocouple on channel 2")
        << mA << J << false << 0 << 2 << 0 << enderecos({ 162, 163, 164, 165 })
        << enderecos({ 166, 167, 168, 169 });
    QTest::newRow("no thermocouple") << Pt100 << mA << false << 0 << 2 << 0
                                     << enderecos({ 162, 163, 164, 165 })
                                     << enderecos({ 166, 167, 168, 169 });
}

void TestDecodificacaoColeta::doisCanaisContinuamNoInicioDaArea()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(bool, forca);
    QFETCH(int, inicioCircular);
    QFETCH(int, efetuadas);
    QFETCH(int, parada);
    QFETCH(QList<int>, primeira);
    QFETCH(QList<int>, segunda);
    Logger l(sensor1, sensor2, 8192, efetuadas, inicioCircular);
    l.c.Parada = parada;
    const QByteArray m = imagemPadrao();
    const TAquisicao a = l.decodifica(m, forca);
    QCOMPARE(a.NumLeituras(), efetuadas);
    int z1, s1, z2, s2, w12;
    par(l, sensor1, 1, z1, s1, w12);
    par(l, sensor2, 2, z2, s2, w12);
    const bool juncaoFria = sensor1 != Pt100;
    QCOMPARE(w12, 300);
    const QList<QList<int>> esperadas { primeira, segunda };
    for (int e = 0; e < 2; ++e) {
        const QList<int> &ad = esperadas[e];
        double v1 = 0, v2 = 0;
        ConverteDoisCanais(v1, v2, juncaoFria, uint8_t(m[ad[0]]), uint8_t(m[ad[1]]), uint8_t(m[ad[2]]),
            uint8_t(m[ad[3]]), sensor1, sensor2, z1, s1, z2, s2, w12, 0, 10000, 0, 10000);
        QCOMPARE(a.leitura(e).Canal1(), v1);
        QCOMPARE(a.leitura(e).Canal2(), v2);
    }
}

void TestDecodificacaoColeta::umCanalLeSeusBytesEAJuncaoFria_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<int>("inicioCircular");
    QTest::addColumn<int>("efetuadas");
    QTest::addColumn<int>("parada");
    QTest::addColumn<QList<int>>("primeira");
    QTest::addColumn<QList<int>>("segunda");

    QTest::newRow("4-20 mA at the last byte")
        << mA << 0 << 8029 << 2 << 0 << enderecos({ 8191, 162 }) << enderecos({ 163, 164 });
    QTest::newRow("channel 2 alone") << 0 << mA << 0 << 2 << 0 << enderecos({ 162, 163 })
                                     << enderecos({ 164, 165 });
    // Split 8024: the cold junction's 164 - split lies outside the area,
    // so it continues at 162.
    QTest::newRow("thermocouple, cold junction past the end")
        << J << 0 << 8028 << 2 << 0 << enderecos({ 8190, 8191, 162 }) << enderecos({ 163, 164, 165 });
    // 2700 > 2676 acquisitions: split -70, the cold junction at 164 + 70
    // and the next acquisition at 162 + 3 + 70.
    QTest::newRow("thermocouple, wrapped")
        << J << 0 << 8028 << 2700 << 0x8000 << enderecos({ 8190, 8191, 234 }) << enderecos({ 235, 236, 237 });
    QTest::newRow("thermocouple on channel 2")
        << 0 << K << 0 << 2 << 0 << enderecos({ 162, 163, 164 }) << enderecos({ 165, 166, 167 });
}

void TestDecodificacaoColeta::umCanalLeSeusBytesEAJuncaoFria()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(int, inicioCircular);
    QFETCH(int, efetuadas);
    QFETCH(int, parada);
    QFETCH(QList<int>, primeira);
    QFETCH(QList<int>, segunda);
    Logger l(sensor1, sensor2, 8192, efetuadas, inicioCircular);
    l.c.Parada = parada;
    const QByteArray m = imagemPadrao();
    const TAquisicao a = l.decodifica(m);
    QCOMPARE(a.NumCanais, 1);
    QCOMPARE(a.NumLeituras(), efetuadas);
    const int canal = sensor1 != 0 ? 1 : 2;
    const int codigo = canal == 1 ? sensor1 : sensor2;
    int zero, span, w12;
    par(l, codigo, canal, zero, span, w12);
    const QList<QList<int>> esperadas { primeira, segunda };
    for (int e = 0; e < 2; ++e) {
        const QList<int> &ad = esperadas[e];
        const uint8_t b0 = uint8_t(m[ad[0]]), b1 = uint8_t(m[ad[1]]);
        const double v = ad.size() == 3
            ? ConverteCanalCJ(b0, b1, uint8_t(m[ad[2]]), codigo, zero, span, w12, 0, 10000)
            : ConverteCanal(b0, b1, codigo, zero, span, w12, 0, 10000);
        QCOMPARE(a.leitura(e).canal(canal), v);
        QCOMPARE(a.leitura(e).canal(3 - canal), 0.0);
    }
}

void TestDecodificacaoColeta::offsetEDecimais_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<int>("offset1");
    QTest::addColumn<int>("offset2");
    QTest::addColumn<int>("pontoDecimal");
    QTest::addColumn<double>("soma1");  // what the offset adds, after scaling
    QTest::addColumn<double>("escala1");
    QTest::addColumn<double>("soma2");
    QTest::addColumn<double>("escala2");

    // Pt100 offsets are tenths: offset 5 adds 0.5.
    QTest::newRow("Pt100 offset 5") << Pt100 << 0 << 5 << 0 << 0 << 0.5 << 1.0 << 0.0 << 1.0;
    // (value + 3) x 0.1.
    QTest::newRow("4-20 mA, one decimal, offset 3") << mA << 0 << 3 << 0 << 1 << 0.3 << 0.1 << 0.0 << 1.0;
    QTest::newRow("channel 2 negative, two decimals")
        << K << mA << 0 << -4 << (2 << 2) << 0.0 << 1.0 << -0.04 << 0.01;
    // The channel not recorded holds its offset, scaled.
    QTest::newRow("unused channel 2 keeps its offset")
        << mA << 0 << 0 << 7 << (1 << 2) << 0.0 << 1.0 << 0.7 << 0.1;
    QTest::newRow("unused channel 1, negative") << 0 << mA << -12 << 0 << 3 << -0.012 << 0.001 << 0.0 << 1.0;
}

void TestDecodificacaoColeta::offsetEDecimais()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(int, offset1);
    QFETCH(int, offset2);
    QFETCH(int, pontoDecimal);
    QFETCH(double, soma1);
    QFETCH(double, escala1);
    QFETCH(double, soma2);
    QFETCH(double, escala2);
    const QByteArray m = imagemPadrao();
    Logger semOffset(sensor1, sensor2, 8192, 3);
    const TAquisicao bruta = semOffset.decodifica(m);
    Logger l = semOffset;
    l.n.Offset1 = offset1;
    l.n.Offset2 = offset2;
    l.c.PontoDecimal = pontoDecimal;
    const TAquisicao a = l.decodifica(m);
    QCOMPARE(a.OffsetCanal1, offset1);
    QCOMPARE(a.OffsetCanal2, offset2);
    QCOMPARE(a.DecimaisCanal1, pontoDecimal & 3);
    QCOMPARE(a.DecimaisCanal2, pontoDecimal >> 2);
    for (int e = 0; e < a.NumLeituras(); ++e) {
        const double c1 = bruta.leitura(e).Canal1() * escala1 + soma1;
        const double c2 = bruta.leitura(e).Canal2() * escala2 + soma2;
        // Equal within the 48-bit real's precision.
        QVERIFY2(
            qAbs(a.leitura(e).Canal1() - c1) <= 1e-10 * qMax(1.0, qAbs(c1)), qPrintable(QString::number(c1)));
        QVERIFY2(
            qAbs(a.leitura(e).Canal2() - c2) <= 1e-10 * qMax(1.0, qAbs(c2)), qPrintable(QString::number(c2)));
    }
}

void TestDecodificacaoColeta::codigoSemBit7NaoEhSensor()
{
    Logger l(5, mA, 8192, 4);
    l.n.Offset1 = 9;
    const Plano p = l.planeja();
    QCOMPARE(p.cabecalho.NumCanais, 1);
    QCOMPARE(p.cabecalho.SensorCanal1, -1);
    QCOMPARE(p.cabecalho.SensorCanal2, 9);
    QCOMPARE(p.tamanho, 2);
    const TAquisicao a = l.decodifica(imagemPadrao());
    QCOMPARE(a.leitura(0).Canal1(), 9.0);
    QVERIFY(a.leitura(0).Canal2() != a.leitura(1).Canal2());

    Logger nenhum(0x7F, 5);
    QCOMPARE(int(nenhum.planeja().falha), 237);
}

void TestDecodificacaoColeta::memoriaGrandeNomeiaOsTamanhos()
{
    Logger l(K, mA, 40000);
    const Plano p = l.planeja();
    QCOMPARE(p.falha, DecodificacaoColeta::MemoriaGrande);
    QCOMPARE(DecodificacaoColeta::textoFalha(p, Catalogo()),
        QStringLiteral(
            "Este Tarvek tem 40000 bytes de memória. O Quorvane coleta memórias de até 32768 bytes."));

    Logger relogio(K, mA);
    relogio.c.Mes = 13;
    QCOMPARE(relogio.planeja().falha, DecodificacaoColeta::RelogioInvalido);
}

void TestDecodificacaoColeta::nuncaLeForaDaImagem_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<int>("memoria");
    QTest::addColumn<int>("inicioCircular");
    QTest::addColumn<int>("efetuadas");
    QTest::addColumn<int>("parada");

    QTest::newRow("largest counts, two channels") << K << mA << 32768 << 65535 << 65535 << 0x8000;
    QTest::newRow("largest counts, thermocouple") << J << 0 << 32768 << 65535 << 65535 << 0x8000;
    QTest::newRow("largest counts, linear") << 0 << mA << 32768 << 65535 << 65535 << 0;
    QTest::newRow("smallest area, two channels") << K << mA << 166 << 65535 << 40000 << 0x8000;
    QTest::newRow("smallest area, thermocouple") << K << 0 << 165 << 3 << 7 << 0;
    QTest::newRow("odd memory") << Pt100 << 0 << 32767 << 32600 << 20000 << 0;
}

void TestDecodificacaoColeta::nuncaLeForaDaImagem()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(int, memoria);
    QFETCH(int, inicioCircular);
    QFETCH(int, efetuadas);
    QFETCH(int, parada);
    Logger l(sensor1, sensor2, memoria, efetuadas, inicioCircular);
    l.c.Parada = parada;
    const Plano p = l.planeja();
    QCOMPARE(int(p.falha), 0);
    QVERIFY(p.paginas >= 1 && p.paginas <= 16);
    QVERIFY(p.inicio >= 162 && p.inicio < memoria);
    // Only the pages the plan reads: the rest of the image is absent.
    const QByteArray m = imagemPadrao().left(p.paginas * 2048);
    QCOMPARE(l.decodifica(m).NumLeituras(), efetuadas);
}

QUORVANE_TEST_GUILESS_MAIN(TestDecodificacaoColeta)
#include "tst_DecodificacaoColeta.moc"
