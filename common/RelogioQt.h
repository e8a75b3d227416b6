#pragma once

#include "IRelogio.h"

#include <QElapsedTimer>

// The computer's clock: milliseconds of a monotonic timer started with the
// object, the local date and time, a real sleep, and the application's pending events handled when
// there is an application.
class RelogioQt : public IRelogio
{
public:
    RelogioQt();

    int64_t tickCount() const override;
    TDateTime dataHoraAtual() const override;
    void dorme(int ms) override;
    void processaMensagens() override;

private:
    QElapsedTimer m_cronometro;
};
