// The graph window: building the graph from one- and two-channel
// documents, the axis limits and the single scale, the channel boxes and
// margins, the save question, the save name and closing; in a frame, its
// time labels after maximising, restoring, tiling and cascading, and a
// whole chart in a small tile.
#include "AmbienteFalso.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "DialogosArquivoFalsos.h"
#include "EscolhaRotulos.h"
#include "GraficoLinhas.h"
#include "NumeracaoGraficos.h"
#include "RegistroTestes.h"
#include "Registros.h"
#include "SerieLinhas.h"
#include "TFormGrafico.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Temp (°C, 1 decimal, 4-20 mA limits 0..1000) and Umid (%, 0 decimals,
// limits 20..80); values inside both ranges.
TAquisicao documento(int canais, bool soCanal2 = false, int quantas = 50)
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Forno");
    a.NumCanais = canais;
    a.SensorCanal1 = soCanal2 ? -1 : 9;
    a.SensorCanal2 = canais != 1 || soCanal2 ? 10 : -1;
    a.NomeCanal1 = QStringLiteral("Temp");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.UnidadeCanal2 = QStringLiteral("%");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 0;
    a.LimInfCanal1 = 0;
    a.LimSupCanal1 = 1000;
    a.LimInfCanal2 = 20;
    a.LimSupCanal2 = 80;
    a.defineIntervalo(10);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    for (int i = 0; i < quantas; ++i)
        a.adicionaLeitura(soCanal2 ? 0.0 : 20.0 + i % 50, 30.0 + i % 50 / 2.0);
    return a;
}

}  // namespace

class tst_TFormGrafico : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void umCanalGravadoNoCanal2_data();
    void umCanalGravadoNoCanal2();
    void escalaUnica_data();
    void escalaUnica();
    void limiteRecusadoVoltaAoAutomatico_data();
    void limiteRecusadoVoltaAoAutomatico();
    void margensDasCaixasDeCanal_data();
    void margensDasCaixasDeCanal();
    void eixoDeTempoComRotulosETitulo_data();
    void eixoDeTempoComRotulosETitulo();
    void eixosMostraGradeDosEixosDeValor();
    void ativacaoDaMolduraNaoTornaAtual();
    void eixoDeTempoMostraRotulosDaPrimeiraSerieVisivel();
    void cruzSegueMouseSoComCaixaMarcada_data();
    void cruzSegueMouseSoComCaixaMarcada();
    void perguntaAoFechar_data();
    void perguntaAoFechar();
    void simSemGravarMantemJanela_data();
    void simSemGravarMantemJanela();
    void simESalvarGravaArquivo();
    void integridadeDoArquivoAberto_data();
    void integridadeDoArquivoAberto();
    void nomeParaSalvarSemSufixoNemProibidos_data();
    void nomeParaSalvarSemSufixoNemProibidos();
    void rotulosAposMaximizarRestaurarEOrganizar();
    void rotulosDesdeAPrimeiraPintura_data();
    void rotulosDesdeAPrimeiraPintura();
    void janelasLadoALadoMostramGraficoInteiro();

private:
    TFormGrafico *cria(TAquisicao a, const QString &nome = QStringLiteral("Forno"));

    DialogosArquivoFalsos m_dialogos;
    NumeracaoGraficos m_numeracao;
    AmbienteFalso m_falsos;
    QPointer<TFormGrafico> m_janela;
};

void tst_TFormGrafico::init()
{
    m_falsos.mensagens = MensagensFalsas();
    m_dialogos = DialogosArquivoFalsos();
}

void tst_TFormGrafico::cleanup()
{
    delete m_janela.data();
}

TFormGrafico *tst_TFormGrafico::cria(TAquisicao a, const QString &nome)
{
    TFormGrafico::Ligacoes l;
    l.numeracao = &m_numeracao;
    l.dialogos = &m_dialogos;
    m_janela = new TFormGrafico(m_falsos.ambiente, l);
    m_janela->setWindowTitle(nome + m_falsos.catalogo.texto(227));
    m_janela->resize(900, 600);
    m_janela->Seta_Aquisicao(std::move(a));
    m_janela->show();
    return m_janela;
}

