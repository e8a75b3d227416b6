// The configuration window's rules without the window, at a fixed instant:
// the limit texts, sensor and decimal-point changes, the limit boxes, the
// capacity and duration estimates, and the validation with its messages and
// the field that takes the focus.

#include "AmbienteFalso.h"
#include "Catalogo.h"
#include "EditorConfiguracao.h"
#include "FormataDataHora.h"
#include "RegistroTestes.h"
#include "RotinasSensor.h"
#include "TextoLimite.h"

namespace {

using Campo = CampoConfiguracao;
using Inicio = EditorConfiguracao::Inicio;
using Fim = EditorConfiguracao::Fim;
using Intervalo = EditorConfiguracao::Intervalo;

// Items of the sensor lists.
enum Item { Nenhum = 0, J = 1, K = 2, T = 3, Pt100 = 9, mA = 10, mV = 11 };

// An editor as the window has it after opening on a 32768-byte logger with
// the default readings: interval 00:00:10, one reading per acquisition,
// "Imediata" and "Memória cheia".
struct Bancada : AmbienteFalso
{
    EditorConfiguracao e { ambiente };

    Bancada()
    {
        e.LimpaCampos();
        e.BytesMemoria = 32768 - 162;
        e.EditMedia.texto = QStringLiteral("1");
        e.EditIntervalo.texto = QStringLiteral("00:00:10");
    }
    void sensor(int n, int item)
    {
        e.canal(n).ComboBoxSensor.indice = item;
        e.ComboBoxSensorChange(n);
    }
    void decimal(int n, int codigo)
    {
        e.canal(n).ComboBoxDec.indice = codigo;
        e.ComboBoxDecChange(n);
    }
    // A date-time as the masked fields show it.
    QString data(TDateTime t) const { return FormataDataHora(u"dd/mm/yyyy", t, regional); }
    QString hora(TDateTime t) const { return FormataDataHora(u"hh:nn:ss", t, regional); }
    TDateTime agora() const { return relogio.dataHoraAtual(); }
};

}  // namespace

class TestEditorConfiguracao : public QObject
{
    Q_OBJECT
private slots:
    void limitesComoTexto_data();
    void limitesComoTexto();
    void estimativas_data();
    void estimativas();
    void naoPararEscondeEstimativaEDispensaMemoria();
    void estimativaSegueORelogio();
    void virgulaSegueOPontoDecimalDeCadaCanal();
    void sensorLinearRecomecaNoCodigoZero();
    void sensoresDeTemperaturaTemLimitesFixos_data();
    void sensoresDeTemperaturaTemLimitesFixos();
    void saidaDaCaixaDeLimite_data();
    void saidaDaCaixaDeLimite();
    void leiturasPorAquisicaoPeloFirmware_data();
    void leiturasPorAquisicaoPeloFirmware();
    void validacaoNaOrdemComSeuFoco_data();
    void validacaoNaOrdemComSeuFoco();
    void modosDosCanais();
};

void TestEditorConfiguracao::limitesComoTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("decimais");
    QTest::addColumn<int>("contagem");  // INT_MIN: not a number
    QTest::addColumn<int>("posicao");

    QTest::newRow("12,5 code 1") << "12,5" << 1 << 125 << 3;
    QTest::newRow("12,55 code 1 drops a digit") << "12,55" << 1 << 125 << 3;
    QTest::newRow("12,5 code 2 completes with 0") << "12,5" << 2 << 1250 << 3;
    QTest::newRow("5, code 1") << "5," << 1 << 50 << 2;
    QTest::newRow("-2000 for any code") << "-2000" << 3 << -2000 << 0;
    QTest::newRow("-0,05 code 2") << "-0,05" << 2 << -5 << 3;
    QTest::newRow("point without comma") << "99.99" << 2 << 9999 << 3;
    QTest::newRow("comma before point") << "1.2,3" << 1 << INT_MIN << 4;
    QTest::newRow("code 0 cuts the fraction") << "12,9" << 0 << 12 << 3;
    QTest::newRow("letters") << "1a" << 0 << INT_MIN << 0;
    QTest::newRow("empty") << "" << 1 << INT_MIN << 0;
}

