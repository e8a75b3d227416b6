#include "RegistroTestes.h"
#include "Windows1252.h"

class TestWindows1252 : public QObject
{
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void codePoints_data();
    void codePoints();
    void charactersWithoutAByteBecomeQuestionMarks();
};

void TestWindows1252::everyByteRoundTrips()
{
    QByteArray todos(256, '\0');
    for (int i = 0; i < 256; ++i)
        todos[i] = char(i);
    const QString texto = Windows1252::decodifica(todos);
    QCOMPARE(texto.size(), 256);
    QCOMPARE(Windows1252::codifica(texto), todos);
}

void TestWindows1252::codePoints_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codigo");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81h stays") << 0x81 << 0x0081;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("undefined 9Dh stays") << 0x9D << 0x009D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("degree sign") << 0xB0 << 0x00B0;
    QTest::newRow("c cedilla") << 0xE7 << 0x00E7;
    QTest::newRow("ASCII") << 0x41 << 0x0041;
}

void TestWindows1252::codePoints()
{
    QFETCH(int, byte);
    QFETCH(int, codigo);
    const QByteArray b(1, char(byte));
    QCOMPARE(int(Windows1252::decodifica(b).at(0).unicode()), codigo);
    QCOMPARE(Windows1252::codifica(QString(QChar(codigo))), b);
}

void TestWindows1252::charactersWithoutAByteBecomeQuestionMarks()
{
    QCOMPARE(Windows1252::codifica(QString::fromUtf8("°C Ω ☃")),
        QByteArray("\xB0"
                   "C ? ?"));
}

QUORVANE_TEST_GUILESS_MAIN(TestWindows1252)
#include "tst_Windows1252.moc"
