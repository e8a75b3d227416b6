#pragma once

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "RelogioQt.h"
#include "SeamsConsole.h"

// The seams of a command that works on files, not on a logger: the
// console's messages, the computer's clock, the default texts and the
// system's regional settings.
struct AmbienteArquivos
{
    explicit AmbienteArquivos(const Console &console)
        : mensagens(console)
    {
        ambiente.mensagens = &mensagens;
        ambiente.relogio = &relogio;
        ambiente.catalogo = &catalogo;
        ambiente.regional = &regional;
    }
    AmbienteArquivos(const AmbienteArquivos &) = delete;
    AmbienteArquivos &operator=(const AmbienteArquivos &) = delete;

    MensagensConsole mensagens;
    RelogioQt relogio;
    Catalogo catalogo;
    ConfigRegional regional = ConfigRegional::doSistema();
    Ambiente ambiente;
};