void TestEditorConfiguracao::limitesComoTexto()
{
    QFETCH(QString, texto);
    QFETCH(int, decimais);
    QFETCH(int, contagem);
    QFETCH(int, posicao);
    QCOMPARE(PosDec(texto), posicao);
    const std::optional<int> lida = LimWithOutComma(texto, decimais);
    QCOMPARE(lida.value_or(INT_MIN), contagem);
    // Written back in the same code, the count reads the same.
    if (lida)
        QCOMPARE(LimWithOutComma(GetLimValue(*lida, decimais, u','), decimais), lida);
}

void TestEditorConfiguracao::estimativas_data()
{
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<bool>("meioSegundo");
    QTest::addColumn<int>("fim");
    QTest::addColumn<QString>("nLeituras");
    QTest::addColumn<QString>("intervalo");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("maximo");
    QTest::addColumn<QString>("tempo");
    QTest::addColumn<QString>("numero");

    const int cheia = int(Fim::MemoriaCheia);
    const int apos = int(Fim::AposLeituras);
    QTest::newRow("K alone, full memory, 10 s") << int(K) << int(Nenhum) << false << cheia << ""
                                                << "00:00:10"
                                                << "1"
                                                << "10868"
                                                << "30:11:10"
                                                << "10868";
    QTest::newRow("K alone, full memory, 0.5 s") << int(K) << int(Nenhum) << true << cheia << ""
                                                 << "00:00:10"
                                                 << "1"
                                                 << "10868"
                                                 << "01:30:33.5"
                                                 << "10868";
    QTest::newRow("K on channel 2") << int(Nenhum) << int(K) << false << cheia << ""
                                    << "00:00:10"
                                    << "1"
                                    << "10868"
                                    << "30:11:10"
                                    << "10868";
    QTest::newRow("two channels, 4 readings of 30 s") << int(J) << int(mA) << false << cheia << ""
                                                      << "00:00:30"
                                                      << "4"
                                                      << "8151"
                                                      << "271:40:00"
                                                      << "8151";
    QTest::newRow("one linear channel: 2 bytes") << int(mV) << int(Nenhum) << false << cheia << ""
                                                 << "00:00:01"
                                                 << "1"
                                                 << "16303"
                                                 << "04:31:42"
                                                 << "16303";
    QTest::newRow("after 100, 0.5 s, odd count") << int(K) << int(Nenhum) << true << apos << "100"
                                                 << "00:00:10"
                                                 << "1"
                                                 << "10868"
                                                 << "00:00:49.5"
                                                 << "100";
    QTest::newRow("after 101, 0.5 s, even count") << int(K) << int(Nenhum) << true << apos << "101"
                                                  << "00:00:10"
                                                  << "1"
                                                  << "10868"
                                                  << "00:00:50.0"
                                                  << "101";
    QTest::newRow("after an empty count") << int(K) << int(Nenhum) << false << apos << ""
                                          << "00:00:10"
                                          << "1"
                                          << "10868"
                                          << "--"
                                          << "0";
    QTest::newRow("after an empty count, 0.5 s") << int(K) << int(Nenhum) << true << apos << ""
                                                 << "00:00:10"
                                                 << "1"
                                                 << "10868"
                                                 << "--.0"
                                                 << "0";
    QTest::newRow("no sensor") << int(Nenhum) << int(Nenhum) << false << apos << "5"
                               << "00:00:10"
                               << "1"
                               << "0"
                               << "00:00:40"
                               << "5";
    QTest::newRow("after a negative count") << int(K) << int(Nenhum) << false << apos << "-5"
                                            << "00:00:10"
                                            << "1"
                                            << "10868"
                                            << "--"
                                            << "0";
    QTest::newRow("readings not a number") << int(K) << int(Nenhum) << false << cheia << ""
                                           << "00:00:10"
                                           << ""
                                           << "10868"
                                           << "0"
                                           << "0";
}

