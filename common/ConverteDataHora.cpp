#include "ConverteDataHora.h"

#include "ConfigRegional.h"

#include <QList>

namespace {

// The numbers of a text separated by one of the two separators; nothing when
// a part is not made of digits (blanks around it allowed).
std::optional<QList<int>> numeros(QStringView texto, QChar separador, QChar alternativo, QList<int> *digitos)
{
    QList<int> valores;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= texto.size(); ++i) {
        if (i < texto.size() && texto.at(i) != separador && texto.at(i) != alternativo)
            continue;
        const QStringView parte = texto.mid(inicio, i - inicio).trimmed();
        if (parte.isEmpty() || parte.size() > 9)
            return std::nullopt;
        int valor = 0;
        for (QChar c : parte) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            valor = valor * 10 + (c.unicode() - u'0');
        }
        valores << valor;
        if (digitos)
            *digitos << int(parte.size());
        inicio = i + 1;
    }
    return valores;
}

}  // namespace

std::optional<int> ConverteInteiro(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto.at(i) == u' ')
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto.at(i) == u'-' || texto.at(i) == u'+')) {
        negativo = texto.at(i) == u'-';
        ++i;
    }
    if (i == texto.size())
        return std::nullopt;
    qint64 valor = 0;
    for (; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        valor = valor * 10 + (c.unicode() - u'0');
        if (valor > 2147483648LL)
            return std::nullopt;
    }
    if (negativo)
        valor = -valor;
    if (valor > 2147483647LL)
        return std::nullopt;
    return int(valor);
}

std::optional<TDateTime> ConverteData(QStringView texto, const ConfigRegional &regional)
{
    QList<int> digitos;
    const auto n = numeros(texto.trimmed(), regional.separadorData, u'/', &digitos);
    if (!n || n->size() != 3)
        return std::nullopt;
    int ano = n->at(2);
    if (digitos.at(2) <= 2)
        ano += 2000;
    return DataHora::codificaData(ano, n->at(1), n->at(0));
}

std::optional<TDateTime> ConverteHora(QStringView texto, const ConfigRegional &regional)
{
    const auto n = numeros(texto.trimmed(), regional.separadorHora, u':', nullptr);
    if (!n || n->size() < 2 || n->size() > 3)
        return std::nullopt;
    return DataHora::codificaHora(n->at(0), n->at(1), n->size() == 3 ? n->at(2) : 0);
}

std::optional<TDateTime> ConverteDataHora(QStringView texto, const ConfigRegional &regional)
{
    const QStringView t = texto.trimmed();
    const qsizetype branco = t.indexOf(u' ');
    const auto data = ConverteData(branco < 0 ? t : t.left(branco), regional);
    if (!data)
        return std::nullopt;
    if (branco < 0)
        return data;
    const auto hora = ConverteHora(t.mid(branco + 1), regional);
    if (!hora)
        return std::nullopt;
    return *data < 0 ? *data - *hora : *data + *hora;
}
