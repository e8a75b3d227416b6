// The service commands of the main window against the simulated Tarvek:
// "Bateria", "Ajuste Offset" and "Monitorar" open their modal windows filled
// from the logger, write through them, and show no window after a failed
// read.
#include "BancadaPrinc.h"

#include "DescricaoTarvek.h"
#include "GraficoLinhas.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TFormOffset.h"
#include "TFrmBateria.h"
#include "TFrmMonitor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace {

const char *const Descricao = R"({
  "relogio": "2026-12-07T09:30:00", "titulo": "Forno 3", "bateria": 32768,
  "trocaBateria": "2024-02-01T09:05:00",
  "naoVolatilReservado": "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F202122232425262728A9",
  "canais": [
    { "sensor": "Pt100", "tag": "Forno", "limites": [0, 3000], "offset": -5, "leituraAtual": 120.5 },
    { "sensor": "4-20mA", "tag": "Pressao", "unidade": "bar", "decimais": 2, "limites": [0, 9999], "offset": 7,
      "leituraAtual": 12.34 }
  ]
})";

const QStringList Ini { "[COMUNICACAO]", "PORTA=1", "DEBUG=FALSE", "[PORTAS]", "COM1=simulador" };

struct Bancada : BancadaPrinc
{
    explicit Bancada(const QByteArray &json = Descricao)
        : BancadaPrinc(Ini)
    {
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(json, &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)), &erro))
            qFatal("%s", qPrintable(erro));
        mostra();
        mensagens.registro.clear();
    }

    // Runs a command; while its modal window is open, acao gets it (nullptr
    // when none came up) and may close it. True when a window came up.
    template <typename Janela>
    bool executa(void (TFormPrinc::*comando)(), const std::function<void(Janela *)> &acao)
    {
        bool mostrada = false;
        QTimer::singleShot(0, princ.get(), [&] {
            auto *janela = qobject_cast<Janela *>(QApplication::activeModalWidget());
            mostrada = janela != nullptr;
            acao(janela);
            if (janela && janela->isVisible())
                janela->reject();
        });
        (princ.get()->*comando)();
        QCoreApplication::processEvents();
        return mostrada;
    }
    template <typename T> static T *filho(QWidget *janela, const char *nome)
    {
        T *c = janela->findChild<T *>(QString::fromLatin1(nome));
        if (!c)
            qFatal("no control %s", nome);
        return c;
    }
};

}  // namespace

class TestTFormPrincServico : public QObject
{
    Q_OBJECT
private slots:
    void bateriaMostraEGravaAData();
    void bateriaComEscritaFalhaFicaAberta();
    void offsetPassaEEnvia();
    void offsetCancelaSemTroca();
    void monitorarMostraAsLeituras();
    void monitorarSemCanalNaoMostraJanela();
    void cadaJanelaUsaASuaFormaDosTextos_data();
    void cadaJanelaUsaASuaFormaDosTextos();
};

void TestTFormPrincServico::bateriaMostraEGravaAData()
{
    Bancada b;
    QVERIFY(b.item("ItemBateria")->isEnabled());
    const QByteArray lido = b.tarvek.naoVolatil();
    QString data, hora, consumo;
    int carga = -1;
    bool modal = false, fechou = false;
    const bool mostrada = b.executa<TFrmBateria>(&TFormPrinc::ItemBateriaClick, [&](TFrmBateria *j) {
        if (!j)
            return;
        modal = j->isModal();
        data = Bancada::filho<QLineEdit>(j, "MEditData")->text();
        hora = Bancada::filho<QLineEdit>(j, "MEditHora")->text();
        consumo = Bancada::filho<QLabel>(j, "LblConsumo")->text();
        carga = Bancada::filho<QProgressBar>(j, "GaugeBateria")->value();
        Bancada::filho<QLineEdit>(j, "MEditData")->setText(u"31/12/2025"_qs);
        Bancada::filho<QLineEdit>(j, "MEditHora")->setText(u"23:59"_qs);
        Bancada::filho<QPushButton>(j, "BtnAlterar")->click();
        fechou = !j->isVisible();
    });
    QVERIFY(mostrada);
    QVERIFY(modal);
    QCOMPARE(data, u"01/02/2024"_qs);
    QCOMPARE(hora, u"09:05"_qs);
    QCOMPARE(consumo, u"Restam aproximadamente49% da carga da bateria."_qs);
    QCOMPARE(carga, 49);
    QVERIFY(fechou);
    QCOMPARE(b.mensagens.textos(), QStringList { u"Data da bateria gravada com sucesso!"_qs });
    const QByteArray escrito = b.tarvek.naoVolatil();
    QCOMPARE(escrito.mid(118).toHex(' '), QByteArray("17 3b 1f 0c 1b"));
    QCOMPARE(escrito.left(118), lido.left(118));
}