void tst_TFormGrafico::umCanalGravadoNoCanal2_data()
{
    QTest::addColumn<QString>("nomeCanal2");
    QTest::addColumn<QString>("tituloSerie");
    QTest::newRow("named") << "Umid"
                           << "Umid";
    QTest::newRow("unnamed takes the default") << ""
                                               << "Canal 2";
}

void tst_TFormGrafico::umCanalGravadoNoCanal2()
{
    QFETCH(QString, nomeCanal2);
    QFETCH(QString, tituloSerie);
    TAquisicao a = documento(1, true);
    a.NomeCanal2 = nomeCanal2;
    TFormGrafico *j = cria(a);
    QVERIFY(!j->Canal2);
    QCOMPARE(j->TheChart->quantasSeries(), 2);  // Series1 and the single series
    QCOMPARE(j->Canal1->eixoVertical(), EixoGrafico::Esquerdo);
    QCOMPARE(j->Canal1->titulo(), tituloSerie);
    QCOMPARE(j->Canal1->quantidade(), 50);
    QCOMPARE(j->Canal1->y(3), 31.5);  // channel 2's value
    QCOMPARE(j->TheChart->tituloEixo(EixoGrafico::Esquerdo), nomeCanal2 + QStringLiteral(" (% )"));
    // Scaled by channel 2's limits and decimals...
    QCOMPARE(j->TheChart->minimo(EixoGrafico::Esquerdo), 20.0);
    QCOMPARE(j->TheChart->maximo(EixoGrafico::Esquerdo), 80.0);
    // ...while the left axis's pattern follows channel 1's decimals.
    QCOMPARE(j->TheChart->formatoValor(EixoGrafico::Esquerdo), QStringLiteral("###,#000.0"));
    QVERIFY(!j->CheckBoxSerie1->isVisible());
    QVERIFY(j->CheckBoxSerie2->isVisible());
    j->CheckBoxSerie2->click();
    QVERIFY(!j->Canal1->visivel());
    j->CheckBoxSerie2->click();
    QVERIFY(j->Canal1->visivel());
}

void tst_TFormGrafico::escalaUnica_data()
{
    QTest::addColumn<int>("canais");
    QTest::addColumn<QList<double>>("antes");  // left min/max, right min/max
    QTest::addColumn<QList<double>>("marcada");
    QTest::newRow("two channels share the widest range")
        << 2 << QList<double> { 0, 100, 20, 80 } << QList<double> { 0, 100, 0, 100 };
    QTest::newRow("one channel: no effect") << 1 << QList<double> { 0, 100 } << QList<double> { 0, 100 };
    QTest::newRow("0 channels count as two")
        << 0 << QList<double> { 0, 100, 20, 80 } << QList<double> { 0, 100, 0, 100 };
    QTest::newRow("negative channels count as two")
        << -1 << QList<double> { 0, 100, 20, 80 } << QList<double> { 0, 100, 0, 100 };
}

void tst_TFormGrafico::escalaUnica()
{
    QFETCH(int, canais);
    QFETCH(QList<double>, antes);
    QFETCH(QList<double>, marcada);
    TFormGrafico *j = cria(documento(canais));
    auto faixas = [&] {
        QList<double> r { j->TheChart->minimo(EixoGrafico::Esquerdo),
            j->TheChart->maximo(EixoGrafico::Esquerdo) };
        if (canais != 1)
            r << j->TheChart->minimo(EixoGrafico::Direito) << j->TheChart->maximo(EixoGrafico::Direito);
        return r;
    };
    QCOMPARE(faixas(), antes);
    j->CheckBoxEscala->click();
    QCOMPARE(faixas(), marcada);
    j->CheckBoxEscala->click();
    QCOMPARE(faixas(), antes);
}

void tst_TFormGrafico::limiteRecusadoVoltaAoAutomatico_data()
{
    QTest::addColumn<int>("inferior");
    QTest::addColumn<int>("superior");
    QTest::addColumn<int>("decimais");
    // Channel 1's range 100..200 lies wholly above its data (20..69): the
    // new minimum is above the present maximum, so the chart refuses it.
    QTest::newRow("range above the data") << 1000 << 2000 << 1;
    // Decimals of an edited file: 10^2147483648 is no finite number.
    QTest::newRow("no finite limit") << 0 << 1000 << -2147483647 - 1;
}

