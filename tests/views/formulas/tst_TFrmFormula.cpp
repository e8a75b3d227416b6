// The formula dialog on a graph window, with libraries of the tests' own:
// no library, "&Ativar" without a formula and with the wrong channels, the
// result on the top axis and what the library received (the record at its
// offsets, the visible range after a zoom, the entry under the mouse in
// half-second mode), "&Desativar", "&Fechar" and the boxes of a
// one-channel document.
#include "AmbienteFalso.h"
#include "DataHora.h"
#include "GraficoLinhas.h"
#include "Real48.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"
#include "TFormGrafico.h"
#include "TFrmFormula.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

// Two channels, one entry every 10 s (or every half second): channel 1
// holds i, channel 2 holds 100 + i.
TAquisicao documento(double intervalo = 10, int canais = 2, bool soCanal2 = false)
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Forno");
    a.NumCanais = canais;
    a.SensorCanal1 = soCanal2 ? -1 : 9;
    a.SensorCanal2 = canais == 2 || soCanal2 ? 9 : -1;
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 1;
    a.LimInfCanal1 = -100;
    a.LimSupCanal1 = 2000;
    a.LimInfCanal2 = -100;
    a.LimSupCanal2 = 2000;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    for (int i = 0; i < 20; ++i)
        a.adicionaLeitura(soCanal2 ? 0.0 : double(i), 100.0 + i);
    return a;
}

QString pasta(const char *nome)
{
    return QStringLiteral(PASTA_BIBLIOTECAS_TESTE "/") + QLatin1String(nome);
}

int32_t inteiro(const QByteArray &b, int deslocamento)
{
    int32_t v = 0;
    std::memcpy(&v, b.constData() + deslocamento, sizeof v);
    return v;
}

double real(const QByteArray &b, int deslocamento)
{
    std::array<uint8_t, 6> a;
    std::memcpy(a.data(), b.constData() + deslocamento, 6);
    return Real48::deBytes(a);
}

// What Calcula received, as the test library wrote it.
struct Registro
{
    QByteArray formula;
    QList<QPair<double, double>> entradas;
};

}  // namespace

class tst_TFrmFormula : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void semBibliotecaAvisaESemDialogo();
    void ativarSemSelecaoAvisaEFicaAberto();
    void formulaDeDoisCanaisComUmSo();
    void ativaMostraResultadoERegistro();
    void zoomRecalculaSobreAFaixaNova();
    void formulaUnicaSobOMouseEmMeioSegundo();
    void desativarEFechar();
    void reabreComAEscolhaFeita();
    void umCanalDesabilitaCaixaDoOutro_data();
    void umCanalDesabilitaCaixaDoOutro();
    void exportacoesQueFaltamSaoIgnoradas();

private:
    TFormGrafico *cria(TAquisicao a, const QString &pastaBiblioteca);
    // Runs the dialog with the given actions in place of the user.
    bool associa(const std::function<void(TFrmFormula &)> &acoes, bool *carregada = nullptr);
    Registro registro() const;
    QPoint pixelDaEntrada(int i) const;

    AmbienteFalso m_falsos;
    QTemporaryDir m_dir;
    QPointer<TFormGrafico> m_janela;
    std::function<void(TFrmFormula &)> m_acoes;
};

void tst_TFrmFormula::init()
{
    m_falsos.mensagens = MensagensFalsas();
    QVERIFY(m_dir.isValid());
    QFile::remove(m_dir.filePath(QStringLiteral("registro")));
    qputenv("QUORVANE_TESTE_REGISTRO", m_dir.filePath(QStringLiteral("registro")).toLocal8Bit());
}

void tst_TFrmFormula::cleanup()
{
    if (m_janela)
        m_janela->Seta_Modo_Arq(true);
    delete m_janela.data();
}

TFormGrafico *tst_TFrmFormula::cria(TAquisicao a, const QString &pastaBiblioteca)
{
    TFormGrafico::Ligacoes l;
    l.pastaPrograma = pastaBiblioteca;
    l.mostraFormula = [this](TFrmFormula &d) {
        if (m_acoes)
            m_acoes(d);
    };
    m_janela = new TFormGrafico(m_falsos.ambiente, l);
    m_janela->resize(900, 600);
    m_janela->Seta_Aquisicao(std::move(a));
    m_janela->show();
    if (!QTest::qWaitForWindowExposed(m_janela))
        return nullptr;
    m_janela->TheChart->redesenha();
    return m_janela;
}

bool tst_TFrmFormula::associa(const std::function<void(TFrmFormula &)> &acoes, bool *carregada)
{
    m_acoes = acoes;
    return m_janela->FormulaAssociada(carregada);
}

