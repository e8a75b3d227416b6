#include "AmbienteFalso.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "JanelaFilha.h"
#include "LinhasLeituras.h"
#include "ListaUniforme.h"
#include "RegistroTestes.h"
#include "TAquisicao.h"
#include "TFormDados.h"
#include "TFormInform.h"
#include "TextoInformacoes.h"
#include "Windows1252.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::shared_ptr<TAquisicao> documento(int entradas)
{
    auto a = std::make_shared<TAquisicao>();
    a->NumCanais = 2;
    a->SensorCanal1 = 1;
    a->SensorCanal2 = 9;
    a->DecimaisCanal2 = 1;
    a->defineIntervalo(1);
    a->LeiturasPorAquisicao = 1;
    a->Titulo = QStringLiteral("Forno");
    a->Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value();
    a->reservaLeituras(entradas);
    for (int i = 0; i < entradas; ++i)
        a->adicionaLeitura(i % 1000, i % 77);
    a->AjustaFim();
    return a;
}

void apagaJanelasFechadas()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList linhasDoArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList l = Windows1252::decodifica(f.readAll()).split(QStringLiteral("\r\n"));
    l.removeLast();
    return l;
}

}  // namespace

class tst_VistasCompanheiras : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void informacoesComTituloPainelETexto();
    void leiturasComTituloPainelELinhas();
    void leiturasEmFonteDePassoFixo();
    void listaDeUmMilhaoDeEntradasAbreSemDemora();
    void selecaoDeVariasLinhas();
    void outroDocumentoNaListaAberta();
    void mostraReabreVistaFechada_data();
    void mostraReabreVistaFechada();
    void ativacaoNoQuadroTornaOGraficoAtual();
    void gravaArquivoDasVistas();
    void falhaNaGravacaoAvisaComOTextoDaVista();

private:
    ContextoVista contexto(std::shared_ptr<const TAquisicao> a, int numero = 7);

    AmbienteFalso m_falsos;
    QList<int> m_ativadas;
};

void tst_VistasCompanheiras::init()
{
    m_falsos.mensagens.registro.clear();
    m_ativadas.clear();
}

ContextoVista tst_VistasCompanheiras::contexto(std::shared_ptr<const TAquisicao> a, int numero)
{
    ContextoVista c;
    c.aquisicao = std::move(a);
    c.numeroGrafico = numero;
    c.ambiente = &m_falsos.ambiente;
    c.aoAtivar = [this](int n) { m_ativadas << n; };
    return c;
}

void tst_VistasCompanheiras::informacoesComTituloPainelETexto()
{
    const auto a = documento(4);
    std::unique_ptr<TFormInform> v(TFormInform::Abre_Inform(QStringLiteral("forno.qvg"), contexto(a)));
    QCOMPARE(v->windowTitle(), QStringLiteral("forno.qvg - Informações"));
    QCOMPARE(v->PanelInform()->text(), QStringLiteral(" Informações Gerais"));
    QCOMPARE(v->size(), QSize(360, 335));
    QCOMPARE(v->tag(), 7);
    QCOMPARE(tipoJanela(v.get()), TipoJanela::Informacoes);
    QVERIFY(v->Memo1()->isReadOnly());
    QVERIFY(v->Memo1()->isVisible());
    QCOMPARE(v->linhas(), Atualiza_Informacoes(*a, m_falsos.catalogo, m_falsos.regional));
}

void tst_VistasCompanheiras::leiturasComTituloPainelELinhas()
{
    const auto a = documento(12);
    std::unique_ptr<TFormDados> v(TFormDados::Abre_Dados(QStringLiteral("forno.qvg"), contexto(a, 3)));
    QCOMPARE(v->windowTitle(), QStringLiteral("forno.qvg - Lista"));
    QCOMPARE(v->PanelDados()->text(), QStringLiteral(" Tabela de Aquisições"));
    QCOMPARE(v->tag(), 3);
    QCOMPARE(tipoJanela(v.get()), TipoJanela::Dados);
    QCOMPARE(v->quantidadeLinhas(), 13);
    const LinhasLeituras linhas(*a, m_falsos.catalogo, m_falsos.regional);
    QAbstractItemModel *modelo = v->ListBoxDados()->model();
    QCOMPARE(modelo->rowCount(), 13);
    QCOMPARE(modelo->index(0, 0).data().toString(), linhas.cabecalho());
    QCOMPARE(modelo->index(12, 0).data().toString(), linhas.entrada(11));
    QCOMPARE(v->linha(12), linhas.entrada(11));
}