void TestEditorConfiguracao::estimativas()
{
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(bool, meioSegundo);
    QFETCH(int, fim);
    QFETCH(QString, nLeituras);
    QFETCH(QString, intervalo);
    QFETCH(QString, media);
    QFETCH(QString, maximo);
    QFETCH(QString, tempo);
    QFETCH(QString, numero);
    Bancada b;
    b.sensor(1, sensor1);
    b.sensor(2, sensor2);
    b.e.EditIntervalo.texto = intervalo;
    b.e.EditMedia.texto = media;
    b.e.EditNLeituras.texto = nLeituras;
    b.e.marcaFim(Fim(fim));
    if (meioSegundo) {
        b.e.marcaIntervalo(Intervalo::MeioSegundo);
        QCOMPARE(b.e.EditMedia.texto, QStringLiteral("1"));
        QVERIFY(!b.e.EditMedia.habilitado);
        QVERIFY(!b.e.EditIntervalo.habilitado);
    }
    b.e.TempoEstimado();
    QCOMPARE(b.e.LblMaximoLeituras.texto, "Máx. de aquisições em memória:" + maximo);
    QCOMPARE(b.e.LblTempoEst.texto, "Tempo estimado:" + tempo);
    QCOMPARE(b.e.LblNroLeituras.texto, "Nro. de aquisições:" + numero);
    QVERIFY(b.e.LblTempoEst.visivel && b.e.LblNroLeituras.visivel && b.e.LblMaximoLeituras.visivel);
}

void TestEditorConfiguracao::naoPararEscondeEstimativaEDispensaMemoria()
{
    Bancada b;
    b.sensor(1, K);
    b.e.marcaFim(Fim::NaoParar);
    QVERIFY(!b.e.LblMaximoLeituras.visivel);
    QVERIFY(!b.e.LblTempoEst.visivel);
    QVERIFY(!b.e.LblNroLeituras.visivel);
    QVERIFY(!b.e.EditNLeituras.habilitado && !b.e.EditDataFim.habilitado && !b.e.EditHoraFim.habilitado);
    QCOMPARE(b.e.NroAquisicoes, 0);
    QCOMPARE(b.e.LblTempoEst.texto, QStringLiteral("Tempo estimado:--"));
    QCOMPARE(b.e.ValidaTudo(), std::nullopt);
    QVERIFY(b.mensagens.registro.isEmpty());
    // Back to a count, the labels come back.
    b.e.EditNLeituras.texto = QStringLiteral("20");
    b.e.marcaFim(Fim::AposLeituras);
    QVERIFY(b.e.LblTempoEst.visivel);
    QVERIFY(b.e.EditNLeituras.habilitado);
    QCOMPARE(b.e.LblNroLeituras.texto, QStringLiteral("Nro. de aquisições:20"));
}

void TestEditorConfiguracao::estimativaSegueORelogio()
{
    // An end one hour after a start typed two minutes ahead; then an
    // immediate start, whose hour shrinks as the clock runs.
    Bancada b;
    b.sensor(1, K);
    const TDateTime agora = b.agora();
    b.e.marcaFim(Fim::NoDia);
    QCOMPARE(b.e.EditDataFim.texto, b.data(agora));
    b.e.EditHoraFim.texto = b.hora(agora + 1.0 / 24);
    b.e.TempoEstimado();
    QCOMPARE(b.e.LblNroLeituras.texto, QStringLiteral("Nro. de aquisições:361"));
    QCOMPARE(b.e.LblTempoEst.texto, QStringLiteral("Tempo estimado:01:00:00"));
    b.relogio.avanca(60 * 1000);
    b.e.TempoEstimado();
    QCOMPARE(b.e.LblNroLeituras.texto, QStringLiteral("Nro. de aquisições:355"));
    // A start with its time still blank takes the current time.
    b.e.marcaInicio(Inicio::NoDia);
    QVERIFY(b.e.EditDataInicio.habilitado && b.e.EditHoraInicio.habilitado);
    b.e.EditHoraInicio.texto = QStringLiteral("  :  :  ");
    b.e.TempoEstimado();
    QCOMPARE(b.e.LblNroLeituras.texto, QStringLiteral("Nro. de aquisições:355"));
    b.e.EditHoraInicio.texto = b.hora(agora + 30.0 / 1440);
    b.e.TempoEstimado();
    QCOMPARE(b.e.LblNroLeituras.texto, QStringLiteral("Nro. de aquisições:181"));
    // An end before the start gives no estimate at all.
    b.e.EditHoraInicio.texto = b.hora(agora + 2.0 / 24);
    b.e.TempoEstimado();
    QVERIFY(!b.e.LblTempoEst.visivel);
    QCOMPARE(b.e.NroAquisicoes, 0);
    // In the 0.5 s mode: (seconds div m) x 2 - 1.
    b.e.EditHoraInicio.texto = b.hora(agora + 30.0 / 1440);
    b.e.marcaIntervalo(Intervalo::MeioSegundo);
    QCOMPARE(b.e.LblNroLeituras.texto, QStringLiteral("Nro. de aquisições:3599"));
    QCOMPARE(b.e.LblTempoEst.texto, QStringLiteral("Tempo estimado:00:30:00.0"));
}

