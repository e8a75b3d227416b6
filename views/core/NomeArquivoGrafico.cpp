#include "NomeArquivoGrafico.h"

namespace NomeArquivoGrafico {

QChar HasInvalidChar(const QString &texto)
{
    for (QChar c : { u'\\', u'/', u':', u'*', u'?', u'"', u'<', u'>', u'|' }) {
        if (texto.contains(c))
            return c;
    }
    return QChar();
}

QString nomeProposto(const QString &legenda, int tamanhoSufixo)
{
    QString nome = legenda.left(qMax(0, legenda.size() - tamanhoSufixo));
    for (QChar c = HasInvalidChar(nome); !c.isNull(); c = HasInvalidChar(nome))
        nome.replace(c, u'_');
    return nome;
}

QStringList filtros(const QString &filtro)
{
    const QStringList partes = filtro.split(u'|');
    QStringList r;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        const QString descricao = partes[i];
        const QString mascara = QString(partes[i + 1]).replace(u';', u' ');
        r << (descricao.contains(u'(') ? descricao : descricao + QStringLiteral(" (") + mascara + u')');
    }
    if (r.isEmpty() && !filtro.isEmpty())
        r << filtro;
    return r;
}

}  // namespace NomeArquivoGrafico
