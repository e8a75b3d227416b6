#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit character set of the logger's texts, of the program's files and
// of language libraries. Bytes 80h to 9Fh carry the typographic characters
// of that code page; the five it leaves undefined map to the same code
// point. Characters that have no byte become "?".
namespace Windows1252 {

QString decodifica(const QByteArray &bytes);
QString decodifica(const char *bytes, qsizetype tamanho);
QByteArray codifica(const QString &texto);
// The byte of one character, or '?' when it has none.
char byteDe(QChar c);

}  // namespace Windows1252
