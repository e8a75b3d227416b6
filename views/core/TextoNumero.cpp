#include "TextoNumero.h"

#include "TextoDecimal.h"

namespace {

constexpr int kSensorPt100 = 8;

}  // namespace

namespace TextoNumero {

QString fixo(double valor, int casas, QChar separador)
{
    char buf[TextoDecimal::TamanhoBuffer];
    const int n = TextoDecimal::fixo(buf, sizeof buf, valor, casas, '.');
    QString t = QString::fromLatin1(buf, n);
    if (casas > 0 && n > casas)
        t[n - casas - 1] = separador;
    return t;
}

QString geral(double valor, QChar separador)
{
    char buf[64];
    const int n = TextoDecimal::geral(buf, sizeof buf, valor, '.');
    QString t = QString::fromLatin1(buf, n);
    t.replace(u'.', separador);
    return t;
}

QString leitura(double valor, int sensor, int decimais, QChar separador)
{
    char buf[TextoDecimal::TamanhoBuffer];
    const int n = TextoDecimal::leitura(buf, sizeof buf, valor, sensor, decimais, '.');
    QString t = QString::fromLatin1(buf, n);
    t.replace(u'.', separador);
    return t;
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

}  // namespace TextoNumero
