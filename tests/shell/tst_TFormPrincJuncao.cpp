// The main window's merge: the checks of the merge command with their
// messages, the merged window it opens, opening and saving merged-graph
// files, and the commands that follow a merged window.
#include "BancadaPrinc.h"

#include "ArquivoQvj.h"
#include "DialogosArquivoFalsos.h"
#include "JanelaFilha.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"

#include <QMdiArea>
#include <QMdiSubWindow>

using ListaGraficos = QList<QPair<int, QString>>;

class TestTFormPrincJuncao : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void juncao_data();
    void juncao();
    void comandoSoComDoisGraficos();
    void abrirJuncao_data();
    void abrirJuncao();
    void salvarJuncaoAtiva();
    void fecharTodasPerguntaPelaJuncao();

private:
    void abreGraficos(const ListaGraficos &graficos);

    std::unique_ptr<BancadaPrinc> m_b;
    DialogosArquivoFalsos m_dialogos;
    QTemporaryDir m_pasta;
};

void TestTFormPrincJuncao::init()
{
    m_dialogos = DialogosArquivoFalsos();
    m_b = BancadaPrinc::comGraficos(&m_dialogos);
}

void TestTFormPrincJuncao::cleanup()
{
    m_b->encerraSemPerguntas();
    m_b.reset();
}

void TestTFormPrincJuncao::abreGraficos(const ListaGraficos &graficos)
{
    int n = 0;
    for (const auto &[canais, unidade] : graficos)
        m_b->princ->NovoGrafico(QStringLiteral("G%1").arg(++n), documentoForno(canais, unidade), true);
}

void TestTFormPrincJuncao::juncao_data()
{
    using Lista = ListaGraficos;
    QTest::addColumn<Lista>("graficos");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<int>("series");
    const QString c = QStringLiteral("°C");
    QTest::newRow("uma janela") << Lista { { 1, c } } << "Número insuficiente de gráficos abertos." << 0;
    QTest::newRow("duas janelas") << Lista { { 1, c }, { 2, c } } << QString() << 3;
    QTest::newRow("°C, °C e %") << Lista { { 1, c }, { 1, c }, { 1, "%" } } << QString() << 3;
    QTest::newRow("uma quarta unidade") << Lista { { 1, c }, { 1, c }, { 1, "%" }, { 1, "bar" } }
                                        << "Unidades excedem o limite de junção de gráficos." << 0;
    QTest::newRow("oito canais") << Lista { { 2, c }, { 2, c }, { 2, c }, { 2, c } } << QString() << 8;
    QTest::newRow("nove canais") << Lista { { 2, c }, { 2, c }, { 2, c }, { 2, c }, { 1, c } }
                                 << "O número de canais excede a capacidade de resolução do gráfico." << 0;
}

void TestTFormPrincJuncao::juncao()
{
    QFETCH(ListaGraficos, graficos);
    QFETCH(QString, mensagem);
    QFETCH(int, series);
    abreGraficos(graficos);
    m_b->mensagens.registro.clear();
    m_b->princ->ItemJuncaoClick();
    QCOMPARE(m_b->mensagens.textos(), mensagem.isEmpty() ? QStringList() : QStringList { mensagem });
    if (!mensagem.isEmpty()) {
        const auto tipo
            = graficos.size() < 2 ? MensagemRegistrada::Tipo::Erro : MensagemRegistrada::Tipo::Aviso;
        QCOMPARE(m_b->mensagens.registro[0].tipo, tipo);
    }
    QCOMPARE(m_b->janelas(TipoJanela::Juncao), series ? 1 : 0);
    if (!series)
        return;
    auto *j = qobject_cast<TFormJuncao *>(m_b->princ->JuncaoAtual());
    QVERIFY(j);
    int visiveis = 0;
    for (int i = 1; i <= 8; ++i)
        visiveis += j->Series[size_t(i)]->visivel() ? 1 : 0;
    QCOMPARE(visiveis, series);
    QVERIFY(!j->salvo());
    if (graficos.size() == 3)
        QCOMPARE(j->UnidadeEixoDireito, QStringLiteral("%"));
}

void TestTFormPrincJuncao::comandoSoComDoisGraficos()
{
    abreGraficos({ { 1, QStringLiteral("°C") } });
    QVERIFY(!m_b->item("ItemJuncao")->isEnabled());
    abreGraficos({ { 1, QStringLiteral("°C") } });
    QVERIFY(m_b->item("ItemJuncao")->isEnabled());
    QVERIFY(m_b->botao("SpeedButtonSobreporGraficos")->isEnabled());
    m_b->princ->ItemJuncaoClick();
    // With the merged window active: save, print and zoom stay, export and
    // the graph's views go.
    QVERIFY(m_b->item("ItemSalvar")->isEnabled());
    QVERIFY(m_b->item("ItemZoomMais")->isEnabled());
    QVERIFY(!m_b->item("ItemExportar")->isEnabled());
    QVERIFY(!m_b->item("ItemDados")->isEnabled());
}

