// The configuration window over the simulated Tarvek, in virtual time: the
// controls as the logger's blocks fill them, the user's changes going
// through the editor's rules, a refused limit box keeping the focus, OK
// with its validation, question and send, a failed write leaving the window
// ready, Cancel without any exchange, the timers and the help.

#include "AmbienteFalso.h"
#include "DescricaoTarvek.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TFrmConfig.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

namespace {

const char *const Descricao = R"({
  "modelo": 2, "firmware": "1.3", "numeroSerie": 123456, "relogio": "2026-12-07T09:30:00",
  "titulo": "Secador 4", "intervalo": "00:00:20", "leiturasPorAquisicao": 3, "parada": 5000,
  "canais": [
    { "sensor": "J", "tag": "Ar quente", "modo": "media", "limites": [0, 150],
      "aquisicoes": { "forma": "constante", "valor": 60 } },
    { "sensor": "4-20mA", "tag": "Umidade", "modo": "maximo", "unidade": "%", "decimais": 1,
      "limites": [0, 1000], "offset": 3, "aquisicoes": { "forma": "constante", "valor": 50 } }
  ],
  "aquisicoes": { "quantidade": 600, "desdeUltima": 24 }
})";

struct Bancada : AmbienteFalso
{
    TarvekSimulado tarvek;
    TMSCommSimulado porta { tarvek, relogio };
    std::unique_ptr<TDatalogger> link;
    std::unique_ptr<TFrmConfig> janela;
    QStringList ajudas;

    Bancada()
    {
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(Descricao, &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)), &erro))
            qFatal("%s", qPrintable(erro));
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
        janela = std::make_unique<TFrmConfig>(*link, ambiente);
        janela->aoPedirAjuda = [this](const QString &k) { ajudas << k; };
    }
    bool abre()
    {
        if (!janela->FormCreate())
            return false;
        janela->show();
        QApplication::setActiveWindow(janela.get());
        return QTest::qWaitForWindowActive(janela.get());
    }
    template <typename T> T *controle(const char *nome) const
    {
        T *c = janela->findChild<T *>(QString::fromLatin1(nome));
        if (!c)
            qFatal("no control %s", nome);
        return c;
    }
    QLineEdit *caixa(const char *nome) const { return controle<QLineEdit>(nome); }
    QString rotulo(const char *nome) const { return controle<QLabel>(nome)->text(); }
    // Types into a field as the user does (the field takes the focus).
    void digita(const char *nome, const QString &texto)
    {
        QLineEdit *e = caixa(nome);
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, texto);
    }
};

}  // namespace

class TestTFrmConfig : public QObject
{
    Q_OBJECT
private slots:
    void preenchidaPeloTarvek();
    void leituraQueFalhaNaoAbre();
    void trocaDeSensorPelaLista();
    void tamanhoNaoMudaComOsCampos();
    void limiteRecusadoGuardaOFoco();
    void confirmarVerificaOLimiteDigitado_data();
    void confirmarVerificaOLimiteDigitado();
    void okValidaEPoeOFoco();
    void okPerguntaEEnvia_data();
    void okPerguntaEEnvia();
    void escritaQueFalhaDeixaAJanela();
    void okECancelaEsperamOEnvio();
    void cancelaSemTroca();
    void relogiosEAjuda();
};

