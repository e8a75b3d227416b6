#include "Real48.h"
#include "RegistroTestes.h"

#include <cmath>
#include <cstring>
#include <limits>

using Bytes48 = std::array<uint8_t, 6>;
Q_DECLARE_METATYPE(Bytes48)

class TestReal48 : public QObject
{
    Q_OBJECT
private slots:
    void arredonda_data();
    void arredonda();
    void knownBytes_data();
    void knownBytes();
    void bytesRoundTripToTheRoundedValue_data();
    void bytesRoundTripToTheRoundedValue();
    void extendedValueIsRoundedOnce();
    void endsOfTheRange_data();
    void endsOfTheRange();
};

void TestReal48::arredonda_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("esperado");
    const double um = 1.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("one stays") << um << um;
    QTest::newRow("negative half stays") << -2.5 << -2.5;
    QTest::newRow("integer stays") << 3938.0 << 3938.0;
    QTest::newRow("40-bit significand stays") << 1.0 + std::ldexp(1.0, -39) << 1.0 + std::ldexp(1.0, -39);
    QTest::newRow("small power of two stays") << std::ldexp(1.0, -100) << std::ldexp(1.0, -100);
    // 0.1 = 1.6 x 2^-4; 39 bits after the point: round(0.1 x 2^43) / 2^43.
    QTest::newRow("0.1 to the nearest") << 0.1 << std::ldexp(879609302221.0, -43);
    QTest::newRow("-0.1 to the nearest") << -0.1 << -std::ldexp(879609302221.0, -43);
    QTest::newRow("tie goes down to the even significand") << 1.0 + std::ldexp(1.0, -40) << um;
    QTest::newRow("tie goes up to the even significand")
        << 1.0 + 3 * std::ldexp(1.0, -40) << 1.0 + std::ldexp(1.0, -38);
    QTest::newRow("rounding up carries into the exponent") << 2.0 - std::ldexp(1.0, -45) << 2.0;
    QTest::newRow("too small becomes zero") << std::ldexp(1.0, -140) << 0.0;
    QTest::newRow("too large is clamped") << 1e300 << Real48::maximo();
    QTest::newRow("too large negative is clamped") << -1e300 << -Real48::maximo();
    QTest::newRow("NaN becomes zero") << std::numeric_limits<double>::quiet_NaN() << 0.0;
}

void TestReal48::arredonda()
{
    QFETCH(double, valor);
    QFETCH(double, esperado);
    QCOMPARE(Real48::arredonda(valor), esperado);
}

void TestReal48::knownBytes_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<Bytes48>("bytes");
    QTest::newRow("zero") << 0.0 << Bytes48 { 0, 0, 0, 0, 0, 0 };
    QTest::newRow("one") << 1.0 << Bytes48 { 0x81, 0, 0, 0, 0, 0 };
    QTest::newRow("minus one") << -1.0 << Bytes48 { 0x81, 0, 0, 0, 0, 0x80 };
    QTest::newRow("half") << 0.5 << Bytes48 { 0x80, 0, 0, 0, 0, 0 };
    QTest::newRow("hundred") << 100.0 << Bytes48 { 0x87, 0, 0, 0, 0, 0x48 };
    QTest::newRow("minus 1.5") << -1.5 << Bytes48 { 0x81, 0, 0, 0, 0, 0xC0 };
}

void TestReal48::knownBytes()
{
    QFETCH(double, valor);
    QFETCH(Bytes48, bytes);
    QCOMPARE(Real48::paraBytes(valor), bytes);
    QCOMPARE(Real48::deBytes(bytes), valor);
}

void TestReal48::bytesRoundTripToTheRoundedValue_data()
{
    QTest::addColumn<double>("valor");
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("interval of 1.5 s") << 1.5;
    QTest::newRow("Pt100 reading") << -83.881786;
    QTest::newRow("large") << 123456789.123;
    QTest::newRow("tiny") << 3.0e-38;
    QTest::newRow("largest") << Real48::maximo();
}

void TestReal48::bytesRoundTripToTheRoundedValue()
{
    QFETCH(double, valor);
    const double arredondado = Real48::arredonda(valor);
    QCOMPARE(Real48::deBytes(Real48::paraBytes(valor)), arredondado);
    QCOMPARE(Real48::arredonda(arredondado), arredondado);
    QVERIFY(std::fabs(arredondado - valor) <= std::fabs(valor) * std::ldexp(1.0, -40));
}

void TestReal48::extendedValueIsRoundedOnce()
{
    // Just above half a step of the 48-bit real: a double drops the excess,
    // turning it into a tie that rounds down to even.
    const long double x = 1.0L + std::ldexp(1.0L, -40) + std::ldexp(1.0L, -60);
    QCOMPARE(Real48::arredonda(double(x)), 1.0);
    QCOMPARE(Real48::arredondaEstendido(x), 1.0 + std::ldexp(1.0, -39));
    QCOMPARE(Real48::arredondaEstendido(-x), -(1.0 + std::ldexp(1.0, -39)));
    QCOMPARE(Real48::arredondaEstendido(1e300L), Real48::maximo());
    QCOMPARE(Real48::arredondaEstendido(0.0L), 0.0);
    // Beyond the range of a double.
    QCOMPARE(Real48::arredondaEstendido(1e4000L), Real48::maximo());
    QCOMPARE(Real48::arredondaEstendido(-1e4000L), -Real48::maximo());
    QCOMPARE(Real48::arredondaEstendido(1e-4000L), 0.0);
}

void TestReal48::endsOfTheRange_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("esperado");
    const double menor = std::ldexp(1.0, -128);  // exponent byte 1
    QTest::newRow("the smallest stays") << menor << menor;
    QTest::newRow("just under the smallest rounds up to it") << menor * (1 - std::ldexp(1.0, -45)) << menor;
    QTest::newRow("half the smallest becomes zero") << menor / 2 << 0.0;
    QTest::newRow("half the smallest, negative, becomes zero") << -menor / 2 << 0.0;
    QTest::newRow("the largest stays") << Real48::maximo() << Real48::maximo();
    QTest::newRow("rounding up past the largest is clamped")
        << std::ldexp(1.0, 127) - std::ldexp(1.0, 85) << Real48::maximo();
    QTest::newRow("an infinity is clamped") << -std::numeric_limits<double>::infinity() << -Real48::maximo();
}

// The same from a double and from an extended value, bit for bit (a
// comparison of doubles would take 2^-129 for 0).
void TestReal48::endsOfTheRange()
{
    QFETCH(double, valor);
    QFETCH(double, esperado);
    const auto bits = [](double v) {
        quint64 b = 0;
        std::memcpy(&b, &v, sizeof b);
        return QString::number(b, 16);
    };
    QCOMPARE(bits(Real48::arredonda(valor)), bits(esperado));
    QCOMPARE(bits(Real48::arredondaEstendido(valor)), bits(esperado));
    QCOMPARE(bits(Real48::maximo()), bits(std::ldexp(2.0 - std::ldexp(1.0, -39), 126)));
}

QUORVANE_TEST_GUILESS_MAIN(TestReal48)
#include "tst_Real48.moc"
