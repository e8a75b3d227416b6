#pragma once

#include <QString>

// The database a records test runs on: the SQLite file of its temporary
// folder, or, when QUORVANE_TESTE_POSTGRES names the socket folder of a
// test server (the CTest entries *_postgres), a new database of its own on
// that server.
namespace BancoTeste {

bool postgres();
// A new, empty database: its URL, or empty for SQLite (the folder's file).
QString novo();
// A server's URL that nothing answers at (a socket folder inside `pasta`).
QString inalcancavel(const QString &pasta);

}  // namespace BancoTeste
