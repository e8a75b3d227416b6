#pragma once

#include "RegrasLimites.h"
#include "ResumoCanal.h"

#include <QDialog>

#include <array>

struct Ambiente;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TAquisicao;

// The alarm-limits dialog of a graph: for each channel with a sensor, an
// upper and a lower limit, each with its on/off box, typed in the channel's
// unit and decimals. OK reads every box (RegrasLimites); a refusal is shown
// through the message seam and keeps the dialog open on that box. The
// caller writes the limits it accepted. Limits are kept by the logger's
// serial number: for a recording without one the dialog says so, with
// every box and OK off.
class TFrmLimitesAlarme : public QDialog
{
    Q_OBJECT
public:
    TFrmLimitesAlarme(const Ambiente &ambiente, QWidget *pai = nullptr);

    // The document's channels and their present limits.
    void SetaLimites(const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites);
    // The limits read when OK was accepted (channel 1 and 2).
    const std::array<LimitesCanal, 2> &limites() const { return m_limites; }
    bool Cancelado = true;

    struct Caixas
    {
        QGroupBox *grupo = nullptr;
        QCheckBox *ligaAlto = nullptr;
        QLineEdit *alto = nullptr;
        QCheckBox *ligaBaixo = nullptr;
        QLineEdit *baixo = nullptr;
        std::array<QLabel *, 2> unidades {};
    };
    // The boxes of channel 1 and 2 (a channel without a sensor is hidden).
    std::array<Caixas, 2> canais;
    QLabel *semSerie = nullptr;  // shown for a recording without a serial number
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

private:
    void montaCanal(int i);
    void OKBtnClick();
    QString texto(int numero) const;

    const Ambiente &m_ambiente;
    std::array<RegrasLimites::Canal, 2> m_canais;
    std::array<LimitesCanal, 2> m_limites;
};