void TestEditorConfiguracao::virgulaSegueOPontoDecimalDeCadaCanal()
{
    Bancada b;
    b.sensor(1, mA);
    b.sensor(2, mA);
    QCOMPARE(b.e.Canal1.MELimLow.texto, QStringLiteral("-2000"));
    QVERIFY(b.e.Canal1.MELimLow.habilitado && b.e.Canal1.EditUnid.visivel && b.e.Canal1.ComboBoxDec.visivel);
    b.decimal(1, 2);
    QCOMPARE(b.e.Canal1.MELimLow.texto, QStringLiteral("-20,00"));
    b.e.Canal1.MELimLow.texto = QStringLiteral("12,50");
    b.e.Canal1.MELimHi.texto = QStringLiteral("99,99");
    b.decimal(2, 3);
    QCOMPARE(b.e.Canal2.MELimHi.texto, QStringLiteral("9,999"));
    b.decimal(1, 1);
    QCOMPARE(b.e.Canal1.MELimLow.texto, QStringLiteral("125,0"));
    QCOMPARE(b.e.Canal1.MELimHi.texto, QStringLiteral("999,9"));
    // Channel 2 moves from its own previous code (3), not channel 1's.
    b.decimal(2, 1);
    QCOMPARE(b.e.Canal2.MELimLow.texto, QStringLiteral("-200,0"));
    QCOMPARE(b.e.Canal2.MELimHi.texto, QStringLiteral("999,9"));
    QCOMPARE(b.e.Canal2.DecAnterior, 1);
    // The same code again moves nothing.
    b.decimal(1, 1);
    QCOMPARE(b.e.Canal1.MELimLow.texto, QStringLiteral("125,0"));
}

void TestEditorConfiguracao::sensorLinearRecomecaNoCodigoZero()
{
    // "-2000" and "9999" of a new linear sensor are in code 0, whatever
    // code the channel had: choosing code 2 afterwards shows -20,00.
    Bancada b;
    b.sensor(1, mA);
    b.decimal(1, 2);
    b.sensor(1, mV);
    QCOMPARE(b.e.Canal1.ComboBoxDec.indice, 0);
    b.decimal(1, 2);
    QCOMPARE(b.e.Canal1.MELimLow.texto, QStringLiteral("-20,00"));
    QCOMPARE(b.e.Canal1.MELimHi.texto, QStringLiteral("99,99"));
    // The same through "Nenhum".
    b.sensor(1, Nenhum);
    QVERIFY(b.e.Canal1.MELimLow.texto.isEmpty() && !b.e.Canal1.ComboBoxDec.visivel);
    b.sensor(1, mA);
    b.decimal(1, 1);
    QCOMPARE(b.e.Canal1.MELimHi.texto, QStringLiteral("999,9"));
}

