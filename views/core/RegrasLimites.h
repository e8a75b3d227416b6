#pragma once

#include "ResumoCanal.h"

#include <QString>

class Catalogo;
class TAquisicao;
struct ConfigRegional;

// The rules of the alarm-limits dialog: the decimals a channel's limits are
// typed and shown with, their text, and the reading of the two boxes of a
// channel with its refusals.
namespace RegrasLimites {

// The decimals of a channel's values as its readings show them: one for a
// Pt100 (sensor 8), otherwise its decimal places (0 to 3; 0 for any other).
int casas(const TAquisicao &aquisicao, int canal);

// A limit's text with the channel's decimals and the regional separator.
QString texto(double valor, int casas, const ConfigRegional &regional);

// What the boxes of a channel give: the limits, or the message of the first
// refusal (a text that is not a number, one finer than the channel's
// decimals, an upper limit not above the lower).
struct Leitura
{
    LimitesCanal limites;
    QString erro;
    bool aceita() const { return erro.isEmpty(); }
};

// A box that is off gives no limit, whatever it holds.
Leitura le(bool altoLigado, const QString &alto, bool baixoLigado, const QString &baixo, int casas,
    const ConfigRegional &regional, const Catalogo &catalogo);

}  // namespace RegrasLimites