void TestTFormPrincServico::bateriaComEscritaFalhaFicaAberta()
{
    Bancada b;
    bool aberta = false;
    QString data;
    b.executa<TFrmBateria>(&TFormPrinc::ItemBateriaClick, [&](TFrmBateria *j) {
        if (!j)
            return;
        b.tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, 0x04 });
        Bancada::filho<QLineEdit>(j, "MEditData")->setText(u"05/06/2026"_qs);
        Bancada::filho<QPushButton>(j, "BtnAlterar")->click();
        aberta = j->isVisible();
        data = Bancada::filho<QLineEdit>(j, "MEditData")->text();
        // A date the calendar does not have is refused before any exchange.
        Bancada::filho<QLineEdit>(j, "MEditData")->setText(u"31/06/2026"_qs);
        b.tarvek.limpaFalhas();
        Bancada::filho<QPushButton>(j, "BtnAlterar")->click();
    });
    QVERIFY(aberta);
    QCOMPARE(data, u"05/06/2026"_qs);
    QVERIFY(b.mensagens.textos().contains(u"Falhou escrita da string"_qs));
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 0);
}

void TestTFormPrincServico::offsetPassaEEnvia()
{
    QByteArray json(Descricao);
    json.replace(R"("sensor": "4-20mA")", R"("sensor": "Nenhum")");
    Bancada b(json);
    QVERIFY(b.item("ItemAjusteOffset")->isEnabled());
    const QByteArray lido = b.tarvek.naoVolatil();
    QString lido1, depois1;
    bool visivel1 = false, visivel2 = true, rotulo2 = true, fechou = false;
    const bool mostrada = b.executa<TFormOffset>(&TFormPrinc::ItemAjusteOffsetClick, [&](TFormOffset *j) {
        if (!j)
            return;
        lido1 = Bancada::filho<QLineEdit>(j, "Edit1")->text();
        visivel1 = Bancada::filho<QLineEdit>(j, "Edit1")->isVisible();
        visivel2 = Bancada::filho<QLineEdit>(j, "Edit2")->isVisible();
        rotulo2 = Bancada::filho<QLabel>(j, "LblOffs2")->isVisible();
        Bancada::filho<QWidget>(j, "UpDown1")->findChild<QToolButton *>(u"Acima"_qs)->click();
        depois1 = Bancada::filho<QLineEdit>(j, "Edit1")->text();
        Bancada::filho<QPushButton>(j, "BitBtnOffset")->click();
        fechou = !j->isVisible();
    });
    QVERIFY(mostrada);
    QCOMPARE(lido1, u"-0,5"_qs);
    QCOMPARE(depois1, u"-0,4"_qs);
    QVERIFY(visivel1);
    QVERIFY(!visivel2);
    QVERIFY(!rotulo2);
    QVERIFY(fechou);
    QCOMPARE(b.mensagens.textos(), QStringList { u"Envio do(s) Offset(s) com sucesso!"_qs });
    const QByteArray escrito = b.tarvek.naoVolatil();
    QCOMPARE(escrito.mid(74, 2).toHex(), lido.mid(74, 2).toHex().replace(0, 2, "fc"));
    QCOMPARE(escrito.mid(76), lido.mid(76));
}

