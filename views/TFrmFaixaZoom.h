#pragma once

#include "Ambiente.h"
#include "DataHora.h"
#include "FaixaZoom.h"

#include <QDialog>

#include <functional>

class BotaoGiro;
class QLabel;
class QLineEdit;
class QPushButton;

// The zoom-range dialog: the first and last instant to show and the value
// range of one or two axes. The graph window fills it with SetaValores,
// shows it modally and, unless Cancelado, reads the range back from its
// fields below. The rules of its fields, spin buttons and checks are in
// FaixaZoom.
class TFrmFaixaZoom : public QDialog
{
    Q_OBJECT
public:
    // ajuda opens the help at a keyword; without it the Help button does
    // nothing.
    TFrmFaixaZoom(
        const Ambiente &ambiente, std::function<void(const QString &)> ajuda = {}, QWidget *parent = nullptr);

    // The interval is the caller's; the dialog does not use it.
    void SetaValores(int n, TDateTime inicio, TDateTime fim, double intervalo, double min1, double max1,
        double min2, double max2);

    // The range, valid on return when Cancelado is false.
    int NumFaixas = 1;
    TDateTime DataInicial = 0;
    TDateTime HoraInicial = 0;
    TDateTime DataFinal = 0;
    TDateTime HoraFinal = 0;
    double ValorMin1 = 0;
    double ValorMax1 = 0;
    double ValorMin2 = 0;
    double ValorMax2 = 0;
    bool Cancelado = true;

    // Components, named as in the dialog's layout.
    QLabel *LabelLeiturasDe = nullptr;
    QLineEdit *MEDataInicial = nullptr;
    BotaoGiro *SpinButtonDataIni = nullptr;
    QLabel *LabeldeAs = nullptr;
    QLineEdit *MEHoraInicial = nullptr;
    BotaoGiro *SpinButtonHoraIni = nullptr;
    QLabel *LabeLeiturasAte = nullptr;
    QLineEdit *MEDataFinal = nullptr;
    BotaoGiro *SpinButtonDataFinal = nullptr;
    QLabel *LabelateAs = nullptr;
    QLineEdit *MEHoraFinal = nullptr;
    BotaoGiro *SpinButtonHoraFinal = nullptr;
    QLabel *LabelValorDe = nullptr;
    QLineEdit *MEValorDe = nullptr;
    BotaoGiro *SpinButtonValorMin = nullptr;
    QLabel *LabelValorAte = nullptr;
    QLineEdit *MEValorAte = nullptr;
    BotaoGiro *SpinButtonValorMax = nullptr;
    QLabel *LabelValor2De = nullptr;
    QLineEdit *MEValor2De = nullptr;
    BotaoGiro *SpinButtonValorMin2 = nullptr;
    QLabel *LabelValor2Ate = nullptr;
    QLineEdit *MEValor2Ate = nullptr;
    BotaoGiro *SpinButtonValorMax2 = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    // The fields as the rules read them: blanks where nothing was typed.
    FaixaZoom::Campos campos() const;

    void OKBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void montaJanela();
    void FormCreate();
    void FormShow();
    bool ValidaValoresCampos();
    bool ValidaCoordenadasdeZoom();
    void MostraValores_Sensor2();
    void liga(BotaoGiro *botao, FaixaZoom::Giro giro);
    void poeCampos(const FaixaZoom::Campos &campos);
    void focaliza(FaixaZoom::Campo campo);
    QString texto(int numero) const;

    const Ambiente &m_ambiente;
    std::function<void(const QString &)> m_ajuda;
};