Registro tst_TFrmFormula::registro() const
{
    QFile f(m_dir.filePath(QStringLiteral("registro")));
    Registro r;
    if (!f.open(QIODevice::ReadOnly))
        return r;
    const QByteArray b = f.readAll();
    r.formula = b.left(1296);
    for (int p = 1296; p + 12 <= b.size(); p += 12)
        r.entradas.append({ real(b, p), real(b, p + 6) });
    return r;
}

QPoint tst_TFrmFormula::pixelDaEntrada(int i) const
{
    const GraficoLinhas *g = m_janela->TheChart;
    const double x = g->pixelDoValor(EixoGrafico::Inferior, m_janela->Canal1->x(i));
    return QPoint(int(std::ceil(x)) + 1, g->areaGrafico().center().y());
}

void tst_TFrmFormula::semBibliotecaAvisaESemDialogo()
{
    QVERIFY(cria(documento(), m_dir.filePath(QStringLiteral("nada"))));
    bool mostrou = false;
    bool carregada = true;
    QVERIFY(!associa([&](TFrmFormula &) { mostrou = true; }, &carregada));
    QVERIFY(!carregada);
    QVERIFY(!mostrou);
    QCOMPARE(m_falsos.mensagens.textos(),
        QStringList { QString::fromUtf8("Não foi possível localizar libequation.so. Verifique.") });
}

void tst_TFrmFormula::ativarSemSelecaoAvisaEFicaAberto()
{
    QVERIFY(cria(documento(), pasta("formulas_registro")));
    bool carregada = false;
    const bool ativa = associa(
        [](TFrmFormula &d) {
            QCOMPARE(d.ListBox_Formula->count(), 3);
            // The focus makes the first line current without selecting it:
            // no formula's text shows while none is chosen.
            QListWidget *lista = d.ListBox_Formula;
            lista->selectionModel()->setCurrentIndex(
                lista->model()->index(0, 0), QItemSelectionModel::NoUpdate);
            QCOMPARE(d.Edt_FormulaSimb->text(), QString());
            QCOMPARE(d.Memo_Descr->toPlainText(), QString());
            d.CheckBox_Canal1->setChecked(true);
            d.BtBtn_Ativar->click();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(d.fechamento(), TFrmFormula::Fechamento::Fechado);
        },
        &carregada);
    QVERIFY(carregada);
    QVERIFY(!ativa);
    QCOMPARE(m_falsos.mensagens.textos(), QStringList { QString::fromUtf8("Selecione uma fórmula.") });
    QVERIFY(!m_janela->TheChart->eixoVisivel(EixoGrafico::Superior));
}

void tst_TFrmFormula::formulaDeDoisCanaisComUmSo()
{
    QVERIFY(cria(documento(), pasta("formulas_registro")));
    QVERIFY(!associa([](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(2);
        d.CheckBox_Canal1->setChecked(true);
        d.BtBtn_Ativar->click();
        QCOMPARE(d.fechamento(), TFrmFormula::Fechamento::Fechado);
    }));
    QCOMPARE(m_falsos.mensagens.textos(),
        QStringList {
            QString::fromUtf8("Para o cálculo da Fórmula Dif é necessário selecionar 2 canal(is).") });
}

void tst_TFrmFormula::ativaMostraResultadoERegistro()
{
    QVERIFY(cria(documento(), pasta("formulas_registro")));
    QVERIFY(associa([](TFrmFormula &d) {
        QCOMPARE(d.Edt_Aquisini->text(), QStringLiteral("1"));
        QCOMPARE(d.Edt_Aquisfinal->text(), QStringLiteral("20"));
        d.ListBox_Formula->setCurrentRow(0);
        QCOMPARE(d.Edt_FormulaSimb->text(), QStringLiteral("x1 + x2"));
        QCOMPARE(d.Memo_Descr->toPlainText(), QString::fromUtf8("Descrição"));
        QVERIFY(d.GrpBx_Interv->isVisibleTo(&d));
        d.CheckBox_Canal1->setChecked(true);
        d.BtBtn_Ativar->click();
    }));
    QCOMPARE(
        m_falsos.mensagens.textos(), QStringList { QString::fromUtf8("Fórmula Soma associada ao gráfico.") });
    QVERIFY(m_janela->formulaAtiva());
    QVERIFY(m_janela->TheChart->eixoVisivel(EixoGrafico::Superior));
    // 0 + 1 + ... + 19 of channel 1 alone.
    QCOMPARE(m_janela->TheChart->tituloEixo(EixoGrafico::Superior), QString::fromUtf8("Soma:  190,000 °C"));
    const Registro r = registro();
    QCOMPARE(r.formula.size(), 1296);
    QCOMPARE(r.formula.mid(0, 5), QByteArray("\x04Soma"));
    QCOMPARE(r.formula.mid(256, 8), QByteArray("\x07x1 + x2"));
    QCOMPARE(r.formula.mid(512, 10),
        QByteArray("\x09"
                   "Descri\xe7\xe3o"));
    QCOMPARE(r.formula.mid(768, 5), QByteArray("\x04Soma"));
    QCOMPARE(r.formula.mid(1024, 3),
        QByteArray("\x02\xb0"
                   "C"));
    QCOMPARE(inteiro(r.formula, 1280), 1);  // Canais: channel 1
    QCOMPARE(inteiro(r.formula, 1284), 20);  // NumAquisicoes
    QCOMPARE(inteiro(r.formula, 1288), 10);  // IntervaloSegundos
    QCOMPARE(inteiro(r.formula, 1292), 0);  // Indice
    QCOMPARE(r.entradas.size(), 20);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(r.entradas[i], qMakePair(double(i), 0.0));
}

