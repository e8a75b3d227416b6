#include "ConversaoLeitura.h"
#include "Real48.h"
#include "RegistroTestes.h"

#include "TabelaLinearizacao.h"
#include <QtTest>

#include <cmath>

namespace {

// The factory calibration of the examples: no zero shift, unit span.
constexpr int Zero = 0;
constexpr int Span = 10000;

}  // namespace

class tst_ConversaoLeitura : public QObject
{
    Q_OBJECT

private slots:
    void tabelaTemOsTrechosNoLugar();
    void valoresDaTabelaSaoReais48();
    void converteLeitura_data();
    void converteLeitura();
    void resultadoEhOReal48MaisProximo_data();
    void resultadoEhOReal48MaisProximo();
    void lineariza_data();
    void lineariza();
    void arredondaMetadesParaOPar_data();
    void arredondaMetadesParaOPar();
    void semLeitura_data();
    void semLeitura();
    void doisCanaisSeparaOsBytes();
    void doisCanaisSemJuncaoFria();
    void canalCJUsaAJuncaoFria();
    void codigoSemTabelaNaoConverte();
};

void tst_ConversaoLeitura::tabelaTemOsTrechosNoLugar()
{
    const auto &t = TabelaLinearizacao();
    // Each run: whole segments and the end mark right after its last one.
    const int inicios[] = { Trecho::J, Trecho::K, Trecho::T, Trecho::E, Trecho::N, Trecho::R, Trecho::S,
        Trecho::B, Trecho::Pt100, Trecho::JuncaoFria, Trecho::Linear };
    const int segmentos[] = { 6, 11, 11, 7, 10, 15, 14, 20, 11, 3, 1 };
    for (int r = 0; r < 11; ++r) {
        const int fim = inicios[r] + 3 * segmentos[r];
        QCOMPARE(t[fim], FimTrecho);
        const int proximo = r + 1 < 11 ? inicios[r + 1] : InicioGanhosJuncaoFria;
        QCOMPARE(fim + 1, proximo);
        for (int i = inicios[r]; i < fim; i += 3) {
            QVERIFY2(t[i] != FimTrecho, qPrintable(QString::number(i)));
            if (i > inicios[r])
                QVERIFY2(t[i] > t[i - 3], "bounds ascend within a run");
        }
    }
    QCOMPARE(t[InicioGanhosJuncaoFria], 55214.0);
    QCOMPARE(t[TamanhoTabelaLinearizacao - 1], 179.0);
    QCOMPARE(GanhoJuncaoFria(131), 65535.0);
    // The one positive intercept of B's run, segment 17 (802).
    QCOMPARE(t[Trecho::B + 3 * 16], 802.0);
    QCOMPARE(t[Trecho::B + 3 * 16 + 2], Real48::arredonda(18.4));
}

void tst_ConversaoLeitura::valoresDaTabelaSaoReais48()
{
    for (double v : TabelaLinearizacao())
        QCOMPARE(Real48::arredonda(v), v);
    // The nearest 48-bit real of the written value.
    QVERIFY(std::fabs(TabelaLinearizacao()[Trecho::Pt100 + 1] - 0.11268205) < 1e-12);
}

void tst_ConversaoLeitura::converteLeitura_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<int>("zero");
    QTest::addColumn<double>("bruto");
    QTest::addColumn<int>("juncaoFria");
    QTest::addColumn<int>("offsetJuncaoFria");  // the calibration word W12
    QTest::addColumn<int>("inferior");
    QTest::addColumn<int>("superior");
    QTest::addColumn<double>("esperado");
    QTest::newRow("4-20 mA mid-scale rounds 500.12 down")
        << 137 << Zero << 2048.0 << 0 << 0 << 0 << 1000 << 500.0;
    QTest::newRow("J with cold junction at -37.8 C") << 128 << Zero << 1000.0 << 0 << 0 << 0 << 0 << 142.0;
    // The count 1900 + 100 gives -24.96 C: the compensation -89.07 leaves
    // 910.93, which the J run makes 154.33 (the word taken negatively would
    // give 130).
    QTest::newRow("J with W12 = 100 added to the cold-junction count")
        << 128 << Zero << 1000.0 << 0 << 100 << 0 << 0 << 154.0;
    QTest::newRow("J beyond its table gives 760") << 128 << Zero << 4000.0 << 40 << 0 << 0 << 0 << 760.0;
    QTest::newRow("K full scale") << 129 << Zero << 4095.0 << 0 << 0 << 0 << 0 << 1326.0;
    QTest::newRow("Pt100 keeps its fraction") << 136 << Zero << 1000.0 << 0 << 0 << 0 << 0 << -83.881786;
    QTest::newRow("Pt100 full scale") << 136 << Zero << 4095.0 << 0 << 0 << 0 << 0 << 320.0000165;
    QTest::newRow("Pt100 has no cold junction to offset")
        << 136 << Zero << 1000.0 << 0 << 100 << 0 << 0 << -83.881786;
    QTest::newRow("0-50 mV beyond the identity segment")
        << 138 << Zero << 5000.0 << 0 << 0 << -100 << 900 << 900.0;
    QTest::newRow("negative calibrated value is the low limit")
        << 137 << -100 << 50.0 << 0 << 0 << 200 << 1000 << 200.0;
    QTest::newRow("0-50 mV zero count is the low limit")
        << 138 << Zero << 0.0 << 0 << 0 << -100 << 900 << -100.0;
    QTest::newRow("4-20 mA full scale is the high limit")
        << 137 << Zero << 4095.0 << 0 << 0 << -2000 << 9999 << 9999.0;
}

