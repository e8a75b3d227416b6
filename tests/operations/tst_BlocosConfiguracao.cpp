// The configuration window and the logger's blocks, without a port: the
// fields filled from the three blocks as read (model codes included), and
// the record and non-volatile block encoded for sending, byte for byte, at
// the virtual clock's instant (07/12/2026 09:30:00).

#include "AmbienteFalso.h"
#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "EditorConfiguracao.h"
#include "FormataDataHora.h"
#include "RegistroTestes.h"

namespace {

using Fim = EditorConfiguracao::Fim;
using Inicio = EditorConfiguracao::Inicio;
using Intervalo = EditorConfiguracao::Intervalo;

enum Item { Nenhum = 0, J = 1, K = 2, Pt100 = 9, mA = 10, mV = 11 };

// The blocks of a logger, from their fields: 32768 bytes of memory, a
// thermocouple K on channel 1 and 4-20 mA with one decimal on channel 2.
struct Logger
{
    BlocoConfiguracao c;
    BlocoNaoVolatil n;
    BlocoCalibracao k;
    QByteArray reservado;  // non-volatile bytes 76 to 117

    Logger()
    {
        c.Sensor1 = 0x81;
        c.Sensor2 = 0x89;
        c.Intervalo = 19;
        c.LeiturasPorAquisicao = 3;
        c.Modos = 0x21;  // channel 1 average, channel 2 minimum
        c.Parada = 100;
        c.PontoDecimal = 0x04;
        c.defineRelogio(QDateTime(QDate(2026, 12, 6), QTime(8, 5, 9)));
        c.Memoria = 32768;
        c.AquisicoesEfetuadas = 600;
        n.Titulo = QStringLiteral("  Secador 4 ");
        n.Tag1 = QStringLiteral("Ar");
        n.Tag2 = QStringLiteral("Umidade");
        n.Unidade1 = QStringLiteral("xx");
        n.Unidade2 = QStringLiteral("%");
        n.LimiteInferior1 = 7;
        n.LimiteSuperior1 = 8;
        n.LimiteInferior2 = -2000;
        n.LimiteSuperior2 = 9999;
        n.Offset1 = -2;
        n.Offset2 = 3;
        k.Modelo = 2;
        k.NumeroSerie = 0x0001E240;
        k.Firmware = 0x13;
        for (int i = 0; i < 42; ++i)
            reservado.append(char(0xA0 + i));
    }

    QByteArray naoVolatil() const
    {
        using C = BlocoNaoVolatil::Campo;
        QByteArray lido(BlocoNaoVolatil::Tamanho, '\0');
        lido.replace(76, 42, reservado);
        return n.atualiza(lido, C::Textos | C::Limites | C::Offsets | C::DataBateria);
    }
};

struct Bancada : AmbienteFalso
{
    EditorConfiguracao e { ambiente };
    Logger logger;

    void abre()
    {
        e.LimpaCampos();
        e.preenche(logger.c.codificaCompleto(), logger.naoVolatil(), logger.k.codifica());
    }
    void sensor(int n, int item)
    {
        e.canal(n).ComboBoxSensor.indice = item;
        e.ComboBoxSensorChange(n);
    }
    EnvioConfiguracao envia()
    {
        const auto envio = e.codifica();
        if (!envio)
            qFatal("nothing encoded");
        return *envio;
    }
    QString data(TDateTime t) const { return FormataDataHora(u"dd/mm/yyyy", t, regional); }
    QString hora(TDateTime t) const { return FormataDataHora(u"hh:nn:ss", t, regional); }
};

QByteArray hex(const char *texto)
{
    return QByteArray::fromHex(texto);
}

}  // namespace

class TestBlocosConfiguracao : public QObject
{
    Q_OBJECT
private slots:
    void camposDosBlocos();
    void intervaloAoAbrir_data();
    void intervaloAoAbrir();
    void paradaAoAbrir_data();
    void paradaAoAbrir();
    void modelos_data();
    void modelos();
    void sensorDesconhecidoAbreComoNenhum();
    void exemploDeEnvioByteAByte();
    void inicioNoDia_data();
    void inicioNoDia();
    void fimUmaHoraDepois_data();
    void fimUmaHoraDepois();
    void fimAposNAquisicoes();
    void trocaDeSensorZeraSeuOffset();
    void intervaloQueNaoConverteNaoCodifica();
};

