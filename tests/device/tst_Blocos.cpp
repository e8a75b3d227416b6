#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoLeituras.h"
#include "BlocoNaoVolatil.h"
#include "RegistroTestes.h"

#include <QtTest>

namespace {

QByteArray hex(const char *texto)
{
    return QByteArray::fromHex(texto);
}

// A configuration block of 32 bytes with the given bytes at the offset.
QByteArray configuracaoCom(int posicao, const QByteArray &bytes)
{
    QByteArray b(BlocoConfiguracao::Tamanho, '\0');
    b.replace(posicao, bytes.size(), bytes);
    return b;
}

// A non-volatile block whose every byte differs from its neighbours, so a
// byte written in the wrong place shows.
QByteArray naoVolatilPadrao()
{
    QByteArray b(BlocoNaoVolatil::Tamanho, '\0');
    for (int i = 0; i < b.size(); ++i)
        b[i] = char(0x40 + i);
    return b;
}

}  // namespace

class tst_Blocos : public QObject
{
    Q_OBJECT

private slots:
    void intervalo_data();
    void intervalo();
    void parada_data();
    void parada();
    void anoDoRelogio_data();
    void anoDoRelogio();
    void configuracaoEnviadaLevaOsCamposNoLugar();
    void configuracaoCompletaIdaEVolta();
    void capacidade_data();
    void capacidade();
    void cargaBateria_data();
    void cargaBateria();
    void blocoCurtoNaoLeForaDoArray();

    void limitesEOffsets_data();
    void limitesEOffsets();
    void textosAparadosEmWindows1252();
    void textosCodificadosCortadosECompletados();
    void atualizaSoOsCamposPedidos_data();
    void atualizaSoOsCamposPedidos();
    void naoVolatilIdaEVolta();

    void numeroSerie_data();
    void numeroSerie();
    void firmware_data();
    void firmware();
    void coeficientesEmOrdemDoHospedeiro();
    void calibracaoIdaEVolta();

    void leiturasComSinal();
};

void tst_Blocos::intervalo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("meiosSegundos");
    QTest::addColumn<QString>("texto");
    QTest::newRow("zero is the half-second mode") << hex("000000") << 1 << "00:00:00";
    QTest::newRow("one is one second") << hex("000001") << 2 << "00:00:01";
    QTest::newRow("a half second left over is dropped") << hex("000002") << 3 << "00:00:01";
    QTest::newRow("7199 is one hour") << hex("001C1F") << 7200 << "01:00:00";
    QTest::newRow("high byte counts 65536") << hex("010000") << 65537 << "09:06:08";
    QTest::newRow("hours past a day") << hex("FFFFFF") << 16777216 << "2330:10:08";
}

void tst_Blocos::intervalo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, meiosSegundos);
    QFETCH(QString, texto);
    const auto c = BlocoConfiguracao::decodifica(configuracaoCom(2, bytes));
    QCOMPARE(c.meiosSegundos(), meiosSegundos);
    QCOMPARE(c.textoIntervalo(), texto);
    QCOMPARE(c.codifica(QDateTime(QDate(2026, 1, 1), QTime(0, 0))).mid(2, 3), bytes);
}

void tst_Blocos::parada_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("nuncaPara");
    QTest::addColumn<int>("parada");
    QTest::newRow("80 00 never stops") << hex("8000") << true << 0x8000;
    QTest::newRow("00 64 stops after 100") << hex("0064") << false << 100;
    QTest::newRow("7F FF is a count") << hex("7FFF") << false << 32767;
}

void tst_Blocos::parada()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, nuncaPara);
    QFETCH(int, parada);
    // Everything else set, to show it does not matter.
    QByteArray b(BlocoConfiguracao::Tamanho, char(0x5A));
    b.replace(8, 2, bytes);
    const auto c = BlocoConfiguracao::decodifica(b);
    QCOMPARE(c.nuncaPara(), nuncaPara);
    QCOMPARE(c.Parada, parada);
}

