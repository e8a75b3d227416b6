// The merged-graph window: the series its entries take, the axes by unit,
// the zoom steps, saving and the save question.
#include "AmbienteFalso.h"
#include "ArquivoQvj.h"
#include "DataHora.h"
#include "DialogosArquivoFalsos.h"
#include "GraficoLinhas.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"
#include "TFormJuncao.h"

#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A one-channel entry on the given channel (or a two-channel one), an hour
// of readings a minute apart.
TNodoJuncao entrada(int canais, const QString &unidade, int canalUnico = 1, double base = 20)
{
    TNodoJuncao e;
    e.NumCanais = canais;
    e.NomeCanal1 = QStringLiteral("Forno");
    e.NomeCanal2 = QStringLiteral("Umidade");
    (canalUnico == 2 ? e.UnidadeCanal2 : e.UnidadeCanal1) = unidade;
    if (canais == 2)
        e.UnidadeCanal2 = unidade;
    e.IntervaloAquisicoes = 60;
    e.Inicio = DataHora::codifica(2024, 3, 5, 8, 0, 0).value();
    e.Fim = e.Inicio;
    for (int i = 0; i <= 60; ++i)
        e.Leituras.emplace_back(base + i * 3, base + 200 - i);
    e.defineSensoresPorUnidade();
    return e;
}

std::vector<TNodoJuncao> tresUmCanal()
{
    return { entrada(1, QStringLiteral("°C")), entrada(1, QStringLiteral("%"), 2, 40),
        entrada(1, QStringLiteral("°C"), 1, 300) };
}

}  // namespace

class tst_TFormJuncao : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void janelaVazia();
    void tresEntradasDeUmCanal();
    void quatroEntradasDeDoisCanais();
    void zoomDuasVezesEVoltaAoInicio();
    void zoomNoEixoDireitoSoComOutraUnidade();
    void gravaELeDeVolta();
    void gravacaoQueFalhaAvisa();
    void perguntaAoFechar_data();
    void perguntaAoFechar();
    void lerComCruzMostraAData();

private:
    std::unique_ptr<AmbienteFalso> m_amb;
    DialogosArquivoFalsos m_dialogos;
    std::unique_ptr<TFormJuncao> m_janela;
    QTemporaryDir m_pasta;
};

void tst_TFormJuncao::init()
{
    m_amb = std::make_unique<AmbienteFalso>();
    m_dialogos = DialogosArquivoFalsos();
    TFormJuncao::Ligacoes l;
    l.dialogos = &m_dialogos;
    m_janela = std::make_unique<TFormJuncao>(m_amb->ambiente, l);
    m_janela->resize(800, 500);
}

void tst_TFormJuncao::cleanup()
{
    m_janela.reset();
    m_amb.reset();
}

void tst_TFormJuncao::janelaVazia()
{
    QCOMPARE(m_janela->windowTitle(), QStringLiteral("Junção de Gráficos"));
    QCOMPARE(m_janela->Label1->text(), QStringLiteral(" Data: "));
    QCOMPARE(m_janela->ChartJuncao->quantasSeries(), 9);
    QCOMPARE(m_janela->Series[3]->titulo(), QStringLiteral("Canal3"));
    QCOMPARE(m_janela->Series[4]->eixoVertical(), EixoGrafico::Direito);
    QCOMPARE(m_janela->Series[6]->cor(), QColor(0x80, 0, 0x40));
    // Green and lime are two colours; no two channel series look alike.
    QCOMPARE(m_janela->Series[3]->cor(), QColor(0, 0x80, 0));
    QCOMPARE(m_janela->Series[8]->cor(), QColor(0, 0xff, 0));
    QSet<QRgb> cores;
    for (int i = 1; i <= 8; ++i)
        cores.insert(m_janela->Series[size_t(i)]->cor().rgb());
    QCOMPARE(cores.size(), 8);
}

// Series 1 to 3 carry the entries, each on the axis of its unit (the second
// on its channel 2); 4 to 8 are inactive.
void tst_TFormJuncao::tresEntradasDeUmCanal()
{
    m_janela->MontaGrafico(tresUmCanal(), false, QStringLiteral("°C"), QStringLiteral("%"));
    const auto &s = m_janela->Series;
    QCOMPARE(s[1]->titulo(), QStringLiteral("Forno(°C)"));
    QCOMPARE(s[2]->titulo(), QStringLiteral("Umidade(%)"));
    QCOMPARE(s[1]->eixoVertical(), EixoGrafico::Esquerdo);
    QCOMPARE(s[2]->eixoVertical(), EixoGrafico::Direito);
    QCOMPARE(s[3]->eixoVertical(), EixoGrafico::Esquerdo);
    QCOMPARE(s[2]->y(1), 239.0);
    QCOMPARE(s[3]->y(0), 300.0);
    for (int i = 1; i <= 3; ++i)
        QVERIFY(s[size_t(i)]->visivel());
    for (int i = 4; i <= 8; ++i)
        QVERIFY(!s[size_t(i)]->visivel());
    QCOMPARE(m_janela->ChartJuncao->tituloEixo(EixoGrafico::Esquerdo), QStringLiteral(" (°C )"));
    QCOMPARE(m_janela->ChartJuncao->tituloEixo(EixoGrafico::Direito), QStringLiteral(" (% )"));
    QVERIFY(!m_janela->salvo());
}