void TestBlocosConfiguracao::camposDosBlocos()
{
    Bancada b;
    b.abre();
    const EditorConfiguracao &e = b.e;
    QCOMPARE(e.EditTitulo.texto, QStringLiteral("Secador 4"));
    QCOMPARE(e.Canal1.EditTag.texto, QStringLiteral("Ar"));
    QCOMPARE(e.Canal2.EditTag.texto, QStringLiteral("Umidade"));
    QCOMPARE(e.Canal1.ComboBoxSensor.indice, int(K));
    QCOMPARE(e.Canal2.ComboBoxSensor.indice, int(mA));
    // A thermocouple shows its range and "°C", whatever the block held.
    QCOMPARE(e.Canal1.MELimLow.texto, QStringLiteral("-90"));
    QCOMPARE(e.Canal1.MELimHi.texto, QStringLiteral("1370"));
    QVERIFY(e.Canal1.EditUnid.texto.isEmpty());
    QCOMPARE(e.Canal1.Labelunid.texto, QStringLiteral("°C"));
    // The linear channel shows its limits with its decimal code.
    QCOMPARE(e.Canal2.ComboBoxDec.indice, 1);
    QCOMPARE(e.Canal2.DecAnterior, 1);
    QCOMPARE(e.Canal2.MELimLow.texto, QStringLiteral("-200,0"));
    QCOMPARE(e.Canal2.MELimHi.texto, QStringLiteral("999,9"));
    QCOMPARE(e.Canal2.EditUnid.texto, QStringLiteral("%"));
    QVERIFY(e.Canal2.MELimLow.habilitado && e.Canal2.EditUnid.habilitado);
    // Offsets survive the sensor changes of the filling.
    QCOMPARE(e.Canal1.OffsetCanal, -2);
    QCOMPARE(e.Canal2.OffsetCanal, 3);
    QCOMPARE(e.Canal1.modo, 0);
    QCOMPARE(e.Canal2.modo, 2);
    QCOMPARE(e.EditMedia.texto, QStringLiteral("3"));
    QCOMPARE(e.EditIntervalo.texto, QStringLiteral("00:00:10"));
    QCOMPARE(e.inicio(), Inicio::Imediata);
    QVERIFY(!e.EditDataInicio.habilitado && !e.EditHoraInicio.habilitado);
    QCOMPARE(e.lblDataHoraTarvek.texto, QStringLiteral("Data/Hora:06/12/2026  08:05:09"));
    QCOMPARE(e.lblNroEfetuadas.texto, QStringLiteral("Aquisicoes efetuadas:600"));
    QCOMPARE(e.lblNroSerie.texto, QStringLiteral("Número de série: 000157920"));
    QCOMPARE(e.lblFirmware.texto, QStringLiteral("Firmware: 1.3"));
    QVERIFY(!e.FirmwareUmZero);
    QCOMPARE(e.LblBytesMem.texto, QStringLiteral("Bytes memória: 32606"));
    QCOMPARE(e.LblMaximoLeituras.texto, QStringLiteral("Máx. de aquisições em memória:8151"));
    QCOMPARE(e.LblNroLeituras.texto, QStringLiteral("Nro. de aquisições:8151"));
    QCOMPARE(e.LblTempoEst.texto, QStringLiteral("Tempo estimado:67:55:00"));
}

void TestBlocosConfiguracao::intervaloAoAbrir_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("meioSegundo");
    QTest::addColumn<QString>("intervalo");
    QTest::addColumn<QString>("media");
    QTest::newRow("00 00 00: 0.5 s") << hex("000000") << true << "00:00:00"
                                     << "1";
    QTest::newRow("00 00 13: 10 s") << hex("000013") << false << "00:00:10"
                                    << "3";
    QTest::newRow("00 00 02: the half second dropped") << hex("000002") << false << "00:00:01"
                                                       << "3";
    QTest::newRow("00 1C 1F: one hour") << hex("001C1F") << false << "01:00:00"
                                        << "3";
    QTest::newRow("02 A2 FF: 24 hours") << hex("02A2FF") << false << "24:00:00"
                                        << "3";
}

