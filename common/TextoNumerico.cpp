#include "TextoNumerico.h"

#include "ConfigRegional.h"

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
