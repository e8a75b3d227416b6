#pragma once

#include <cstdint>

// Time as the link and the waits see it. The real clock counts milliseconds
// since start and lets the event loop run; the test clock is virtual.
class IRelogio
{
public:
    virtual ~IRelogio() = default;

    // Milliseconds since an arbitrary origin, never going back.
    virtual int64_t tickCount() const = 0;
    // Sleeps the calling thread (the virtual clock simply advances).
    virtual void dorme(int ms) = 0;
    // Lets the application handle its pending window messages.
    virtual void processaMensagens() = 0;
};
