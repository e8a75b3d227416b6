#pragma once

#include <QString>

class QTextStream;

// Where a sub-command writes: its results to saida (stdout), its messages
// and errors to erros (stderr). Every failure is written by falha(), in one
// form whichever command or layer reports it:
//   quorvane-cli <command>: <text>
// ("quorvane-cli: <text>" before a command is chosen), one such line per
// line of the text.
struct Console
{
    Console(QTextStream &saida, QTextStream &erros)
        : saida(saida)
        , erros(erros)
    {
    }

    QTextStream &saida;
    QTextStream &erros;
    QString comando;  // the sub-command that runs; empty before one is chosen

    void falha(const QString &texto) const;
    // Whether stderr is a terminal (where progress lines are rewritten).
    static bool errosNoTerminal();
};
