// The zoom-range dialog as a window: its captions, the fields filled from
// SetaValores, the hidden second row, a failed OK that keeps it open with the
// focus on the field, the spin buttons, and the values returned.
#include "AmbienteFalso.h"
#include "BotaoGiro.h"
#include "DataHora.h"
#include "RegistroTestes.h"
#include "TFrmFaixaZoom.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

const TDateTime kInicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);

}  // namespace

class tst_TFrmFaixaZoom : public QObject
{
    Q_OBJECT
private slots:
    void legendasDoCatalogo();
    void camposPreenchidos_data();
    void camposPreenchidos();
    void okComFalhaFicaAbertoNoCampo_data();
    void okComFalhaFicaAbertoNoCampo();
    void botoesDeGiroMudamOsCampos();
    void okDevolveOsValores();
    void cancelaEAjuda();
};

void tst_TFrmFaixaZoom::legendasDoCatalogo()
{
    AmbienteFalso f;
    TFrmFaixaZoom d(f.ambiente);
    QCOMPARE(d.windowTitle(), QStringLiteral("Faixa de Zoom"));
    QCOMPARE(d.LabelLeiturasDe->text(), QStringLiteral("Leituras de"));
    QCOMPARE(d.LabeLeiturasAte->text(), QStringLiteral("Leituras até"));
    QCOMPARE(d.LabelValorDe->text(), QStringLiteral("Valores de "));
    QCOMPARE(d.LabeldeAs->text(), QStringLiteral("às"));
    QCOMPARE(d.LabelValorAte->text(), QStringLiteral("até"));
    QCOMPARE(d.CancelBtn->text(), QStringLiteral("&Cancela"));
    QCOMPARE(d.HelpBtn->text(), QStringLiteral("&Ajuda"));
    QVERIFY(d.OKBtn->isDefault());
    QVERIFY(d.Cancelado);
}

void tst_TFrmFaixaZoom::camposPreenchidos_data()
{
    QTest::addColumn<int>("faixas");
    QTest::newRow("one range: second row hidden") << 1;
    QTest::newRow("two ranges") << 2;
}

void tst_TFrmFaixaZoom::camposPreenchidos()
{
    QFETCH(int, faixas);
    AmbienteFalso f;
    TFrmFaixaZoom d(f.ambiente);
    d.SetaValores(faixas, kInicio, kInicio + 1.5, 10, 0, 100, -5.5, 80);
    d.show();
    QCOMPARE(d.MEDataInicial->text(), QStringLiteral("01/01/2000"));
    QCOMPARE(d.MEHoraInicial->text(), QStringLiteral("10:00:00"));
    QCOMPARE(d.MEDataFinal->text(), QStringLiteral("02/01/2000"));
    QCOMPARE(d.MEHoraFinal->text(), QStringLiteral("22:00:00"));
    QCOMPARE(d.MEValorDe->text(), QStringLiteral("0,00"));
    QCOMPARE(d.MEValorAte->text(), QStringLiteral("100,00"));
    QCOMPARE(d.MEValor2De->isVisible(), faixas > 1);
    QCOMPARE(d.LabelValor2Ate->isVisible(), faixas > 1);
    QCOMPARE(d.SpinButtonValorMax2->isVisible(), faixas > 1);
    QCOMPARE(d.MEValor2De->text(), faixas > 1 ? QStringLiteral("-5,50") : QString());
}

void tst_TFrmFaixaZoom::okComFalhaFicaAbertoNoCampo_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("blank date") << "MEDataFinal"
                                << ""
                                << "Data informada deve ser numérica.";
    QTest::newRow("equal values") << "MEValorAte"
                                  << "0"
                                  << "Valor inicial deve ser inferior ao valor final.";
    QTest::newRow("end before start")
        << "MEDataInicial"
        << "05/01/2000"
        << "Data da aquisição inicial deve ser inferior a data da aquisição final.";
}

