#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// One event of the audit trail as a caller gives it: what happened, to which
// logger, with what details. Who, where, when and with which version of the
// program are filled in by the trail.
struct EventoAuditoria
{
    QString acao;
    std::optional<qint64> serie;  // the logger's serial number, when the event concerns one
    QJsonObject detalhes;
};

// The actions the program records.
namespace AcaoAuditoria {
inline const QString Configuracao = QStringLiteral("configuracao");
inline const QString Coleta = QStringLiteral("coleta");
inline const QString Parada = QStringLiteral("parada");
inline const QString Bateria = QStringLiteral("bateria");
inline const QString Offset = QStringLiteral("offset");
inline const QString Limites = QStringLiteral("limites");
inline const QString Portas = QStringLiteral("portas");
inline const QString Gravacao = QStringLiteral("gravacao");
inline const QString Exportacao = QStringLiteral("exportacao");
inline const QString Impressao = QStringLiteral("impressao");
// A write to a logger is recorded twice: its intent before a byte is sent,
// and its outcome after.
inline const QString SufixoIntencao = QStringLiteral(".intencao");
inline const QString SufixoResultado = QStringLiteral(".resultado");
}  // namespace AcaoAuditoria

// {"antes": old, "depois": new}, the form every change takes in the details.
inline QJsonObject antesDepois(const QJsonValue &antes, const QJsonValue &depois)
{
    return { { QStringLiteral("antes"), antes }, { QStringLiteral("depois"), depois } };
}

// A row of the trail as stored.
struct LinhaTrilha
{
    qint64 id = 0;
    QString instante;  // UTC, ISO 8601 with milliseconds and "Z"
    int deslocamento = 0;  // the local offset from UTC at that instant, in seconds
    QString usuario;
    QString host;
    QString versao;
    QString acao;
    std::optional<qint64> serie;
    QString detalhes;  // JSON, compact
    QString hashAnterior;  // hex SHA-256 of the previous row ("" for the first)
    QString hash;  // hex SHA-256 of this row's content and hashAnterior
    QString hmac;  // hex HMAC-SHA-256 of hash with the installation's key
};