void TestTFormPrincJuncao::abrirJuncao_data()
{
    QTest::addColumn<QString>("linha3");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("junção") << QString() << QString();
    QTest::newRow("cabeçalho ilegível") << "abc"
                                        << "Arquivo não existe!";
    QTest::newRow("mais entradas que o arquivo tem") << "3"
                                                     << "Arquivo não existe!";
    QTest::newRow("mais entradas que canais") << "9"
                                              << "Formato de arquivo inválido. Verifique sua configuração";
}

void TestTFormPrincJuncao::abrirJuncao()
{
    QFETCH(QString, linha3);
    QFETCH(QString, mensagem);
    ArquivoQvj::Juncao juncao;
    juncao.UnidadeEixoEsquerdo = QStringLiteral("°C");
    juncao.entradas = { TNodoJuncao::deAquisicao(documentoForno(2, QStringLiteral("°C"))),
        TNodoJuncao::deAquisicao(documentoForno(1, QStringLiteral("°C"))) };
    QByteArray bytes = ArquivoQvj::conteudo(juncao, m_b->regional);
    if (!linha3.isEmpty()) {
        QList<QByteArray> linhas = bytes.split('\n');
        linhas[2] = linha3.toLatin1() + '\r';
        bytes = linhas.join('\n');
    }
    const QString caminho = m_pasta.filePath(QStringLiteral("j.qvj"));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    m_dialogos.respostasAbrir.enqueue({ caminho, 1 });
    m_b->princ->ItemAbrirClick();
    QCOMPARE(m_b->mensagens.textos(), mensagem.isEmpty() ? QStringList() : QStringList { mensagem });
    QCOMPARE(m_b->janelas(TipoJanela::Juncao), mensagem.isEmpty() ? 1 : 0);
    if (mensagem.isEmpty()) {
        auto *j = qobject_cast<TFormJuncao *>(m_b->princ->JuncaoAtual());
        QVERIFY(j->salvo());
        QCOMPARE(j->Series[3]->quantidade(), 20);
        QVERIFY(!j->Series[4]->visivel());
    }
}

void TestTFormPrincJuncao::salvarJuncaoAtiva()
{
    abreGraficos({ { 1, QStringLiteral("°C") }, { 1, QStringLiteral("%") } });
    m_b->princ->ItemJuncaoClick();
    const QString caminho = m_pasta.filePath(QStringLiteral("salva.qvj"));
    m_dialogos.respostasSalvar.enqueue(caminho);
    m_b->princ->ItemSalvarClick();
    QCOMPARE(m_dialogos.pedidos.size(), 1);
    QCOMPARE(m_dialogos.pedidos[0].filtro, QStringLiteral("Arquivos Junção Quorvane (*.qvj)|*.qvj"));
    QCOMPARE(m_dialogos.pedidos[0].nomeProposto, QStringLiteral("Junção de Gráficos"));
    const auto r = ArquivoQvj::leArquivo(caminho, m_b->regional);
    QCOMPARE(r.erro, ArquivoQvj::Erro::Nenhum);
    QCOMPARE(r.juncao.UnidadeEixoDireito, QStringLiteral("%"));
    QVERIFY(qobject_cast<TFormJuncao *>(m_b->princ->JuncaoAtual())->salvo());
}

// The merged window has its question too when every window closes and when
// the program closes; Cancel keeps it.
void TestTFormPrincJuncao::fecharTodasPerguntaPelaJuncao()
{
    abreGraficos({ { 1, QStringLiteral("°C") }, { 1, QStringLiteral("°C") } });
    m_b->princ->ItemJuncaoClick();
    m_b->mensagens.registro.clear();
    m_b->mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Cancela);
    m_b->princ->ItemFecharTodasClick();
    QCoreApplication::processEvents();
    QCOMPARE(m_b->mensagens.textos(), QStringList { QStringLiteral(" Deseja salvar a junção de gráficos?") });
    QCOMPARE(m_b->janelas(TipoJanela::Juncao), 1);
    // Closing the program asks it too.
    m_b->mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Cancela);
    QVERIFY(!m_b->princ->close());
    QCOMPARE(m_b->mensagens.textos().size(), 2);
}

QUORVANE_TEST_MAIN(TestTFormPrincJuncao)
#include "tst_TFormPrincJuncao.moc"