void TestTFormPrincServico::offsetCancelaSemTroca()
{
    Bancada b;
    QString texto2;
    QVERIFY(b.executa<TFormOffset>(&TFormPrinc::ItemAjusteOffsetClick, [&](TFormOffset *j) {
        if (!j)
            return;
        texto2 = Bancada::filho<QLineEdit>(j, "Edit2")->text();
        j->UpDown2Click(false);
        Bancada::filho<QPushButton>(j, "BitBtnCancel")->click();
    }));
    QCOMPARE(texto2, u"0,07"_qs);
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 0);
    QVERIFY(b.mensagens.registro.isEmpty());
}

void TestTFormPrincServico::monitorarMostraAsLeituras()
{
    Bancada b;
    QVERIFY(b.item("ItemMonitorar")->isEnabled());
    QVERIFY(b.botao("SpeedButtonMonitorar")->isEnabled());
    QString canal1, canal2;
    bool modal = false, polling = false;
    // The logger's buttons on the toolbar, once the window is up and after
    // each poll (two readings, then the configuration): off all along.
    QList<bool> botoesLigados;
    const bool mostrada = b.executa<TFrmMonitor>(&TFormPrinc::ItemMonitorarClick, [&](TFrmMonitor *j) {
        if (!j)
            return;
        modal = j->isModal();
        polling = j->timer()->isActive();
        botoesLigados << b.botao("SpeedButtonColetar")->isEnabled();
        for (int i = 0; i < 3; ++i) {
            b.relogio.avanca(1000);
            j->Timer1Timer();
            if (i == 0) {
                canal1 = Bancada::filho<QLabel>(j, "Label2")->text();
                canal2 = Bancada::filho<QLabel>(j, "Label3")->text();
            }
            botoesLigados << b.botao("SpeedButtonColetar")->isEnabled();
        }
    });
    QVERIFY(mostrada);
    QVERIFY(modal);
    QVERIFY(polling);
    QCOMPARE(botoesLigados, QList<bool>({ false, false, false, false }));
    QVERIFY(b.botao("SpeedButtonColetar")->isEnabled());
    QVERIFY(b.item("ItemMonitorar")->isEnabled());
    // 120,5 read with the offset of -0,5 stored.
    QVERIFY2(canal1.startsWith(u"Forno: 12"_qs), qPrintable(canal1));
    QVERIFY2(canal2.startsWith(u"Pressao: 12,"_qs), qPrintable(canal2));
    QVERIFY(b.mensagens.registro.isEmpty());
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 0);
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 0);
}

void TestTFormPrincServico::monitorarSemCanalNaoMostraJanela()
{
    QByteArray json(Descricao);
    json.replace(R"("sensor": "4-20mA")", R"("sensor": "Nenhum")");
    json.replace(R"("sensor": "Pt100")", R"("sensor": "Nenhum")");
    Bancada b(json);
    QVERIFY(!b.executa<TFrmMonitor>(&TFormPrinc::ItemMonitorarClick, [](TFrmMonitor *) {}));
    QCOMPARE(b.mensagens.textos(), QStringList { u"Nenhum sensor está habilitado!"_qs });
}