void TestBlocosConfiguracao::intervaloAoAbrir()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, meioSegundo);
    QFETCH(QString, intervalo);
    QFETCH(QString, media);
    Bancada b;
    QByteArray c = b.logger.c.codificaCompleto();
    c.replace(2, 3, bytes);
    b.e.LimpaCampos();
    b.e.preenche(c, b.logger.naoVolatil(), b.logger.k.codifica());
    QCOMPARE(b.e.intervalo() == Intervalo::MeioSegundo, meioSegundo);
    QCOMPARE(b.e.EditIntervalo.texto, intervalo);
    QCOMPARE(b.e.EditIntervalo.habilitado, !meioSegundo);
    QCOMPARE(b.e.EditMedia.texto, media);
    QCOMPARE(b.e.EditMedia.habilitado, !meioSegundo);
}

void TestBlocosConfiguracao::paradaAoAbrir_data()
{
    QTest::addColumn<int>("parada");
    QTest::addColumn<bool>("naoParar");
    QTest::newRow("00 64: full memory") << 0x0064 << false;
    QTest::newRow("80 00: never") << 0x8000 << true;
    QTest::newRow("80 64: never") << 0x8064 << true;
}

void TestBlocosConfiguracao::paradaAoAbrir()
{
    QFETCH(int, parada);
    QFETCH(bool, naoParar);
    Bancada b;
    b.logger.c.Parada = parada;
    b.abre();
    QCOMPARE(b.e.fim(), naoParar ? Fim::NaoParar : Fim::MemoriaCheia);
    QVERIFY(!b.e.EditNLeituras.habilitado && !b.e.EditDataFim.habilitado);
    QCOMPARE(b.e.LblTempoEst.visivel, !naoParar);
    // A count programmed earlier is not shown again.
    QCOMPARE(b.e.EditNLeituras.texto, QStringLiteral("0"));
}

void TestBlocosConfiguracao::modelos_data()
{
    QTest::addColumn<int>("modelo");
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<bool>("lista1");
    QTest::addColumn<bool>("lista2");
    QTest::addColumn<QString>("limites2");
    QTest::addColumn<QString>("unidade2");
    QTest::addColumn<QByteArray>("enviados");  // B[0], B[1], B[19]
    QTest::newRow("1: channel 2 none") << 1 << int(K) << int(Nenhum) << true << false << "|"
                                       << "" << hex("810000");
    QTest::newRow("3: Pt100 alone") << 3 << int(Pt100) << int(Nenhum) << false << false << "|"
                                    << "" << hex("880000");
    QTest::newRow("4: Pt100 and percent") << 4 << int(Pt100) << int(mV) << false << false << "0,0|100,0"
                                          << "%" << hex("888A04");
    // A thermocouple's decimal bits are sent as 0 whatever the block held.
    QTest::newRow("2: free") << 2 << int(K) << int(mA) << true << true << "-2,000|9,999"
                             << "%" << hex("81890C");
}

void TestBlocosConfiguracao::modelos()
{
    QFETCH(int, modelo);
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(bool, lista1);
    QFETCH(bool, lista2);
    QFETCH(QString, limites2);
    QFETCH(QString, unidade2);
    QFETCH(QByteArray, enviados);
    Bancada b;
    b.logger.k.Modelo = modelo;
    b.logger.c.PontoDecimal = 0x0F;  // both channels code 3, whatever the model allows
    b.logger.n.Unidade2 = modelo == 4 ? QStringLiteral("bar") : QStringLiteral("%");
    b.abre();
    const EditorConfiguracao &e = b.e;
    QCOMPARE(e.Canal1.ComboBoxSensor.indice, sensor1);
    QCOMPARE(e.Canal2.ComboBoxSensor.indice, sensor2);
    QCOMPARE(e.Canal1.ComboBoxSensor.habilitado, lista1);
    QCOMPARE(e.Canal2.ComboBoxSensor.habilitado, lista2);
    QCOMPARE(e.Canal2.MELimLow.texto + u'|' + e.Canal2.MELimHi.texto, limites2);
    QCOMPARE(e.Canal2.EditUnid.texto, unidade2);
    QCOMPARE(e.Canal2.GrpBx_MediaHabilitado, lista2);
    QCOMPARE(e.LabelDecVisivel, modelo != 3);
    if (modelo == 4) {
        QVERIFY(!e.Canal2.MELimLow.habilitado && !e.Canal2.MELimHi.habilitado);
        QVERIFY(!e.Canal2.EditUnid.habilitado && !e.Canal2.ComboBoxDec.habilitado);
        QVERIFY(e.Canal2.EditTag.habilitado);
        QCOMPARE(e.Canal2.ComboBoxDec.indice, 1);
    }
    if (modelo == 1 || modelo == 3)
        QVERIFY(!e.Canal2.EditTag.habilitado && !e.Canal2.MELimLow.habilitado);
    const EnvioConfiguracao envio = b.envia();
    const QByteArray &c = envio.configuracao;
    QCOMPARE((QByteArray(1, c.at(0)) + c.at(1) + c.at(19)).toHex(), enviados.toHex());
}

