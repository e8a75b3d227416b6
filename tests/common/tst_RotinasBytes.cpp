#include "RegistroTestes.h"
#include "RotinasBytes.h"

class TestRotinasBytes : public QObject
{
    Q_OBJECT
private slots:
    void textoDoBloco_data();
    void textoDoBloco();
    void textoParaBlocoStaysInsideItsField_data();
    void textoParaBlocoStaysInsideItsField();
    void completaComEspacos_data();
    void completaComEspacos();
    void wordsAreSwappedOnlyInTheCalibrationWords();
    void valor24_data();
    void valor24();
    void somaVerificacao_data();
    void somaVerificacao();
    void estendeSinal16_data();
    void estendeSinal16();
    void textoVersao_data();
    void textoVersao();
};

void TestRotinasBytes::textoDoBloco_data()
{
    QTest::addColumn<QByteArray>("bloco");
    QTest::addColumn<int>("primeiro");
    QTest::addColumn<int>("ultimo");
    QTest::addColumn<QString>("esperado");
    const QByteArray b("Tarvek  Canal1");
    QTest::newRow("whole field") << b << 1 << 6 << "Tarvek";
    QTest::newRow("inner field keeps blanks") << b << 6 << 9 << "k  C";
    QTest::newRow("single byte") << b << 14 << 14 << "1";
    QTest::newRow("last before first is empty") << b << 5 << 4 << "";
    QTest::newRow("field past the block is cut") << b << 13 << 40 << "l1";
    QTest::newRow("field wholly past the block") << b << 30 << 40 << "";
    QTest::newRow("code page characters")
        << QByteArray("\xC7\xE3o\xB0", 4) << 1 << 4 << QString::fromUtf8("Ção°");
}

void TestRotinasBytes::textoDoBloco()
{
    QFETCH(QByteArray, bloco);
    QFETCH(int, primeiro);
    QFETCH(int, ultimo);
    QFETCH(QString, esperado);
    QCOMPARE(TextoDoBloco(bloco, primeiro, ultimo), esperado);
}

void TestRotinasBytes::textoParaBlocoStaysInsideItsField_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("primeiro");
    QTest::addColumn<int>("ultimo");
    QTest::addColumn<QByteArray>("esperado");
    QTest::newRow("padded text fills the field") << "ab  " << 3 << 6 << QByteArray("xxab  xx");
    QTest::newRow("longer text is cut to the field") << "abcdef" << 2 << 4 << QByteArray("xabcxxxx");
    QTest::newRow("short text is padded with blanks") << "a" << 1 << 3 << QByteArray("a  xxxxx");
    QTest::newRow("field past the block writes nothing outside")
        << "abcd" << 7 << 10 << QByteArray("xxxxxxab");
    QTest::newRow("code page characters")
        << QString::fromUtf8("çã") << 1 << 2 << QByteArray("\xE7\xE3xxxxxx");
}

void TestRotinasBytes::textoParaBlocoStaysInsideItsField()
{
    QFETCH(QString, texto);
    QFETCH(int, primeiro);
    QFETCH(int, ultimo);
    QFETCH(QByteArray, esperado);
    QByteArray bloco(8, 'x');
    TextoParaBloco(bloco, texto, primeiro, ultimo);
    QCOMPARE(bloco, esperado);
}

void TestRotinasBytes::completaComEspacos_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("largura");
    QTest::addColumn<int>("tamanho");
    QTest::newRow("short text grows") << "abc" << 10 << 10;
    QTest::newRow("text of the width stays") << "abcde" << 5 << 5;
    QTest::newRow("longer text is not cut") << "abcdefgh" << 5 << 8;
    QTest::newRow("width is at most 255") << "a" << 400 << 255;
}

void TestRotinasBytes::completaComEspacos()
{
    QFETCH(QString, texto);
    QFETCH(int, largura);
    QFETCH(int, tamanho);
    const QString resultado = CompletaComEspacos(texto, largura);
    QCOMPARE(resultado.size(), tamanho);
    QVERIFY(resultado.startsWith(texto));
    QCOMPARE(resultado.mid(texto.size()).trimmed(), QString());
}

