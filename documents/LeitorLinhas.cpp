#include "LeitorLinhas.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

std::string_view LeitorLinhas::proxima()
{
    if (m_pos >= m_fim)
        return {};
    const char *inicio = m_pos;
    const char *p = inicio;
    while (p < m_fim && *p != '\n' && *p != '\r')
        ++p;
    const std::string_view linha(inicio, size_t(p - inicio));
    if (p < m_fim && *p == '\r')
        ++p;
    if (p < m_fim && *p == '\n')
        ++p;
    m_pos = p;
    return linha;
}

namespace {

bool ehBranco(char c)
{
    return c == ' ' || c == '\t';
}

bool ehDigito(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view semBrancos(std::string_view t)
{
    while (!t.empty() && uchar(t.front()) <= ' ')
        t.remove_prefix(1);
    while (!t.empty() && uchar(t.back()) <= ' ')
        t.remove_suffix(1);
    return t;
}

// Length of the longest beginning of t of the form
// [+-]digits[.digits][(e|E)[+-]digits] with at least one mantissa digit;
// 0 when there is none. With inteira, the whole text must be such a form.
size_t prefixoNumerico(std::string_view t)
{
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t digitos = 0;
    while (i < t.size() && ehDigito(t[i]))
        ++i, ++digitos;
    if (i < t.size() && t[i] == '.') {
        size_t j = i + 1;
        size_t fracao = 0;
        while (j < t.size() && ehDigito(t[j]))
            ++j, ++fracao;
        if (digitos + fracao > 0) {
            i = j;
            digitos += fracao;
        }
    }
    if (digitos == 0)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        const size_t inicioExpoente = j;
        while (j < t.size() && ehDigito(t[j]))
            ++j;
        if (j > inicioExpoente)
            i = j;
    }
    return i;
}

// The power of ten of the leading digit of a number of the form
// prefixoNumerico accepts (its decimal exponent), held to +-100000.
int64_t expoenteDecimal(std::string_view t)
{
    size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    int64_t inteiros = 0;  // significant digits before the point
    int64_t zeros = 0;  // zeros after the point before the first significant digit
    bool achou = false;
    for (; i < t.size() && ehDigito(t[i]); ++i) {
        achou = achou || t[i] != '0';
        inteiros += achou ? 1 : 0;
    }
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && ehDigito(t[i]) && !achou; ++i) {
            achou = t[i] != '0';
            zeros += achou ? 0 : 1;
        }
        while (i < t.size() && ehDigito(t[i]))
            ++i;
    }
    int64_t expoente = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        const bool negativo = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        for (; i < t.size() && ehDigito(t[i]); ++i)
            expoente = std::min<int64_t>(expoente * 10 + (t[i] - '0'), 100000);
        expoente = negativo ? -expoente : expoente;
    }
    return (inteiros > 0 ? inteiros - 1 : -zeros - 1) + expoente;
}

std::optional<double> converte(std::string_view t)
{
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    double v = 0.0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The entries' usual form, [+-]digits[separator digits] with at most 15
// digits: its value is the digits as an integer over a power of ten, both
// exact in a double, so the one division rounds as from_chars would.
struct NumeroCurto
{
    bool negativo = false;
    uint64_t inteiro = 0;
    int digitos = 0;
    int casas = -1;  // digits after the separator; -1 before it
};

// The separators of the short form: "." and "," both when the regional
// separator is one of them; none (the general way) when it could be taken
// for a digit or a sign.
bool separadoresCurtos(char separadorDecimal, char &um, char &outro)
{
    const bool ambos = separadorDecimal == '.' || separadorDecimal == ',';
    um = ambos ? '.' : separadorDecimal;
    outro = ambos ? ',' : separadorDecimal;
    return !ehDigito(separadorDecimal) && separadorDecimal != '-' && separadorDecimal != '+';
}

// Reads the short form from p on, as far as it goes; returns where it
// stopped.
const char *leCurto(const char *p, const char *fim, char um, char outro, NumeroCurto &n)
{
    if (p < fim && (*p == '-' || *p == '+'))
        n.negativo = *p++ == '-';
    for (; p < fim; ++p) {
        const unsigned digito = unsigned(uchar(*p)) - '0';
        if (digito < 10) {
            n.inteiro = n.inteiro * 10 + digito;
            ++n.digitos;
            n.casas += n.casas >= 0 ? 1 : 0;
        } else if (n.casas < 0 && (*p == um || *p == outro)) {
            n.casas = 0;
        } else {
            break;
        }
    }
    return p;
}

std::optional<double> valorCurto(const NumeroCurto &n)
{
    static constexpr double kPotencias[]
        = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15 };
    if (n.digitos == 0 || n.digitos > 15)
        return std::nullopt;
    const double v = double(n.inteiro) / kPotencias[std::max(0, n.casas)];
    return n.negativo ? -v : v;
}

}  // namespace

