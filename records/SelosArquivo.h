#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class BancoRegistros;

// What the records know of a file written by the program.
struct SeloArquivo
{
    qint64 id = 0;
    QString caminho;  // absolute, as written
    QString sha256;  // hex
    QString tipo;  // "qvg", "qvj", "csv"
    QString instante;  // UTC, ISO 8601
    QString usuario;
    std::optional<qint64> serie;  // the logger whose recording it holds
    QString titulo;
    QString primeiro;  // the recording's first and last instants, ISO 8601 local
    QString ultimo;
    int entradas = 0;
    std::optional<bool> excedeu;  // whether it left its logger's stored alarm limits
    qint64 evento = 0;  // the trail's row that recorded the write
};

// The integrity of a file as the records see it.
struct EstadoIntegridade
{
    enum Tipo { SemRegistro, Integro, Alterado };
    Tipo tipo = SemRegistro;
    std::optional<SeloArquivo> selo;  // the seal that matched (Integro) or the path's last (Alterado)
};

// Which recordings to list.
struct FiltroSelos
{
    std::optional<qint64> serie;
    QDateTime de;  // recordings that end at or after
    QDateTime ate;  // recordings that start at or before
    QString tipo;  // "qvg" for recordings only; empty for every kind
    int limite = 0;  // at most this many, the newest; 0 for all
    qint64 antesDe = 0;  // only seals older than this one (the next page of a listing); 0 for none
};

// The seals of the files the program wrote: each file's SHA-256 with its
// path and the trail's event. A file is known by its hash, so that one moved
// or renamed is still whole.
class SelosArquivo
{
public:
    explicit SelosArquivo(BancoRegistros &banco);

    static QString sha256(const QByteArray &bytes);
    // The SHA-256 of a file's bytes; empty when it cannot be read.
    static QString sha256Arquivo(const QString &caminho);

    bool sela(const SeloArquivo &selo);
    EstadoIntegridade estado(const QString &caminho, const QString &sha256);
    QList<SeloArquivo> lista(const FiltroSelos &filtro = {});
    // The loggers with a sealed recording, in ascending order.
    QList<qint64> series();
    QString erro() const { return m_erro; }

private:
    std::optional<SeloArquivo> primeiro(const QString &sql, const QVariant &valor);

    BancoRegistros &m_banco;
    QString m_erro;
};
