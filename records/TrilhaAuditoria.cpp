#include "TrilhaAuditoria.h"

#include "BancoRegistros.h"
#include "ConsultaRegistros.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QMessageAuthenticationCode>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTimeZone>

#include <pwd.h>
#include <unistd.h>

#ifndef QUORVANE_VERSAO
#define QUORVANE_VERSAO "?"
#endif

namespace {

const char *const kColunas = "id, instante, deslocamento, usuario, host, versao, acao, serie, detalhes,"
                             " hash_anterior, hash, hmac";

LinhaTrilha linha(const QSqlQuery &q)
{
    LinhaTrilha l;
    l.id = q.value(0).toLongLong();
    l.instante = q.value(1).toString();
    l.deslocamento = q.value(2).toInt();
    l.usuario = q.value(3).toString();
    l.host = q.value(4).toString();
    l.versao = q.value(5).toString();
    l.acao = q.value(6).toString();
    if (!q.value(7).isNull())
        l.serie = q.value(7).toLongLong();
    l.detalhes = q.value(8).toString();
    l.hashAnterior = q.value(9).toString();
    l.hash = q.value(10).toString();
    l.hmac = q.value(11).toString();
    return l;
}

QString textoInstante(const QDateTime &t)
{
    return t.toUTC().toString(Qt::ISODateWithMs);
}

}  // namespace

AutorEventos AutorEventos::doSistema()
{
    AutorEventos a;
    if (const passwd *pw = ::getpwuid(::geteuid()))
        a.usuario = QString::fromLocal8Bit(pw->pw_name);
    if (a.usuario.isEmpty())
        a.usuario = qEnvironmentVariable("USER", QStringLiteral("uid %1").arg(::geteuid()));
    a.host = QSysInfo::machineHostName();
    a.versao = QStringLiteral(QUORVANE_VERSAO);
    return a;
}

TrilhaAuditoria::TrilhaAuditoria(BancoRegistros &banco, QByteArray chave, AutorEventos autor)
    : m_banco(banco)
    , m_chave(std::move(chave))
    , m_autor(std::move(autor))
    , m_agora([] { return QDateTime::currentDateTime(); })
{
}

QString TrilhaAuditoria::hashLinha(const LinhaTrilha &l)
{
    // Fields separated by a character no field holds unescaped (JSON escapes
    // control characters; the others are names and numbers).
    QByteArray conteudo;
    const auto campo = [&conteudo](const QString &t) {
        conteudo += t.toUtf8();
        conteudo += '\x1f';
    };
    campo(QString::number(l.id));
    campo(l.instante);
    campo(QString::number(l.deslocamento));
    campo(l.usuario);
    campo(l.host);
    campo(l.versao);
    campo(l.acao);
    campo(l.serie ? QString::number(*l.serie) : QString());
    campo(l.detalhes);
    campo(l.hashAnterior);
    return QString::fromLatin1(QCryptographicHash::hash(conteudo, QCryptographicHash::Sha256).toHex());
}

QString TrilhaAuditoria::hmacLinha(const QByteArray &chave, const QString &hash)
{
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(hash.toLatin1(), chave, QCryptographicHash::Sha256).toHex());
}

std::optional<qint64> TrilhaAuditoria::anexa(const EventoAuditoria &evento)
{
    QSqlDatabase &db = m_banco.db();
    QSqlQuery q(db);
    const auto falha = [&](const QSqlQuery &consulta) -> std::optional<qint64> {
        m_erro = consulta.lastError().text().simplified();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    };
    // The last row is read under a lock that every other writer waits for.
    if (!m_banco.iniciaExclusiva(QStringLiteral("trilha"))) {
        m_erro = m_banco.erro();
        return std::nullopt;
    }
    LinhaTrilha l;
    if (!q.exec(QStringLiteral("SELECT id, hash FROM trilha ORDER BY id DESC LIMIT 1")))
        return falha(q);
    if (q.next()) {
        l.id = q.value(0).toLongLong() + 1;
        l.hashAnterior = q.value(1).toString();
    } else {
        l.id = 1;
    }
    const QDateTime agora = m_agora();
    l.instante = textoInstante(agora);
    l.deslocamento = agora.offsetFromUtc();
    l.usuario = m_autor.usuario;
    l.host = m_autor.host;
    l.versao = m_autor.versao;
    l.acao = evento.acao;
    l.serie = evento.serie;
    l.detalhes = QString::fromUtf8(QJsonDocument(evento.detalhes).toJson(QJsonDocument::Compact));
    l.hash = hashLinha(l);
    l.hmac = hmacLinha(m_chave, l.hash);

    q.prepare(QStringLiteral("INSERT INTO trilha (%1) VALUES (?, ?, ?, COALESCE(?, ''), COALESCE(?, ''),"
                             " COALESCE(?, ''), ?, ?, ?, COALESCE(?, ''), ?, ?)")
                  .arg(QLatin1StringView(kColunas)));
    for (const QVariant &v : { QVariant(l.id), QVariant(l.instante), QVariant(l.deslocamento),
             QVariant(l.usuario), QVariant(l.host), QVariant(l.versao), QVariant(l.acao),
             l.serie ? QVariant(*l.serie) : QVariant(QMetaType(QMetaType::LongLong)), QVariant(l.detalhes),
             QVariant(l.hashAnterior), QVariant(l.hash), QVariant(l.hmac) })
        q.addBindValue(v);
    if (!q.exec())
        return falha(q);
    q.prepare(QStringLiteral("INSERT INTO topo (unico, id, hash, hmac) VALUES (1, ?, ?, ?)"
                             " ON CONFLICT (unico) DO UPDATE SET id = excluded.id, hash = excluded.hash,"
                             " hmac = excluded.hmac"));
    q.addBindValue(l.id);
    q.addBindValue(l.hash);
    q.addBindValue(hmacLinha(m_chave, QStringLiteral("topo:") + l.hash));
    if (!q.exec())
        return falha(q);
    if (!q.exec(QStringLiteral("COMMIT")))
        return falha(q);
    m_erro.clear();
    return l.id;
}

