#include "SelosArquivo.h"

#include "BancoRegistros.h"
#include "ConsultaRegistros.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const char *const kColunas = "id, caminho, sha256, tipo, instante, usuario, serie, titulo, primeiro, ultimo,"
                             " entradas, excedeu, evento";

SeloArquivo selo(const QSqlQuery &q)
{
    SeloArquivo s;
    s.id = q.value(0).toLongLong();
    s.caminho = q.value(1).toString();
    s.sha256 = q.value(2).toString();
    s.tipo = q.value(3).toString();
    s.instante = q.value(4).toString();
    s.usuario = q.value(5).toString();
    if (!q.value(6).isNull())
        s.serie = q.value(6).toLongLong();
    s.titulo = q.value(7).toString();
    s.primeiro = q.value(8).toString();
    s.ultimo = q.value(9).toString();
    s.entradas = q.value(10).toInt();
    if (!q.value(11).isNull())
        s.excedeu = q.value(11).toBool();
    s.evento = q.value(12).toLongLong();
    return s;
}

QVariant nulo(const std::optional<qint64> &v)
{
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::LongLong));
}

}  // namespace

SelosArquivo::SelosArquivo(BancoRegistros &banco)
    : m_banco(banco)
{
}

QString SelosArquivo::sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString SelosArquivo::sha256Arquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!QFileInfo(caminho).isFile() || !f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!h.addData(&f))
        return {};
    return QString::fromLatin1(h.result().toHex());
}

bool SelosArquivo::sela(const SeloArquivo &s)
{
    QSqlQuery q(m_banco.db());
    q.prepare(QStringLiteral(
        "INSERT INTO selos (caminho, sha256, tipo, instante, usuario, serie, titulo, primeiro,"
        " ultimo, entradas, excedeu, evento) VALUES (?, ?, ?, ?, COALESCE(?, ''), ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(s.caminho);
    q.addBindValue(s.sha256);
    q.addBindValue(s.tipo);
    q.addBindValue(s.instante);
    q.addBindValue(s.usuario);
    q.addBindValue(nulo(s.serie));
    q.addBindValue(s.titulo);
    q.addBindValue(s.primeiro);
    q.addBindValue(s.ultimo);
    q.addBindValue(s.entradas);
    q.addBindValue(s.excedeu ? QVariant(int(*s.excedeu)) : QVariant(QMetaType(QMetaType::Int)));
    q.addBindValue(s.evento);
    if (q.exec())
        return true;
    m_erro = q.lastError().text();
    return false;
}

std::optional<SeloArquivo> SelosArquivo::primeiro(const QString &condicao, const QVariant &valor)
{
    QSqlQuery q(m_banco.db());
    q.prepare(QStringLiteral("SELECT %1 FROM selos WHERE %2 ORDER BY id DESC LIMIT 1")
                  .arg(QLatin1StringView(kColunas), condicao));
    q.addBindValue(valor);
    if (!q.exec()) {
        m_erro = q.lastError().text();
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return selo(q);
}

EstadoIntegridade SelosArquivo::estado(const QString &caminho, const QString &sha256)
{
    EstadoIntegridade e;
    if (sha256.isEmpty())
        return e;
    // By its hash first: a file moved or renamed is still the one sealed.
    if ((e.selo = primeiro(QStringLiteral("sha256 = ?"), sha256))) {
        e.tipo = EstadoIntegridade::Integro;
        return e;
    }
    if ((e.selo = primeiro(QStringLiteral("caminho = ?"), QFileInfo(caminho).absoluteFilePath())))
        e.tipo = EstadoIntegridade::Alterado;
    return e;
}

QList<SeloArquivo> SelosArquivo::lista(const FiltroSelos &f)
{
    ConsultaRegistros c;
    if (f.serie)
        c.condicao(QStringLiteral("serie = ?"), { *f.serie });
    if (!f.tipo.isEmpty())
        c.condicao(QStringLiteral("tipo = ?"), { f.tipo });
    if (f.de.isValid())
        c.condicao(QStringLiteral("ultimo >= ?"), { f.de.toString(Qt::ISODate) });
    if (f.ate.isValid())
        c.condicao(QStringLiteral("primeiro <= ?"), { f.ate.toString(Qt::ISODate) });
    return c.executa<SeloArquivo>(
        m_banco.db(), QStringLiteral("selos"), kColunas, f.limite, f.antesDe, selo, m_erro);
}

QList<qint64> SelosArquivo::series()
{
    return ConsultaRegistros::series(m_banco.db(), QStringLiteral("selos"), m_erro);
}
