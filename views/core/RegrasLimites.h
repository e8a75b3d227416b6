#pragma once

#include "ResumoCanal.h"
#include "RotinasSensor.h"

#include <QString>

class Catalogo;
class TAquisicao;
struct ConfigRegional;

// The one rule for the alarm limits of a channel, whoever gives them: the
// limits dialog, quorvane-cli resumo and the settings file. A limit is a
// plain decimal number (LeNumero) with no more decimals than the channel's
// values show, within the range of a temperature sensor; an upper and a
// lower limit together need the upper above the lower. Readings are
// compared with a limit at the channel's resolution, as the user reads both.
namespace RegrasLimites {

// The decimals of a channel's values as its readings show them: one for a
// Pt100 (sensor 8), otherwise its decimal places (0 to 3; 0 for any other).
int casas(const TAquisicao &aquisicao, int canal);

// The decimals of a channel's mean, deviation and mean kinetic temperature:
// one more than its values.
int casasEstatistica(const TAquisicao &aquisicao, int canal);

// What the rule needs of a channel.
struct Canal
{
    int numero = 1;  // 1 or 2
    int casas = 0;
    // The readings a thermocouple or Pt100 can give. None for the linear
    // inputs: their readings are scaled by the range the user configured
    // and go beyond it with the input, so no limit is out of their reach.
    std::optional<Faixa> faixa;
    QString unidade;
};
Canal canal(const TAquisicao &aquisicao, int canal);

// -1, 0 or 1 as the reading, at the channel's decimals, is below, equal to
// or above the limit (at the same decimals when it has no more).
int compara(double leitura, double limite, int casas);
// What compara holds a limit as: its count of the channel's last decimal
// place (a finer limit kept as it is); a reading's count is
// std::round(leitura * 10^casas).
double contagemLimite(double limite, int casas);

// A limit's text with the channel's decimals and the regional separator.
QString texto(double valor, int casas, const ConfigRegional &regional);

// One limit as text (separator "." or "," when separador is one of them):
// its value, or nothing with the refusal in erro ("Canal 1: ...").
std::optional<double> valor(
    const QString &texto, QChar separador, const Canal &canal, const Catalogo &catalogo, QString &erro);

// The refusal of a channel's two limits together (the upper not above the
// lower), or an empty text.
QString confere(const LimitesCanal &limites, const Canal &canal, const Catalogo &catalogo);

// What the boxes of a channel give: the limits, or no limits and the
// message of the first refusal.
struct Leitura
{
    LimitesCanal limites;
    QString erro;
    bool aceita() const { return erro.isEmpty(); }
};

// A box that is off gives no limit, whatever it holds; the separator as in
// valor.
Leitura le(bool altoLigado, const QString &alto, bool baixoLigado, const QString &baixo, const Canal &canal,
    QChar separador, const Catalogo &catalogo);

}  // namespace RegrasLimites
