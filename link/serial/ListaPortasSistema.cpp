#include "ListaPortasSistema.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
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

SituacaoDispositivo ListaPortasSistema::situacao(const QString &caminho) const
{
    SituacaoDispositivo s;
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