void tst_Blocos::anoDoRelogio_data()
{
    QTest::addColumn<int>("ano");
    QTest::addColumn<int>("byte");
    QTest::newRow("1998 is 0") << 1998 << 0;
    QTest::newRow("2026 is 28") << 2026 << 28;
    QTest::newRow("2253 is 255") << 2253 << 255;
    QTest::newRow("2254 wraps to 0") << 2254 << 0;
}

void tst_Blocos::anoDoRelogio()
{
    QFETCH(int, ano);
    QFETCH(int, byte);
    const QByteArray b = BlocoConfiguracao().codifica(QDateTime(QDate(ano, 3, 4), QTime(5, 6, 7)));
    QCOMPARE(int(uint8_t(b[10])), byte);
    if (ano - 1998 == byte) {
        const auto c = BlocoConfiguracao::decodifica(b);
        QCOMPARE(c.relogio(), QDateTime(QDate(ano, 3, 4), QTime(5, 6, 7)));
    }
}

void tst_Blocos::configuracaoEnviadaLevaOsCamposNoLugar()
{
    BlocoConfiguracao c;
    c.Sensor1 = 0x81;
    c.Sensor2 = 0x88;
    c.Intervalo = 0x123456;
    c.AtrasoInicio = 0xABCDEF;
    c.Parada = 0x8000;
    c.LeiturasPorAquisicao = 10;
    c.Modos = 0x0A;
    c.Medidas = 4;
    c.PontoDecimal = 0xF6;  // bits 4 to 7 are not sent
    c.Reservado = 9;  // always sent as 0
    c.Memoria = 32768;  // never sent
    const QByteArray b = c.codifica(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 58)));
    QCOMPARE(b, hex("8188123456ABCDEF80001C0C07173B3A0A0A040600"));
    const QByteArray registro = c.codificaRegistro(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 58)));
    QCOMPARE(registro.size(), BlocoConfiguracao::Tamanho);
    QCOMPARE(registro.left(BlocoConfiguracao::TamanhoEnviado), b);
    QCOMPARE(registro.mid(BlocoConfiguracao::TamanhoEnviado), QByteArray(11, '\0'));
}

void tst_Blocos::configuracaoCompletaIdaEVolta()
{
    BlocoConfiguracao c;
    c.Sensor1 = 0x80;
    c.Sensor2 = 0x89;
    c.Intervalo = 0xFFFFFE;
    c.AtrasoInicio = 121;
    c.Parada = 100;
    c.defineRelogio(QDateTime(QDate(2026, 2, 28), QTime(13, 14, 15)));
    c.LeiturasPorAquisicao = 250;
    c.Modos = 0x21;
    c.Medidas = 3;
    c.defineDecimais(0, 3);
    c.Memoria = 0x8000;
    c.AquisicoesEfetuadas = 0xFFFF;
    c.InicioCircular = 0x1234;
    c.DesdeUltima = 0xFEDCBA;
    c.Bateria = 0x8001;
    const QByteArray b = c.codificaCompleto();
    QCOMPARE(b.size(), BlocoConfiguracao::Tamanho);
    QCOMPARE(b.mid(21), hex("8000FFFF1234FEDCBA8001"));
    QCOMPARE(BlocoConfiguracao::decodifica(b), c);
    QCOMPARE(c.decimais(1), 0);
    QCOMPARE(c.decimais(2), 3);
}

void tst_Blocos::capacidade_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<int>("memoria");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("capacidade");
    QTest::newRow("thermocouple K alone") << 0x81 << 0x00 << 32768 << 3 << 10868;
    QTest::newRow("Pt100 alone on channel 2") << 0x00 << 0x88 << 32768 << 2 << 16303;
    QTest::newRow("two channels") << 0x88 << 0x8A << 32768 << 4 << 8151;
    QTest::newRow("two thermocouples") << 0x80 << 0x87 << 8192 << 4 << 2007;
    QTest::newRow("memory smaller than its header") << 0x81 << 0x00 << 100 << 3 << 0;
}

void tst_Blocos::capacidade()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(int, memoria);
    QFETCH(int, bytes);
    QFETCH(int, capacidade);
    BlocoConfiguracao c;
    c.Sensor1 = sensor1;
    c.Sensor2 = sensor2;
    c.Memoria = memoria;
    QCOMPARE(c.bytesPorAquisicao(), bytes);
    QCOMPARE(c.capacidade(), capacidade);
}