std::optional<double> LeitorLinhas::proximoValor(char separadorDecimal)
{
    char um = 0;
    char outro = 0;
    NumeroCurto n;
    const char *p = m_pos;
    if (separadoresCurtos(separadorDecimal, um, outro))
        p = leCurto(p, m_fim, um, outro, n);
    const auto v = p == m_fim || *p == '\r' || *p == '\n' ? valorCurto(n) : std::nullopt;
    if (!v)
        return LinhaNumerica::valor(proxima(), separadorDecimal);
    if (p < m_fim && *p == '\r')
        ++p;
    if (p < m_fim && *p == '\n')
        ++p;
    m_pos = p;
    return v;
}

namespace LinhaNumerica {

int32_t inteiro(std::string_view linha)
{
    size_t i = 0;
    while (i < linha.size() && ehBranco(linha[i]))
        ++i;
    bool negativo = false;
    if (i < linha.size() && (linha[i] == '+' || linha[i] == '-'))
        negativo = linha[i++] == '-';
    int64_t v = 0;
    constexpr int64_t teto = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < linha.size() && ehDigito(linha[i]); ++i)
        v = std::min<int64_t>(v * 10 + (linha[i] - '0'), teto);
    v = negativo ? -v : v;
    if (v > std::numeric_limits<int32_t>::max())
        v = std::numeric_limits<int32_t>::max();
    return int32_t(v);
}

double real(std::string_view linha)
{
    while (!linha.empty() && ehBranco(linha.front()))
        linha.remove_prefix(1);
    const size_t n = prefixoNumerico(linha);
    if (n == 0)
        return 0.0;
    const std::string_view numero = linha.substr(0, n);
    if (const auto v = converte(numero))
        return *v;
    // Beyond the range of a double: too large is infinite, too small 0.
    const double sinal = numero.front() == '-' ? -1.0 : 1.0;
    return expoenteDecimal(numero) > 0 ? sinal * HUGE_VAL : sinal * 0.0;
}

std::optional<double> numeroEstrito(std::string_view texto)
{
    texto = semBrancos(texto);
    if (texto.empty() || prefixoNumerico(texto) != texto.size())
        return std::nullopt;
    return converte(texto);
}

std::optional<double> valor(std::string_view linha, char separadorDecimal)
{
    // Read as a text line: what lies past its 255th character is skipped.
    char copia[kTamanhoLinhaTexto];
    linha = semBrancos(linha.substr(0, sizeof copia));
    if (linha.empty())
        return std::nullopt;
    char um = 0;
    char outro = 0;
    NumeroCurto n;
    if (separadoresCurtos(separadorDecimal, um, outro)
        && leCurto(linha.data(), linha.data() + linha.size(), um, outro, n) == linha.data() + linha.size()) {
        if (const auto v = valorCurto(n))
            return v;
    }
    const bool ambos = separadorDecimal == '.' || separadorDecimal == ',';
    for (size_t i = 0; i < linha.size(); ++i) {
        char c = linha[i];
        if (ambos && c == ',')
            c = '.';
        else if (!ambos && c == '.')
            return std::nullopt;
        else if (!ambos && c == separadorDecimal)
            c = '.';
        copia[i] = c;
    }
    return numeroEstrito(std::string_view(copia, linha.size()));
}

}  // namespace LinhaNumerica