void TestTFormPrincServico::cadaJanelaUsaASuaFormaDosTextos_data()
{
    // Texts that several windows word differently, through every command
    // that shows one: after a read that fails (the message), or in a
    // window that came up (a label, or the monitor's time-axis title).
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("falha");  // the read that fails, if any
    QTest::addColumn<QString>("onde");  // empty: the last message
    // The message, or the text up to what the logger gave (which begins
    // with no blank: "Firmware: " and "Firmware:  " are two forms).
    QTest::addColumn<QString>("esperado");
    const QString naoVolateis = u"Falhou leitura dos parâmetros não-voláteis."_qs;
    const QString calibracao = u"Falhou leitura dos parâmetros de calibração."_qs;
    QTest::newRow("collection, non-volatile block (137)")
        << u"ItemColetarDados"_qs << u"LeNaoVolateis"_qs << QString()
        << u"Falhou leitura dos parâmetros de não-voláteis."_qs;
    QTest::newRow("collection, calibration block (146)")
        << u"ItemColetarDados"_qs << u"LeCalibracao"_qs << QString()
        << u"Falhou leitura dos parâmetros de calibração"_qs;
    QTest::newRow("configuration, non-volatile block (137)")
        << u"ItemConfigurar"_qs << u"LeNaoVolateis"_qs << QString() << naoVolateis;
    QTest::newRow("configuration, calibration block (146)")
        << u"ItemConfigurar"_qs << u"LeCalibracao"_qs << QString() << calibracao;
    QTest::newRow("monitor, non-volatile block (137)")
        << u"ItemMonitorar"_qs << u"LeNaoVolateis"_qs << QString() << naoVolateis;
    QTest::newRow("monitor, calibration block (146)")
        << u"ItemMonitorar"_qs << u"LeCalibracao"_qs << QString() << calibracao;
    QTest::newRow("battery, non-volatile block (137)")
        << u"ItemBateria"_qs << u"LeNaoVolateis"_qs << QString() << naoVolateis;
    QTest::newRow("offset, non-volatile block (137)")
        << u"ItemAjusteOffset"_qs << u"LeNaoVolateis"_qs << QString() << naoVolateis;
    QTest::newRow("configuration, acquisitions made (148)")
        << u"ItemConfigurar"_qs << QString() << u"lblNroEfetuadas"_qs << u"Aquisicoes efetuadas:"_qs;
    QTest::newRow("monitor, acquisitions made (148)")
        << u"ItemMonitorar"_qs << QString() << u"TheChart"_qs << u"Aquisições realizadas: "_qs;
    QTest::newRow("configuration, serial number (149)")
        << u"ItemConfigurar"_qs << QString() << u"lblNroSerie"_qs << u"Número de série: "_qs;
    QTest::newRow("configuration, firmware (150)")
        << u"ItemConfigurar"_qs << QString() << u"lblFirmware"_qs << u"Firmware: "_qs;
}

void TestTFormPrincServico::cadaJanelaUsaASuaFormaDosTextos()
{
    QFETCH(QString, comando);
    QFETCH(QString, falha);
    QFETCH(QString, onde);
    QFETCH(QString, esperado);
    const std::pair<const char *, void (TFormPrinc::*)()> comandos[] = {
        { "ItemColetarDados", &TFormPrinc::ItemColetarDadosClick },
        { "ItemConfigurar", &TFormPrinc::ItemConfigurarClick },
        { "ItemMonitorar", &TFormPrinc::ItemMonitorarClick },
        { "ItemBateria", &TFormPrinc::ItemBateriaClick },
        { "ItemAjusteOffset", &TFormPrinc::ItemAjusteOffsetClick },
    };
    const auto it = std::find_if(std::begin(comandos), std::end(comandos),
        [&](const auto &c) { return comando == QLatin1String(c.first); });
    QVERIFY(it != std::end(comandos));
    QByteArray json(Descricao);
    if (!falha.isEmpty())
        json.replace(R"("titulo": "Forno 3",)",
            QByteArray(R"("titulo": "Forno 3", "falhas": [{ "tipo": "silencio", "alvo": ")")
                .append(falha.toLatin1())
                .append(R"(" }],)"));
    Bancada b(json);
    QString lido;
    const bool mostrada = b.executa<QDialog>(it->second, [&](QDialog *j) {
        if (!j || onde.isEmpty())
            return;
        if (auto *g = j->findChild<GraficoLinhas *>(onde))
            lido = g->tituloEixo(EixoGrafico::Inferior);
        else
            lido = Bancada::filho<QLabel>(j, onde.toLatin1().constData())->text();
    });
    if (onde.isEmpty()) {
        QVERIFY(!mostrada);
        QCOMPARE(b.mensagens.textos().value(0), esperado);
        QCOMPARE(b.mensagens.textos().size(), 1);
        QVERIFY(b.princ->mdiArea()->subWindowList().isEmpty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    } else {
        QVERIFY(mostrada);
        QVERIFY2(
            lido.startsWith(esperado) && !lido.mid(esperado.size(), 1).trimmed().isEmpty(), qPrintable(lido));
    }
}

QUORVANE_TEST_MAIN(TestTFormPrincServico)
#include "tst_TFormPrincServico.moc"
