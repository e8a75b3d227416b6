// "&Fórmula" in the main window with the formula library that ships with
// the program: enabled with a graph, the dialog of the current graph, the
// check mark following the current graph's formula, "&Desativar" taking
// the result and the mark away.
#include "BancadaPrinc.h"
#include "GraficoLinhas.h"
#include "GravacaoTeste.h"
#include "RegistroTestes.h"
#include "TFormGrafico.h"
#include "TFrmFormula.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace {

TAquisicao documento()
{
    TAquisicao a = gravacaoForno();
    a.Titulo = QStringLiteral("Forno");
    a.LimSupCanal1 = 100;
    a.LimSupCanal2 = 100;
    return comLeiturasSemFim(a, 20, [](int i) { return ParTeste(20 + i, 50 - i); });
}

}  // namespace

class TestTFormPrincFormula : public QObject
{
    Q_OBJECT
private slots:
    void marcaSegueOGraficoAtual();
    void semBibliotecaComandoDesabilitado();

private:
    // Chooses "&Fórmula" and, in its dialog, runs the actions.
    void formula(BancadaPrinc &b, const std::function<void(TFrmFormula &)> &acoes);
};

void TestTFormPrincFormula::formula(BancadaPrinc &b, const std::function<void(TFrmFormula &)> &acoes)
{
    QTimer::singleShot(0, this, [&] {
        if (auto *d = qobject_cast<TFrmFormula *>(QApplication::activeModalWidget()))
            acoes(*d);
    });
    b.item("ItemFormula")->trigger();
}

void TestTFormPrincFormula::marcaSegueOGraficoAtual()
{
    BancadaPrinc b({}, QStringLiteral(PASTA_FORMULAS));
    b.princ->resize(1000, 700);
    b.mostra();
    QVERIFY(b.mensagens.textos().isEmpty());
    QVERIFY(!b.item("ItemFormula")->isEnabled());
    b.princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    auto *g = qobject_cast<TFormGrafico *>(b.princ->GraficoAtual());
    QVERIFY(g);
    QVERIFY(b.item("ItemFormula")->isEnabled());
    QVERIFY(!b.item("ItemFormula")->isChecked());

    formula(b, [](TFrmFormula &d) {
        d.ListBox_Formula->setCurrentRow(0);
        d.CheckBox_Canal1->setChecked(true);
        d.BtBtn_Ativar->click();
    });
    QVERIFY(b.item("ItemFormula")->isChecked());
    // The mean of 20 to 39.
    QCOMPARE(g->TheChart->tituloEixo(EixoGrafico::Superior), QString::fromUtf8("Média:   29,500 unid."));

    // Another graph without a formula becomes current: no mark; back to the
    // first, the mark again.
    b.princ->NovoGrafico(QStringLiteral("Estufa"), documento(), true);
    QVERIFY(b.princ->GraficoAtual() != g);
    QVERIFY(!b.item("ItemFormula")->isChecked());
    b.princ->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(g->parentWidget()));
    QCOMPARE(b.princ->GraficoAtual(), g);
    QVERIFY(b.item("ItemFormula")->isChecked());

    // "&Fechar" keeps both; "&Desativar" takes both away.
    formula(b, [](TFrmFormula &d) { d.BtBtn_Fechar->click(); });
    QVERIFY(b.item("ItemFormula")->isChecked());
    QVERIFY(g->TheChart->eixoVisivel(EixoGrafico::Superior));
    formula(b, [](TFrmFormula &d) { d.BtBtn_Desativar->click(); });
    QVERIFY(!b.item("ItemFormula")->isChecked());
    QVERIFY(!g->TheChart->eixoVisivel(EixoGrafico::Superior));
    for (QMdiSubWindow *s : b.princ->mdiArea()->subWindowList())
        if (auto *j = qobject_cast<TFormGrafico *>(s->widget()))
            j->Seta_Modo_Arq(true);
}

void TestTFormPrincFormula::semBibliotecaComandoDesabilitado()
{
    BancadaPrinc b({});
    b.mostra();
    b.princ->NovoGrafico(QStringLiteral("Forno"), documento(), true);
    QVERIFY(b.princ->GraficoAtual());
    QVERIFY(!b.item("ItemFormula")->isEnabled());
    QCOMPARE(b.mensagens.textos(),
        QStringList { QString::fromUtf8("Não foi possível localizar libequation.so. Verifique.") });
    for (QMdiSubWindow *s : b.princ->mdiArea()->subWindowList())
        if (auto *j = qobject_cast<TFormGrafico *>(s->widget()))
            j->Seta_Modo_Arq(true);
}

QUORVANE_TEST_MAIN(TestTFormPrincFormula)
#include "tst_TFormPrincFormula.moc"