// The columns of the lines stand one under the other: every character is
// as wide as any other.
void tst_VistasCompanheiras::leiturasEmFonteDePassoFixo()
{
    std::unique_ptr<TFormDados> v(
        TFormDados::Abre_Dados(QStringLiteral("forno.qvg"), contexto(documento(3))));
    const QFont fonte = v->ListBoxDados()->font();
    const QFontMetrics metricas(fonte);
    QCOMPARE(metricas.horizontalAdvance(QStringLiteral("iiii1111")),
        metricas.horizontalAdvance(QStringLiteral("MMMM    ")));
}

void tst_VistasCompanheiras::listaDeUmMilhaoDeEntradasAbreSemDemora()
{
    const auto a = documento(1000000);
    QElapsedTimer relogio;
    relogio.start();
    std::unique_ptr<TFormDados> v(TFormDados::Abre_Dados(QStringLiteral("grande.qvg"), contexto(a)));
    QVERIFY(QTest::qWaitForWindowExposed(v.get()));
    v->ListBoxDados()->scrollToBottom();
    QCoreApplication::processEvents();
    QVERIFY2(relogio.elapsed() < 3000, qPrintable(QString::number(relogio.elapsed())));
    QCOMPARE(v->quantidadeLinhas(), 1000001);
    // Every line is reachable: the bottom of the scrolled list is the last
    // entry, and the scroll bar spans all the lines of one height.
    ListaUniforme *lista = v->ListBoxDados();
    const int altura = lista->tamanhoLinha().height();
    QVERIFY(altura > 0);
    QCOMPARE(lista->verticalScrollBar()->maximum(), 1000001 * altura - lista->viewport()->height());
    QCOMPARE(lista->indexAt(QPoint(1, lista->viewport()->height() - 1)).row(), 1000000);
    QVERIFY(v->linha(1000000).startsWith(QStringLiteral("1000000 ")));
}

void tst_VistasCompanheiras::selecaoDeVariasLinhas()
{
    const auto a = documento(20);
    std::unique_ptr<TFormDados> v(TFormDados::Abre_Dados(QStringLiteral("x"), contexto(a)));
    ListaUniforme *lista = v->ListBoxDados();
    QCOMPARE(lista->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(QTest::qWaitForWindowExposed(v.get()));
    const QRect r1 = lista->visualRect(lista->model()->index(2, 0));
    const QRect r2 = lista->visualRect(lista->model()->index(5, 0));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r1.center());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::ShiftModifier, r2.center());
    QCOMPARE(lista->selectionModel()->selectedRows().size(), 4);
    const QRect r3 = lista->visualRect(lista->model()->index(8, 0));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::ControlModifier, r3.center());
    QCOMPARE(lista->selectionModel()->selectedRows().size(), 5);
}

// A shorter document in an open list: its lines only, the scroll bar within
// them, nothing selected.
void tst_VistasCompanheiras::outroDocumentoNaListaAberta()
{
    std::unique_ptr<TFormDados> v(TFormDados::Abre_Dados(QStringLiteral("x"), contexto(documento(5000))));
    QVERIFY(QTest::qWaitForWindowExposed(v.get()));
    ListaUniforme *lista = v->ListBoxDados();
    lista->scrollToBottom();
    lista->setCurrentIndex(lista->model()->index(4999, 0));
    v->Atualiza_Dados(documento(30));
    QCOMPARE(v->quantidadeLinhas(), 31);
    QCOMPARE(lista->model()->rowCount(), 31);
    QVERIFY(!lista->selectionModel()->hasSelection());
    QScrollBar *barra = lista->verticalScrollBar();
    QCOMPARE(
        barra->maximum(), std::max(0, 31 * lista->tamanhoLinha().height() - lista->viewport()->height()));
    QVERIFY(barra->value() <= barra->maximum());
    lista->scrollToBottom();
    QCOMPARE(lista->indexAt(QPoint(1, lista->viewport()->height() - 1)).row(), 30);
    QTest::mouseClick(
        lista->viewport(), Qt::LeftButton, {}, lista->visualRect(lista->model()->index(30, 0)).center());
    QCOMPARE(lista->selectionModel()->selectedRows().size(), 1);
}

void tst_VistasCompanheiras::mostraReabreVistaFechada_data()
{
    QTest::addColumn<bool>("leituras");
    QTest::newRow("general parameters") << false;
    QTest::newRow("readings") << true;
}