void tst_TFormGrafico::limiteRecusadoVoltaAoAutomatico()
{
    // Either way both value axes scale automatically.
    QFETCH(int, inferior);
    QFETCH(int, superior);
    QFETCH(int, decimais);
    TAquisicao a = documento(2);
    a.LimInfCanal1 = inferior;
    a.LimSupCanal1 = superior;
    a.DecimaisCanal1 = decimais;
    TFormGrafico *j = cria(a);
    QVERIFY(j->TheChart->automatico(EixoGrafico::Esquerdo));
    QVERIFY(j->TheChart->automatico(EixoGrafico::Direito));
    QCOMPARE(j->TheChart->minimo(EixoGrafico::Esquerdo), 20.0);
    QCOMPARE(j->TheChart->maximo(EixoGrafico::Esquerdo), 69.0);
}

void tst_TFormGrafico::margensDasCaixasDeCanal_data()
{
    QTest::addColumn<int>("caixa");
    QTest::addColumn<int>("margemMarcada");
    QTest::addColumn<int>("margemDesmarcada");
    QTest::newRow("channel 1: left margin 4 to 8") << 1 << 4 << 8;
    QTest::newRow("channel 2: right margin 3 to 5") << 2 << 3 << 5;
}

void tst_TFormGrafico::margensDasCaixasDeCanal()
{
    QFETCH(int, caixa);
    QFETCH(int, margemMarcada);
    QFETCH(int, margemDesmarcada);
    TFormGrafico *j = cria(documento(2));
    QCheckBox *box = caixa == 1 ? j->CheckBoxSerie1 : j->CheckBoxSerie2;
    SerieLinhas *serie = caixa == 1 ? j->Canal1 : j->Canal2;
    auto margem = [&] { return caixa == 1 ? j->TheChart->margens().left() : j->TheChart->margens().right(); };
    QCOMPARE(
        box->text(), (caixa == 1 ? QStringLiteral("Temp") : QStringLiteral("Umid")) + QStringLiteral(": "));
    QCOMPARE(margem(), margemMarcada);
    box->click();
    QVERIFY(!serie->visivel());
    QCOMPARE(margem(), margemDesmarcada);
    box->click();
    QVERIFY(serie->visivel());
    QCOMPARE(margem(), margemMarcada);
}

void tst_TFormGrafico::eixoDeTempoComRotulosETitulo_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("rotulo1");
    QTest::addColumn<QString>("rotulo2");
    QTest::addColumn<int>("segundosX");  // x of entry i after Inicio
    QTest::newRow("first entry") << 10.0 << 0 << "10:00:00  01/01/00"
                                 << "10:00:00" << 0;
    QTest::newRow("later entry padded") << 10.0 << 6 << "10:01:00  01/01"
                                        << "01:00 s " << 60;
    QTest::newRow("half-second first") << 0.0 << 0 << "10:00:00 .0 01/01/00"
                                       << "10:00:00 .0 01/01" << 0;
    QTest::newRow("half-second fourth entry spread 120 s") << 0.0 << 3 << "10:00:01 .5 01/01"
                                                           << "10:00:01 .5 01/01" << 360;
}

void tst_TFormGrafico::eixoDeTempoComRotulosETitulo()
{
    QFETCH(double, intervalo);
    QFETCH(int, i);
    QFETCH(QString, rotulo1);
    QFETCH(QString, rotulo2);
    QFETCH(int, segundosX);
    TAquisicao a = documento(2);
    a.defineIntervalo(intervalo);
    TFormGrafico *j = cria(a);
    QCOMPARE(j->Canal1->rotulo(i), rotulo1);
    QCOMPARE(j->Canal2->rotulo(i), rotulo2);
    QCOMPARE(qRound((j->Canal1->x(i) - a.Inicio) * 86400), segundosX);
    const QString ultima
        = intervalo == 0 ? QStringLiteral("01/01/2000 10:00:24 .5") : QStringLiteral("01/01/2000 10:08:10");
    QCOMPARE(j->TheChart->tituloEixo(EixoGrafico::Inferior),
        QStringLiteral("Primeira aquisição: 01/01/2000 10:00:00   Última aquisição: ") + ultima);
}

