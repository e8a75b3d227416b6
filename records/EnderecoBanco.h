#pragma once

#include <QString>

// Where the records are kept, as key BANCO of section [REGISTROS] of the
// settings names it: empty for the local SQLite file of the data folder, or
// a PostgreSQL server shared by a lab's PCs:
//   postgresql://tecnico@servidor:5432/quorvane
//   postgresql:///quorvane?host=/caminho/do/socket   (a Unix socket's folder)
// The password is never in the settings: the server's client library reads
// it from the user's ~/.pgpass. A URL that carries one is refused.
struct EnderecoBanco
{
    QString texto;  // as written in the settings
    QString usuario;  // empty: the client library's default (the system user)
    QString host;  // a host name, or the folder of a Unix socket; empty: the default socket
    int porta = -1;  // -1: the default (5432)
    QString banco;
    QString erro;  // why the text was refused; empty when it was taken

    bool local() const { return texto.isEmpty(); }
    bool valido() const { return erro.isEmpty(); }
    // The place of the records as shown to the user (never a password, as
    // there is none).
    QString descricao() const;

    static EnderecoBanco interpreta(const QString &texto);
};
