#pragma once

// The files of the tests of the program's text formats: their lines in
// the 8-bit code page with CR LF ends, and the regional settings that pick
// the decimal separator they are written and read with.

#include "ConfigRegional.h"
#include "Windows1252.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

// Brazilian settings with the given decimal separator.
inline ConfigRegional regional(QChar separador)
{
    ConfigRegional r = ConfigRegional::portuguesBrasil();
    r.separadorDecimal = separador;
    return r;
}

// The bytes of a file with these lines.
inline QByteArray arquivo(const QStringList &linhas)
{
    QByteArray b;
    for (const QString &l : linhas)
        b += Windows1252::codifica(l) + "\r\n";
    return b;
}

// The lines of a file's bytes, without the empty one after the last end.
inline QStringList linhasDe(const QByteArray &bytes)
{
    QStringList l = Windows1252::decodifica(bytes).split(QStringLiteral("\r\n"));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

// A file's bytes, empty when it cannot be read.
inline QByteArray conteudoDe(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
