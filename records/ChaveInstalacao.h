#pragma once

#include <QByteArray>
#include <QString>

class BancoRegistros;

// The installation's key with which every row of the audit trail is signed
// (HMAC-SHA-256): 32 random bytes in a file that only its user may read,
// made at the first use; on a server, in a table that only the program's
// database role may read, so that every PC of the lab signs with the same.
// Someone who edits the database without the key cannot make a row that
// verifies.
namespace ChaveInstalacao {

struct Resultado
{
    QByteArray chave;  // empty on failure
    QString erro;
};

// Reads the key of `caminho`, or makes it when the file is absent (mode 0600,
// never replacing one that exists). A key file that others may read has its
// permissions narrowed.
Resultado obtem(const QString &caminho);

// The key kept in the server's database, made by the first program that
// finds none.
Resultado doBanco(BancoRegistros &banco);

}  // namespace ChaveInstalacao
