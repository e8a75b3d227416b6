#pragma once

#include <QSqlDatabase>
#include <QString>

// The records database: one SQLite file, in WAL mode with a busy timeout so
// that two copies of the program, or the program and quorvane-cli, write to
// it at once without losing a row. Its schema is versioned; opening a file
// of an older version brings it up to date, one migration at a time, each in
// a transaction of its own.
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
    bool aberto() const { return m_db.isValid() && m_db.isOpen(); }
    QString erro() const { return m_erro; }
    QString caminho() const { return m_caminho; }
    int versao() const;

    QSqlDatabase &db() { return m_db; }

private:
    bool migra(int ateVersao);
    bool executa(const QString &sql);

    QSqlDatabase m_db;
    QString m_conexao;
    QString m_caminho;
    QString m_erro;
};
