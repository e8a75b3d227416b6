// "Coletar Dados" from the main window against the simulated Tarvek: the
// progress window while the pages come, the graph window with its views,
// the failures that leave no window, and closing the program with a
// collection not yet saved.
#include "BancadaPrinc.h"

#include "DescricaoTarvek.h"
#include "DialogosArquivoFalsos.h"
#include "JanelaFilha.h"
#include "RegistroTestes.h"
#include "TFormGrafico.h"
#include "TFrmProgress.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>

namespace {

const char *const Descricao = R"({
  "relogio": "2026-12-07T09:30:00", "titulo": "Forno 3", "intervalo": "00:00:10",
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
    DialogosArquivoFalsos dialogos;

    explicit Bancada(const QByteArray &json = Descricao)
        : BancadaPrinc(Ini)
    {
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(json, &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)), &erro))
            qFatal("%s", qPrintable(erro));
        princ->defineDialogos(&dialogos);
        mostra();
        // What the first show says (no formula library here) is not ours.
        mensagens.registro.clear();
    }

    QList<QMdiSubWindow *> filhas(TipoJanela tipo) const
    {
        QList<QMdiSubWindow *> lista;
        for (QMdiSubWindow *s : princ->mdiArea()->subWindowList())
            if (tipoJanela(s) == tipo)
                lista << s;
        return lista;
    }
    TFormGrafico *grafico() const
    {
        const auto g = filhas(TipoJanela::Grafico);
        return g.isEmpty() ? nullptr : qobject_cast<TFormGrafico *>(g.first()->widget());
    }
};

}  // namespace

class TestTFormPrincColeta : public QObject
{
    Q_OBJECT
private slots:
    void coletaAbreGraficoComVistas();
    void progressoDuranteAsPaginas();
    void falhaNaoDeixaJanela_data();
    void falhaNaoDeixaJanela();
    void limiteDeGraficosAntesDeQualquerTroca();
    void fecharProgramaPerguntaPorColetaNaoSalva();
};

void TestTFormPrincColeta::coletaAbreGraficoComVistas()
{
    Bancada b;
    QCOMPARE(b.princ->EstadoPorta, 0);
    b.princ->ItemColetarDadosClick();
    QVERIFY2(b.mensagens.registro.isEmpty(), qPrintable(b.mensagens.textos().join(u'|')));
    TFormGrafico *g = b.grafico();
    QVERIFY(g);
    QCOMPARE(g->windowTitle(), QStringLiteral("Forno 3 - Gráfico"));
    QCOMPARE(g->aquisicao().NumLeituras(), 600);
    QVERIFY(!g->salvo());
    QCOMPARE(b.filhas(TipoJanela::Dados).size(), 1);
    QCOMPARE(b.filhas(TipoJanela::Informacoes).size(), 1);
    QCOMPARE(b.princ->GraficoAtual(), g);
    QVERIFY(!b.princ->FrmProgress()->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // The save command proposes the title.
    b.princ->ItemSalvarClick();
    QCOMPARE(b.dialogos.pedidos.last().nomeProposto, QStringLiteral("Forno 3"));
}

void TestTFormPrincColeta::progressoDuranteAsPaginas()
{
    Bancada b;
    TFrmProgress *janela = b.princ->FrmProgress();
    QVERIFY(janela);
    QList<int> posicoes;
    bool visivel = false;
    b.relogio.aoProcessarMensagens = [&] {
        if (janela->isVisible()) {
            visivel = true;
            if (posicoes.isEmpty() || posicoes.last() != janela->ProgressBar()->value())
                posicoes << janela->ProgressBar()->value();
        }
    };
    // Busy from the first wait for the logger, before any page: the window
    // with its text and the hourglass; a second click meanwhile does nothing.
    QString primeiroTexto;
    b.relogio.aoAvancar = [&](int64_t) {
        if (!primeiroTexto.isNull())
            return;
        primeiroTexto = janela->isVisible() ? janela->Label()->text() : QStringLiteral("");
        QVERIFY(QApplication::overrideCursor());
        b.princ->ItemColetarDadosClick();
    };
    b.princ->ItemColetarDadosClick();
    QCOMPARE(primeiroTexto, QStringLiteral("Aguardando o Tarvek..."));
    QCOMPARE(b.filhas(TipoJanela::Grafico).size(), 1);
    QVERIFY(visivel);
    QCOMPARE(janela->windowTitle(), QStringLiteral("Progresso "));
    QCOMPARE(janela->Label()->text(), QStringLiteral("Coletando aquisições..."));
    QVERIFY(janela->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!janela->isModal());
    // 600 acquisitions of 4 bytes end on page 1: two pages, the bar from 0.
    QCOMPARE(janela->ProgressBar()->maximum(), 2);
    QCOMPARE(posicoes, QList<int>({ 0, 1, 2 }));
}

void TestTFormPrincColeta::falhaNaoDeixaJanela_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("mensagem");

    QByteArray pagina(Descricao);
    pagina.replace(R"("desdeUltima": 8 })",
        R"("desdeUltima": 8 }, "falhas": [{ "tipo": "silencio", "alvo": "LePagina" }])");
    QTest::newRow("page") << pagina << QStringLiteral("Falha no comando de Upload.");
    QByteArray vazio(Descricao);
    vazio.replace(R"("quantidade": 600)", R"("quantidade": 0)");
    QTest::newRow("nothing stored") << vazio << QStringLiteral("Nenhuma aquisição foi efetuada.");
}

