#include "TextoNumerico.h"

#include "ConfigRegional.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

QChar FiltraDigito(QChar tecla)
{
    if (tecla == QChar(8) || (tecla >= u'0' && tecla <= u'9'))
        return tecla;
    return QChar(0);
}

QString AjustaSeparadorDecimal(const QString &texto, const ConfigRegional &regional)
{
    const QChar separador = regional.separadorDecimal;
    if (separador != u'.' && separador != u',')
        return texto;
    QString ajustado = texto;
    for (QChar &c : ajustado) {
        if (c == u'.' || c == u',')
            c = separador;
    }
    return ajustado;
}

namespace {

bool ehSeparador(QChar c, QChar separador)
{
    if (separador == u'.' || separador == u',')
        return c == u'.' || c == u',';
    return c == separador;
}

}  // namespace

std::optional<double> LeNumero(QStringView texto, QChar separador)
{
    QString t = texto.trimmed().toString();
    for (QChar &c : t) {
        if (ehSeparador(c, separador))
            c = u'.';
        else if (c == u'.')
            return std::nullopt;
    }
    static const QRegularExpression decimal(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    if (!decimal.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

int CasasDoTexto(QStringView texto, QChar separador)
{
    const QStringView t = texto.trimmed();
    qsizetype p = 0;
    while (p < t.size() && !ehSeparador(t[p], separador))
        ++p;
    qsizetype fim = t.size();
    while (fim > p + 1 && t[fim - 1] == u'0')
        --fim;
    return int(std::max<qsizetype>(fim - p - 1, 0));
}