void TestEditorConfiguracao::sensoresDeTemperaturaTemLimitesFixos_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("inferior");
    QTest::addColumn<QString>("superior");
    QTest::newRow("Pt100") << int(Pt100) << "-200,0"
                           << "320,0";
    QTest::newRow("J") << int(J) << "-50"
                       << "760";
    QTest::newRow("T") << int(T) << "-100"
                       << "400";
}

void TestEditorConfiguracao::sensoresDeTemperaturaTemLimitesFixos()
{
    QFETCH(int, item);
    QFETCH(QString, inferior);
    QFETCH(QString, superior);
    Bancada b;
    b.sensor(1, mA);
    b.decimal(1, 2);
    b.e.Canal1.EditUnid.texto = QStringLiteral("bar");
    b.e.Canal1.OffsetCanal = 5;
    b.sensor(1, item);
    const CanalConfiguracao &c = b.e.Canal1;
    QCOMPARE(c.MELimLow.texto, inferior);
    QCOMPARE(c.MELimHi.texto, superior);
    QVERIFY(!c.MELimLow.habilitado && !c.MELimHi.habilitado);
    QCOMPARE(c.Labelunid.texto, QStringLiteral("°C"));
    QVERIFY(c.Labelunid.visivel && !c.EditUnid.visivel && c.EditUnid.texto.isEmpty());
    QVERIFY(!c.ComboBoxDec.visivel);
    QCOMPARE(c.ComboBoxDec.indice, 0);
    QCOMPARE(c.DecAnterior, 0);
    QCOMPARE(c.OffsetCanal, 0);
    // The limits as the validation reads them are the range.
    QCOMPARE(b.e.ValidaTudo(), std::nullopt);
}

void TestEditorConfiguracao::saidaDaCaixaDeLimite_data()
{
    QTest::addColumn<int>("decimais");
    QTest::addColumn<bool>("superior");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("depois");  // empty: refused with the range
    QTest::addColumn<QString>("faixa");

    QTest::newRow("-2001 code 0") << 0 << false << "-2001"
                                  << ""
                                  << "-2000 ; 9999";
    QTest::newRow("-199,6 code 0 left as typed") << 0 << false << "-199,6"
                                                 << "-199,6"
                                                 << "";
    QTest::newRow("-2000,4 code 0") << 0 << false << "-2000,4"
                                    << ""
                                    << "-2000 ; 9999";
    QTest::newRow("any high limit with code 0") << 0 << true << "123456"
                                                << "123456"
                                                << "";
    QTest::newRow("-200,1 code 1") << 1 << false << "-200,1"
                                   << ""
                                   << "-200,0 ; 999,9";
    QTest::newRow("-200 code 1") << 1 << false << "-200"
                                 << "-200,0"
                                 << "";
    QTest::newRow("999,9 code 1") << 1 << true << "999,9"
                                  << "999,9"
                                  << "";
    QTest::newRow("1000,0 code 1") << 1 << true << "1000,0"
                                   << ""
                                   << "-200,0 ; 999,9";
    QTest::newRow("1000 low code 1") << 1 << false << "1000"
                                     << ""
                                     << "-200,0 ; 999,9";
    QTest::newRow("12,5 code 2") << 2 << false << "12,5"
                                 << "12,50"
                                 << "";
    QTest::newRow("100 code 2") << 2 << true << "100"
                                << ""
                                << "-20,00 ; 99,99";
    QTest::newRow("-20,01 code 2") << 2 << false << "-20,01"
                                   << ""
                                   << "-20,00 ; 99,99";
    QTest::newRow("-2 code 3") << 3 << false << "-2"
                               << "-2,000"
                               << "";
    QTest::newRow("10 code 3") << 3 << true << "10"
                               << ""
                               << "-2,000 ; 9,999";
    QTest::newRow("more than the box holds") << 1 << true << "99,9999"
                                             << ""
                                             << "-200,0 ; 999,9";
    QTest::newRow("-0,0 code 1") << 1 << false << "-0,0"
                                 << "0,0"
                                 << "";
}

