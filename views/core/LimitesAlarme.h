#pragma once

#include "GravacaoConfiguracao.h"
#include "ResumoCanal.h"

class IConfiguracoes;

// The alarm limits of each logger's channels, kept in the settings file in
// a section of their own, keyed by the logger's serial number and the
// channel, so that they apply to every recording of that logger: section
// LIMITES, keys such as "00010010_1_ALTO" and "00010010_1_BAIXO" (the serial
// number as the general parameters show it, the channel, the limit), values
// written with '.' whatever the regional settings; ',' is read as well, and
// an absent, empty or unreadable value is a limit that is off.
class LimitesAlarme
{
public:
    explicit LimitesAlarme(IConfiguracoes *configuracoes);

    LimitesCanal le(qint32 numeroSerie, int canal) const;
    // Writes only the keys whose limit changed (an off limit as an empty
    // value), so that the rest of the file stays byte for byte.
    // The first write that fails ends it and is what it returns.
    GravacaoConfiguracao grava(qint32 numeroSerie, int canal, const LimitesCanal &limites);

    // A number written with '.' or ',' (blanks around it ignored); nothing
    // for any other text, an empty one included.
    static std::optional<double> valor(const QString &texto);

private:
    IConfiguracoes *m_configuracoes;
};