void tst_TFormGrafico::eixosMostraGradeDosEixosDeValor()
{
    TFormGrafico *j = cria(documento(2));
    QVERIFY(j->CheckBoxGrid->isChecked());
    QCOMPARE(j->CheckBoxGrid->parentWidget(), j->TheChart);
    QVERIFY(j->TheChart->grade(EixoGrafico::Esquerdo));
    QVERIFY(j->TheChart->grade(EixoGrafico::Direito));
    j->CheckBoxGrid->click();
    QVERIFY(!j->TheChart->grade(EixoGrafico::Esquerdo));
    QVERIFY(!j->TheChart->grade(EixoGrafico::Direito));
    j->CheckBoxGrid->click();
    QVERIFY(j->TheChart->grade(EixoGrafico::Esquerdo));
    QVERIFY(j->TheChart->grade(EixoGrafico::Direito));
}

void tst_TFormGrafico::eixoDeTempoMostraRotulosDaPrimeiraSerieVisivel()
{
    TFormGrafico *j = cria(documento(2));
    QVERIFY(QTest::qWaitForWindowExposed(j));
    j->TheChart->redesenha();
    QVector<QString> rotulos = j->TheChart->xAxis->tickVectorLabels();
    QVERIFY(rotulos.size() >= 2);
    QCOMPARE(rotulos[0], QStringLiteral("10:00:00  01/01/00"));
    QVERIFY(rotulos[1].endsWith(QStringLiteral("  01/01")));
    // Channel 1 hidden: channel 2's labels take over.
    j->CheckBoxSerie1->click();
    j->TheChart->redesenha();
    rotulos = j->TheChart->xAxis->tickVectorLabels();
    QVERIFY(rotulos.size() >= 2);
    QCOMPARE(rotulos[0], QStringLiteral("10:00:00"));
    QVERIFY(rotulos[1].endsWith(QStringLiteral(" s")) || rotulos[1].endsWith(QStringLiteral(" m")));
}

void tst_TFormGrafico::ativacaoDaMolduraNaoTornaAtual()
{
    // Every widget of a window hears of that window's activation: a graph
    // inside a frame must not take the frame's activation as its own.
    QWidget moldura;
    TFormGrafico::Ligacoes l;
    auto *dentro = new TFormGrafico(m_falsos.ambiente, l, &moldura);
    QSignalSpy atualDentro(dentro, &TFormGrafico::tornouAtual);
    QEvent ativa(QEvent::WindowActivate);
    QCoreApplication::sendEvent(dentro, &ativa);
    QCOMPARE(atualDentro.count(), 0);
    TFormGrafico *sozinha = cria(documento(1));
    QSignalSpy atualSozinha(sozinha, &TFormGrafico::tornouAtual);
    QCoreApplication::sendEvent(sozinha, &ativa);
    QCOMPARE(atualSozinha.count(), 1);
    sozinha->Seta_Modo_Arq(true);
}

void tst_TFormGrafico::cruzSegueMouseSoComCaixaMarcada_data()
{
    QTest::addColumn<bool>("cruz");
    QTest::addColumn<bool>("dentro");
    QTest::addColumn<bool>("desenhada");
    QTest::newRow("checked, inside the plot") << true << true << true;
    QTest::newRow("checked, outside the plot") << true << false << false;
    QTest::newRow("unchecked") << false << true << false;
}

void tst_TFormGrafico::cruzSegueMouseSoComCaixaMarcada()
{
    QFETCH(bool, cruz);
    QFETCH(bool, dentro);
    QFETCH(bool, desenhada);
    TFormGrafico *j = cria(documento(2));
    QVERIFY(QTest::qWaitForWindowExposed(j));
    j->TheChart->redesenha();
    if (!cruz)
        j->CheckBoxCross->click();
    QCOMPARE(j->cruzAtiva(), cruz);
    const QRect area = j->TheChart->areaGrafico();
    const QPoint p = dentro ? area.center() : QPoint(area.left() - 5, area.center().y());
    QTest::mouseMove(j->TheChart, p);
    QCOMPARE(j->TheChart->temCruz(), desenhada);
    QCOMPARE(j->cruzX(), desenhada ? p.x() : -1);
}