void TestBlocosConfiguracao::sensorDesconhecidoAbreComoNenhum()
{
    Bancada b;
    b.logger.c.Sensor1 = 0x8F;
    b.logger.c.Sensor2 = 0x7F;
    b.abre();
    QCOMPARE(b.e.Canal1.ComboBoxSensor.indice, int(Nenhum));
    QCOMPARE(b.e.Canal2.ComboBoxSensor.indice, int(Nenhum));
    QCOMPARE(b.e.MaxAquisicoes, 0);
}

void TestBlocosConfiguracao::exemploDeEnvioByteAByte()
{
    Bancada b;
    b.abre();
    b.sensor(1, J);
    b.sensor(2, Nenhum);
    b.e.EditIntervalo.texto = QStringLiteral("00:01:00");
    b.e.EditMedia.texto = QStringLiteral("1");
    b.e.Canal1.modo = 0;
    b.e.Canal2.modo = 0;
    b.e.TempoEstimado();
    QCOMPARE(b.e.ValidaTudo(), std::nullopt);
    const EnvioConfiguracao envio = b.envia();
    // Clock 07/12/2026 09:30:00: 1C 0C 07 09 1E 00.
    QCOMPARE(envio.configuracao.toHex(' '),
        QByteArray("80 00 00 00 77 00 00 00 2a 74 1c 0c 07 09 1e 00 01 09 02 00 00"
                   " 00 00 00 00 00 00 00 00 00 00 00"));
    const QByteArray &n = envio.naoVolatil;
    QCOMPARE(n.size(), 123);
    QCOMPARE(n.mid(66, 4).toHex(' '), QByteArray("ce ff f8 02"));
    QCOMPARE(n.mid(70, 4), hex("00000000"));
    QCOMPARE(n.mid(50, 8),
        QByteArray("\xB0"
                   "C      "));
    QCOMPARE(n.mid(58, 8), QByteArray("        "));
    QCOMPARE(n.mid(0, 30), QByteArray("Secador 4                     "));
    QCOMPARE(n.mid(30, 20), QByteArray("Ar        Umidade   "));
    // The new sensors discarded both offsets; bytes 76 to 122 as read.
    QCOMPARE(n.mid(74, 2), hex("0000"));
    QCOMPARE(n.mid(76), b.logger.naoVolatil().mid(76));
    // The padded texts are back in their boxes.
    QCOMPARE(b.e.EditTitulo.texto, QStringLiteral("Secador 4                     "));
    QCOMPARE(b.e.Canal1.EditUnid.texto, QStringLiteral("°C      "));
}

void TestBlocosConfiguracao::inicioNoDia_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("intervalo");
    QTest::addColumn<int>("adiante");  // seconds
    QTest::addColumn<QByteArray>("atraso");
    QTest::newRow("2 minutes, 1 reading") << "1"
                                          << "00:00:10" << 120 << hex("0000F1");
    QTest::newRow("2 minutes, 4 readings of 30 s") << "4"
                                                   << "00:00:30" << 120 << hex("00012D");
    QTest::newRow("a second short of 60 days") << "1"
                                               << "00:00:10" << 60 * 86400 - 1 << hex("9E33FF");
}

