#pragma once

#include "Ambiente.h"
#include "ServicoBateria.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TDatalogger;

// The battery window: the date and time of the last battery change, the
// remaining charge on a vertical gauge, and the recording of a new change
// date. A thin view over ServicoBateria.
//
// Made by the main window's "Bateria" command: FormCreate() reads the
// logger (the window is shown only when that succeeded), then exec().
// "Altera data" checks the fields and writes; a successful write closes
// the window, a failed one leaves it open with its fields as they were.
class TFrmBateria : public QDialog
{
    Q_OBJECT
public:
    // The link and the environment's pointers must outlive the window.
    TFrmBateria(TDatalogger &datalogger, const Ambiente &ambiente, QWidget *parent = nullptr);

    bool FormCreate();
    void BtnAlterarClick();

    // Opens the help (the main window's help).
    std::function<void(const QString &palavraChave)> aoPedirAjuda;

private:
    void criaControles();
    void Language();
    QString texto(int numero) const;

    ServicoBateria m_servico;
    Ambiente m_ambiente;
    QLineEdit *MEditData = nullptr;
    QLineEdit *MEditHora = nullptr;
    QLabel *LabelDate = nullptr;
    QLabel *LabelAs = nullptr;
    QProgressBar *GaugeBateria = nullptr;
    QLabel *LblConsumo = nullptr;
    QPushButton *BtnAlterar = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;
};
