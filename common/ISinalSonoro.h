#pragma once

// The system's default beep.
class ISinalSonoro
{
public:
    virtual ~ISinalSonoro() = default;
    virtual void bip() = 0;
};
