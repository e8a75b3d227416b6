// "Configurar" from the main window against the simulated Tarvek: the modal
// window filled from the logger, its help over it, a failed read that shows
// no window, the command kept off while the link is in use, and a
// configuration sent from the window then collected.
#include "BancadaPrinc.h"

#include "DescricaoTarvek.h"
#include "JanelaAjuda.h"
#include "JanelaFilha.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TFormGrafico.h"
#include "TFrmConfig.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

namespace {

const char *const Descricao = R"({
  "relogio": "2026-12-07T09:30:00", "titulo": "Forno 3", "intervalo": "00:00:10", "parada": 5000,
  "canais": [
    { "sensor": "K", "tag": "Forno", "limites": [0, 1000], "aquisicoes": { "valores": [20, 21, 23] } },
    { "sensor": "4-20mA", "tag": "Pressao", "unidade": "bar", "decimais": 1, "limites": [0, 250],
      "aquisicoes": { "valores": [2, 4.5, 12.3] } }
  ],
  "aquisicoes": { "quantidade": 600, "desdeUltima": 8 }
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

    // Runs the command; while its window is open, acao gets it (nullptr
    // when no modal window came up) and should close it.
    bool configura(const std::function<void(TFrmConfig *)> &acao)
    {
        bool mostrada = false;
        QTimer::singleShot(0, princ.get(), [&] {
            auto *janela = qobject_cast<TFrmConfig *>(QApplication::activeModalWidget());
            mostrada = janela != nullptr;
            acao(janela);
            if (janela && janela->isVisible())
                janela->reject();
        });
        princ->ItemConfigurarClick();
        // Without a window the check comes after the command.
        QCoreApplication::processEvents();
        return mostrada;
    }
};

}  // namespace

class TestTFormPrincConfig : public QObject
{
    Q_OBJECT
private slots:
    void configurarAbreJanelaModalPreenchida();
    void ajudaFicaUtilizavelSobreAJanela();
    void leituraQueFalhaNaoMostraJanela();
    void comandoDesligadoComOLinkEmUso();
    void configuraPelaJanelaEColetaDepois();
};

void TestTFormPrincConfig::configurarAbreJanelaModalPreenchida()
{
    Bancada b;
    QVERIFY(b.item("ItemConfigurar")->isEnabled());
    QVERIFY(b.botao("SpeedButtonConectar")->isEnabled());
    QString titulo;
    bool modal = false;
    const bool mostrada = b.configura([&](TFrmConfig *janela) {
        if (!janela)
            return;
        modal = janela->isModal();
        titulo = janela->findChild<QLineEdit *>(QStringLiteral("EditTitulo"))->text();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    });
    QVERIFY(mostrada);
    QVERIFY(modal);
    QCOMPARE(titulo, QStringLiteral("Forno 3"));
    // Cancel: the three reads, nothing written; the window is gone.
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 0);
    QCOMPARE(b.tarvek.naoVolateisRecebidos(), 0);
    QVERIFY(b.princ->findChild<TFrmConfig *>() == nullptr);
    QVERIFY(b.mensagens.registro.isEmpty());
}

void TestTFormPrincConfig::ajudaFicaUtilizavelSobreAJanela()
{
    Bancada b;
    bool daJanela = false;
    bool visivel = false;
    QString palavra;
    b.configura([&](TFrmConfig *janela) {
        if (!janela)
            return;
        janela->findChild<QPushButton *>(QStringLiteral("HelpBtn"))->click();
        auto *ajuda = b.princ->findChild<JanelaAjuda *>();
        if (!ajuda)
            return;
        // A window of the modal one, not of the frame (which the modal
        // window blocks), so that it takes input while both are open.
        daJanela = ajuda->parentWidget() == janela;
        visivel = ajuda->isVisible();
        palavra = ajuda->navegador()->source().fragment();
    });
    QVERIFY(daJanela);
    QVERIFY(visivel);
    QCOMPARE(palavra, QStringLiteral("Iniciar_Aquisi__o"));
    // Asked later from the frame, the help belongs to the frame again.
    b.princ->ItemConteudoClick();
    auto *ajuda = b.princ->findChild<JanelaAjuda *>();
    QVERIFY(ajuda);
    QCOMPARE(ajuda->parentWidget(), b.princ.get());
}

void TestTFormPrincConfig::leituraQueFalhaNaoMostraJanela()
{
    QByteArray json(Descricao);
    json.replace(R"("desdeUltima": 8 })",
        R"("desdeUltima": 8 }, "falhas": [{ "tipo": "silencio", "alvo": "LeNaoVolateis" }])");
    Bancada b(json);
    const bool mostrada = b.configura([](TFrmConfig *) {});
    QVERIFY(!mostrada);
    QCOMPARE(b.mensagens.textos().last(), QStringLiteral("Falhou leitura dos parâmetros não-voláteis."));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(b.princ->findChild<TFrmConfig *>() == nullptr);
}

void TestTFormPrincConfig::comandoDesligadoComOLinkEmUso()
{
    Bancada b;
    bool ligadoDuranteLeitura = true;
    b.relogio.aoProcessarMensagens = [&] {
        if (b.princ->Datalogger().EmUso())
            ligadoDuranteLeitura = ligadoDuranteLeitura && b.item("ItemConfigurar")->isEnabled();
    };
    b.configura([](TFrmConfig *) {});
    QVERIFY(!ligadoDuranteLeitura);
    QVERIFY(b.item("ItemConfigurar")->isEnabled());
    // Without a port the command does nothing and is off.
    b.princ->Datalogger().FechaComunicacao();
    b.princ->EstadoPorta = -1;
    QVERIFY(!b.configura([](TFrmConfig *) {}));
}

void TestTFormPrincConfig::configuraPelaJanelaEColetaDepois()
{
    Bancada b;
    const bool mostrada = b.configura([](TFrmConfig *janela) {
        if (!janela)
            return;
        auto *titulo = janela->findChild<QLineEdit *>(QStringLiteral("EditTitulo"));
        titulo->setText(QStringLiteral("Forno 4"));
        emit titulo->textEdited(titulo->text());
        janela->findChild<QComboBox *>(QStringLiteral("ComboBoxSensor2"))->setCurrentIndex(0);
        janela->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
    QVERIFY(mostrada);
    QCOMPARE(b.mensagens.textos(),
        QStringList({ QStringLiteral("Sobrescrever configuração do Tarvek?"),
            QStringLiteral("Configuração realizada com sucesso!") }));
    QCOMPARE(b.tarvek.configuracoesRecebidas(), 1);
    b.relogio.avanca(65 * 1000);
    b.mensagens.registro.clear();
    b.princ->ItemColetarDadosClick();
    QVERIFY2(b.mensagens.registro.isEmpty(), qPrintable(b.mensagens.textos().join(u'|')));
    const auto filhas = b.princ->mdiArea()->subWindowList();
    TFormGrafico *grafico = nullptr;
    for (QMdiSubWindow *s : filhas)
        if (tipoJanela(s) == TipoJanela::Grafico)
            grafico = qobject_cast<TFormGrafico *>(s->widget());
    QVERIFY(grafico);
    QCOMPARE(grafico->windowTitle(), QStringLiteral("Forno 4 - Gráfico"));
    QCOMPARE(grafico->aquisicao().NumCanais, 1);
    QCOMPARE(grafico->aquisicao().NumLeituras(), 6);
}

QUORVANE_TEST_MAIN(TestTFormPrincConfig)
#include "tst_TFormPrincConfig.moc"