void TestTFrmConfig::preenchidaPeloTarvek()
{
    Bancada b;
    QVERIFY(b.abre());
    QCOMPARE(b.janela->windowTitle(), QStringLiteral("Parâmetros de Configuração"));
    QCOMPARE(b.caixa("EditTitulo")->text(), QStringLiteral("Secador 4"));
    QCOMPARE(b.caixa("EditTag2")->text(), QStringLiteral("Umidade"));
    QCOMPARE(b.controle<QComboBox>("ComboBoxSensor1")->currentText(), QStringLiteral("Termopar J"));
    QCOMPARE(b.controle<QComboBox>("ComboBoxSensor2")->currentText(), QStringLiteral("4-20mA"));
    QCOMPARE(b.caixa("MELimLow1")->text(), QStringLiteral("-50"));
    QVERIFY(!b.caixa("MELimLow1")->isEnabled());
    QVERIFY(b.controle<QLabel>("Labelunid1")->isVisible());
    QVERIFY(!b.caixa("EditUnid1")->isVisible());
    QVERIFY(!b.controle<QComboBox>("ComboBoxDec1")->isVisible());
    QCOMPARE(b.caixa("MELimHi2")->text(), QStringLiteral("100,0"));
    QCOMPARE(b.controle<QComboBox>("ComboBoxDec2")->currentText(), QStringLiteral("000,0"));
    QCOMPARE(b.caixa("EditUnid2")->text(), QStringLiteral("%"));
    QVERIFY(b.controle<QRadioButton>("RdBtnMedia1")->isChecked());
    QVERIFY(b.controle<QRadioButton>("RdBtnMax2")->isChecked());
    QVERIFY(b.controle<QRadioButton>("RadioImediata")->isChecked());
    QVERIFY(!b.caixa("EditDataInicio")->isEnabled());
    QVERIFY(b.controle<QRadioButton>("RadioMemCheia")->isChecked());
    QVERIFY(b.controle<QRadioButton>("RadioButtonTempo")->isChecked());
    QCOMPARE(b.caixa("EditIntervalo")->text(), QStringLiteral("00:00:20"));
    QCOMPARE(b.caixa("EditMedia")->text(), QStringLiteral("3"));
    QCOMPARE(b.rotulo("lblNroSerie"), QStringLiteral("Número de série: 000157920"));
    QCOMPARE(b.rotulo("lblFirmware"), QStringLiteral("Firmware: 1.3"));
    QCOMPARE(b.rotulo("lblNroEfetuadas"), QStringLiteral("Aquisicoes efetuadas:600"));
    QCOMPARE(b.rotulo("LblBytesMem"), QStringLiteral("Bytes memória: 32606"));
    QCOMPARE(b.rotulo("LblMaximoLeituras"), QStringLiteral("Máx. de aquisições em memória:8151"));
    QCOMPARE(b.rotulo("LblTempoEst"), QStringLiteral("Tempo estimado:135:50:00"));
    QCOMPARE(b.rotulo("LblNroLeituras"), QStringLiteral("Nro. de aquisições:8151"));
    QVERIFY(b.controle<QTimer>("TimerTemp")->isActive());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestTFrmConfig::leituraQueFalhaNaoAbre()
{
    Bancada b;
    b.tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, 0x65 });
    QVERIFY(!b.janela->FormCreate());
    QCOMPARE(b.mensagens.textos().last(), QStringLiteral("Falhou leitura dos parâmetros de calibração."));
    QVERIFY(!b.controle<QTimer>("TimerTemp")->isActive());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestTFrmConfig::trocaDeSensorPelaLista()
{
    Bancada b;
    QVERIFY(b.abre());
    b.controle<QComboBox>("ComboBoxSensor1")->setCurrentIndex(9);  // Pt100
    QCOMPARE(b.caixa("MELimLow1")->text(), QStringLiteral("-200,0"));
    QCOMPARE(b.caixa("MELimHi1")->text(), QStringLiteral("320,0"));
    // Pt100 and 4-20 mA: 4 bytes, the same capacity.
    QCOMPARE(b.rotulo("LblMaximoLeituras"), QStringLiteral("Máx. de aquisições em memória:8151"));
    b.controle<QComboBox>("ComboBoxSensor2")->setCurrentIndex(0);
    QVERIFY(!b.caixa("EditUnid2")->isVisible());
    QVERIFY(b.caixa("MELimLow2")->text().isEmpty());
    QCOMPARE(b.rotulo("LblMaximoLeituras"), QStringLiteral("Máx. de aquisições em memória:16303"));
    b.controle<QComboBox>("ComboBoxSensor2")->setCurrentIndex(10);
    QVERIFY(b.caixa("EditUnid2")->isVisible() && b.caixa("EditUnid2")->isEnabled());
    b.controle<QComboBox>("ComboBoxDec2")->setCurrentIndex(2);
    QCOMPARE(b.caixa("MELimLow2")->text(), QStringLiteral("-20,00"));
    // The 0.5 s mode takes the interval and the readings away.
    b.controle<QRadioButton>("RadioButtonMeioSeg")->click();
    QVERIFY(!b.caixa("EditIntervalo")->isEnabled());
    QCOMPARE(b.caixa("EditMedia")->text(), QStringLiteral("1"));
    QVERIFY(!b.caixa("EditMedia")->isEnabled());
    QCOMPARE(b.rotulo("LblTempoEst"), QStringLiteral("Tempo estimado:01:07:55.0"));
    b.controle<QRadioButton>("RadioNaoParar")->click();
    QVERIFY(!b.controle<QLabel>("LblTempoEst")->isVisible());
}

