// The shipped formula library on 1,000,000 entries: the time of each range
// formula's Calcula, loaded as the program loads it (the aim is under
// 20 ms each). Wall time and the thread's processor time, which leaves out
// the waits of a busy machine.
#include "BibliotecaFormulas.h"
#include "Real48.h"
#include "RegrasFormula.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <ctime>

#include <cmath>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 1000000;
    std::vector<Formulas::TLeitura> entradas(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto a = Real48::paraBytes(1e6 + 0.01 * std::sin(i * 0.37));
        const auto b = Real48::paraBytes(20.0 + std::cos(i * 0.01));
        std::memcpy(entradas[size_t(i)].Canal1, a.data(), 6);
        std::memcpy(entradas[size_t(i)].Canal2, b.data(), 6);
    }
    BibliotecaFormulas biblioteca(QStringLiteral(PASTA_FORMULAS));
    if (!biblioteca.carregada()) {
        std::fprintf(stderr, "libequation.so not found\n");
        return 1;
    }
    std::printf("%d entries\n", n);
    for (const Formulas::TFormula &modelo : biblioteca.formulas()) {
        if (RegrasFormula::unica(modelo))
            continue;
        Formulas::TFormula f = modelo;
        f.Canais = f.Canais == 2 ? 3 : 1;
        f.NumAquisicoes = n;
        f.IntervaloSegundos = 10;
        qint64 melhor = -1;
        qint64 melhorCpu = -1;
        long double r = 0;
        for (int vez = 0; vez < 5; ++vez) {
            timespec c0, c1;
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c0);
            QElapsedTimer t;
            t.start();
            r = biblioteca.calcula(f, entradas);
            const qint64 ns = t.nsecsElapsed();
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c1);
            const qint64 cpu = (c1.tv_sec - c0.tv_sec) * 1000000000LL + (c1.tv_nsec - c0.tv_nsec);
            melhor = melhor < 0 ? ns : std::min(melhor, ns);
            melhorCpu = melhorCpu < 0 ? cpu : std::min(melhorCpu, cpu);
        }
        std::printf("%-36s %8.3f ms wall %8.3f ms cpu  (%.6Lg)\n", qPrintable(RegrasFormula::texto(f.Nome)),
            melhor / 1e6, melhorCpu / 1e6, r);
    }
    return 0;
}