VerificacaoTrilha TrilhaAuditoria::verifica()
{
    // The rows and the record of the last one as of one instant, whatever
    // another program appends meanwhile.
    if (!m_banco.iniciaLeitura()) {
        VerificacaoTrilha v;
        v.integra = false;
        v.motivo = m_banco.erro();
        return v;
    }
    const VerificacaoTrilha v = percorre();
    m_banco.executa(QStringLiteral("COMMIT"));
    return v;
}

VerificacaoTrilha TrilhaAuditoria::percorre()
{
    VerificacaoTrilha v;
    const auto quebra = [&v](qint64 id, const QString &motivo) {
        v.integra = false;
        v.linha = id;
        v.motivo = motivo;
        return v;
    };
    QSqlQuery q(m_banco.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM trilha ORDER BY id").arg(QLatin1StringView(kColunas))))
        return quebra(0, q.lastError().text());
    qint64 esperado = 1;
    QString anterior;
    while (q.next()) {
        const LinhaTrilha l = linha(q);
        ++v.linhas;
        if (l.id != esperado)
            return quebra(
                esperado, QStringLiteral("a linha %1 falta (a seguinte é a %2)").arg(esperado).arg(l.id));
        if (l.hashAnterior != anterior)
            return quebra(l.id, QStringLiteral("a linha %1 não segue a anterior").arg(l.id));
        if (hashLinha(l) != l.hash)
            return quebra(l.id, QStringLiteral("o conteúdo da linha %1 foi alterado").arg(l.id));
        if (hmacLinha(m_chave, l.hash) != l.hmac)
            return quebra(
                l.id, QStringLiteral("a linha %1 não foi assinada com a chave desta instalação").arg(l.id));
        anterior = l.hash;
        ++esperado;
    }
    // The last row the program wrote must still be the last.
    QSqlQuery t(m_banco.db());
    if (!t.exec(QStringLiteral("SELECT id, hash, hmac FROM topo")))
        return quebra(0, t.lastError().text());
    if (!t.next())
        return v.linhas == 0 ? v : quebra(1, QStringLiteral("o registro da última linha falta"));
    const qint64 ultima = t.value(0).toLongLong();
    if (t.value(2).toString() != hmacLinha(m_chave, QStringLiteral("topo:") + t.value(1).toString()))
        return quebra(ultima, QStringLiteral("o registro da última linha foi alterado"));
    if (ultima != esperado - 1 || t.value(1).toString() != anterior)
        return quebra(std::min(ultima, esperado),
            QStringLiteral("a trilha termina na linha %1, mas a última gravada foi a %2")
                .arg(esperado - 1)
                .arg(ultima));
    return v;
}

QList<LinhaTrilha> TrilhaAuditoria::lista(const FiltroTrilha &f)
{
    ConsultaRegistros c;
    if (f.serie)
        c.condicao(QStringLiteral("serie = ?"), { *f.serie });
    if (!f.acao.isEmpty())
        c.condicao(QStringLiteral("(acao = ? OR acao LIKE ?)"), { f.acao, f.acao + QStringLiteral(".%") });
    if (f.de.isValid())
        c.condicao(QStringLiteral("instante >= ?"), { textoInstante(f.de) });
    if (f.ate.isValid())
        c.condicao(QStringLiteral("instante <= ?"), { textoInstante(f.ate) });
    QList<LinhaTrilha> linhas = c.executa<LinhaTrilha>(
        m_banco.db(), QStringLiteral("trilha"), kColunas, f.limite, f.antesDe, linha, m_erro);
    // The oldest first.
    std::reverse(linhas.begin(), linhas.end());
    return linhas;
}

QList<qint64> TrilhaAuditoria::series()
{
    return ConsultaRegistros::series(m_banco.db(), QStringLiteral("trilha"), m_erro);
}