void TestTFrmConfig::tamanhoNaoMudaComOsCampos()
{
    Bancada b;
    QVERIFY(b.abre());
    auto tamanho = [&] {
        QCoreApplication::sendPostedEvents();
        b.janela->layout()->activate();
        return b.janela->size();
    };
    const QSize inicial = tamanho();
    // The estimate goes and comes back; the decimal column empties (no
    // sensor, a thermocouple) and fills again; a unit box gives way to a
    // fixed unit.
    b.controle<QRadioButton>("RadioNaoParar")->click();
    QVERIFY(!b.controle<QLabel>("LblTempoEst")->isVisible());
    QCOMPARE(tamanho(), inicial);
    b.controle<QRadioButton>("RadioMemCheia")->click();
    QVERIFY(b.controle<QLabel>("LblTempoEst")->isVisible());
    QCOMPARE(tamanho(), inicial);
    b.controle<QComboBox>("ComboBoxSensor2")->setCurrentIndex(0);
    QVERIFY(!b.controle<QComboBox>("ComboBoxDec2")->isVisible());
    QVERIFY(!b.controle<QComboBox>("ComboBoxDec1")->isVisible());
    QCOMPARE(tamanho(), inicial);
    b.controle<QComboBox>("ComboBoxSensor1")->setCurrentIndex(0);
    QCOMPARE(tamanho(), inicial);
    b.controle<QComboBox>("ComboBoxSensor2")->setCurrentIndex(11);
    QVERIFY(b.caixa("EditUnid2")->isVisible());
    QCOMPARE(tamanho(), inicial);
    b.controle<QComboBox>("ComboBoxSensor2")->setCurrentIndex(2);
    QVERIFY(!b.caixa("EditUnid2")->isVisible());
    QCOMPARE(tamanho(), inicial);
}

void TestTFrmConfig::limiteRecusadoGuardaOFoco()
{
    Bancada b;
    QVERIFY(b.abre());
    b.digita("MELimHi2", QStringLiteral("1000,0"));
    b.caixa("EditUnid2")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!b.mensagens.registro.isEmpty());
    QCOMPARE(b.mensagens.textos(),
        QStringList { "Valor inválido para o limite. O valor do limite deverá estar entre -200,0 ; 999,9" });
    QTRY_VERIFY(b.caixa("MELimHi2")->hasFocus());
    QCOMPARE(b.caixa("MELimHi2")->text(), QStringLiteral("1000,0"));
    // Corrected, it takes the channel's decimals on leaving.
    b.mensagens.registro.clear();
    b.digita("MELimHi2", QStringLiteral("80,5"));
    b.digita("MELimLow2", QStringLiteral("5"));
    b.caixa("EditUnid2")->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(b.caixa("MELimLow2")->text(), QStringLiteral("5,0"));
    QVERIFY(b.mensagens.registro.isEmpty());
    // Clicked right after a refused value, OK checks the box first and goes
    // no further.
    b.digita("MELimLow2", QStringLiteral("-300"));
    b.controle<QPushButton>("OKBtn")->setFocus(Qt::MouseFocusReason);
    b.janela->OKBtnClick();
    QCOMPARE(b.mensagens.textos(),
        QStringList { "Valor inválido para o limite. O valor do limite deverá estar entre -200,0 ; 999,9" });
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 0);
}

