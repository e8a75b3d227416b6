#pragma once

#include "AjusteOffset.h"
#include "Ambiente.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TDatalogger;

// The offset window: each channel's offset as shown, changed only by its
// up-down buttons, and sent with "Altera Offset". A thin view over
// AjusteOffset.
//
// Made by the main window's "Ajuste Offset" command: FormCreate() reads the
// logger (the window is shown only when that succeeded), then exec(). A
// successful send closes the window, a failed one leaves it open with its
// texts; "Cancela" closes it without any exchange.
class TFormOffset : public QDialog
{
    Q_OBJECT
public:
    // The link and the environment's pointers must outlive the window.
    TFormOffset(TDatalogger &datalogger, const Ambiente &ambiente, QWidget *parent = nullptr);

    bool FormCreate();
    void UpDown1Click(bool acima);
    void UpDown2Click(bool acima);
    void BitBtnOffsetClick();
    void BitBtnCancelClick();

private:
    struct Canal
    {
        QLabel *LblOffs = nullptr;
        QLineEdit *Edit = nullptr;
        QWidget *UpDown = nullptr;
    };
    Canal criaCanal(int n);
    void Language();
    void mostraCanais();
    QString texto(int numero) const;

    AjusteOffset m_ajuste;
    Ambiente m_ambiente;
    Canal m_canal[2];
    QPushButton *BitBtnOffset = nullptr;
    QPushButton *BitBtnCancel = nullptr;
};
