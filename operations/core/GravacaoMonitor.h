#pragma once

#include "MonitorOnLine.h"

#include <QFile>
#include <QString>
#include <QTimeZone>

// The on-line monitor's recording: one line per reading appended to a text
// file, the instant in ISO 8601 local time with its offset from UTC, then
// the value of each enabled channel, separated by ";" with "." as decimal
// point. Every line is flushed as soon as it is written, so that a crash or
// a pulled cable loses at most the line being written.
class GravacaoMonitor
{
public:
    // Opens the file for appending; false when it cannot be opened.
    bool abre(const QString &caminho);
    bool gravando() const { return m_arquivo.isOpen(); }
    QString caminho() const { return m_arquivo.fileName(); }
    // Appends the reading's line; false (and the recording stops) when the
    // write failed.
    bool grava(const MonitorOnLine::Leitura &leitura, const MonitorOnLine &monitor);
    void fecha();

    // The line of a reading, without its end.
    static QString linha(const MonitorOnLine::Leitura &leitura, const MonitorOnLine &monitor);
    // "2026-12-07T09:30:01-03:00": the offset that held at that instant in
    // the zone ("+00:00" at UTC).
    static QString instanteIso(TDateTime instante, const QTimeZone &zona = QTimeZone::systemTimeZone());

private:
    QFile m_arquivo;
};
