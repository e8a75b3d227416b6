#include "TextoNumero.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int kSensorPt100 = 8;

QString semSinalNoZero(std::string_view t)
{
    bool zero = true;
    for (char c : t)
        if (c >= '1' && c <= '9')
            zero = false;
    if (zero && !t.empty() && t.front() == '-')
        t.remove_prefix(1);
    return QString::fromLatin1(t.data(), qsizetype(t.size()));
}

} // namespace

namespace TextoNumero {

QString fixo(double valor, int casas, QChar separador)
{
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed, casas);
    if (r.ec != std::errc())
        return QString();
    QString t = semSinalNoZero(std::string_view(buf, size_t(r.ptr - buf)));
    if (casas > 0)
        t[t.size() - casas - 1] = separador;
    return t;
}

QString geral(double valor, QChar separador)
{
    if (valor == 0.0 || !std::isfinite(valor))
        return QStringLiteral("0");
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::general, 15);
    QString t = QString::fromLatin1(buf, qsizetype(r.ptr - buf));
    // "1.5e+20" is written 1.5E20, "1e-07" 1E-7.
    const qsizetype e = t.indexOf(u'e');
    if (e >= 0) {
        QString expoente = t.mid(e + 1);
        const bool negativo = expoente.startsWith(u'-');
        expoente.remove(0, 1);
        while (expoente.size() > 1 && expoente.startsWith(u'0'))
            expoente.remove(0, 1);
        t = t.left(e) + u'E' + (negativo ? QStringLiteral("-") : QString()) + expoente;
    }
    t.replace(u'.', separador);
    return t;
}

QString leitura(double valor, int sensor, int decimais, QChar separador)
{
    if (sensor == kSensorPt100)
        return fixo(valor, 1, separador);
    switch (decimais) {
    case 0:
        return geral(valor, separador);
    case 1:
    case 2:
    case 3:
        return fixo(valor, decimais, separador);
    default:
        return QString();
    }
}

QString offset(int32_t contagem, int sensor, int decimais, QChar separador)
{
    if (sensor == kSensorPt100)
        return fixo(contagem * 0.1, 1, separador);
    switch (decimais) {
    case 0:
        return QString::number(contagem);
    case 1:
        return fixo(contagem * 0.1, 1, separador);
    case 2:
        return fixo(contagem * 0.01, 2, separador);
    case 3:
        return fixo(contagem * 0.001, 3, separador);
    default:
        return QString();
    }
}

} // namespace TextoNumero