void tst_TFrmFormula::zoomRecalculaSobreAFaixaNova()
{
    QVERIFY(cria(documento(), pasta("formulas_registro")));
    QVERIFY(associa([](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(0);
        d.CheckBox_Canal2->setChecked(true);
        d.BtBtn_Ativar->click();
    }));
    // Dragging from entry 5 to entry 9 (a little after each point: the
    // whole second under the pointer divided by 10 s).
    const QRect area = m_janela->TheChart->areaGrafico();
    const QPoint de(pixelDaEntrada(5).x(), area.top() + 10);
    const QPoint ate(pixelDaEntrada(9).x(), area.bottom() - 10);
    QTest::mousePress(m_janela->TheChart, Qt::LeftButton, {}, de);
    QTest::mouseMove(m_janela->TheChart, ate);
    QTest::mouseRelease(m_janela->TheChart, Qt::LeftButton, {}, ate);
    Registro r = registro();
    QCOMPARE(inteiro(r.formula, 1280), 2);
    QCOMPARE(inteiro(r.formula, 1284), 5);
    QCOMPARE(r.entradas.size(), 5);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(r.entradas[k], qMakePair(0.0, 105.0 + k));
    QCOMPARE(m_janela->TheChart->tituloEixo(EixoGrafico::Superior), QString::fromUtf8("Soma:  535,000 °C"));
    // "100%" goes back to the whole recording.
    m_janela->UndoZoom();
    QCOMPARE(registro().entradas.size(), 20);
    QCOMPARE(m_janela->TheChart->tituloEixo(EixoGrafico::Superior), QString::fromUtf8("Soma: 2190,000 °C"));
}

void tst_TFrmFormula::formulaUnicaSobOMouseEmMeioSegundo()
{
    QVERIFY(cria(documento(0), pasta("formulas_registro")));
    QVERIFY(associa([](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(1);
        QVERIFY(!d.GrpBx_Interv->isVisibleTo(&d));
        d.CheckBox_Canal1->setChecked(true);
        d.BtBtn_Ativar->click();
    }));
    // Before the mouse comes over the chart there is no entry to show.
    QCOMPARE(m_janela->TheChart->tituloEixo(EixoGrafico::Superior), QString::fromUtf8("Ponto:        - °C"));
    QTest::mouseMove(m_janela->TheChart, pixelDaEntrada(7));
    Registro r = registro();
    QCOMPARE(inteiro(r.formula, 1284), -1);
    QCOMPARE(inteiro(r.formula, 1288), 0);
    QCOMPARE(inteiro(r.formula, 1292), 1);
    QCOMPARE(r.entradas, (QList<QPair<double, double>> { { 7.0, 0.0 } }));
    QCOMPARE(m_janela->TheChart->tituloEixo(EixoGrafico::Superior), QString::fromUtf8("Ponto:    7,000 °C"));
    QTest::mouseMove(m_janela->TheChart, pixelDaEntrada(12));
    QCOMPARE(registro().entradas, (QList<QPair<double, double>> { { 12.0, 0.0 } }));
}

void tst_TFrmFormula::desativarEFechar()
{
    QVERIFY(cria(documento(), pasta("formulas_registro")));
    const auto ativa = [](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(0);
        d.CheckBox_Canal1->setChecked(true);
        d.BtBtn_Ativar->click();
    };
    QVERIFY(associa(ativa));
    const QString titulo = m_janela->TheChart->tituloEixo(EixoGrafico::Superior);
    // "&Fechar" leaves everything as it was.
    QVERIFY(associa([](TFrmFormula &d) { d.BtBtn_Fechar->click(); }));
    QVERIFY(m_janela->TheChart->eixoVisivel(EixoGrafico::Superior));
    QCOMPARE(m_janela->TheChart->tituloEixo(EixoGrafico::Superior), titulo);
    // "&Desativar" takes the result away.
    QVERIFY(!associa([](TFrmFormula &d) { d.BtBtn_Desativar->click(); }));
    QVERIFY(!m_janela->formulaAtiva());
    QVERIFY(!m_janela->TheChart->eixoVisivel(EixoGrafico::Superior));
    // And a zoom no longer asks the library.
    QFile::remove(m_dir.filePath(QStringLiteral("registro")));
    m_janela->ZoomIn();
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("registro"))));
}

