#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Names and dialog filters for the files of a graph window.
namespace NomeArquivoGrafico {

// The first character of the text that a file name may not hold, trying
// backslash, slash, colon, asterisk, question mark, double quote, less-than,
// greater-than and vertical bar in that order; a null character when the
// text holds none of them.
QChar HasInvalidChar(const QString &texto);

// The file name proposed for a graph window: its caption without the
// suffix length at the end, each forbidden character replaced by "_".
QString nomeProposto(const QString &legenda, int tamanhoSufixo);

// A filter written as "description|mask|description|mask" as the dialogs
// of Qt take it: one entry per pair, "description (mask)" unless the
// description shows the mask already.
QStringList filtros(const QString &filtro);

}  // namespace NomeArquivoGrafico
