#pragma once

#include "EnderecoBanco.h"

#include <QSqlDatabase>
#include <QString>

// The records database: one SQLite file, in WAL mode with a busy timeout so
// that two copies of the program, or the program and quorvane-cli, write to
// it at once without losing a row; or a PostgreSQL server that a lab's PCs
// share. Its schema is versioned (SQLite's user_version, a one-row table on
// the server); opening a database of an older version brings it up to date,
// one migration at a time, each in a transaction of its own. Both hold the
// same tables and columns; the SQL differs only where the two do.
class BancoRegistros
{
public:
    BancoRegistros() = default;
    ~BancoRegistros();
    BancoRegistros(const BancoRegistros &) = delete;
    BancoRegistros &operator=(const BancoRegistros &) = delete;

    // The folder of the records: QUORVANE_DATA_DIR, or else the program's
    // data folder of the user.
    static QString pastaPadrao();
    static QString arquivoPadrao();  // "registros.db" in that folder

    // The schema this program writes.
    static constexpr int VersaoAtual = 2;

    // Opens (creating when absent) and migrates up to `ateVersao`; false with
    // erro() saying why: a folder that cannot be made, a file that is not a
    // database, a schema newer than this program's.
    bool abre(const QString &caminho, int ateVersao = VersaoAtual);
    // The same on a server; false also when it does not answer.
    bool abre(const EnderecoBanco &endereco, int ateVersao = VersaoAtual);
    bool postgres() const { return m_postgres; }
    bool aberto() const { return m_db.isValid() && m_db.isOpen(); }
    QString erro() const { return m_erro; }
    QString caminho() const { return m_caminho; }
    int versao() const;

    QSqlDatabase &db() { return m_db; }

    // A transaction in which no other program writes to `tabela` until it
    // ends (SQLite: the database's write lock; the server: the table's).
    bool iniciaExclusiva(const QString &tabela);
    // A transaction whose reads all see the database as it was at the first.
    bool iniciaLeitura();
    bool executa(const QString &sql);
    // The server's connection is still there (always true for a file).
    bool conectado();
    // Connects to the server again, after conectado() found it gone.
    bool reconecta();

private:
    bool migra(int ateVersao);
    bool iniciaMigracao();
    bool aplica(int versao);
    bool conecta(const QString &driver);

    QSqlDatabase m_db;
    QString m_conexao;
    QString m_caminho;
    QString m_erro;
    bool m_postgres = false;
};