void tst_TFrmFormula::reabreComAEscolhaFeita()
{
    QVERIFY(cria(documento(), pasta("formulas_registro")));
    QVERIFY(associa([](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(2);
        d.CheckBox_Canal1->setChecked(true);
        d.CheckBox_Canal2->setChecked(true);
        d.BtBtn_Ativar->click();
    }));
    QCOMPARE(m_janela->formulaGrafico().Canais, 3);
    QSize tamanho;
    QVERIFY(associa([&tamanho](TFrmFormula &d) {
        QCOMPARE(d.ListBox_Formula->currentRow(), 2);
        QVERIFY(d.CheckBox_Canal1->isChecked());
        QVERIFY(d.CheckBox_Canal2->isChecked());
        QCOMPARE(d.Edt_FormulaSimb->text(), QStringLiteral("x1 - x2"));
        QCOMPARE(d.formulaAtual()->NumAquisicoes, 20);
        // The range boxes show the largest entry numbers whole.
        d.defineFaixa(999999, 1000000);
        d.show();
        QCoreApplication::processEvents();
        for (QLineEdit *e : { d.Edt_Aquisini, d.Edt_Aquisfinal }) {
            const QMargins m = e->textMargins();
            QVERIFY2(e->fontMetrics().horizontalAdvance(e->text())
                    <= e->contentsRect().width() - m.left() - m.right() - 4,
                qPrintable(e->text()));
        }
        tamanho = d.size();
        d.BtBtn_Fechar->click();
    }));
    // Opened again, showing a formula without a range, the dialog keeps
    // its size.
    QVERIFY(associa([&tamanho](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(1);
        QVERIFY(!d.GrpBx_Interv->isVisibleTo(&d));
        d.show();
        QCoreApplication::processEvents();
        QCOMPARE(d.size(), tamanho);
        d.BtBtn_Fechar->click();
    }));
}

void tst_TFrmFormula::umCanalDesabilitaCaixaDoOutro_data()
{
    QTest::addColumn<bool>("soCanal2");
    QTest::newRow("recorded on channel 1") << false;
    QTest::newRow("recorded on channel 2") << true;
}

void tst_TFrmFormula::umCanalDesabilitaCaixaDoOutro()
{
    QFETCH(bool, soCanal2);
    QVERIFY(cria(documento(10, 1, soCanal2), pasta("formulas_registro")));
    QVERIFY(associa([&](TFrmFormula &d) {
        QCOMPARE(d.CheckBox_Canal1->isEnabled(), !soCanal2);
        QCOMPARE(d.CheckBox_Canal2->isEnabled(), soCanal2);
        d.ListBox_Formula->setCurrentRow(0);
        (soCanal2 ? d.CheckBox_Canal2 : d.CheckBox_Canal1)->setChecked(true);
        d.BtBtn_Ativar->click();
    }));
    // The single series carries the recorded channel, in its own slot.
    const Registro r = registro();
    QCOMPARE(r.entradas.size(), 20);
    QCOMPARE(r.entradas[3], soCanal2 ? qMakePair(0.0, 103.0) : qMakePair(3.0, 0.0));
}

void tst_TFrmFormula::exportacoesQueFaltamSaoIgnoradas()
{
    // Without Calcula the result is 0.
    QVERIFY(cria(documento(), pasta("formulas_sem_calculo")));
    QVERIFY(associa([](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(0);
        d.CheckBox_Canal1->setChecked(true);
        d.BtBtn_Ativar->click();
    }));
    QCOMPARE(m_janela->TheChart->tituloEixo(EixoGrafico::Superior), QString::fromUtf8("Soma:    0,000 °C"));
    delete m_janela.data();
    // Without InformaDados the records stay empty: three nameless lines.
    QVERIFY(cria(documento(), pasta("formulas_so_contagem")));
    associa([](TFrmFormula &d) {
        QCOMPARE(d.ListBox_Formula->count(), 3);
        QCOMPARE(d.ListBox_Formula->item(0)->text(), QString());
        d.BtBtn_Fechar->click();
    });
}

QUORVANE_TEST_MAIN(tst_TFrmFormula)
#include "tst_TFrmFormula.moc"
