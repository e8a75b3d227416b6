#include "RegistroTestes.h"
#include "RotinasBytes.h"
#include "RotinasSensor.h"

using Palavras13 = std::array<int, 13>;
Q_DECLARE_METATYPE(Palavras13)

class TestRotinasSensor : public QObject
{
    Q_OBJECT
private slots:
    void faixaSensor_data();
    void faixaSensor();
    void modoDoCanal_data();
    void modoDoCanal();
    void everyModePairSurvivesTheModeByte();
    void codificaModos_data();
    void codificaModos();
    void medidasETamanho_data();
    void medidasETamanho();
    void coeficientesCalibracao_data();
    void coeficientesCalibracao();
};

void TestRotinasSensor::faixaSensor_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<bool>("temFaixa");
    QTest::addColumn<int>("baixo");
    QTest::addColumn<int>("alto");
    QTest::addColumn<bool>("termopar");
    QTest::addColumn<bool>("termoparOuPt100");
    QTest::newRow("no sensor") << 127 << false << 0 << 0 << false << false;
    QTest::newRow("J") << 128 << true << -50 << 760 << true << true;
    QTest::newRow("T") << 130 << true << -100 << 400 << true << true;
    QTest::newRow("B") << 135 << true << 0 << 1820 << true << true;
    QTest::newRow("Pt100") << 136 << true << -200 << 320 << false << true;
    QTest::newRow("4-20mA") << 137 << false << 0 << 0 << false << false;
    QTest::newRow("0-50mV") << 138 << false << 0 << 0 << false << false;
    QTest::newRow("unknown high code") << 200 << false << 0 << 0 << false << false;
}

void TestRotinasSensor::faixaSensor()
{
    QFETCH(int, codigo);
    QFETCH(bool, temFaixa);
    QFETCH(int, baixo);
    QFETCH(int, alto);
    QFETCH(bool, termopar);
    QFETCH(bool, termoparOuPt100);
    const auto faixa = FaixaSensor(codigo);
    QCOMPARE(faixa.has_value(), temFaixa);
    if (faixa)
        QCOMPARE(*faixa, (Faixa { baixo, alto }));
    QCOMPARE(EhTermopar(codigo), termopar);
    QCOMPARE(EhTermoparOuPt100(codigo), termoparOuPt100);
}

void TestRotinasSensor::modoDoCanal_data()
{
    QTest::addColumn<int>("modos");
    QTest::addColumn<int>("canal");
    QTest::addColumn<int>("modo");
    QTest::newRow("channel 1 maximum") << 0x0A << 1 << 1;
    QTest::newRow("channel 2 average") << 0x0A << 2 << 0;
    QTest::newRow("channel 2 minimum") << 0x21 << 2 << 2;
    QTest::newRow("two bits set is average") << 0x03 << 1 << 0;
    QTest::newRow("empty field is average") << 0x00 << 1 << 0;
    QTest::newRow("channel 3 is average") << 0x24 << 3 << 0;
    QTest::newRow("bits 6 and 7 are not channel 2") << 0xC9 << 2 << 0;
}

void TestRotinasSensor::modoDoCanal()
{
    QFETCH(int, modos);
    QFETCH(int, canal);
    QFETCH(int, modo);
    QCOMPARE(ModoDoCanal(uint8_t(modos), canal), modo);
}

void TestRotinasSensor::everyModePairSurvivesTheModeByte()
{
    for (int m1 = 0; m1 <= 2; ++m1) {
        for (int m2 = 0; m2 <= 2; ++m2) {
            const uint8_t byte = CodificaModos(m1, m2);
            QCOMPARE(byte & 0xC0, 0);
            QCOMPARE(ModoDoCanal(byte, 1), m1);
            QCOMPARE(ModoDoCanal(byte, 2), m2);
        }
    }
}

void TestRotinasSensor::codificaModos_data()
{
    QTest::addColumn<int>("modo1");
    QTest::addColumn<int>("modo2");
    QTest::addColumn<int>("byte");
    QTest::newRow("both average") << 0 << 0 << 0x09;
    QTest::newRow("maximum and minimum") << 1 << 2 << 0x22;
    QTest::newRow("unknown mode leaves its field empty") << 3 << 0 << 0x08;
    QTest::newRow("negative mode leaves its field empty") << 1 << -1 << 0x02;
}

void TestRotinasSensor::codificaModos()
{
    QFETCH(int, modo1);
    QFETCH(int, modo2);
    QFETCH(int, byte);
    QCOMPARE(int(CodificaModos(modo1, modo2)), byte);
}

