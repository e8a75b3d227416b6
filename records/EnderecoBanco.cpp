#include "EnderecoBanco.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

// The text is repeated in the reason, but for one that holds a password.
EnderecoBanco recusa(EnderecoBanco e, const QString &motivo, bool repete = true)
{
    e.erro = repete ? QStringLiteral("BANCO=%1 em [REGISTROS]: %2").arg(e.texto, motivo)
                    : QStringLiteral("BANCO em [REGISTROS]: %1").arg(motivo);
    return e;
}

}  // namespace

QString EnderecoBanco::descricao() const
{
    if (local())
        return {};
    QString onde = host.isEmpty() ? QStringLiteral("soquete padrão") : host;
    if (porta >= 0)
        onde += u':' + QString::number(porta);
    return QStringLiteral("PostgreSQL %1%2/%3")
        .arg(usuario.isEmpty() ? QString() : usuario + u'@', onde, banco);
}

EnderecoBanco EnderecoBanco::interpreta(const QString &texto)
{
    EnderecoBanco e;
    e.texto = texto.trimmed();
    if (e.local())
        return e;
    const QUrl url(e.texto, QUrl::StrictMode);
    const QString esquema = url.scheme().toLower();
    if (esquema != QLatin1String("postgresql") && esquema != QLatin1String("postgres"))
        return recusa(e, QStringLiteral("o endereço deve começar por postgresql://"));
    if (!url.isValid())
        // Not repeated: what could not be read may hold a password.
        return recusa(
            e, QStringLiteral("o endereço não pôde ser lido (o servidor, a porta ou um caractere)"), false);
    // Before anything else: a password must not stay in a file others may
    // read, nor be shown in a message.
    QUrlQuery consulta(url);
    if (url.userInfo().contains(u':') || consulta.hasQueryItem(QStringLiteral("password")))
        return recusa(e,
            QStringLiteral("a senha não vai nas configurações; ponha-a no arquivo ~/.pgpass do usuário"),
            false);
    e.usuario = url.userName();
    e.host = url.host();
    e.porta = url.port();
    e.banco = url.path(QUrl::FullyDecoded).mid(1);
    if (e.banco.isEmpty() || e.banco.contains(u'/'))
        return recusa(e, QStringLiteral("falta o nome do banco, um só, depois da última barra"));
    const auto itens = consulta.queryItems(QUrl::FullyDecoded);
    for (const auto &[chave, valor] : itens) {
        if (chave != QLatin1String("host"))
            return recusa(e, QStringLiteral("o parâmetro %1 não é conhecido (só host)").arg(chave));
        if (!e.host.isEmpty())
            return recusa(e, QStringLiteral("o servidor está dado duas vezes, antes da barra e em host="));
        if (!valor.startsWith(u'/'))
            return recusa(e, QStringLiteral("host= deve ser a pasta do soquete, começando por /"));
        e.host = valor;
    }
    return e;
}