void tst_TFormJuncao::quatroEntradasDeDoisCanais()
{
    std::vector<TNodoJuncao> e;
    for (int i = 0; i < 4; ++i)
        e.push_back(entrada(2, QStringLiteral("°C"), 1, 10.0 * i));
    m_janela->MontaGrafico(e, true, QStringLiteral("°C"), QString());
    for (int i = 1; i <= 8; ++i) {
        QVERIFY(m_janela->Series[size_t(i)]->visivel());
        QCOMPARE(m_janela->Series[size_t(i)]->quantidade(), 61);
    }
    QCOMPARE(m_janela->Series[8]->y(0), 230.0);
    QCOMPARE(m_janela->Series[8]->eixoVertical(), EixoGrafico::Esquerdo);
}

void tst_TFormJuncao::zoomDuasVezesEVoltaAoInicio()
{
    m_janela->MontaGrafico(tresUmCanal(), false, QStringLiteral("°C"), QStringLiteral("%"));
    GraficoLinhas *c = m_janela->ChartJuncao;
    const EscalaEixo inferior = c->escala(EixoGrafico::Inferior);
    const double esquerdoMin = c->minimo(EixoGrafico::Esquerdo);
    const double esquerdoMax = c->maximo(EixoGrafico::Esquerdo);
    m_janela->ZoomIn();
    QCOMPARE(c->minimo(EixoGrafico::Esquerdo), esquerdoMin + 50);
    QCOMPARE(c->maximo(EixoGrafico::Esquerdo), esquerdoMax - 50);
    QCOMPARE(qRound64(c->minimo(EixoGrafico::Inferior) * 86400), qRound64(inferior.minimo() * 86400) + 1);
    m_janela->ZoomIn();
    m_janela->ZoomOut();
    m_janela->ZoomOut();
    QCOMPARE(c->minimo(EixoGrafico::Esquerdo), esquerdoMin);
    QCOMPARE(c->maximo(EixoGrafico::Esquerdo), esquerdoMax);
    QCOMPARE(qRound64(c->minimo(EixoGrafico::Inferior) * 86400), qRound64(inferior.minimo() * 86400));
    QCOMPARE(qRound64(c->maximo(EixoGrafico::Inferior) * 86400), qRound64(inferior.maximo() * 86400));
    m_janela->UndoZoom();
    QVERIFY(c->automatico(EixoGrafico::Esquerdo));
}

void tst_TFormJuncao::zoomNoEixoDireitoSoComOutraUnidade()
{
    m_janela->MontaGrafico(tresUmCanal(), false, QStringLiteral("°C"), QStringLiteral("%"));
    const double direitoMin = m_janela->ChartJuncao->minimo(EixoGrafico::Direito);
    m_janela->ZoomIn();
    QCOMPARE(m_janela->ChartJuncao->minimo(EixoGrafico::Direito), direitoMin + 50);

    std::vector<TNodoJuncao> mesma { entrada(1, QStringLiteral("°C")), entrada(1, QStringLiteral("°C")) };
    m_janela->UndoZoom();
    m_janela->MontaGrafico(mesma, false, QStringLiteral("°C"), QStringLiteral("°C"));
    m_janela->ZoomIn();
    QVERIFY(m_janela->ChartJuncao->automatico(EixoGrafico::Direito));
}

// The file holds what the window shows: each entry's end as the chart
// drew it, the units of the axes.
void tst_TFormJuncao::gravaELeDeVolta()
{
    m_janela->MontaGrafico(tresUmCanal(), false, QStringLiteral("°C"), QStringLiteral("%"));
    const QString caminho = m_pasta.filePath(QStringLiteral("tres.qvj"));
    QVERIFY(m_janela->Grava_Arquivo(caminho));
    QVERIFY(m_janela->salvo());
    const auto r = ArquivoQvj::leArquivo(caminho, m_amb->regional);
    QCOMPARE(r.erro, ArquivoQvj::Erro::Nenhum);
    QCOMPARE(r.juncao.UnidadeEixoDireito, QStringLiteral("%"));
    QCOMPARE(r.juncao.entradas.size(), size_t(3));
    const TNodoJuncao &umidade = r.juncao.entradas[1];
    QCOMPARE(umidade.canalUnico(), 2);
    QCOMPARE(qRound64((umidade.Fim - umidade.Inicio) * 86400), qint64(3600));
    QCOMPARE(umidade.Leituras[1], TLeitura(43, 239));
}

