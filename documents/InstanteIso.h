#pragma once

#include "DataHora.h"

#include <QByteArray>
#include <QTimeZone>

// A wall-clock instant as ISO 8601 text with the offset from UTC that held
// at that instant in a time zone ("2024-06-14T17:03:00-03:00"), or turned
// into UTC ("2024-06-14T20:03:00Z"). Instants are asked for in order; the
// offset of a day without a change of offset is worked out once.
class InstanteIso
{
public:
    InstanteIso(const QTimeZone &zona, bool utc);

    // Appends the text of an instant; meioSegundo adds the ".5" mark.
    void acrescenta(QByteArray &saida, TDateTime instante, bool meioSegundo = false);
    QByteArray texto(TDateTime instante, bool meioSegundo = false);

    // The offset in seconds of a wall-clock time (seconds since 1970-01-01
    // read as if on the UTC clock). A time that occurs twice, where the
    // clocks were put back, takes the offset of its first occurrence; a
    // time skipped where they were put forward takes the offset in force
    // before the change. Both are the offset before the change.
    int deslocamento(qint64 segundosLocais);

    // Seconds since 1970-01-01 of a date-time's wall-clock fields, rounded
    // to the second.
    static qint64 segundosLocais(TDateTime instante);

private:
    int deslocamentoUtc(qint64 segundosUtc) const;

    QTimeZone m_zona;
    bool m_utc;
    // Wall-clock times in [m_de, m_ate) share the offset m_deslocamento.
    qint64 m_de = 0;
    qint64 m_ate = 0;
    int m_deslocamento = 0;
};