void TestRotinasSensor::medidasETamanho_data()
{
    QTest::addColumn<int>("codigo1");
    QTest::addColumn<int>("codigo2");
    QTest::addColumn<int>("medidas");
    QTest::addColumn<int>("tamanho");
    QTest::newRow("thermocouple alone") << 128 << 127 << 2 << 3;
    QTest::newRow("Pt100 alone") << 136 << 127 << 2 << 2;
    QTest::newRow("Pt100 and thermocouple") << 136 << 128 << 4 << 4;
    QTest::newRow("no sensors") << 127 << 127 << 0 << 2;
    QTest::newRow("thermocouple on channel 2") << 127 << 131 << 2 << 3;
    QTest::newRow("two thermocouples add the junction once") << 128 << 129 << 3 << 4;
    QTest::newRow("two Pt100") << 136 << 136 << 4 << 4;
    QTest::newRow("linear inputs") << 137 << 138 << 2 << 4;
    QTest::newRow("one linear input") << 137 << 0 << 1 << 2;
}

void TestRotinasSensor::medidasETamanho()
{
    QFETCH(int, codigo1);
    QFETCH(int, codigo2);
    QFETCH(int, medidas);
    QFETCH(int, tamanho);
    QCOMPARE(NumeroDeMedidas(codigo1, codigo2), medidas);
    QCOMPARE(TamanhoAquisicao(codigo1, codigo2), tamanho);
}

namespace {

// A calibration block as the logger sends it: thirteen words most
// significant byte first, then the rest of the block.
QByteArray blocoRecebido(const Palavras13 &palavras)
{
    QByteArray bloco(37, '\x5A');
    for (int i = 0; i < 13; ++i) {
        bloco[2 * i] = char((palavras[i] >> 8) & 0xFF);
        bloco[2 * i + 1] = char(palavras[i] & 0xFF);
    }
    return bloco;
}

}  // namespace

void TestRotinasSensor::coeficientesCalibracao_data()
{
    QTest::addColumn<Palavras13>("palavras");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<int>("canal");
    QTest::addColumn<bool>("tomado");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    const Palavras13 w = { 100, 10000, -3, 9000, -200, 12000, -5, 9500, 7, 9100, 11, 8800, 0xC350 };
    QTest::newRow("thermocouple channel 1") << w << 130 << 1 << true << 100 << 10000;
    QTest::newRow("Pt100 channel 1") << w << 136 << 1 << true << -3 << 9000;
    QTest::newRow("4-20mA channel 1") << w << 137 << 1 << true << -200 << 12000;
    QTest::newRow("thermocouple channel 2, negative zero") << w << 128 << 2 << true << -5 << 9500;
    QTest::newRow("Pt100 channel 2") << w << 136 << 2 << true << 7 << 9100;
    QTest::newRow("4-20mA channel 2") << w << 137 << 2 << true << 11 << 8800;
    // r = 345.5 - 100, s = 4095.5 - 100: A = -245, B = 44890000 / 3750.
    QTest::newRow("0-50mV from the thermocouple pair") << w << 138 << 1 << true << -245 << 11970;
    QTest::newRow("no sensor leaves the pair") << w << 127 << 1 << false << 42 << 43;
    QTest::newRow("channel 3 leaves the pair") << w << 128 << 3 << false << 42 << 43;
    auto zero = w;
    zero[1] = 0;
    QTest::newRow("0-50mV with a zero span cannot be computed") << zero << 138 << 1 << false << 0 << 0;
}

void TestRotinasSensor::coeficientesCalibracao()
{
    QFETCH(Palavras13, palavras);
    QFETCH(int, codigo);
    QFETCH(int, canal);
    QFETCH(bool, tomado);
    QFETCH(int, a);
    QFETCH(int, b);
    QByteArray bloco = blocoRecebido(palavras);
    InverteWords13(bloco);
    int zero = 42;
    int span = 43;
    uint16_t juncao = 0;
    QCOMPARE(CoeficientesCalibracao(bloco, codigo, canal, zero, span, juncao), tomado);
    QCOMPARE(zero, a);
    QCOMPARE(span, b);
    QCOMPARE(juncao, uint16_t(palavras[12]));  // unsigned, whatever the code
}

QUORVANE_TEST_GUILESS_MAIN(TestRotinasSensor)
#include "tst_RotinasSensor.moc"
