#pragma once

#include "ISinalSonoro.h"

// The system's default beep, through QApplication::beep().
class SinalSonoroQt : public ISinalSonoro
{
public:
    void bip() override;
};