void TestEditorConfiguracao::saidaDaCaixaDeLimite()
{
    QFETCH(int, decimais);
    QFETCH(bool, superior);
    QFETCH(QString, texto);
    QFETCH(QString, depois);
    QFETCH(QString, faixa);
    Bancada b;
    b.sensor(2, mV);
    b.decimal(2, decimais);
    CaixaConfiguracao &caixa = superior ? b.e.Canal2.MELimHi : b.e.Canal2.MELimLow;
    caixa.texto = texto;
    const bool aceito = b.e.MELimExit(2, superior);
    QCOMPARE(aceito, !depois.isEmpty());
    if (aceito) {
        QCOMPARE(caixa.texto, depois);
        QVERIFY(b.mensagens.registro.isEmpty());
    } else {
        QCOMPARE(caixa.texto, texto);
        QCOMPARE(b.mensagens.textos(),
            QStringList { "Valor inválido para o limite. O valor do limite deverá estar entre " + faixa });
    }
}

void TestEditorConfiguracao::leiturasPorAquisicaoPeloFirmware_data()
{
    QTest::addColumn<bool>("umZero");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("mensagem");
    const QString de = QStringLiteral("Valor do número de leituras p/ gerar aquisição deve estar entre 1 e");
    QTest::newRow("128 with 1.0") << true << "128" << de + "127.";
    QTest::newRow("127 with 1.0") << true << "127"
                                  << "";
    QTest::newRow("128 with 1.1") << false << "128"
                                  << "";
    QTest::newRow("251 with 1.1") << false << "251" << de + "250.";
    QTest::newRow("0") << false << "0" << de + "250.";
    QTest::newRow("empty") << false << "" << de + "250.";
}

void TestEditorConfiguracao::leiturasPorAquisicaoPeloFirmware()
{
    QFETCH(bool, umZero);
    QFETCH(QString, media);
    QFETCH(QString, mensagem);
    Bancada b;
    b.sensor(1, K);
    b.e.FirmwareUmZero = umZero;
    b.e.EditMedia.texto = media;
    b.e.marcaFim(Fim::NaoParar);
    const auto foco = b.e.ValidaTudo();
    if (mensagem.isEmpty()) {
        QCOMPARE(foco, std::nullopt);
        QVERIFY(b.mensagens.registro.isEmpty());
    } else {
        QCOMPARE(foco, Campo::EditMedia);
        QCOMPARE(b.mensagens.textos(), QStringList { mensagem });
    }
}

