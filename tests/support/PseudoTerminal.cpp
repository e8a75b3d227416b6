#include "PseudoTerminal.h"

#include <QDeadlineTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

PseudoTerminal::PseudoTerminal()
{
#ifdef Q_OS_UNIX
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) {
        m_erro = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return;
    }
    const char *nome = ptsname(fd);
    if (!nome) {
        m_erro = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return;
    }
    m_escravo = QString::fromLocal8Bit(nome);
    m_mestre = fd;
#else
    m_erro = QStringLiteral("no pseudo-terminals here");
#endif
}

PseudoTerminal::~PseudoTerminal()
{
    fecha();
}

void PseudoTerminal::fecha()
{
#ifdef Q_OS_UNIX
    if (m_mestre >= 0)
        ::close(m_mestre);
#endif
    m_mestre = -1;
}

bool PseudoTerminal::escreve(const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    qsizetype feitos = 0;
    while (m_mestre >= 0 && feitos < bytes.size()) {
        const ssize_t n = ::write(m_mestre, bytes.constData() + feitos, size_t(bytes.size() - feitos));
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        feitos += n > 0 ? n : 0;
    }
    return feitos == bytes.size();
#else
    Q_UNUSED(bytes);
    return false;
#endif
}

QByteArray PseudoTerminal::le(int n, int ms)
{
    QByteArray lidos;
#ifdef Q_OS_UNIX
    QDeadlineTimer prazo(ms);
    while (m_mestre >= 0 && lidos.size() < n && !prazo.hasExpired()) {
        pollfd p { m_mestre, POLLIN, 0 };
        if (::poll(&p, 1, int(qMax<qint64>(1, prazo.remainingTime()))) <= 0)
            continue;
        char buf[512];
        const ssize_t r = ::read(m_mestre, buf, size_t(qMin<qsizetype>(n - lidos.size(), sizeof buf)));
        if (r > 0)
            lidos.append(buf, r);
    }
#else
    Q_UNUSED(n);
    Q_UNUSED(ms);
#endif
    return lidos;
}
