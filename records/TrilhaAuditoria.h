#pragma once

#include "EventoAuditoria.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <functional>
#include <optional>

class BancoRegistros;

// Who writes the events: the operating-system user, the host and the
// program's version, read once.
struct AutorEventos
{
    QString usuario;
    QString host;
    QString versao;

    static AutorEventos doSistema();
};

// The outcome of a walk along the trail.
struct VerificacaoTrilha
{
    bool integra = true;
    qint64 linhas = 0;  // rows walked
    qint64 linha = 0;  // the first row that does not hold (0 with an intact trail)
    QString motivo;  // why it does not hold
};

// Which events to list; every field is optional.
struct FiltroTrilha
{
    std::optional<qint64> serie;
    QString acao;  // an action, or its prefix ("configuracao" takes its intent and outcome)
    QDateTime de;
    QDateTime ate;
    int limite = 0;  // at most this many, the newest; 0 for all
    qint64 antesDe = 0;  // only rows older than this one (the next page of a listing); 0 for none
};

// The audit trail: an append-only chain of events. Each row carries the
// SHA-256 of its content with the previous row's hash, and an HMAC of that
// hash with the installation's key; the database refuses to change or delete
// a row, and a one-row table keeps the last row, so that rows changed,
// deleted, inserted or taken off the end are all found by verifica().
class TrilhaAuditoria
{
public:
    TrilhaAuditoria(BancoRegistros &banco, QByteArray chave, AutorEventos autor);

    // The instant of the events (tests give a fixed one).
    void defineRelogio(std::function<QDateTime()> agora) { m_agora = std::move(agora); }

    // Appends the event and returns its row; nothing on failure, with erro().
    // The last row is read and the new one written in one transaction that
    // holds the database's write lock, so that appends from several programs
    // keep one unbroken chain.
    std::optional<qint64> anexa(const EventoAuditoria &evento);
    QString erro() const { return m_erro; }

    VerificacaoTrilha verifica();
    QList<LinhaTrilha> lista(const FiltroTrilha &filtro = {});
    // The loggers the trail names, in ascending order.
    QList<qint64> series();

    // The hash of a row's content, as stored.
    static QString hashLinha(const LinhaTrilha &l);
    static QString hmacLinha(const QByteArray &chave, const QString &hash);

private:
    VerificacaoTrilha percorre();

    BancoRegistros &m_banco;
    QByteArray m_chave;
    AutorEventos m_autor;
    std::function<QDateTime()> m_agora;
    QString m_erro;
};