void TestTFrmConfig::confirmarVerificaOLimiteDigitado_data()
{
    QTest::addColumn<QString>("modo");
    QTest::newRow("Enter in the box") << "return";
    QTest::newRow("Enter of the keypad") << "enter";
    QTest::newRow("OK pressed without taking the focus, as its shortcut does") << "botao";
    QTest::newRow("OK clicked") << "clique";
}

void TestTFrmConfig::confirmarVerificaOLimiteDigitado()
{
    // Every way of confirming runs the check of leaving the box the focus
    // is in: "100,00" is no high limit at two decimals.
    QFETCH(QString, modo);
    Bancada b;
    QVERIFY(b.abre());
    b.controle<QComboBox>("ComboBoxDec2")->setCurrentIndex(2);
    b.digita("MELimHi2", QStringLiteral("100,00"));
    b.mensagens.respostasSimNao.enqueue(true);
    auto *ok = b.controle<QPushButton>("OKBtn");
    if (modo == "return" || modo == "enter")
        QTest::keyClick(b.caixa("MELimHi2"), modo == "return" ? Qt::Key_Return : Qt::Key_Enter);
    else if (modo == "botao")
        ok->click();
    else
        QTest::mouseClick(ok, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(b.mensagens.textos(),
        QStringList { "Valor inválido para o limite. O valor do limite deverá estar entre -20,00 ; 99,99" });
    QTRY_VERIFY(b.caixa("MELimHi2")->hasFocus());
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 0);
    QVERIFY(b.janela->isVisible());
}

void TestTFrmConfig::okValidaEPoeOFoco()
{
    Bancada b;
    QVERIFY(b.abre());
    b.digita("EditMedia", QStringLiteral("251"));
    b.janela->OKBtnClick();
    QCOMPARE(b.mensagens.textos(),
        QStringList { "Valor do número de leituras p/ gerar aquisição deve estar entre 1 e250." });
    QVERIFY(b.caixa("EditMedia")->hasFocus());
    b.digita("EditMedia", QStringLiteral("1"));
    b.controle<QRadioButton>("RadioDiaInicio")->click();
    QVERIFY(b.caixa("EditDataInicio")->isEnabled());
    QCOMPARE(b.caixa("EditDataInicio")->text(), QStringLiteral("07/12/2026"));
    b.mensagens.registro.clear();
    b.janela->OKBtnClick();
    QCOMPARE(b.mensagens.textos(), QStringList { QStringLiteral("Hora informada deve ser numérica.") });
    QVERIFY(b.caixa("EditHoraInicio")->hasFocus());
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 0);
}

void TestTFrmConfig::okPerguntaEEnvia_data()
{
    QTest::addColumn<bool>("sim");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestTFrmConfig::okPerguntaEEnvia()
{
    QFETCH(bool, sim);
    Bancada b;
    QVERIFY(b.abre());
    b.digita("EditTitulo", QStringLiteral("Estufa"));
    b.controle<QRadioButton>("RadioNLeituras")->click();
    b.digita("EditNLeituras", QStringLiteral("500"));
    QCOMPARE(b.rotulo("LblNroLeituras"), QStringLiteral("Nro. de aquisições:500"));
    b.mensagens.respostasSimNao.enqueue(sim);
    b.controle<QPushButton>("OKBtn")->click();
    QCOMPARE(b.mensagens.registro.first().texto, QStringLiteral("Sobrescrever configuração do Tarvek?"));
    QCOMPARE(b.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::SimNao);
    QCOMPARE(b.tarvek.configuracoesRecebidas(), sim ? 1 : 0);
    QCOMPARE(b.janela->isVisible(), !sim);
    if (sim) {
        QCOMPARE(b.janela->result(), int(QDialog::Accepted));
        QCOMPARE(b.mensagens.textos().last(), QStringLiteral("Configuração realizada com sucesso!"));
        QCOMPARE(b.tarvek.configuracao().mid(8, 2).toHex(), QByteArray("01f4"));
        QCOMPARE(b.tarvek.naoVolatil().left(8), QByteArray("Estufa  "));
        QVERIFY(!b.controle<QTimer>("TimerTemp")->isActive());
    }
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestTFrmConfig::escritaQueFalhaDeixaAJanela()
{
    Bancada b;
    QVERIFY(b.abre());
    b.tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, 0x04 });
    b.janela->OKBtnClick();
    QCOMPARE(b.mensagens.textos().last(), QStringLiteral("Falhou escrita dos parâmetros não-voláteis"));
    QVERIFY(b.janela->isVisible());
    QVERIFY(b.controle<QTimer>("TimerTemp")->isActive());
    // The texts as they were sent, padded; OK sends again.
    QCOMPARE(b.caixa("EditTitulo")->text(), QStringLiteral("Secador 4").leftJustified(30));
    b.tarvek.limpaFalhas();
    b.janela->OKBtnClick();
    QVERIFY(!b.janela->isVisible());
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 1);
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 2);
}

