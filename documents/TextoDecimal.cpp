#include "TextoDecimal.h"

#include "Real48.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool soZeros(const char *inicio, const char *fim)
{
    for (const char *p = inicio; p < fim; ++p)
        if (*p >= '1' && *p <= '9')
            return false;
    return true;
}

// Moves the text one place right when it starts with "-" and shows only
// zeros: the sign goes.
int semSinalNoZero(char *buf, int n)
{
    if (n > 1 && buf[0] == '-' && soZeros(buf + 1, buf + n)) {
        std::memmove(buf, buf + 1, size_t(n - 1));
        return n - 1;
    }
    return n;
}

// A value lying exactly half-way between two texts of that many decimals.
// Values held as 48-bit reals times 10^casas (casas <= 3) are exact in a
// double, so the check is exact for them.
bool empateExato(double valor, int casas)
{
    static constexpr double potencias[] = { 1.0, 10.0, 100.0, 1000.0 };
    if (casas > 3)
        return false;
    const double x = std::fabs(valor) * potencias[casas];
    if (x >= 4503599627370496.0)  // 2^52: no fraction left
        return false;
    return x - std::floor(x) == 0.5;
}

}  // namespace

namespace TextoDecimal {

int fixo(char *buf, size_t tamanho, double valor, int casas, char separador)
{
    if (!std::isfinite(valor))
        valor = 0.0;
    if (casas < 0 || casas > 20)
        return 0;
    if (empateExato(valor, casas))
        valor = std::nextafter(valor, valor > 0 ? HUGE_VAL : -HUGE_VAL);
    const auto r = std::to_chars(buf, buf + tamanho, valor, std::chars_format::fixed, casas);
    if (r.ec != std::errc())
        return 0;
    int n = int(r.ptr - buf);
    if (casas > 0)
        buf[n - casas - 1] = separador;
    return semSinalNoZero(buf, n);
}

int geral(char *buf, size_t tamanho, double valor, char separador)
{
    if (valor == 0.0 || !std::isfinite(valor)) {
        if (tamanho < 1)
            return 0;
        buf[0] = '0';
        return 1;
    }
    char t[64];
    int n = 0;
    for (int precisao = 12; precisao <= 15; ++precisao) {
        const auto r = std::to_chars(t, t + sizeof t, valor, std::chars_format::general, precisao);
        n = int(r.ptr - t);
        double volta = 0.0;
        std::from_chars(t, r.ptr, volta);
        if (Real48::arredonda(volta) == Real48::arredonda(valor))
            break;
    }
    // "1.5e+25" is written 1.5E25, "1e-07" 1E-7.
    int saida = 0;
    for (int i = 0; i < n; ++i) {
        if (size_t(saida) + 4 > tamanho)
            return 0;
        const char c = t[i];
        if (c == '.') {
            buf[saida++] = separador;
        } else if (c == 'e') {
            buf[saida++] = 'E';
            ++i;
            if (t[i] == '-')
                buf[saida++] = '-';
            ++i;
            while (i < n - 1 && t[i] == '0')
                ++i;
            for (; i < n; ++i)
                buf[saida++] = t[i];
        } else {
            buf[saida++] = c;
        }
    }
    return saida;
}

int leitura(char *buf, size_t tamanho, double valor, int sensor, int decimais, char separador)
{
    constexpr int kSensorPt100 = 8;
    if (sensor == kSensorPt100)
        return fixo(buf, tamanho, valor, 1, separador);
    if (decimais == 0)
        return geral(buf, tamanho, valor, separador);
    if (decimais >= 1 && decimais <= 3)
        return fixo(buf, tamanho, valor, decimais, separador);
    return 0;
}

}  // namespace TextoDecimal
