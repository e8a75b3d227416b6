#pragma once

#include "Real48.h"

// One stored acquisition: the value of each channel in engineering units,
// held at the precision of the 48-bit real (0 for a channel not recorded).
class TLeitura
{
public:
    TLeitura() = default;
    TLeitura(double canal1, double canal2)
        : m_canal1(Real48::arredonda(canal1))
        , m_canal2(Real48::arredonda(canal2))
    {
    }

    double Canal1() const { return m_canal1; }
    double Canal2() const { return m_canal2; }
    // The value of channel 1 or 2.
    double canal(int numero) const { return numero == 2 ? m_canal2 : m_canal1; }

    bool operator==(const TLeitura &) const = default;

private:
    double m_canal1 = 0.0;
    double m_canal2 = 0.0;
};
