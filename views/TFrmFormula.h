#pragma once

#include "Ambiente.h"
#include "InterfaceFormulas.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The formula dialog: the library's formulas by name, the channels to apply
// one to, the range of acquisitions it will work on, its expression and
// description. It reads the library's list when it is created (and releases
// the library); the graph window fills it, shows it modally and reads how
// it closed and the chosen formula. The check of the choice is
// RegrasFormula::verifica.
class TFrmFormula : public QDialog
{
    Q_OBJECT
public:
    enum class Fechamento { Fechado, Ativado, Desativado };

    // pastaPrograma: where the library is looked for first.
    TFrmFormula(const Ambiente &ambiente, const QString &pastaPrograma, QWidget *parent = nullptr);
    ~TFrmFormula() override;

    // Whether the library was found and its list read.
    bool carregado() const { return m_carregado; }
    // The range edits, 1-based numbers of the first and last acquisitions.
    void defineFaixa(int inicial, int final);
    // Each channel box is enabled only when the document uses the channel.
    void habilitaCanais(bool canal1, bool canal2);
    // Selects the formula associated with the graph and the user's choices.
    void SetaParametros(const Formulas::TFormula &formula);
    void AtualizaDadosFormula(int indice);
    // The check of "&Ativar"; warns and returns false on a wrong choice.
    bool VerificaParametros();

    Fechamento fechamento() const { return m_fechamento; }
    // The current formula (with the user's channels after "&Ativar"); null
    // while none is selected.
    const Formulas::TFormula *formulaAtual() const;
    const std::vector<Formulas::TFormula> &formulas() const { return m_formulas; }

    // Components, named as in the dialog's layout.
    QGroupBox *GroupBoxName = nullptr;
    QListWidget *ListBox_Formula = nullptr;
    QGroupBox *GroupBoxApp = nullptr;
    QCheckBox *CheckBox_Canal1 = nullptr;
    QCheckBox *CheckBox_Canal2 = nullptr;
    QGroupBox *GrpBx_Interv = nullptr;
    QLabel *LabelAcqIni = nullptr;
    QLineEdit *Edt_Aquisini = nullptr;
    QLabel *LabelAcqEnd = nullptr;
    QLineEdit *Edt_Aquisfinal = nullptr;
    QGroupBox *GroupBoxFormula = nullptr;
    QLineEdit *Edt_FormulaSimb = nullptr;
    QGroupBox *GroupBoxDescription = nullptr;
    QPlainTextEdit *Memo_Descr = nullptr;
    QPushButton *BtBtn_Fechar = nullptr;
    QPushButton *BtBtn_Ativar = nullptr;
    QPushButton *BtBtn_Desativar = nullptr;

    void ListBox_FormulaClick();
    void BtBtn_AtivarClick();
    void BtBtn_DesativarClick();
    void BtBtn_FecharClick();

private:
    void montaJanela();
    void FormCreate(const QString &pastaPrograma);
    void Language();
    QString texto(int numero) const;

    const Ambiente &m_ambiente;
    std::vector<Formulas::TFormula> m_formulas;
    int m_atual = -1;
    bool m_carregado = false;
    Fechamento m_fechamento = Fechamento::Fechado;
};
