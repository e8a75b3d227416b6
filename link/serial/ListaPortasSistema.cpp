#include "ListaPortasSistema.h"

#include "MotivoPorta.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#ifdef Q_OS_LINUX
#include <sys/sysmacros.h>
#endif
#include <unistd.h>

#include <cstring>
#endif

namespace {

// The by-id links of the folder, by the device each one points at.
QHash<QString, QString> linksPorId(const QString &pasta)
{
    QHash<QString, QString> links;
    const QDir dir(pasta);
    for (const QFileInfo &link : dir.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        const QString alvo = link.canonicalFilePath();
        if (!alvo.isEmpty() && !links.contains(alvo))
            links.insert(alvo, link.absoluteFilePath());
    }
    return links;
}

#ifdef Q_OS_UNIX
// Whether the user is a member of the group in the user database: listed in
// it, or with it as primary group. What the current login was given is what
// access() sees; this is what the next login will give.
bool usuarioNoGrupo(const passwd *usuario, gid_t grupo)
{
    if (!usuario)
        return false;
    if (usuario->pw_gid == grupo)
        return true;
    const group *g = getgrgid(grupo);
    if (!g)
        return false;
    for (char **membro = g->gr_mem; membro && *membro; ++membro) {
        if (std::strcmp(*membro, usuario->pw_name) == 0)
            return true;
    }
    return false;
}
// Whether the file is a terminal device: a serial port (or a USB adapter)
// or a pseudo-terminal, not a plain file, a pipe or another device such as
// /dev/null. Linux tells a device's kind in /sys/dev/char; without it, any
// character device is taken for one.
bool terminal(const struct stat &st)
{
    if (!S_ISCHR(st.st_mode))
        return false;
    const QString porNumero = QStringLiteral("/sys/dev/char");
    if (!QFileInfo(porNumero).isDir())
        return true;
    const unsigned maior = major(st.st_rdev);
    // The pseudo-terminals' slaves have no entry there.
    if (maior >= 136 && maior <= 143)
        return true;
    const QString subsistema
        = QFileInfo(QStringLiteral("%1/%2:%3/subsystem").arg(porNumero).arg(maior).arg(minor(st.st_rdev)))
              .canonicalFilePath();
    return subsistema.endsWith(QStringLiteral("/tty"));
}
#endif

}  // namespace

ListaPortasSistema::ListaPortasSistema(const QString &pastaPorId)
    : m_pastaPorId(pastaPorId)
{
}

QList<DispositivoSerial> ListaPortasSistema::dispositivos() const
{
    const QHash<QString, QString> porId = linksPorId(m_pastaPorId);
    QList<DispositivoSerial> lista;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        DispositivoSerial d;
        d.dispositivo = info.systemLocation();
        d.descricao = info.description();
        d.fabricante = info.manufacturer();
        d.numeroSerie = info.serialNumber();
        if (info.hasVendorIdentifier())
            d.vid = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            d.pid = info.productIdentifier();
        const QString real = QFileInfo(d.dispositivo).canonicalFilePath();
        d.porId = porId.value(real.isEmpty() ? d.dispositivo : real);
        lista << d;
    }
    return lista;
}

SituacaoDispositivo ListaPortasSistema::situacao(const QString &nome) const
{
    SituacaoDispositivo s;
    const QString caminho = MotivoPorta::caminho(nome);
    const QFileInfo info(caminho);
    s.existe = info.exists();
    if (!s.existe)
        return s;
    s.caminhoReal = info.canonicalFilePath();
#ifdef Q_OS_UNIX
    const QByteArray local = QFile::encodeName(caminho);
    struct stat st
    {
    };
    if (::stat(local.constData(), &st) != 0)
        return s;
    s.naoSerial = !terminal(st);
    if (const group *g = getgrgid(st.st_gid))
        s.grupo = QString::fromLocal8Bit(g->gr_name);
    s.grupoPodeUsar = (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    s.permitido = ::access(local.constData(), R_OK | W_OK) == 0;
    const passwd *usuario = getpwuid(geteuid());
    if (usuario)
        s.usuario = QString::fromLocal8Bit(usuario->pw_name);
    s.grupoDoUsuario = usuarioNoGrupo(usuario, st.st_gid);
#else
    s.permitido = true;
#endif
    return s;
}