void TestEditorConfiguracao::validacaoNaOrdemComSeuFoco_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<int>("foco");

    QTest::newRow("capacity") << "capacity"
                              << "Nro. de aquisições:(12000) excede a memória (10868) do Tarvek."
                              << int(Campo::Nenhum);
    QTest::newRow("low not below high")
        << "limits crossed"
        << "Valor do limite inferior deve ser inferior ao do limite superior." << int(Campo::MELimLow1);
    QTest::newRow("limit not a number")
        << "limit letters"
        << "Valor do limite inferior deve ser inferior ao do limite superior." << int(Campo::MELimLow1);
    QTest::newRow("linear limit above 9999")
        << "limit range"
        << "Valor para os limites deve estar entre -2000 e 9999." << int(Campo::MELimLow2);
    QTest::newRow("start date not a date") << "start date"
                                           << "Data inválida." << int(Campo::EditDataInicio);
    QTest::newRow("start time blank") << "start time"
                                      << "Hora informada deve ser numérica." << int(Campo::EditHoraInicio);
    QTest::newRow("start 61 days ahead")
        << "start 61 days"
        << "Início das aquisições não deve ultrapassar 60 dias." << int(Campo::EditDataInicio);
    QTest::newRow("end date yesterday") << "end yesterday"
                                        << "Data deve ser posterior a data atual." << int(Campo::EditDataFim);
    QTest::newRow("end time invalid") << "end time"
                                      << "Hora inválida." << int(Campo::EditHoraFim);
    QTest::newRow("count empty") << "count empty"
                                 << "Número de aquisições inválido!" << int(Campo::EditNLeituras);
    QTest::newRow("count zero") << "count zero"
                                << "Informe o número de aquisições!" << int(Campo::EditNLeituras);
    QTest::newRow("count negative") << "count negative"
                                    << "Número de aquisições inválido!" << int(Campo::EditNLeituras);
    QTest::newRow("count with the never-stop bit, no sensor")
        << "count 40000 no sensor"
        << "Número de aquisições inválido!" << int(Campo::EditNLeituras);
    QTest::newRow("count of the never-stop bit alone")
        << "count 32768 no sensor"
        << "Número de aquisições inválido!" << int(Campo::EditNLeituras);
    QTest::newRow("count of six digits with a leading zero")
        << "count 012345"
        << "Número de aquisições inválido!" << int(Campo::EditNLeituras);
    QTest::newRow("count zero without a sensor") << "count zero no sensor"
                                                 << "" << -1;
    QTest::newRow("start passed") << "start passed"
                                  << "Início da aquisição deve ser posterior à data/hora atual."
                                  << int(Campo::EditHoraInicio);
    QTest::newRow("end passed") << "end passed"
                                << "Fim da aquisição deve ser posterior à data/hora atual"
                                << int(Campo::EditHoraFim);
    QTest::newRow("end before start")
        << "end before start"
        << "Início da aquisição deve ser anterior ao término." << int(Campo::EditHoraInicio);
    QTest::newRow("interval zero") << "interval zero"
                                   << "Informe intervalo de tempo." << int(Campo::EditIntervalo);
    QTest::newRow("interval 00:60:00") << "interval 60"
                                       << "Intervalo de tempo inválido." << int(Campo::EditIntervalo);
    QTest::newRow("title with a character the logger lacks")
        << "title omega"
        << "O caractere \"Ω\" não pode ser gravado no Tarvek." << int(Campo::EditTitulo);
    QTest::newRow("tag with a character beyond 16 bits")
        << "tag emoji"
        << "O caractere \"😀\" não pode ser gravado no Tarvek." << int(Campo::EditTag2);
    QTest::newRow("unit of a linear channel")
        << "unit omega"
        << "O caractere \"Ω\" não pode ser gravado no Tarvek." << int(Campo::EditUnid2);
    QTest::newRow("texts the logger holds") << "texts latin"
                                            << "" << -1;
    QTest::newRow("all good") << ""
                              << "" << -1;
    QTest::newRow("0.5 s needs no interval") << "half second"
                                             << "" << -1;
}

