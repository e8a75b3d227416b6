#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through a temporary file in the same folder, renamed
// over the path only once every byte is written: a write that fails leaves
// whatever was at the path untouched.
bool GravacaoAtomica(const QString &caminho, const QByteArray &bytes);
