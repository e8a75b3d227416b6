#include "BancoTeste.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace BancoTeste {

bool postgres()
{
    return !qEnvironmentVariableIsEmpty("QUORVANE_TESTE_POSTGRES");
}

QString novo()
{
    if (!postgres())
        return {};
    const QString pasta = qEnvironmentVariable("QUORVANE_TESTE_POSTGRES");
    static int contador = 0;
    const QString nome = QStringLiteral("qv_%1_%2").arg(QCoreApplication::applicationPid()).arg(++contador);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nome);
        db.setHostName(pasta);
        db.setUserName(QStringLiteral("postgres"));
        db.setDatabaseName(QStringLiteral("postgres"));
        if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("CREATE DATABASE ") + nome))
            qFatal("the test server at %s did not make a database: %s", qPrintable(pasta),
                qPrintable(db.lastError().text()));
    }
    QSqlDatabase::removeDatabase(nome);
    return QStringLiteral("postgresql://postgres@/%1?host=%2").arg(nome, pasta);
}

QString inalcancavel(const QString &pasta)
{
    return QStringLiteral("postgresql:///quorvane?host=%1/sem-servidor").arg(pasta);
}

}  // namespace BancoTeste
