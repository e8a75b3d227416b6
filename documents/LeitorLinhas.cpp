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

}  // namespace

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
    return converte(linha.substr(0, n)).value_or(0.0);
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
    linha = semBrancos(linha);
    // Entry lines are short; a longer one is no number of ours.
    char copia[64];
    if (linha.empty() || linha.size() >= sizeof copia)
        return std::nullopt;
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
