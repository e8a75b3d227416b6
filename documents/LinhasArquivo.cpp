#include "LinhasArquivo.h"

#include "DataHora.h"
#include "TextoDecimal.h"
#include "Windows1252.h"

#include <QDate>
#include <QTime>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

void doisDigitos(char *p, int v)
{
    p[0] = char('0' + v / 10 % 10);
    p[1] = char('0' + v % 10);
}

// "dd/mm/yyyy": day and month of one or two digits, a four-digit year,
// blanks around allowed.
std::optional<QDate> data(std::string_view t)
{
    int campos[3] = { 0, 0, 0 };
    int digitos[3] = { 0, 0, 0 };
    size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= t.size() || t[i] != '/')
                return std::nullopt;
            ++i;
        }
        while (i < t.size() && t[i] >= '0' && t[i] <= '9' && digitos[k] < 5) {
            campos[k] = campos[k] * 10 + (t[i] - '0');
            ++digitos[k];
            ++i;
        }
    }
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (i != t.size() || digitos[0] < 1 || digitos[0] > 2 || digitos[1] < 1 || digitos[1] > 2
        || digitos[2] != 4)
        return std::nullopt;
    const QDate d(campos[2], campos[1], campos[0]);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

// "hh:nn:ss" (the seconds may be left out): fields of one or two digits,
// hours 0-23, minutes and seconds 0-59.
std::optional<QTime> hora(std::string_view t)
{
    int campos[3] = { 0, 0, 0 };
    int k = 0;
    size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    for (; k < 3; ++k) {
        if (k > 0) {
            if (i >= t.size() || t[i] != ':')
                break;
            ++i;
        }
        int digitos = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9' && digitos < 3) {
            campos[k] = campos[k] * 10 + (t[i] - '0');
            ++digitos;
            ++i;
        }
        if (digitos < 1 || digitos > 2)
            return std::nullopt;
    }
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (k < 2 || i != t.size() || campos[0] > 23 || campos[1] > 59 || campos[2] > 59)
        return std::nullopt;
    return QTime(campos[0], campos[1], campos[2]);
}

}  // namespace

namespace LinhasArquivo {

void linha(QByteArray &saida, std::string_view texto)
{
    saida.append(texto.data(), qsizetype(texto.size()));
    saida.append("\r\n", 2);
}

void linhaInteira(QByteArray &saida, int64_t valor)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor);
    linha(saida, std::string_view(buf, size_t(r.ptr - buf)));
}

// A text field as it is, on one line: a line break inside it would shift
// every line after it, so it becomes a blank.
void linhaTexto(QByteArray &saida, const QString &texto)
{
    QByteArray bytes = Windows1252::codifica(texto);
    bytes.replace('\r', ' ').replace('\n', ' ');
    linha(saida, std::string_view(bytes.constData(), size_t(bytes.size())));
}

// "%.2f" with the given decimal separator.
void linhaValor(QByteArray &saida, double valor, char separador)
{
    char buf[TextoDecimal::TamanhoBuffer];
    const int n = TextoDecimal::fixo(buf, sizeof buf, valor, 2, separador);
    linha(saida, std::string_view(buf, size_t(n)));
}

void linhasDataHora(QByteArray &saida, double instante)
{
    const CamposDataHora c = DataHora::decodifica(instante);
    char data[10];
    doisDigitos(data, c.dia);
    data[2] = '/';
    doisDigitos(data + 3, c.mes);
    data[5] = '/';
    doisDigitos(data + 6, c.ano / 100);
    doisDigitos(data + 8, c.ano % 100);
    linha(saida, std::string_view(data, 10));
    char hora[8];
    doisDigitos(hora, c.hora);
    hora[2] = ':';
    doisDigitos(hora + 3, c.minuto);
    hora[5] = ':';
    doisDigitos(hora + 6, c.segundo);
    linha(saida, std::string_view(hora, 8));
}

int64_t parteInteira(double v)
{
    if (!std::isfinite(v))
        return 0;
    const double t = std::trunc(v);
    if (t >= 9.2e18)
        return std::numeric_limits<int64_t>::max();
    if (t <= -9.2e18)
        return std::numeric_limits<int64_t>::min();
    return int64_t(t);
}

std::optional<double> instante(std::string_view linhaData, std::string_view linhaHora)
{
    const auto d = data(linhaData);
    const auto h = hora(linhaHora);
    if (!d || !h)
        return std::nullopt;
    return DataHora::codifica(d->year(), d->month(), d->day(), h->hour(), h->minute(), h->second());
}

}  // namespace LinhasArquivo
