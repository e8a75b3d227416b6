#include "BancoRegistros.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {

QAtomicInt g_conexoes;

// The migrations, from version n-1 to n at index n-1. A migration is never
// changed once released: a new version adds one at the end.
const char *const kMigracoes[] = {
    // 1: the audit trail, append only.
    "CREATE TABLE trilha (id INTEGER PRIMARY KEY, instante TEXT NOT NULL, deslocamento INTEGER NOT NULL,"
    " usuario TEXT NOT NULL, host TEXT NOT NULL, versao TEXT NOT NULL, acao TEXT NOT NULL, serie INTEGER,"
    " detalhes TEXT NOT NULL, hash_anterior TEXT NOT NULL, hash TEXT NOT NULL, hmac TEXT NOT NULL);"
    "CREATE INDEX trilha_serie ON trilha (serie, instante);"
    "CREATE INDEX trilha_acao ON trilha (acao, instante);"
    "CREATE TRIGGER trilha_sem_alteracao BEFORE UPDATE ON trilha"
    " BEGIN SELECT RAISE(ABORT, 'a trilha de auditoria não pode ser alterada'); END;"
    "CREATE TRIGGER trilha_sem_exclusao BEFORE DELETE ON trilha"
    " BEGIN SELECT RAISE(ABORT, 'a trilha de auditoria não pode ser alterada'); END;",
    // 2: the seals of the files written, and the trail's last row, so that
    // rows taken off its end are found.
    "CREATE TABLE selos (id INTEGER PRIMARY KEY, caminho TEXT NOT NULL, sha256 TEXT NOT NULL,"
    " tipo TEXT NOT NULL, instante TEXT NOT NULL, usuario TEXT NOT NULL, serie INTEGER, titulo TEXT,"
    " primeiro TEXT, ultimo TEXT, entradas INTEGER, excedeu INTEGER, evento INTEGER NOT NULL);"
    "CREATE INDEX selos_sha256 ON selos (sha256);"
    "CREATE INDEX selos_caminho ON selos (caminho);"
    "CREATE INDEX selos_serie ON selos (serie, primeiro);"
    "CREATE TABLE topo (unico INTEGER PRIMARY KEY CHECK (unico = 1), id INTEGER NOT NULL,"
    " hash TEXT NOT NULL, hmac TEXT NOT NULL);",
};
static_assert(std::size(kMigracoes) == BancoRegistros::VersaoAtual);

}  // namespace

BancoRegistros::~BancoRegistros()
{
    if (m_conexao.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_conexao);
}

QString BancoRegistros::pastaPadrao()
{
    const QString env = qEnvironmentVariable("QUORVANE_DATA_DIR");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Quorvane");
}

QString BancoRegistros::arquivoPadrao()
{
    return pastaPadrao() + QStringLiteral("/registros.db");
}

bool BancoRegistros::executa(const QString &sql)
{
    QSqlQuery q(m_db);
    if (q.exec(sql))
        return true;
    m_erro = q.lastError().text();
    return false;
}

int BancoRegistros::versao() const
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool BancoRegistros::abre(const QString &caminho, int ateVersao)
{
    m_caminho = caminho;
    const QString pasta = QFileInfo(caminho).absolutePath();
    if (!QDir().mkpath(pasta)) {
        m_erro = QStringLiteral("a pasta %1 não pôde ser criada").arg(QDir::toNativeSeparators(pasta));
        return false;
    }
    m_conexao = QStringLiteral("registros-%1").arg(g_conexoes.fetchAndAddRelaxed(1));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_conexao);
    if (!m_db.isValid()) {
        m_erro = QStringLiteral("o driver SQLite do Qt não está instalado");
        return false;
    }
    m_db.setDatabaseName(caminho);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!m_db.open()) {
        m_erro = m_db.lastError().text();
        return false;
    }
    // A file that is not a database opens; the first statement tells.
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next()) {
        m_erro = q.lastError().text();
        m_db.close();
        return false;
    }
    q.finish();
    if (!executa(QStringLiteral("PRAGMA synchronous=FULL")) || !migra(ateVersao)) {
        m_db.close();
        return false;
    }
    return true;
}

bool BancoRegistros::migra(int ateVersao)
{
    // Up to date: nothing to write, so no write lock is taken (a program
    // that only reads does not wait behind another's append).
    if (const int v = versao(); v >= ateVersao && v <= VersaoAtual)
        return true;
    // BEGIN IMMEDIATE: two programs opening a new file at once migrate it
    // once; the second finds the version the first wrote.
    for (;;) {
        if (!executa(QStringLiteral("BEGIN IMMEDIATE")))
            return false;
        const int v = versao();
        if (v < 0) {
            executa(QStringLiteral("ROLLBACK"));
            m_erro = QStringLiteral("o esquema não pôde ser lido");
            return false;
        }
        if (v > VersaoAtual) {
            executa(QStringLiteral("ROLLBACK"));
            m_erro = QStringLiteral("o banco é da versão %1 do esquema, mais nova que a deste programa (%2)")
                         .arg(v)
                         .arg(VersaoAtual);
            return false;
        }
        if (v >= ateVersao)
            return executa(QStringLiteral("COMMIT"));
        const QStringList comandos = QString::fromUtf8(kMigracoes[v]).split(u';', Qt::SkipEmptyParts);
        bool ok = true;
        for (int i = 0; ok && i < comandos.size(); ++i) {
            // A trigger's body holds a ';' of its own: join it back.
            QString sql = comandos[i].trimmed();
            while (sql.startsWith(QStringLiteral("CREATE TRIGGER")) && !sql.endsWith(QStringLiteral("END"))
                && i + 1 < comandos.size())
                sql += u';' + comandos[++i];
            ok = sql.isEmpty() || executa(sql);
        }
        if (!ok || !executa(QStringLiteral("PRAGMA user_version=%1").arg(v + 1))) {
            const QString erro = m_erro;
            executa(QStringLiteral("ROLLBACK"));
            m_erro = erro;
            return false;
        }
        if (!executa(QStringLiteral("COMMIT")))
            return false;
    }
}