void tst_ConversaoLeitura::converteLeitura()
{
    QFETCH(int, codigo);
    QFETCH(int, zero);
    QFETCH(double, bruto);
    QFETCH(int, juncaoFria);
    QFETCH(int, offsetJuncaoFria);
    QFETCH(int, inferior);
    QFETCH(int, superior);
    QFETCH(double, esperado);
    const double v
        = ConverteLeitura(juncaoFria, codigo, zero, bruto, Span, offsetJuncaoFria, inferior, superior);
    QVERIFY2(std::fabs(v - esperado) < 1e-6, qPrintable(QString::number(v, 'f', 9)));
}

void tst_ConversaoLeitura::resultadoEhOReal48MaisProximo_data()
{
    // Pt100 keeps its fraction, so its result shows each step's rounding to
    // the 48-bit real: the nearest one, as worked out in exact arithmetic
    // (rounding toward zero would give the neighbour below).
    QTest::addColumn<int>("zero");
    QTest::addColumn<int>("span");
    QTest::addColumn<double>("bruto");
    QTest::addColumn<double>("esperado");
    QTest::newRow("full scale, 320.0000165") << Zero << Span << 4095.0 << 0x1.40000114d4p+8;
    QTest::newRow("raw 1000, -83.881786") << Zero << Span << 1000.0 << -0x1.4f86f2e8c2p+6;
    QTest::newRow("zero 7, span 9999, raw 2047") << 7 << 9999 << 2047.0 << 0x1.7677647f88p+5;
    QTest::newRow("zero 7, span 9999, raw 1000") << 7 << 9999 << 1000.0 << -0x1.4c3c5adcecp+6;
    QTest::newRow("zero -3, span 10007, raw 2500") << -3 << 10007 << 2500.0 << 0x1.a00612c72cp+6;
}

void tst_ConversaoLeitura::resultadoEhOReal48MaisProximo()
{
    QFETCH(int, zero);
    QFETCH(int, span);
    QFETCH(double, bruto);
    QFETCH(double, esperado);
    const double v = ConverteLeitura(0, 136, zero, bruto, span, 0, 0, 0);
    QCOMPARE(Real48::arredonda(v), v);
    // Exactly: a fuzzy comparison would let a neighbour pass.
    QVERIFY2(v == esperado, qPrintable(QString::number(v, 'g', 17)));
}

void tst_ConversaoLeitura::lineariza_data()
{
    QTest::addColumn<int>("trecho");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<double>("esperado");
    QTest::newRow("cold junction count 1900")
        << Trecho::JuncaoFria << 1900.0 << 128 << Real48::arredonda(1900 * 0.12841603 - 281.795758);
    QTest::newRow("a bound belongs to the segment it closes")
        << Trecho::J << 379.0 << 128 << Real48::arredonda(379 * 0.29844129 - 103.199455);
    QTest::newRow("just above a bound takes the next segment")
        << Trecho::J << 379.5 << 128 << Real48::arredonda(379.5 * 0.27625095 - 94.782609);
    QTest::newRow("last segment of T")
        << Trecho::T << 1773.0 << 130 << Real48::arredonda(1773 * 0.23800774 - 21.905537);
    QTest::newRow("beyond T gives its range end") << Trecho::T << 1773.5 << 130 << 400.0;
    QTest::newRow("cold junction beyond its run gives the thermocouple's end")
        << Trecho::JuncaoFria << 2779.0 << 133 << 1760.0;
    QTest::newRow("beyond Pt100") << Trecho::Pt100 << 4096.0 << 136 << 320.0;
    QTest::newRow("beyond the linear run is 4095") << Trecho::Linear << 4095.5 << 137 << 4095.0;
    QTest::newRow("B first segment") << Trecho::B << 354.0 << 135
                                     << Real48::arredonda(354 * 9.13354701 - 3055);
}

void tst_ConversaoLeitura::lineariza()
{
    QFETCH(int, trecho);
    QFETCH(double, x);
    QFETCH(int, codigo);
    QFETCH(double, esperado);
    const double v = Lineariza(trecho, x, codigo);
    QVERIFY2(std::fabs(v - esperado) < 1e-9, qPrintable(QString::number(v, 'f', 9)));
}

void tst_ConversaoLeitura::arredondaMetadesParaOPar_data()
{
    // 4-20 mA over limits 0 to 4095: the count itself, plus the low limit.
    QTest::addColumn<int>("inferior");
    QTest::addColumn<int>("superior");
    QTest::addColumn<double>("bruto");
    QTest::addColumn<double>("esperado");
    QTest::newRow("2.5 goes down to 2") << 0 << 8190 << 1.25 << 2.0;
    QTest::newRow("3.5 goes up to 4") << 0 << 8190 << 1.75 << 4.0;
    QTest::newRow("-2.5 goes to -2") << -8190 << 0 << 4093.75 << -2.0;
}

