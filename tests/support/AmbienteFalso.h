#pragma once

// The fakes of every seam and the Ambiente that points at them, for tests
// that need the whole set. A test may point the Ambiente elsewhere (a real
// clock, another catalogue) or at nothing.

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "Fakes.h"

struct AmbienteFalso
{
    MensagensFalsas mensagens;
    RelogioVirtual relogio;
    SinalFalso sinal;
    LinhaStatusFalsa status;
    ConfiguracoesMemoria configuracoes;
    ListaPortasFalsa portas;
    Catalogo catalogo;
    ConfigRegional regional = ConfigRegional::portuguesBrasil();
    Ambiente ambiente { &mensagens, &relogio, &sinal, &configuracoes, &catalogo, &regional, &portas };

    AmbienteFalso() = default;
    // The Ambiente points into the object.
    AmbienteFalso(const AmbienteFalso &) = delete;
    AmbienteFalso &operator=(const AmbienteFalso &) = delete;
};