void tst_Blocos::cargaBateria_data()
{
    QTest::addColumn<int>("bateria");
    QTest::addColumn<int>("carga");
    QTest::newRow("new") << 0 << 100;
    QTest::newRow("one step is not a whole percent") << 1 << 99;
    QTest::newRow("half") << 32767 << 50;
    QTest::newRow("4000h is 74, not a quarter used") << 0x4000 << 74;
    QTest::newRow("used up") << 65535 << 0;
}

void tst_Blocos::cargaBateria()
{
    QFETCH(int, bateria);
    QFETCH(int, carga);
    BlocoConfiguracao c;
    c.Bateria = bateria;
    QCOMPARE(c.cargaBateria(), carga);
}

void tst_Blocos::blocoCurtoNaoLeForaDoArray()
{
    const auto c = BlocoConfiguracao::decodifica(hex("8100000001"));
    QCOMPARE(c.Sensor1, 0x81);
    QCOMPARE(c.Intervalo, 1);
    QCOMPARE(c.Bateria, 0);
    const auto n = BlocoNaoVolatil::decodifica(QByteArray("abc"));
    QCOMPARE(n.Titulo, QStringLiteral("abc"));
    QCOMPARE(n.AnoBateria, 1998);
    QCOMPARE(BlocoNaoVolatil().atualiza(QByteArray(), {}).size(), BlocoNaoVolatil::Tamanho);
    QCOMPARE(BlocoCalibracao::decodifica(hex("FF")).Coeficientes[0], uint16_t(0xFF00));
}

void tst_Blocos::limitesEOffsets_data()
{
    QTest::addColumn<int>("posicao");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("valor");
    QTest::newRow("low limit 1 30 F8 is -2000") << 66 << hex("30F8") << -2000;
    QTest::newRow("high limit 1 0F 27 is 9999") << 68 << hex("0F27") << 9999;
    QTest::newRow("low limit 2 00 80 is -32768") << 70 << hex("0080") << -32768;
    QTest::newRow("high limit 2 FF 7F is 32767") << 72 << hex("FF7F") << 32767;
    QTest::newRow("offset 1 FE is -2") << 74 << hex("FE") << -2;
    QTest::newRow("offset 2 7F is 127") << 75 << hex("7F") << 127;
    QTest::newRow("offset 2 FC is -4") << 75 << hex("FC") << -4;
    QTest::newRow("offset 2 80 is -128") << 75 << hex("80") << -128;
}

void tst_Blocos::limitesEOffsets()
{
    QFETCH(int, posicao);
    QFETCH(QByteArray, bytes);
    QFETCH(int, valor);
    QByteArray b(BlocoNaoVolatil::Tamanho, ' ');
    b.replace(posicao, bytes.size(), bytes);
    auto n = BlocoNaoVolatil::decodifica(b);
    const int campos[] = { n.LimiteInferior1, n.LimiteSuperior1, n.LimiteInferior2, n.LimiteSuperior2,
        n.Offset1, n.Offset2 };
    const int indice = posicao < 74 ? (posicao - 66) / 2 : posicao - 74 + 4;
    QCOMPARE(campos[indice], valor);
    // And back: a block of blanks with only this field written.
    const auto quais = posicao < 74 ? BlocoNaoVolatil::Campo::Limites : BlocoNaoVolatil::Campo::Offsets;
    QCOMPARE(n.atualiza(QByteArray(BlocoNaoVolatil::Tamanho, ' '), quais), b);
}

void tst_Blocos::textosAparadosEmWindows1252()
{
    QByteArray b(BlocoNaoVolatil::Tamanho, ' ');
    b.replace(0, 30, QByteArray("  Caldeira n\xBA 2  \t          "));
    b.replace(30, 10, QByteArray("Entrada   "));
    b.replace(40, 10,
        QByteArray("\0\0Sa\xED"
                   "da\0\0\0\0",
            10));
    b.replace(50, 8,
        QByteArray("\xB0"
                   "C      "));
    b.replace(58, 8, QByteArray("%       "));
    const auto n = BlocoNaoVolatil::decodifica(b);
    QCOMPARE(n.Titulo, QStringLiteral("Caldeira nº 2"));
    QCOMPARE(n.Tag1, QStringLiteral("Entrada"));
    QCOMPARE(n.Tag2, QStringLiteral("Saída"));
    QCOMPARE(n.Unidade1, QStringLiteral("°C"));
    QCOMPARE(n.Unidade2, QStringLiteral("%"));
}