void TestRotinasBytes::wordsAreSwappedOnlyInTheCalibrationWords()
{
    QCOMPARE(InverteWord(0x1234), uint16_t(0x3412));
    QCOMPARE(InverteDWord(0x12345678u), 0x78563412u);

    QByteArray bloco(37, '\0');
    for (int i = 0; i < bloco.size(); ++i)
        bloco[i] = char(i);
    InverteWords13(bloco);
    QCOMPARE(uint8_t(bloco[0]), uint8_t(1));
    QCOMPARE(uint8_t(bloco[1]), uint8_t(0));
    QCOMPARE(uint8_t(bloco[24]), uint8_t(25));
    QCOMPARE(uint8_t(bloco[25]), uint8_t(24));
    QCOMPARE(uint8_t(bloco[26]), uint8_t(26));  // serial number untouched

    QByteArray curto("\x01\x02\x03", 3);
    InverteWords13(curto);
    QCOMPARE(curto, QByteArray("\x02\x01\x03", 3));

    std::array<uint16_t, 13> palavras {};
    palavras[0] = 0x0102;
    palavras[12] = 0xA0B0;
    InverteWords13(palavras);
    QCOMPARE(palavras[0], uint16_t(0x0201));
    QCOMPARE(palavras[12], uint16_t(0xB0A0));
}

void TestRotinasBytes::valor24_data()
{
    QTest::addColumn<int>("valor");
    QTest::addColumn<QByteArray>("naMemoria");
    QTest::newRow("zero") << 0 << QByteArray("\x00\x00\x00", 3);
    QTest::newRow("one (half second interval)") << 1 << QByteArray("\x00\x00\x01", 3);
    QTest::newRow("every byte distinct") << 0x123456 << QByteArray("\x12\x34\x56", 3);
    QTest::newRow("largest") << 0xFFFFFF << QByteArray("\xFF\xFF\xFF", 3);
}

void TestRotinasBytes::valor24()
{
    QFETCH(int, valor);
    QFETCH(QByteArray, naMemoria);

    // The word as it lies in memory, read least significant byte first.
    const uint16_t palavra = uint16_t(uint8_t(naMemoria[1]) | (uint8_t(naMemoria[2]) << 8));
    const Valor24 separado = Separa24(valor);
    QCOMPARE(separado.alto, uint8_t(naMemoria[0]));
    QCOMPARE(separado.palavra, palavra);
    QCOMPARE(Junta24(separado.alto, separado.palavra), valor);

    QByteArray bloco(6, 'x');
    Separa24(valor, bloco, 2);
    QCOMPARE(bloco.mid(2, 3), naMemoria);
    QCOMPARE(bloco.left(2), QByteArray("xx"));
    QCOMPARE(bloco.right(1), QByteArray("x"));
    QCOMPARE(Junta24(bloco, 2), valor);

    QByteArray curto(2, 'x');
    Separa24(valor, curto, 1);  // must not write past the block
    QCOMPARE(curto.size(), 2);
}

void TestRotinasBytes::somaVerificacao_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("quantos");
    QTest::addColumn<int>("soma");
    QTest::newRow("carry is dropped") << QByteArray("\xFF\x02", 2) << 2 << 0x01;
    QTest::newRow("nothing sums to zero") << QByteArray("\x10", 1) << 0 << 0;
    QTest::newRow("only the first bytes") << QByteArray("\x01\x02\x04", 3) << 2 << 0x03;
    QTest::newRow("count beyond the block") << QByteArray("\x01\x02", 2) << 9 << 0x03;
    QTest::newRow("many bytes wrap") << QByteArray(2048, '\xFF') << 2048 << 0x00;
}

void TestRotinasBytes::somaVerificacao()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, quantos);
    QFETCH(int, soma);
    QCOMPARE(int(SomaVerificacao(bytes, quantos)), soma);
}

void TestRotinasBytes::estendeSinal16_data()
{
    QTest::addColumn<int>("palavra");
    QTest::addColumn<int>("valor");
    QTest::newRow("largest positive") << 0x7FFF << 32767;
    QTest::newRow("smallest negative") << 0x8000 << -32768;
    QTest::newRow("minus one") << 0xFFFF << -1;
    QTest::newRow("minus two thousand") << 0xF830 << -2000;
}

void TestRotinasBytes::estendeSinal16()
{
    QFETCH(int, palavra);
    QFETCH(int, valor);
    QCOMPARE(EstendeSinal16(uint16_t(palavra)), valor);
}

void TestRotinasBytes::textoVersao_data()
{
    QTest::addColumn<int>("versao");
    QTest::addColumn<QString>("texto");
    QTest::newRow("1.3") << 0x13 << "1.3";
    QTest::newRow("nibbles above nine stay decimal") << 0xAB << "10.11";
    QTest::newRow("zero") << 0x00 << "0.0";
}

void TestRotinasBytes::textoVersao()
{
    QFETCH(int, versao);
    QFETCH(QString, texto);
    QCOMPARE(TextoVersao(uint8_t(versao)), texto);
}

QUORVANE_TEST_GUILESS_MAIN(TestRotinasBytes)
#include "tst_RotinasBytes.moc"