void tst_TFormJuncao::gravacaoQueFalhaAvisa()
{
    m_janela->MontaGrafico(tresUmCanal(), true, QStringLiteral("°C"), QStringLiteral("%"));
    QVERIFY(!m_janela->Grava_Arquivo(m_pasta.filePath(QStringLiteral("nao/existe.qvj"))));
    QVERIFY(!m_janela->salvo());
    QCOMPARE(m_amb->mensagens.textos(), QStringList { QStringLiteral("Erro na gravação do arquivo") });
}

void tst_TFormJuncao::perguntaAoFechar_data()
{
    QTest::addColumn<bool>("doArquivo");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<bool>("pergunta");
    QTest::addColumn<bool>("fecha");
    const int sim = int(IMensagens::Resposta::Sim);
    const int nao = int(IMensagens::Resposta::Nao);
    const int cancela = int(IMensagens::Resposta::Cancela);
    QTest::newRow("aberta de arquivo") << true << cancela << QString() << false << true;
    QTest::newRow("junção: não") << false << nao << QString() << true << true;
    QTest::newRow("junção: cancela") << false << cancela << QString() << true << false;
    QTest::newRow("junção: sim e grava") << false << sim << "j.qvj" << true << true;
    QTest::newRow("junção: sim e diálogo cancelado") << false << sim << QString() << true << false;
    QTest::newRow("junção: sim e gravação falha") << false << sim << "nao/existe.qvj" << true << false;
}

void tst_TFormJuncao::perguntaAoFechar()
{
    QFETCH(bool, doArquivo);
    QFETCH(int, resposta);
    QFETCH(QString, arquivo);
    QFETCH(bool, pergunta);
    QFETCH(bool, fecha);
    m_janela->MontaGrafico(tresUmCanal(), doArquivo, QStringLiteral("°C"), QStringLiteral("%"));
    m_amb->mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta(resposta));
    m_dialogos.respostasSalvar.enqueue(arquivo.isEmpty() ? QString() : m_pasta.filePath(arquivo));
    m_janela->show();
    QCOMPARE(m_janela->close(), fecha);
    QCOMPARE(
        m_amb->mensagens.textos().contains(QStringLiteral(" Deseja salvar a junção de gráficos?")), pergunta);
    if (resposta == int(IMensagens::Resposta::Sim) && pergunta) {
        QCOMPARE(m_dialogos.pedidos.size(), 1);
        QCOMPARE(m_dialogos.pedidos[0].extensaoPadrao, QStringLiteral("qvj"));
        QCOMPARE(m_dialogos.pedidos[0].nomeProposto, QStringLiteral("Junção de Gráficos"));
        QCOMPARE(m_dialogos.pedidos[0].titulo, QStringLiteral("Salvar Arquivo Junção Quorvane"));
        // A cancelled dialog writes nothing and warns of nothing.
        if (arquivo.isEmpty())
            QCOMPARE(m_amb->mensagens.textos().size(), 1);
    }
}

void tst_TFormJuncao::lerComCruzMostraAData()
{
    m_janela->MontaGrafico(tresUmCanal(), false, QStringLiteral("°C"), QStringLiteral("%"));
    m_janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_janela.get()));
    const QRect area = m_janela->ChartJuncao->areaGrafico();
    QTest::mouseMove(m_janela->ChartJuncao, area.topLeft() + QPoint(1, area.height() / 2));
    QVERIFY(m_janela->Label1->text().startsWith(QStringLiteral(" Data: 05/03/2024 08:00:")));
    QVERIFY(m_janela->cruzX() >= 0);
    // On the screen's pixels the cross's colour (the one most of its
    // vertical line shows, over the background) is the colour of no series.
    m_janela->ChartJuncao->update();
    const QImage tela = m_janela->ChartJuncao->grab().toImage();
    QHash<QRgb, int> vezes;
    for (int y = area.top() + 2; y < area.bottom() - 2; ++y)
        ++vezes[tela.pixel(area.left() + 1, y)];
    QRgb cruz = 0;
    for (auto it = vezes.cbegin(); it != vezes.cend(); ++it)
        if (it.value() > vezes.value(cruz))
            cruz = it.key();
    QVERIFY(cruz != qRgb(255, 255, 255));
    for (int i = 1; i <= 8; ++i)
        QVERIFY2(cruz != m_janela->Series[size_t(i)]->cor().rgb(), qPrintable(QString::number(i)));
}

QUORVANE_TEST_MAIN(tst_TFormJuncao)
#include "tst_TFormJuncao.moc"