void tst_TFormGrafico::perguntaAoFechar_data()
{
    QTest::addColumn<bool>("doArquivo");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<bool>("fecha");
    QTest::addColumn<int>("perguntas");
    QTest::newRow("opened from a file: no question")
        << true << int(IMensagens::Resposta::Cancela) << true << 0;
    QTest::newRow("collected, Cancel keeps it open")
        << false << int(IMensagens::Resposta::Cancela) << false << 1;
    QTest::newRow("collected, No closes") << false << int(IMensagens::Resposta::Nao) << true << 1;
}

void tst_TFormGrafico::perguntaAoFechar()
{
    QFETCH(bool, doArquivo);
    QFETCH(int, resposta);
    QFETCH(bool, fecha);
    QFETCH(int, perguntas);
    TFormGrafico *j = cria(documento(2));
    j->Seta_Modo_Arq(doArquivo);
    m_falsos.mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta(resposta));
    QCOMPARE(j->close(), fecha);
    QCOMPARE(m_falsos.mensagens.registro.size(), perguntas);
    if (perguntas) {
        QCOMPARE(m_falsos.mensagens.registro[0].tipo, MensagemRegistrada::Tipo::SimNaoCancela);
        QCOMPARE(m_falsos.mensagens.registro[0].texto, QStringLiteral("Deseja salvar o gráfico \"Forno\" ?"));
    }
    QVERIFY(m_dialogos.pedidos.isEmpty());
}

void tst_TFormGrafico::simSemGravarMantemJanela_data()
{
    QTest::addColumn<bool>("dialogoCancelado");
    QTest::newRow("save dialog cancelled") << true;
    QTest::newRow("file not written") << false;
}

// Yes, then no file: the window stays with its document, and closes once
// the user answers No.
void tst_TFormGrafico::simSemGravarMantemJanela()
{
    QFETCH(bool, dialogoCancelado);
    TFormGrafico *j = cria(documento(2));
    j->Abre_Children(QStringLiteral("Forno"));
    const int numero = j->numeroGrafico();
    QCOMPARE(m_numeracao.grafico(numero), j);
    m_falsos.mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Sim);
    if (!dialogoCancelado)
        m_dialogos.respostasSalvar.enqueue(QStringLiteral("/pasta-que-nao-existe/forno.qvg"));
    QSignalSpy fechou(j, &TFormGrafico::fechou);
    QVERIFY(!j->close());
    QCOMPARE(m_dialogos.pedidos.size(), 1);
    QVERIFY(m_dialogos.pedidos[0].salvar);
    QCOMPARE(m_dialogos.pedidos[0].extensaoPadrao, QStringLiteral("qvg"));
    QCOMPARE(m_dialogos.pedidos[0].titulo, QStringLiteral("Salvar Arquivo Quorvane"));
    QVERIFY(!j->salvo());
    QCOMPARE(fechou.count(), 0);
    QCOMPARE(m_numeracao.grafico(numero), j);

    m_falsos.mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Nao);
    QVERIFY(j->close());
    QCOMPARE(fechou.count(), 1);
    // Its entry in the table is emptied.
    QCOMPARE(m_numeracao.grafico(numero), nullptr);
}

void tst_TFormGrafico::simESalvarGravaArquivo()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("forno.qvg"));
    TFormGrafico *j = cria(documento(2));
    m_falsos.mensagens.respostasSimNaoCancela.enqueue(IMensagens::Resposta::Sim);
    m_dialogos.respostasSalvar.enqueue(caminho);
    QVERIFY(j->close());
    QVERIFY(QFile::exists(caminho));
    QVERIFY(j->salvo());
}

// A file saved in the window is whole at once; opened again it is whole, or
// changed when its bytes were edited after the save.
void tst_TFormGrafico::integridadeDoArquivoAberto_data()
{
    QTest::addColumn<bool>("editado");
    QTest::addColumn<QString>("estado");
    QTest::newRow("saved then reopened") << false << "Íntegro";
    QTest::newRow("edited after saving") << true << "Alterado depois de gravado";
}

