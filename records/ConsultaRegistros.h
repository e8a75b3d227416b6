#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

// A listing of one table of the records: conditions joined with AND, the
// newest rows first, a page at a time.
class ConsultaRegistros
{
public:
    void condicao(const QString &sql, const QVariantList &valores)
    {
        m_condicoes << sql;
        m_valores << valores;
    }

    // Reads "SELECT colunas FROM tabela WHERE … ORDER BY id DESC LIMIT
    // limite" (no limit when 0, rows older than antesDe when not 0), each
    // row through converte; on failure, what was read and erro set.
    template <typename T, typename Converte>
    QList<T> executa(QSqlDatabase &db, const QString &tabela, const char *colunas, int limite, qint64 antesDe,
        Converte converte, QString &erro)
    {
        if (antesDe > 0)
            condicao(QStringLiteral("id < ?"), { antesDe });
        QString sql = QStringLiteral("SELECT %1 FROM %2").arg(QLatin1StringView(colunas), tabela);
        if (!m_condicoes.isEmpty())
            sql += QStringLiteral(" WHERE ") + m_condicoes.join(QStringLiteral(" AND "));
        sql += QStringLiteral(" ORDER BY id DESC");
        if (limite > 0)
            sql += QStringLiteral(" LIMIT %1").arg(limite);
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(sql);
        for (const QVariant &v : std::as_const(m_valores))
            q.addBindValue(v);
        QList<T> linhas;
        if (!q.exec()) {
            erro = q.lastError().text();
            return linhas;
        }
        while (q.next())
            linhas.append(converte(q));
        return linhas;
    }

    // The loggers a table names, in order.
    static QList<qint64> series(QSqlDatabase &db, const QString &tabela, QString &erro)
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QList<qint64> series;
        if (!q.exec(QStringLiteral("SELECT DISTINCT serie FROM %1 WHERE serie IS NOT NULL ORDER BY serie")
                        .arg(tabela))) {
            erro = q.lastError().text();
            return series;
        }
        while (q.next())
            series.append(q.value(0).toLongLong());
        return series;
    }

private:
    QStringList m_condicoes;
    QVariantList m_valores;
};
