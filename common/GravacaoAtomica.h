#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes a whole file so that it is either all there or, when anything
// fails, the file that was there before is left as it was: the bytes go
// to a temporary file beside it, which replaces it only once complete.
namespace GravacaoAtomica {

// erro, when given, receives why a failed write failed.
bool grava(const QString &caminho, const QByteArray &bytes, QFileDevice::FileError *erro = nullptr);

}  // namespace GravacaoAtomica
