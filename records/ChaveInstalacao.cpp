#include "ChaveInstalacao.h"

#include "BancoRegistros.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ChaveInstalacao {

namespace {

constexpr qsizetype kTamanho = 32;

QString motivo(const QString &caminho, int erro)
{
    return QStringLiteral("%1: %2").arg(caminho, QString::fromLocal8Bit(std::strerror(erro)));
}

Resultado le(const QString &caminho)
{
    Resultado r;
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        r.erro = QStringLiteral("%1: %2").arg(caminho, f.errorString());
        return r;
    }
    const QByteArray bytes = f.read(kTamanho + 1);
    if (bytes.size() != kTamanho) {
        r.erro = QStringLiteral("%1: a chave da instalação não tem %2 bytes").arg(caminho).arg(kTamanho);
        return r;
    }
    // Only its user may read it.
    if (f.permissions()
        & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup
            | QFileDevice::WriteOther))
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    r.chave = bytes;
    return r;
}

QByteArray novaChave()
{
    QByteArray chave(kTamanho, '\0');
    QRandomGenerator::system()->generate(
        reinterpret_cast<quint32 *>(chave.data()), reinterpret_cast<quint32 *>(chave.data() + kTamanho));
    return chave;
}

}  // namespace

Resultado doBanco(BancoRegistros &banco)
{
    // Under the table's lock: of two programs finding none, the second
    // reads the one the first made.
    if (!banco.iniciaExclusiva(QStringLiteral("chave")))
        return { {}, banco.erro() };
    Resultado r;
    QSqlQuery q(banco.db());
    if (q.exec(QStringLiteral("SELECT valor FROM chave")) && q.next()) {
        r.chave = QByteArray::fromHex(q.value(0).toString().toLatin1());
        if (r.chave.size() != kTamanho)
            r.erro = QStringLiteral("a chave da instalação no banco não tem %1 bytes").arg(kTamanho);
    } else if (q.lastError().isValid()) {
        r.erro = q.lastError().text().simplified();
    } else {
        r.chave = novaChave();
        q.prepare(QStringLiteral("INSERT INTO chave (unico, valor) VALUES (1, ?)"));
        q.addBindValue(QString::fromLatin1(r.chave.toHex()));
        if (!q.exec())
            r.erro = q.lastError().text().simplified();
    }
    if (r.erro.isEmpty() && banco.executa(QStringLiteral("COMMIT")))
        return r;
    if (r.erro.isEmpty())
        r.erro = banco.erro();
    banco.executa(QStringLiteral("ROLLBACK"));
    return { {}, r.erro };
}

Resultado obtem(const QString &caminho)
{
    const QByteArray nome = QFile::encodeName(caminho);
    if (::access(nome.constData(), F_OK) == 0)
        return le(caminho);
    // Written whole under another name, then linked under its own: of two
    // programs making it at once, one link succeeds and the other program
    // reads the key the first made, never a half-written file.
    QByteArray modelo = nome + ".XXXXXX";
    const int fd = ::mkstemp(modelo.data());
    if (fd < 0)
        return { {}, motivo(caminho, errno) };
    ::fchmod(fd, 0600);
    const QByteArray chave = novaChave();
    bool escrito = ::write(fd, chave.constData(), size_t(kTamanho)) == kTamanho && ::fsync(fd) == 0;
    int erro = errno;
    ::close(fd);
    bool existia = false;
    if (escrito && ::link(modelo.constData(), nome.constData()) != 0) {
        erro = errno;
        existia = erro == EEXIST;
        escrito = false;
    }
    ::unlink(modelo.constData());
    if (existia)
        return le(caminho);
    if (!escrito)
        return { {}, motivo(caminho, erro) };
    return { chave, {} };
}

}  // namespace ChaveInstalacao