void tst_TFormGrafico::integridadeDoArquivoAberto()
{
    QFETCH(bool, editado);
    QFETCH(QString, estado);
    QTemporaryDir pasta;
    Registros registros(pasta.filePath(QStringLiteral("dados")));
    QVERIFY(registros.disponivel());
    m_falsos.ambiente.registros = &registros;
    const auto solta = qScopeGuard([this] { m_falsos.ambiente.registros = nullptr; });
    const QString caminho = pasta.filePath(QStringLiteral("forno.qvg"));
    TFormGrafico *j = cria(documento(2));
    QVERIFY(j->LabelIntegridade->isHidden());
    QVERIFY(j->Grava_Arquivo(caminho));
    QVERIFY(j->LabelIntegridade->text().startsWith(QStringLiteral("Integridade: Íntegro - gravado em ")));
    delete j;
    if (editado) {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::Append));
        f.write("x");
    }
    j = cria(documento(2));
    j->defineArquivo(caminho);
    QVERIFY(j->LabelIntegridade->isVisibleTo(j));
    QVERIFY2(j->LabelIntegridade->text().startsWith(QStringLiteral("Integridade: ") + estado),
        qPrintable(j->LabelIntegridade->text()));
    QVERIFY(m_falsos.mensagens.registro.isEmpty());
}

void tst_TFormGrafico::nomeParaSalvarSemSufixoNemProibidos_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("proposto");
    QTest::newRow("slash and colon") << "Forno 1/2: teste"
                                     << "Forno 1_2_ teste";
    QTest::newRow("every forbidden character") << "a\\b/c:d*e?f\"g<h>i|j"
                                               << "a_b_c_d_e_f_g_h_i_j";
    QTest::newRow("plain name") << "Forno"
                                << "Forno";
}

void tst_TFormGrafico::nomeParaSalvarSemSufixoNemProibidos()
{
    QFETCH(QString, nome);
    QFETCH(QString, proposto);
    TFormGrafico *j = cria(documento(1), nome);
    QCOMPARE(j->nomeParaSalvar(), proposto);
    j->Seta_Modo_Arq(true);
}

namespace {

// No two time labels overlap (at least 15 pixels apart) and they reach the
// axis's end; the value axes hold the labels their height allows.
void verificaRotulos(const TFormGrafico *j, const char *quando)
{
    const GraficoLinhas *g = j->TheChart;
    const QVector<double> marcas = g->xAxis->tickVector();
    const QVector<QString> textos = g->xAxis->tickVectorLabels();
    QVERIFY2(marcas.size() >= 2, quando);
    const QFontMetricsF fm(g->xAxis->tickLabelFont());
    double fim = 0;
    double largura = 0;
    for (int i = 0; i < marcas.size(); ++i) {
        largura = fm.horizontalAdvance(textos[i]);
        const double centro = g->xAxis->coordToPixel(marcas[i]);
        if (i > 0)
            QVERIFY2(centro - largura / 2 - fim >= 15 - 1e-6, quando);
        fim = centro + largura / 2;
    }
    const QRect area = g->areaGrafico();
    QVERIFY2(fim > area.right() - 2 * (largura + 15), quando);
    QVERIFY2(g->yAxis->ticker()->tickCount()
            == EscolhaRotulos::marcasValor(std::max(area.height(), g->viewport().height() / 2),
                QFontMetricsF(g->yAxis->tickLabelFont()).height(), 20),
        quando);
}

}  // namespace

void tst_TFormGrafico::rotulosAposMaximizarRestaurarEOrganizar()
{
    QMdiArea moldura;
    moldura.resize(1000, 700);
    moldura.show();
    QVERIFY(QTest::qWaitForWindowExposed(&moldura));
    TFormGrafico::Ligacoes l;
    auto *j = new TFormGrafico(m_falsos.ambiente, l);
    j->Seta_Aquisicao(documento(2));
    j->Seta_Modo_Arq(true);
    QMdiSubWindow *sub = moldura.addSubWindow(j);
    sub->resize(500, 380);
    sub->show();
    QCoreApplication::processEvents();
    verificaRotulos(j, "shown");
    sub->showMaximized();
    QCoreApplication::processEvents();
    verificaRotulos(j, "maximised");
    sub->showNormal();
    QCoreApplication::processEvents();
    verificaRotulos(j, "restored");
    for (int i = 0; i < 3; ++i)
        moldura.addSubWindow(new QLabel(QStringLiteral("outra")))->show();
    moldura.tileSubWindows();
    QCoreApplication::processEvents();
    verificaRotulos(j, "tiled");
    moldura.cascadeSubWindows();
    QCoreApplication::processEvents();
    verificaRotulos(j, "cascaded");
}