void TestTFrmConfig::okECancelaEsperamOEnvio()
{
    // While the link waits, the window's events run: a second OK, Cancel or
    // Escape then does nothing.
    Bancada b;
    QVERIFY(b.abre());
    bool tentou = false;
    b.relogio.aoProcessarMensagens = [&] {
        if (tentou || !b.link->EmUso())
            return;
        tentou = true;
        QVERIFY(!b.controle<QPushButton>("OKBtn")->isEnabled());
        QVERIFY(!b.controle<QPushButton>("CancelBtn")->isEnabled());
        b.janela->OKBtnClick();
        b.janela->reject();
    };
    b.janela->OKBtnClick();
    QVERIFY(tentou);
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 1);
    QCOMPARE(b.mensagens.textos().count(QStringLiteral("Sobrescrever configuração do Tarvek?")), 1);
    QCOMPARE(b.mensagens.textos().last(), QStringLiteral("Configuração realizada com sucesso!"));
    QCOMPARE(b.janela->result(), int(QDialog::Accepted));
}

void TestTFrmConfig::cancelaSemTroca()
{
    Bancada b;
    QVERIFY(b.abre());
    const QByteArray enviados = b.porta.enviados();
    // Leaving a refused limit box for Cancel asks nothing.
    b.digita("MELimHi2", QStringLiteral("1000,0"));
    b.controle<QPushButton>("CancelBtn")->setFocus(Qt::MouseFocusReason);
    b.controle<QPushButton>("CancelBtn")->click();
    QCoreApplication::processEvents();
    QVERIFY(!b.janela->isVisible());
    QCOMPARE(b.janela->result(), int(QDialog::Rejected));
    QCOMPARE(b.porta.enviados(), enviados);
    QVERIFY(b.mensagens.registro.isEmpty());
    QVERIFY(!b.controle<QTimer>("TimerTemp")->isActive());
}

void TestTFrmConfig::relogiosEAjuda()
{
    Bancada b;
    QVERIFY(b.abre());
    QVERIFY(b.controle<QTimer>("TimerHorarioPC")->isActive());
    QCOMPARE(b.controle<QTimer>("TimerTemp")->interval(), 1000);
    b.relogio.avanca(60 * 1000);
    b.janela->TimerHorarioPCTimer();
    QVERIFY2(b.rotulo("LabelHorarioPC").startsWith(QStringLiteral("07/12/2026 - 09:3")),
        qPrintable(b.rotulo("LabelHorarioPC")));
    // An end date: the estimate follows the clock once a second.
    b.controle<QRadioButton>("RadioDiaFim")->click();
    b.digita("EditHoraFim", QStringLiteral("103200"));
    const QString antes = b.rotulo("LblNroLeituras");
    b.relogio.avanca(10 * 60 * 1000);
    b.janela->TimerTempTimer();
    QVERIFY(b.rotulo("LblNroLeituras") != antes);
    b.controle<QPushButton>("HelpBtn")->click();
    QCOMPARE(b.ajudas, QStringList { QStringLiteral("Iniciar_Aquisi__o") });
}

QUORVANE_TEST_MAIN(TestTFrmConfig)
#include "tst_TFrmConfig.moc"
