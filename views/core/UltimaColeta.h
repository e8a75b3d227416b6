#pragma once

#include "EstadoLogger.h"

#include <QDateTime>
#include <QString>

class Catalogo;
class IConfiguracoes;
class Registros;
struct ConfigRegional;

// A logger's last collection in the records and its verdict: the one the
// collection's event carries ("aprovado" and "perfil" in its details) or,
// without it, the recording saved from that collection judged by the
// logger's profile, when its file is still there and intact.
struct UltimaColeta
{
    QDateTime instante;  // local; invalid when none is recorded
    EstadoLogger::Veredito veredito = EstadoLogger::Veredito::SemColeta;
    QString perfil;

    static UltimaColeta de(Registros &registros, qint64 serie, IConfiguracoes *configuracoes,
        const Catalogo &catalogo, const ConfigRegional &regional);
};