// A new graph in the place the program gives it, in the workspace of a
// 1024 x 768 screen and of a quarter of one: from its first paint no two
// time labels overlap, and a recording of two entries shows both instants.
void tst_TFormGrafico::rotulosDesdeAPrimeiraPintura_data()
{
    QTest::addColumn<QSize>("moldura");
    QTest::addColumn<int>("entradas");
    QTest::newRow("full screen, 50 entries") << QSize(1020, 640) << 50;
    QTest::newRow("full screen, 2 entries") << QSize(1020, 640) << 2;
    QTest::newRow("full screen, 100000 entries") << QSize(1020, 640) << 100000;
    QTest::newRow("quarter screen, 50 entries") << QSize(512, 384) << 50;
    QTest::newRow("quarter screen, 2 entries") << QSize(512, 384) << 2;
    // No right axis: only the room kept for it holds the last label.
    QTest::newRow("quarter screen, one channel, 2 entries") << QSize(512, 384) << -2;
}

void tst_TFormGrafico::rotulosDesdeAPrimeiraPintura()
{
    QFETCH(QSize, moldura);
    QFETCH(int, entradas);
    const int canais = entradas < 0 ? 1 : 2;
    entradas = std::abs(entradas);
    QMdiArea area;
    area.resize(moldura);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    TFormGrafico::Ligacoes l;
    auto *j = new TFormGrafico(m_falsos.ambiente, l);
    j->Seta_Aquisicao(documento(canais, false, entradas));
    j->Seta_Modo_Arq(true);
    area.addSubWindow(j);
    j->colocaNaArea(area.viewport()->rect(), 0);
    j->parentWidget()->show();
    // The first paint, and what it drew.
    const QImage tela = j->TheChart->grab().toImage();
    QVERIFY(!tela.isNull());
    verificaRotulos(j, "first paint");
    if (entradas == 2) {
        const QVector<QString> textos = j->TheChart->xAxis->tickVectorLabels();
        QCOMPARE(textos.size(), 2);
        QCOMPARE(textos.first(), j->Canal1->rotulo(0).trimmed());
        QCOMPARE(textos.last(), j->Canal1->rotulo(1).trimmed());
    }
}

void tst_TFormGrafico::janelasLadoALadoMostramGraficoInteiro()
{
    // Twelve windows in a frame of 1000 x 650: tiles of about 250 x 216.
    QMdiArea moldura;
    moldura.setFixedSize(1000, 650);
    moldura.show();
    QVERIFY(QTest::qWaitForWindowExposed(&moldura));
    QList<TFormGrafico *> graficos;
    for (int i = 0; i < 12; ++i) {
        TFormGrafico::Ligacoes l;
        auto *j = new TFormGrafico(m_falsos.ambiente, l);
        j->Seta_Aquisicao(documento(2));
        j->Seta_Modo_Arq(true);
        moldura.addSubWindow(j)->show();
        graficos << j;
    }
    moldura.tileSubWindows();
    QCoreApplication::processEvents();
    const auto subs = moldura.subWindowList();
    for (qsizetype a = 0; a < subs.size(); ++a) {
        QVERIFY(moldura.viewport()->rect().contains(subs[a]->geometry()));
        for (qsizetype b = a + 1; b < subs.size(); ++b)
            QVERIFY(!subs[a]->geometry().intersects(subs[b]->geometry()));
    }
    for (TFormGrafico *j : graficos) {
        // The window fits its tile: nothing of it is cut off by the frame.
        const QWidget *sub = j->parentWidget();
        QVERIFY(sub->rect().contains(QRect(j->mapTo(sub, QPoint(0, 0)), j->size())));
        const GraficoLinhas *g = j->TheChart;
        // Both value axes with their labels, the legend and the strip inside the window.
        QVERIFY(g->yAxis2->visible());
        QVERIFY(g->axisRect()->outerRect().right() <= g->width());
        QVERIFY(g->legend->outerRect().right() <= g->width());
        QVERIFY(g->axisRect()->rect().height() > 10);
        QVERIFY(j->CheckBoxCross->mapTo(j, QPoint(0, 0)).y() + j->CheckBoxCross->height() <= j->height());
    }
}

QUORVANE_TEST_MAIN(tst_TFormGrafico)
#include "tst_TFormGrafico.moc"
