#pragma once

#include "DataHora.h"

#include <cstdint>

// Time as the link, the waits and the windows see it. The real clock counts
// milliseconds since start, gives the computer's date and time and lets the
// event loop run; the test clock is virtual.
class IRelogio
{
public:
    virtual ~IRelogio() = default;

    // Milliseconds since an arbitrary origin, never going back.
    virtual int64_t tickCount() const = 0;
    // The computer's local date and time ("now" of the estimates and of the
    // date checks).
    virtual TDateTime dataHoraAtual() const = 0;
    // Sleeps the calling thread (the virtual clock simply advances).
    virtual void dorme(int ms) = 0;
    // Lets the application handle its pending window messages.
    virtual void processaMensagens() = 0;
};