void tst_Blocos::textosCodificadosCortadosECompletados()
{
    BlocoNaoVolatil n;
    n.Titulo = QStringLiteral("Um título bem mais longo que trinta caracteres");
    n.Tag1 = QStringLiteral("T1");
    n.Tag2 = QString();
    n.Unidade1 = QStringLiteral("°C");
    n.Unidade2 = QStringLiteral("kgf/cm²xyz");
    const QByteArray b = n.atualiza(naoVolatilPadrao(), BlocoNaoVolatil::Campo::Textos);
    QCOMPARE(b.left(30), QByteArray("Um t\xEDtulo bem mais longo que t"));
    QCOMPARE(b.mid(30, 10), QByteArray("T1        "));
    QCOMPARE(b.mid(40, 10), QByteArray(10, ' '));
    QCOMPARE(b.mid(50, 8),
        QByteArray("\xB0"
                   "C      "));
    QCOMPARE(b.mid(58, 8), QByteArray("kgf/cm\xB2x"));
    QCOMPARE(b.mid(66), naoVolatilPadrao().mid(66));
}

void tst_Blocos::atualizaSoOsCamposPedidos_data()
{
    using C = BlocoNaoVolatil::Campo;
    QTest::addColumn<BlocoNaoVolatil::Campos>("campos");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("fim");  // the bytes that may change, [inicio, fim)
    QTest::newRow("battery date keeps 0 to 117") << BlocoNaoVolatil::Campos(C::DataBateria) << 118 << 123;
    QTest::newRow("offsets keep all but 74 and 75") << BlocoNaoVolatil::Campos(C::Offsets) << 74 << 76;
    QTest::newRow("editor fields keep 76 to 122") << (C::Textos | C::Limites | C::Offsets) << 0 << 76;
    QTest::newRow("nothing chosen keeps everything") << BlocoNaoVolatil::Campos() << 0 << 0;
}

void tst_Blocos::atualizaSoOsCamposPedidos()
{
    QFETCH(BlocoNaoVolatil::Campos, campos);
    QFETCH(int, inicio);
    QFETCH(int, fim);
    const QByteArray lido = naoVolatilPadrao();
    BlocoNaoVolatil n;
    n.Titulo = QStringLiteral("Novo");
    n.LimiteInferior1 = -5;
    n.Offset1 = -1;
    n.Offset2 = 3;
    n.defineDataBateria(QDateTime(QDate(2026, 12, 7), QTime(9, 30)));
    const QByteArray escrito = n.atualiza(lido, campos);
    QCOMPARE(escrito.size(), BlocoNaoVolatil::Tamanho);
    QCOMPARE(escrito.left(inicio), lido.left(inicio));
    QCOMPARE(escrito.mid(fim), lido.mid(fim));
    if (campos & BlocoNaoVolatil::Campo::DataBateria)
        QCOMPARE(escrito.mid(118), hex("091E070C1C"));
    if (campos & BlocoNaoVolatil::Campo::Offsets)
        QCOMPARE(escrito.mid(74, 2), hex("FF03"));
}

void tst_Blocos::naoVolatilIdaEVolta()
{
    BlocoNaoVolatil n;
    n.Titulo = QStringLiteral("Câmara fria");
    n.Tag1 = QStringLiteral("Ar");
    n.Tag2 = QStringLiteral("Umidade");
    n.Unidade1 = QStringLiteral("°C");
    n.Unidade2 = QStringLiteral("%");
    n.LimiteInferior1 = -2000;
    n.LimiteSuperior1 = 9999;
    n.LimiteInferior2 = 0;
    n.LimiteSuperior2 = 1000;
    n.Offset1 = -128;
    n.Offset2 = 127;
    n.defineDataBateria(QDateTime(QDate(2253, 12, 31), QTime(23, 59)));
    const QByteArray b = n.atualiza(naoVolatilPadrao(), ~BlocoNaoVolatil::Campos());
    QCOMPARE(BlocoNaoVolatil::decodifica(b), n);
    QCOMPARE(BlocoNaoVolatil::decodifica(b).dataBateria(), QDateTime(QDate(2253, 12, 31), QTime(23, 59)));
    QCOMPARE(b.mid(76, 42), naoVolatilPadrao().mid(76, 42));
}

