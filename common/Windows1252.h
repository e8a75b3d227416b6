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
// The first character of the text that has no byte (a character beyond the
// 16-bit range whole, as one); empty when every character has one.
QString semByte(const QString &texto);

}  // namespace Windows1252