void TestBlocosConfiguracao::inicioNoDia()
{
    QFETCH(QString, media);
    QFETCH(QString, intervalo);
    QFETCH(int, adiante);
    QFETCH(QByteArray, atraso);
    Bancada b;
    b.abre();
    b.e.EditMedia.texto = media;
    b.e.EditIntervalo.texto = intervalo;
    const TDateTime inicio = b.relogio.dataHoraAtual() + adiante / 86400.0;
    b.e.marcaInicio(Inicio::NoDia);
    b.e.EditDataInicio.texto = b.data(inicio);
    b.e.EditHoraInicio.texto = b.hora(inicio);
    b.e.TempoEstimado();
    QCOMPARE(b.e.ValidaTudo(), std::nullopt);
    QCOMPARE(b.envia().configuracao.mid(5, 3).toHex(), atraso.toHex());
}

void TestBlocosConfiguracao::fimUmaHoraDepois_data()
{
    QTest::addColumn<bool>("comInicio");
    QTest::addColumn<QByteArray>("parada");
    QTest::addColumn<QString>("contagem");
    QTest::newRow("from now") << false << hex("0169") << "361";
    // From a start 30 minutes ahead: half of it.
    QTest::newRow("from the start") << true << hex("00B5") << "181";
}

void TestBlocosConfiguracao::fimUmaHoraDepois()
{
    QFETCH(bool, comInicio);
    QFETCH(QByteArray, parada);
    QFETCH(QString, contagem);
    Bancada b;
    b.abre();
    b.e.EditMedia.texto = QStringLiteral("1");
    const TDateTime agora = b.relogio.dataHoraAtual();
    if (comInicio) {
        b.e.marcaInicio(Inicio::NoDia);
        b.e.EditHoraInicio.texto = b.hora(agora + 30.0 / 1440);
    }
    b.e.marcaFim(Fim::NoDia);
    b.e.EditHoraFim.texto = b.hora(agora + 1.0 / 24);
    b.e.TempoEstimado();
    QCOMPARE(b.e.ValidaTudo(), std::nullopt);
    QCOMPARE(b.envia().configuracao.mid(8, 2).toHex(), parada.toHex());
    QCOMPARE(b.e.EditNLeituras.texto, contagem);
}

void TestBlocosConfiguracao::fimAposNAquisicoes()
{
    Bancada b;
    b.abre();
    b.e.EditNLeituras.texto = QStringLiteral("1234");
    b.e.marcaFim(Fim::AposLeituras);
    QCOMPARE(b.envia().configuracao.mid(8, 2), hex("04D2"));
    b.e.marcaFim(Fim::NaoParar);
    QCOMPARE(b.envia().configuracao.mid(8, 2), hex("8000"));
    // Full memory counts with the sensors being sent: K alone, 3 bytes.
    b.sensor(2, Nenhum);
    b.e.marcaFim(Fim::MemoriaCheia);
    QCOMPARE(b.envia().configuracao.mid(8, 2), hex("2A74"));
}

void TestBlocosConfiguracao::trocaDeSensorZeraSeuOffset()
{
    Bancada b;
    b.abre();
    QCOMPARE(b.envia().naoVolatil.mid(74, 2), hex("FE03"));
    b.sensor(1, J);
    const QByteArray n = b.envia().naoVolatil;
    QCOMPARE(n.mid(74, 2), hex("0003"));
    QCOMPARE(n.mid(76), b.logger.naoVolatil().mid(76));
}

void TestBlocosConfiguracao::intervaloQueNaoConverteNaoCodifica()
{
    Bancada b;
    b.abre();
    b.e.EditIntervalo.texto = QStringLiteral("0a:00:10");
    const QString titulo = b.e.EditTitulo.texto;
    CampoConfiguracao foco = CampoConfiguracao::Nenhum;
    QCOMPARE(b.e.codifica(&foco).has_value(), false);
    QCOMPARE(foco, CampoConfiguracao::EditIntervalo);
    QCOMPARE(b.mensagens.textos(), QStringList { QStringLiteral("Valor inválido para intervalo!") });
    QCOMPARE(b.e.EditTitulo.texto, titulo);
}

QUORVANE_TEST_GUILESS_MAIN(TestBlocosConfiguracao)
#include "tst_BlocosConfiguracao.moc"
