#pragma once

// What the benchmarks of the summary and of the verdict share: the
// thread's processor time, and the recording they measure.
#include "DataHora.h"
#include "GravacaoTeste.h"
#include "TAquisicao.h"

#include <cmath>
#include <ctime>

inline qint64 cpuNs()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// A cold room at one decimal, drifting and now and then leaving its limits,
// beside a warehouse probe at two: n entries a minute apart from
// 01/01/2024 00:00.
inline TAquisicao gravacaoBench(int n)
{
    TAquisicao a = gravacaoTeste();
    a.UnidadeCanal2 = QStringLiteral("°C");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 2;
    a.Inicio = DataHora::codifica(2024, 1, 1, 0, 0, 0).value_or(0);
    return comLeituras(a, n, [](int i) {
        const double t = 5.0 + 3.0 * std::sin(i * 0.001) + 0.4 * std::sin(i * 0.37);
        const double u = 22.0 + 6.0 * std::cos(i * 0.0007) + 0.3 * std::sin(i * 0.11);
        return ParTeste(std::round(t * 10) / 10, std::round(u * 100) / 100);
    });
}
