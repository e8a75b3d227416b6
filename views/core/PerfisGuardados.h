#pragma once

#include "GravacaoConfiguracao.h"
#include "PerfilAlarme.h"
#include "ResumoCanal.h"

#include <QStringList>

#include <array>

class Catalogo;
class IConfiguracoes;

// The alarm profiles the user made, and the profile of each logger, kept in
// the settings file: section PERFIS, key LISTA with the short names
// separated by commas, and for each "<curto>_NOME" and "<curto>_REGRAS",
// the rules separated by ';', each as texto(RegraAlarme) writes it; section
// PERFIL_SERIE, the serial number (the decimal of its unsigned 32 bits) and
// the short name of its profile. Only keys that change are written.
class PerfisGuardados
{
public:
    explicit PerfisGuardados(IConfiguracoes *configuracoes);

    // A rule as one text: "canal,tipo,lado,limite,inclui,segundos,janela",
    // e.g. "0,evento,acima,45,sim,3600,inteira"; the threshold with '.'.
    static QString texto(const RegraAlarme &regra);
    // A rule's text read back; nothing, with the refusal in erro, for a
    // threshold that is not a number, a negative or missing duration, or a
    // field that names nothing.
    static std::optional<RegraAlarme> regra(const QString &texto, const Catalogo &catalogo, QString &erro);

    struct Leitura
    {
        QList<PerfilAlarme> perfis;  // the shipped ones first, then the user's that read
        QStringList erros;  // one per profile refused, naming it
    };
    Leitura le(const Catalogo &catalogo) const;

    // Adds the profile, or replaces the user's one of that short name; the
    // first write that fails ends it and is what it returns.
    GravacaoConfiguracao grava(const PerfilAlarme &perfil);
    GravacaoConfiguracao remove(const QString &curto);

    // The short name of a logger's profile; empty when none is assigned.
    QString doRegistrador(qint32 numeroSerie) const;
    GravacaoConfiguracao atribui(qint32 numeroSerie, const QString &curto);

    // The profile the alarm limits stored for a logger make: a rule on each
    // channel for each limit that is on (beyond it, the limit itself not);
    // nothing without a limit.
    static std::optional<PerfilAlarme> deLimites(
        const std::array<LimitesCanal, 2> &limites, const Catalogo &catalogo);

    // The profile a recording is judged by: the one named (short name or
    // name), else its logger's, else the one its stored alarm limits make;
    // nothing, with erro empty, when it has none of them, or with the
    // refusal in erro (an unknown name, a profile that does not read).
    std::optional<PerfilAlarme> escolhe(
        qint32 numeroSerie, const QString &nome, const Catalogo &catalogo, QString &erro) const;

private:
    QStringList lista() const;
    IConfiguracoes *m_configuracoes;
};
