#pragma once

#include <QtGlobal>

#include <optional>
#include <string_view>

// Lines of a text file held in memory, without copying: each line is a view
// of the bytes up to (not including) its CR LF, LF or CR. Past the end of
// the text every line is empty.
class LeitorLinhas
{
public:
    LeitorLinhas(const char *dados, qsizetype tamanho)
        : m_pos(dados)
        , m_fim(dados + tamanho)
    {
    }

    bool noFim() const { return m_pos >= m_fim; }
    // Bytes not yet read.
    qsizetype restante() const { return m_fim - m_pos; }
    std::string_view proxima();
    // The next line as an entry value (LinhaNumerica::valor); the usual
    // short form is read in the same pass that finds the line's end.
    std::optional<double> proximoValor(char separadorDecimal);

private:
    const char *m_pos;
    const char *m_fim;
};

// Number lines of the files, read the way the program always read them.
namespace LinhaNumerica {

// Optional blanks, then a decimal integer with optional sign, ended by a
// blank or the line end. Leniently: the value of the valid beginning (0
// when there is none), held to the 32-bit range.
int32_t inteiro(std::string_view linha);
// A real number with "." as decimal point, leniently as above; a number
// too large for a double is infinite, one too small 0.
double real(std::string_view linha);
// A whole number with "." as the decimal point and nothing else on the line
// but blanks around it; nothing when the text is not such a number.
std::optional<double> numeroEstrito(std::string_view texto);
// Text lines are read up to this many characters; the rest is skipped.
constexpr size_t kTamanhoLinhaTexto = 255;

// An entry value, read from the first 255 characters of its line as any
// text line is: "." and "," both stand for the decimal separator when the
// regional separator is one of them; otherwise only the regional separator
// (given as its 8-bit byte) does.
std::optional<double> valor(std::string_view linha, char separadorDecimal);

}  // namespace LinhaNumerica