void tst_Blocos::numeroSerie_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("numero");
    QTest::addColumn<QString>("texto");
    QTest::newRow("high word 1, low word 57920") << hex("0001E240") << 123456u << "000157920";
    QTest::newRow("seven") << hex("00000007") << 7u << "00000007";
    QTest::newRow("both words full") << hex("FFFFFFFF") << 0xFFFFFFFFu << "6553565535";
}

void tst_Blocos::numeroSerie()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, numero);
    QFETCH(QString, texto);
    QByteArray b(BlocoCalibracao::Tamanho, '\0');
    b.replace(27, 4, bytes);
    const auto c = BlocoCalibracao::decodifica(b);
    QCOMPARE(c.NumeroSerie, numero);
    QCOMPARE(c.textoNumeroSerie(), texto);
}

void tst_Blocos::firmware_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("maximo");
    QTest::newRow("13h is 1.3") << 0x13 << "1.3" << 250;
    QTest::newRow("10h is 1.0, limited to 127") << 0x10 << "1.0" << 127;
    QTest::newRow("nibbles in decimal") << 0xAF << "10.15" << 250;
}

void tst_Blocos::firmware()
{
    QFETCH(int, byte);
    QFETCH(QString, texto);
    QFETCH(int, maximo);
    QByteArray b(BlocoCalibracao::Tamanho, '\0');
    b[36] = char(byte);
    const auto c = BlocoCalibracao::decodifica(b);
    QCOMPARE(c.textoFirmware(), texto);
    QCOMPARE(c.maximoLeiturasPorAquisicao(), maximo);
}

void tst_Blocos::coeficientesEmOrdemDoHospedeiro()
{
    QByteArray b(BlocoCalibracao::Tamanho, '\0');
    b.replace(0, 4, hex("FF9C2710"));  // W0 -100, W1 10000
    b.replace(24, 3, hex("012C04"));  // W12 300, model 4
    const auto c = BlocoCalibracao::decodifica(b);
    QCOMPARE(c.coeficiente(0), -100);
    QCOMPARE(c.coeficiente(1), 10000);
    QCOMPARE(c.offsetJuncaoFria(), 300);
    QCOMPARE(c.Modelo, 4);
}

void tst_Blocos::calibracaoIdaEVolta()
{
    BlocoCalibracao c;
    for (int i = 0; i < BlocoCalibracao::NumeroCoeficientes; ++i)
        c.Coeficientes[i] = uint16_t(0x1001 * (i + 1) + 0x80);
    c.Modelo = 3;
    c.NumeroSerie = 0x0102A0B0;
    c.NaoInterpretados = { 1, 2, 3, 4 };
    c.Reservado35 = 0xEE;
    c.Firmware = 0x21;
    const QByteArray b = c.codifica();
    QCOMPARE(b.size(), BlocoCalibracao::Tamanho);
    QCOMPARE(b.mid(26), hex("030102A0B001020304EE21"));
    QCOMPARE(BlocoCalibracao::decodifica(b), c);
}

void tst_Blocos::leiturasComSinal()
{
    const auto l = BlocoLeituras::decodifica(hex("FFFE0A1253000100020003"));
    QCOMPARE(l.LeituraCanal1, -2);
    QCOMPARE(l.LeituraCanal2, 0x0A12);
    QCOMPARE(l.JuncaoFria, 0x53);
    QCOMPARE(l.NaoInterpretados, (std::array<uint16_t, 3> { 1, 2, 3 }));
    QCOMPARE(l.codifica(), hex("FFFE0A1253000100020003"));
}

QUORVANE_TEST_GUILESS_MAIN(tst_Blocos)
#include "tst_Blocos.moc"
