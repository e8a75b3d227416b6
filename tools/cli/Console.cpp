#include "Console.h"

#include <QStringList>
#include <QTextStream>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool Console::errosNoTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void Console::falha(const QString &texto) const
{
    const QString prefixo = comando.isEmpty() ? QStringLiteral("quorvane-cli: ")
                                              : QStringLiteral("quorvane-cli %1: ").arg(comando);
    // Message texts of the catalogue may hold CR LF line ends.
    QString t = texto;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QString &linha : t.trimmed().split(u'\n'))
        erros << prefixo << linha.trimmed() << Qt::endl;
}
