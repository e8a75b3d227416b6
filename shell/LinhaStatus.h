#pragma once

#include "ILinhaStatus.h"

#include <QLineEdit>

class QTimer;

// The main window's status line (EditStatus): a borderless read-only edit
// box that the logger link writes to. Every text written restarts
// TimerStatus; when it fires, 6 seconds after the last text, the line is
// emptied and its colour set back to black.
class LinhaStatus : public QLineEdit, public ILinhaStatus
{
    Q_OBJECT
public:
    static constexpr int IntervaloTimerStatus = 6000;

    explicit LinhaStatus(QWidget *parent = nullptr);

    void defineTexto(const QString &texto) override;
    void defineCor(Cor cor) override;
    void repinta() override;

    Cor cor() const { return m_cor; }
    QTimer *TimerStatus() const { return m_timerStatus; }

private:
    void TimerStatusTimer();

    QTimer *m_timerStatus;
    Cor m_cor = Cor::Preto;
};