void TestTFormPrincColeta::falhaNaoDeixaJanela()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, mensagem);
    Bancada b(json);
    b.princ->ItemColetarDadosClick();
    QCOMPARE(b.mensagens.textos(), QStringList { mensagem });
    QCOMPARE(b.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::Aviso);
    QVERIFY(b.princ->mdiArea()->subWindowList().isEmpty());
    QVERIFY(!b.princ->FrmProgress()->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(b.princ->numeracaoGraficos().ContadorGraficos(), 0);
}

void TestTFormPrincColeta::limiteDeGraficosAntesDeQualquerTroca()
{
    Bancada b;
    QObject marcador;
    for (int i = 0; i < NumeracaoGraficos::Limite; ++i)
        b.princ->numeracaoGraficos().registra(&marcador);
    const int64_t antes = b.relogio.agora;
    b.princ->ItemColetarDadosClick();
    QCOMPARE(b.mensagens.textos(),
        QStringList { QStringLiteral("Memória não disponível. Reinicialize o Quorvane.") });
    // Nothing was exchanged: the link never waited.
    QCOMPARE(b.relogio.agora, antes);
    QVERIFY(b.princ->mdiArea()->subWindowList().isEmpty());
}

void TestTFormPrincColeta::fecharProgramaPerguntaPorColetaNaoSalva()
{
    Bancada b;
    b.princ->ItemColetarDadosClick();
    QVERIFY(b.grafico());
    b.mensagens.registro.clear();

    b.mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Cancela);
    QVERIFY(!b.princ->close());
    QCOMPARE(b.mensagens.textos(), QStringList { QStringLiteral("Deseja salvar o gráfico \"Forno 3\" ?") });
    QVERIFY(b.princ->isVisible());
    QVERIFY(b.grafico());
    QCOMPARE(b.filhas(TipoJanela::Dados).size(), 1);
    QCOMPARE(b.princ->EstadoPorta, 0);

    // Yes saves through the dialog, then everything closes, the port last.
    const QString arquivo = b.pasta.filePath(QStringLiteral("forno.qvg"));
    b.mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Sim);
    b.dialogos.respostasSalvar.enqueue(arquivo);
    QVERIFY(b.princ->close());
    QVERIFY(QFile::exists(arquivo));
    QCOMPARE(b.princ->EstadoPorta, -1);
}

QUORVANE_TEST_MAIN(TestTFormPrincColeta)
#include "tst_TFormPrincColeta.moc"
