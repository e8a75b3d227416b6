#include "IntegridadeCli.h"

#include "ConfiguracoesIni.h"
#include "Registros.h"
#include "SeloGravacao.h"

namespace IntegridadeCli {

QString texto(const QString &arquivo, const Catalogo &catalogo)
{
    Registros registros { ConfiguracoesIni() };
    if (!registros.disponivel())
        return SeloGravacao::nome(EstadoIntegridade::SemRegistro, catalogo)
            + QStringLiteral(" (os registros não puderam ser abertos: %1)").arg(registros.motivo());
    return SeloGravacao::descricao(registros.integridade(arquivo), catalogo);
}

QJsonObject json(const QString &arquivo, const Catalogo &catalogo)
{
    Registros registros { ConfiguracoesIni() };
    const EstadoIntegridade e = registros.integridade(arquivo);
    const auto ou = [](bool tem, const QJsonValue &v) { return tem ? v : QJsonValue(); };
    QJsonObject o { { "estado", SeloGravacao::nome(e.tipo, catalogo) },
        { "detalhe", SeloGravacao::detalhe(e, catalogo) }, { "sha256", SelosArquivo::sha256Arquivo(arquivo) },
        { "gravado", ou(e.selo.has_value(), e.selo ? e.selo->instante : QString()) },
        { "usuario", ou(e.selo.has_value(), e.selo ? e.selo->usuario : QString()) },
        { "serie", ou(e.selo && e.selo->serie, e.selo && e.selo->serie ? double(*e.selo->serie) : 0.0) } };
    if (!registros.disponivel())
        o.insert(QStringLiteral("erro"), registros.motivo());
    return o;
}

}  // namespace IntegridadeCli
