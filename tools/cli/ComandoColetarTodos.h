#pragma once

#include <QStringList>

struct Console;

// quorvane-cli coletar --todas: every logger on the ports 1 to 4 collected
// into one folder, as the program's "Coletar todos" does.
int executaColetarTodos(const QStringList &argumentos, Console &console);
