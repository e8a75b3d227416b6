#pragma once

#include "Real48.h"

#include <cstddef>
#include <type_traits>

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

    // Where channel 1 or 2 lies in an entry, in bytes: a table of entries
    // read as a column of one channel (sizeof(TLeitura) from one to the next).
    static size_t deslocamentoCanal(int numero)
    {
        return numero == 2 ? offsetof(TLeitura, m_canal2) : offsetof(TLeitura, m_canal1);
    }

private:
    double m_canal1 = 0.0;
    double m_canal2 = 0.0;
};

static_assert(std::is_standard_layout_v<TLeitura>);