void tst_ConversaoLeitura::arredondaMetadesParaOPar()
{
    QFETCH(int, inferior);
    QFETCH(int, superior);
    QFETCH(double, bruto);
    QFETCH(double, esperado);
    QCOMPARE(ConverteLeitura(0, 137, 0, bruto, Span, 0, inferior, superior), esperado);
}

void tst_ConversaoLeitura::semLeitura_data()
{
    QTest::addColumn<int>("forma");
    QTest::addColumn<double>("esperado");
    QTest::newRow("2 bytes: FF FF is the count 0") << 2 << -200.0;
    QTest::newRow("3 bytes: FF FF is 0") << 3 << 0.0;
    QTest::newRow("4 bytes: FF FF is 0") << 4 << 0.0;
}

void tst_ConversaoLeitura::semLeitura()
{
    QFETCH(int, forma);
    QFETCH(double, esperado);
    double v = -1;
    if (forma == 2) {
        v = ConverteCanal(0xFF, 0xFF, 136, Zero, Span, 0, 0, 0);
    } else if (forma == 3) {
        v = ConverteCanalCJ(0xFF, 0xFF, 0x10, 128, Zero, Span, 0, 0, 0);
    } else {
        double outro = -1;
        ConverteDoisCanais(
            v, outro, true, 0xFF, 0xFF, 0x0F, 0xFF, 136, 137, Zero, Span, Zero, Span, 0, 0, 0, 0, 4095);
        // The other channel is converted: 0F FF is the count 4095.
        QCOMPARE(outro, 4095.0);
    }
    QCOMPARE(v, esperado);
}

void tst_ConversaoLeitura::doisCanaisSeparaOsBytes()
{
    QCOMPARE(JuncaoFriaDoisCanais(0x5A, 0x3B), 0x53);
    QCOMPARE(ContagemDosBytes(0x5A, 0x12), 0xA12);
    QCOMPARE(ContagemDosBytes(0x3B, 0x34), 0xB34);
    // Linear channels over 0 to 4095 show the counts themselves; the
    // thermocouple on channel 1 shows the cold junction 83 is used.
    double v1 = 0, v2 = 0;
    ConverteDoisCanais(
        v1, v2, false, 0x5A, 0x12, 0x3B, 0x34, 137, 138, Zero, Span, Zero, Span, 0, 0, 4095, 0, 4095);
    QCOMPARE(v1, 2578.0);
    QCOMPARE(v2, 2868.0);
    ConverteDoisCanais(
        v1, v2, true, 0x5A, 0x12, 0x3B, 0x34, 128, 137, Zero, Span, Zero, Span, 0, 0, 0, 0, 4095);
    QCOMPARE(v1, ConverteLeitura(83, 128, Zero, 2578, Span, 0, 0, 0));
    QVERIFY(v1 != ConverteLeitura(0, 128, Zero, 2578, Span, 0, 0, 0));
    QCOMPARE(v2, 2868.0);
}

void tst_ConversaoLeitura::doisCanaisSemJuncaoFria()
{
    double v1 = 0, v2 = 0;
    ConverteDoisCanais(
        v1, v2, false, 0x5A, 0x12, 0x3B, 0x34, 128, 129, Zero, Span, Zero, Span, 0, 0, 0, 0, 0);
    QCOMPARE(v1, ConverteLeitura(0, 128, Zero, 2578, Span, 0, 0, 0));
    QCOMPARE(v2, ConverteLeitura(0, 129, Zero, 2868, Span, 0, 0, 0));
}

void tst_ConversaoLeitura::canalCJUsaAJuncaoFria()
{
    // The high nibble of the first byte is not part of the count.
    QCOMPARE(ConverteCanalCJ(0xF3, 0xE8, 40, 128, Zero, Span, 0, 0, 0),
        ConverteLeitura(40, 128, Zero, 1000, Span, 0, 0, 0));
    QCOMPARE(ConverteCanal(0xA3, 0xE8, 136, Zero, Span, 0, 0, 0),
        ConverteLeitura(0, 136, Zero, 1000, Span, 0, 0, 0));
    // A cold junction of 40 against 0 changes a J reading.
    QVERIFY(ConverteCanalCJ(0x03, 0xE8, 40, 128, Zero, Span, 0, 0, 0)
        != ConverteCanalCJ(0x03, 0xE8, 0, 128, Zero, Span, 0, 0, 0));
}

void tst_ConversaoLeitura::codigoSemTabelaNaoConverte()
{
    QCOMPARE(ConverteLeitura(0, 127, Zero, 1000, Span, 0, 0, 100), 0.0);
    QCOMPARE(ConverteLeitura(0, 139, Zero, 1000, Span, 0, 0, 100), 0.0);
    QCOMPARE(Lineariza(5, 100, 128), 0.0);
}

QUORVANE_TEST_GUILESS_MAIN(tst_ConversaoLeitura)
#include "tst_ConversaoLeitura.moc"
