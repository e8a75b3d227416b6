#include "ChaveInstalacao.h"

#include <QFile>
#include <QRandomGenerator>

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

}  // namespace

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
    QByteArray chave(kTamanho, '\0');
    QRandomGenerator::system()->generate(
        reinterpret_cast<quint32 *>(chave.data()), reinterpret_cast<quint32 *>(chave.data() + kTamanho));
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