void tst_TFrmFaixaZoom::okComFalhaFicaAbertoNoCampo()
{
    QFETCH(QString, campo);
    QFETCH(QString, texto);
    QFETCH(QString, mensagem);
    AmbienteFalso f;
    TFrmFaixaZoom d(f.ambiente);
    d.SetaValores(2, kInicio, kInicio + 1.5, 10, 0, 100, 20, 80);
    d.show();
    QLineEdit *alvo = campo == u"MEDataFinal" ? d.MEDataFinal
        : campo == u"MEValorAte"              ? d.MEValorAte
                                              : d.MEDataInicial;
    alvo->setText(texto);
    d.OKBtn->click();
    QCOMPARE(f.mensagens.textos(), QStringList { mensagem });
    QVERIFY(d.Cancelado);
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0);
    // The focus goes to the field the message names: the start date for
    // the order of the dates, the minimum for the values.
    QLineEdit *foco = campo == u"MEDataFinal" ? d.MEDataFinal
        : campo == u"MEValorAte"              ? d.MEValorDe
                                              : d.MEDataInicial;
    QCOMPARE(d.focusWidget(), foco);
}

void tst_TFrmFaixaZoom::botoesDeGiroMudamOsCampos()
{
    AmbienteFalso f;
    TFrmFaixaZoom d(f.ambiente);
    d.SetaValores(1, kInicio, kInicio + 1.5, 10, 0, 100, 0, 0);
    d.show();
    d.SpinButtonHoraIni->cima()->click();
    QCOMPARE(d.MEHoraInicial->text(), QStringLiteral("10:00:01"));
    d.SpinButtonHoraIni->baixo()->click();
    d.SpinButtonHoraIni->baixo()->click();
    QCOMPARE(d.MEHoraInicial->text(), QStringLiteral("09:59:59"));
    d.SpinButtonDataIni->cima()->click();
    QCOMPARE(d.MEDataInicial->text(), QStringLiteral("02/01/2000"));
    // Already the end date: the start date goes no further.
    d.SpinButtonDataIni->cima()->click();
    QCOMPARE(d.MEDataInicial->text(), QStringLiteral("02/01/2000"));
    d.MEValorDe->setText(QStringLiteral("99"));
    d.SpinButtonValorMin->cima()->click();
    QCOMPARE(d.MEValorDe->text(), QStringLiteral("99"));
    d.SpinButtonValorMax->cima()->click();
    QCOMPARE(d.MEValorAte->text(), QStringLiteral("101"));
}

void tst_TFrmFaixaZoom::okDevolveOsValores()
{
    AmbienteFalso f;
    TFrmFaixaZoom d(f.ambiente);
    d.SetaValores(2, kInicio, kInicio + 1.5, 10, 0, 100, 20, 80);
    d.show();
    d.MEValorDe->setText(QStringLiteral("-12,5"));
    d.MEValor2Ate->setText(QStringLiteral("90"));
    d.OKBtn->click();
    QVERIFY(f.mensagens.registro.isEmpty());
    QVERIFY(!d.Cancelado);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.DataInicial, DataHora::codificaData(2000, 1, 1).value_or(-1));
    QCOMPARE(d.HoraInicial, DataHora::codificaHora(10, 0, 0).value_or(-1));
    QCOMPARE(d.DataFinal + d.HoraFinal, kInicio + 1.5);
    QCOMPARE(d.ValorMin1, -12.5);
    QCOMPARE(d.ValorMax1, 100.0);
    QCOMPARE(d.ValorMin2, 20.0);
    QCOMPARE(d.ValorMax2, 90.0);
}

void tst_TFrmFaixaZoom::cancelaEAjuda()
{
    AmbienteFalso f;
    QStringList ajudas;
    TFrmFaixaZoom d(f.ambiente, [&](const QString &k) { ajudas << k; });
    d.SetaValores(1, kInicio, kInicio + 1, 10, 0, 100, 0, 0);
    d.show();
    d.HelpBtn->click();
    QCOMPARE(ajudas, QStringList { QStringLiteral("Propriedades_do_Gr_fico") });
    d.CancelBtn->click();
    QVERIFY(d.Cancelado);
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

QUORVANE_TEST_MAIN(tst_TFrmFaixaZoom)
#include "tst_TFrmFaixaZoom.moc"