void tst_VistasCompanheiras::mostraReabreVistaFechada()
{
    QFETCH(bool, leituras);
    const auto a = documento(3);
    const QString grafico = QStringLiteral("forno.qvg - Gráfico");
    const ContextoVista c = contexto(a, 4);
    QPointer<QWidget> primeira;
    QPointer<QWidget> segunda;
    if (leituras) {
        QPointer<TFormDados> v = TFormDados::Abre_Dados(QStringLiteral("forno.qvg"), c);
        primeira = v.data();
        TFormDados::MostraLeituras(v, grafico, c);
        QCOMPARE(v.data(), primeira.data());  // still open: brought forward only
        v->close();
        apagaJanelasFechadas();
        QVERIFY(!v);
        TFormDados::MostraLeituras(v, grafico, c);
        segunda = v.data();
        QCOMPARE(v->windowTitle(), QStringLiteral("forno.qvg - Gráfico - Lista"));
        QCOMPARE(v->quantidadeLinhas(), 4);
    } else {
        QPointer<TFormInform> v = TFormInform::Abre_Inform(QStringLiteral("forno.qvg"), c);
        primeira = v.data();
        TFormInform::MostraInformacoes(v, grafico, c);
        QCOMPARE(v.data(), primeira.data());
        v->close();
        apagaJanelasFechadas();
        QVERIFY(!v);
        TFormInform::MostraInformacoes(v, grafico, c);
        segunda = v.data();
        QCOMPARE(v->windowTitle(), QStringLiteral("forno.qvg - Gráfico - Informações"));
        QCOMPARE(v->linhas(), Atualiza_Informacoes(*a, m_falsos.catalogo, m_falsos.regional));
    }
    QVERIFY(segunda);
    QVERIFY(!primeira);
    delete segunda.data();
}

void tst_VistasCompanheiras::ativacaoNoQuadroTornaOGraficoAtual()
{
    QMdiArea quadro;
    quadro.resize(800, 600);
    quadro.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quadro));
    ContextoVista c = contexto(documento(5), 3);
    c.insere = [&quadro](QWidget *w) { quadro.addSubWindow(w)->show(); };
    QPointer<TFormInform> inform = TFormInform::Abre_Inform(QStringLiteral("a"), c);
    c.numeroGrafico = 5;
    QPointer<TFormDados> dados = TFormDados::Abre_Dados(QStringLiteral("b"), c);
    m_ativadas.clear();
    quadro.setActiveSubWindow(qobject_cast<QMdiSubWindow *>(inform->parentWidget()));
    QVERIFY(!m_ativadas.isEmpty());
    QCOMPARE(m_ativadas.last(), 3);
    TFormDados::MostraLeituras(dados, QStringLiteral("b"), c);
    QCOMPARE(m_ativadas.last(), 5);
    QCOMPARE(quadro.activeSubWindow()->widget(), dados.data());
    TFormInform::MostraInformacoes(inform, QStringLiteral("a"), c);
    QCOMPARE(m_ativadas.last(), 3);
}

void tst_VistasCompanheiras::gravaArquivoDasVistas()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("exportado.txt"));
    const auto a = documento(10);
    std::unique_ptr<TFormInform> inform(TFormInform::Abre_Inform(QStringLiteral("x"), contexto(a)));
    std::unique_ptr<TFormDados> dados(TFormDados::Abre_Dados(QStringLiteral("x"), contexto(a)));
    QVERIFY(inform->Grava_Arquivo(caminho));
    QVERIFY(dados->Grava_Arquivo(caminho, 2, 4));
    const QStringList esperado = inform->linhas()
        + QStringList { QStringLiteral(" "), QStringLiteral("Tabela de Aquisições"),
              m_falsos.catalogo.texto(172) + m_falsos.catalogo.texto(173), dados->linha(2), dados->linha(3),
              dados->linha(4) };
    QCOMPARE(linhasDoArquivo(caminho), esperado);
    QVERIFY(m_falsos.mensagens.registro.isEmpty());
    // Lines outside the entries are never written, the heading least of all.
    QVERIFY(inform->Grava_Arquivo(caminho));
    QVERIFY(dados->Grava_Arquivo(caminho, 0, 99));
    QCOMPARE(linhasDoArquivo(caminho).size(), inform->linhas().size() + 3 + 10);
}

void tst_VistasCompanheiras::falhaNaGravacaoAvisaComOTextoDaVista()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("nao/ha/pasta.txt"));
    const auto a = documento(2);
    std::unique_ptr<TFormInform> inform(TFormInform::Abre_Inform(QStringLiteral("x"), contexto(a)));
    std::unique_ptr<TFormDados> dados(TFormDados::Abre_Dados(QStringLiteral("x"), contexto(a)));
    QVERIFY(!inform->Grava_Arquivo(caminho));
    QVERIFY(!dados->Grava_Arquivo(caminho, 1, 2));
    QCOMPARE(m_falsos.mensagens.textos(),
        (QStringList { QStringLiteral("Erro na gravação do arquivo de informações"),
            QStringLiteral("Erro na gravação do arquivo de aquisições") }));
}

QUORVANE_TEST_MAIN(tst_VistasCompanheiras)
#include "tst_VistasCompanheiras.moc"
