#pragma once

#include "ResumoCanal.h"

class IConfiguracoes;

// The alarm limits of each logger's channels, kept in the settings file in
// a section of their own, keyed by the logger's serial number and the
// channel, so that they apply to every recording of that logger.
class LimitesAlarme
{
public:
    explicit LimitesAlarme(IConfiguracoes *configuracoes);

    LimitesCanal le(qint32 numeroSerie, int canal) const;
    void grava(qint32 numeroSerie, int canal, const LimitesCanal &limites);

private:
    IConfiguracoes *m_configuracoes;
};