void TestEditorConfiguracao::validacaoNaOrdemComSeuFoco()
{
    QFETCH(QString, caso);
    QFETCH(QString, mensagem);
    QFETCH(int, foco);
    Bancada b;
    b.sensor(1, K);
    b.sensor(2, Nenhum);
    const TDateTime agora = b.agora();
    const TDateTime hoje = DataHora::parteData(agora);
    auto inicio = [&](TDateTime quando) {
        b.e.marcaInicio(Inicio::NoDia);
        b.e.EditDataInicio.texto = b.data(quando);
        b.e.EditHoraInicio.texto = b.hora(quando);
    };
    auto fim = [&](TDateTime quando) {
        b.e.marcaFim(Fim::NoDia);
        b.e.EditDataFim.texto = b.data(quando);
        b.e.EditHoraFim.texto = b.hora(quando);
    };
    if (caso == "capacity") {
        b.e.EditNLeituras.texto = QStringLiteral("12000");
        b.e.marcaFim(Fim::AposLeituras);
        // A later check that fails too is not reached.
        b.e.EditMedia.texto = QStringLiteral("0");
    } else if (caso == "limits crossed") {
        b.sensor(1, mA);
        b.e.Canal1.MELimLow.texto = QStringLiteral("500");
        b.e.Canal1.MELimHi.texto = QStringLiteral("500");
    } else if (caso == "limit letters") {
        b.sensor(1, mA);
        b.e.Canal1.MELimHi.texto = QStringLiteral("9x");
    } else if (caso == "limit range") {
        b.sensor(2, mV);
        b.e.Canal2.MELimHi.texto = QStringLiteral("10000");
    } else if (caso == "start date") {
        inicio(agora + 1);
        b.e.EditDataInicio.texto = QStringLiteral("31/02/2027");
    } else if (caso == "start time") {
        inicio(agora + 1);
        b.e.EditHoraInicio.texto = QStringLiteral("  :  :  ");
    } else if (caso == "start 61 days") {
        inicio(agora + 61);
    } else if (caso == "end yesterday") {
        fim(agora - 1);
    } else if (caso == "end time") {
        fim(agora + 1);
        b.e.EditHoraFim.texto = QStringLiteral("24:00:00");
    } else if (caso.startsWith(u"count ")) {
        // "count <text>[ no sensor]": the count typed, and no sensor at all.
        QString n = caso.mid(6);
        if (n.endsWith(u" no sensor")) {
            n.chop(10);
            b.sensor(1, Nenhum);
        }
        const QHash<QString, QString> nomes { { "empty", "" }, { "zero", "0" }, { "negative", "-5" } };
        b.e.EditNLeituras.texto = nomes.value(n, n);
        b.e.marcaFim(Fim::AposLeituras);
    } else if (caso == "title omega") {
        b.e.EditTitulo.texto = QStringLiteral("Estufa 10 kΩ");
    } else if (caso == "tag emoji") {
        b.e.Canal2.EditTag.texto = QStringLiteral("Sala 😀");
    } else if (caso == "unit omega") {
        b.sensor(2, mV);
        b.e.Canal2.EditUnid.texto = QStringLiteral("µΩ");
    } else if (caso == "texts latin") {
        b.e.EditTitulo.texto = QStringLiteral("Medição à pressão");
        b.e.Canal1.EditTag.texto = QStringLiteral("Água °C");
        b.e.Canal1.EditUnid.texto = QStringLiteral("Ω");  // a thermocouple's unit is °C
    } else if (caso == "start passed") {
        inicio(agora - 1.0 / 1440);
    } else if (caso == "end passed") {
        fim(hoje);  // today at 00:00:00
    } else if (caso == "end before start") {
        inicio(agora + 2.0 / 24);
        fim(agora + 1.0 / 24);
    } else if (caso == "interval zero" || caso == "interval 60") {
        b.e.EditIntervalo.texto
            = caso == "interval zero" ? QStringLiteral("00:00:00") : QStringLiteral("00:60:00");
    } else if (caso == "half second") {
        b.e.EditIntervalo.texto = QStringLiteral("00:00:00");
        b.e.marcaIntervalo(Intervalo::MeioSegundo);
    }
    b.e.TempoEstimado();
    const auto resultado = b.e.ValidaTudo();
    QCOMPARE(b.mensagens.textos(), mensagem.isEmpty() ? QStringList() : QStringList { mensagem });
    QCOMPARE(resultado.has_value(), foco >= 0);
    if (resultado)
        QCOMPARE(int(*resultado), foco);
    for (const MensagemRegistrada &m : b.mensagens.registro)
        QCOMPARE(m.tipo, MensagemRegistrada::Tipo::Aviso);
}

void TestEditorConfiguracao::modosDosCanais()
{
    Bancada b;
    // Average on channel 1, minimum on channel 2; an unknown field (3)
    // leaves the channel as it was.
    b.e.Canal2.modo = ModoAquisicao::Maximo;
    b.e.SetaModo(0x21);
    int m1 = -9, m2 = -9;
    b.e.VerificaModo(m1, m2);
    QCOMPARE(m1, ModoAquisicao::Media);
    QCOMPARE(m2, ModoAquisicao::Minimo);
    b.e.SetaModo(0x1A);  // 2 maximum on channel 1, 3 unknown on channel 2
    b.e.VerificaModo(m1, m2);
    QCOMPARE(m1, ModoAquisicao::Maximo);
    QCOMPARE(m2, ModoAquisicao::Minimo);
    b.e.SetaModo(0x00);
    b.e.VerificaModo(m1, m2);
    QCOMPARE(m1, ModoAquisicao::Media);
    QCOMPARE(m2, ModoAquisicao::Media);
}

QUORVANE_TEST_GUILESS_MAIN(TestEditorConfiguracao)
#include "tst_EditorConfiguracao.moc"
