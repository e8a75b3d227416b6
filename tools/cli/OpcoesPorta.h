#pragma once

#include "Comando.h"

#include <QString>

class OpcoesLinha;

// The options that name a logger, shared by every command that talks to
// one: --porta, --descricao (QUORVANE_SIMULADOR when not given, as for the
// program) and --verboso.
struct OpcoesPorta
{
    QString porta;
    QString descricao;
    bool verboso = false;

    // Takes the three options. After the command has taken its own, call
    // problema(): the first thing wrong with the line, empty when none.
    explicit OpcoesPorta(OpcoesLinha &opcoes);
    static QString problema(const OpcoesPorta &p, const OpcoesLinha &opcoes);
};
