#include "MotivoPorta.h"

#include "Catalogo.h"
#include "IListaPortas.h"

#include <QStringList>

namespace {

enum Texto {
    SemPermissao = 315,
    EntreNoGrupo = 316,
    JaNoGrupo = 317,
    PecaPermissao = 318,
    Ocupado = 319,
    NaoConectado = 320,
    Presentes = 321,
    NenhumPresente = 322,
    Perdida = 323,
    NaoAbriu = 325,
    NaoSerial = 380,
};

QString texto(const Catalogo *catalogo, int numero)
{
    return catalogo ? catalogo->texto(numero) : Catalogo::padrao(numero);
}

QString presentes(const IListaPortas &portas, const Catalogo *catalogo)
{
    QStringList nomes;
    for (const DispositivoSerial &d : portas.dispositivos())
        nomes << (d.descricao.isEmpty() ? d.dispositivo
                                        : QStringLiteral("%1 (%2)").arg(d.dispositivo, d.descricao));
    if (nomes.isEmpty())
        return texto(catalogo, NenhumPresente);
    return texto(catalogo, Presentes).arg(nomes.join(QStringLiteral(", ")));
}

QString semPermissao(const QString &dispositivo, const SituacaoDispositivo &s, const Catalogo *catalogo)
{
    QString como;
    if (s.grupo.isEmpty() || !s.grupoPodeUsar)
        como = texto(catalogo, PecaPermissao);
    else if (s.grupoDoUsuario)
        como = texto(catalogo, JaNoGrupo).arg(s.grupo);
    else
        como = texto(catalogo, EntreNoGrupo)
                   .arg(s.grupo, s.usuario.isEmpty() ? QStringLiteral("$USER") : s.usuario);
    return texto(catalogo, SemPermissao).arg(dispositivo) + u' ' + como;
}

}  // namespace

QString MotivoPorta::caminho(const QString &dispositivo)
{
#ifdef Q_OS_WIN
    return dispositivo;
#else
    if (dispositivo.startsWith(u'/') || dispositivo.startsWith(u"./") || dispositivo.startsWith(u"../"))
        return dispositivo;
    return QStringLiteral("/dev/") + dispositivo;
#endif
}

QString MotivoPorta::abertura(Erro erro, const QString &nome, const IListaPortas *portas,
    const Catalogo *catalogo, const QString &detalhe)
{
    const QString dispositivo = caminho(nome);
    // Without a list, the device is taken to be there and out of reach.
    SituacaoDispositivo s;
    s.existe = erro != Erro::NaoEncontrado;
    if (portas)
        s = portas->situacao(dispositivo);
    if (erro == Erro::NaoEncontrado || !s.existe) {
        const QString ausente = texto(catalogo, NaoConectado).arg(dispositivo);
        return portas ? ausente + u' ' + presentes(*portas, catalogo) : ausente;
    }
    // The system's own text for it would be about an ioctl, in English.
    if (s.naoSerial)
        return texto(catalogo, NaoSerial).arg(dispositivo);
    if (erro == Erro::SemPermissao) {
        // The system says "permission" both for a device this user may not
        // use and for one that another program has locked; the device's own
        // permissions tell them apart.
        if (portas && s.permitido)
            return texto(catalogo, Ocupado).arg(dispositivo);
        return semPermissao(dispositivo, s, catalogo);
    }
    return texto(catalogo, NaoAbriu).arg(dispositivo, detalhe);
}

QString MotivoPorta::perdida(const QString &dispositivo, const Catalogo *catalogo)
{
    return texto(catalogo, Perdida).arg(dispositivo);
}
