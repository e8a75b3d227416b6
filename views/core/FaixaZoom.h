#pragma once

#include "DataHora.h"

#include <QString>

#include <optional>

struct Ambiente;
struct ConfigRegional;
class TAquisicao;

// The rules of the zoom-range dialog without its widgets: the texts of its
// fields, the steps of its spin buttons, its checks in their order with
// their messages and the values it returns; and the graph's side of it, the
// time range handed to the dialog and the range applied from its answer.
namespace FaixaZoom {

// The dialog's fields. Dates and times as their masked fields show them
// ("dd/mm/yyyy", "hh:nn:ss", blanks where nothing was typed); values as
// typed.
struct Campos
{
    QString dataInicial;  // MEDataInicial
    QString horaInicial;  // MEHoraInicial
    QString dataFinal;  // MEDataFinal
    QString horaFinal;  // MEHoraFinal
    QString valorDe;  // MEValorDe
    QString valorAte;  // MEValorAte
    QString valor2De;  // MEValor2De
    QString valor2Ate;  // MEValor2Ate
};

// The field a failed check puts the focus on.
enum class Campo {
    Nenhum,
    DataInicial,
    HoraInicial,
    DataFinal,
    HoraFinal,
    ValorDe,
    ValorAte,
    Valor2De,
    Valor2Ate
};

// What the dialog is given and what it returns.
struct Valores
{
    TDateTime inicio = 0;  // start instant (DataInicial + HoraInicial)
    TDateTime fim = 0;  // end instant
    double min1 = 0;
    double max1 = 0;
    double min2 = 0;
    double max2 = 0;
};

// The fields as the dialog fills them when shown: dates "dd/mm/yyyy", times
// "hh:nn:ss", values fixed with two decimals; the second row only with two
// ranges.
Campos preenche(const Valores &valores, int numFaixas, const ConfigRegional &regional);

// A value field as a number, read as every typed number is (LeNumero).
// Nothing when it is not a number.
std::optional<double> numero(const QString &texto, const ConfigRegional &regional);

// ValidaValoresCampos: the two dates and the two times, in that order, each
// routine with its own warning. The field of the first failure.
Campo validaCampos(const Campos &campos, const Ambiente &ambiente);

// ValidaCoordenadasdeZoom: numbers in the value fields (the second row only
// with two ranges), the end date not before the start date, the end instant
// after the start instant, each minimum below its maximum (the second row
// only while it is shown). One warning; the field of the first failure.
Campo validaCoordenadas(const Campos &campos, int numFaixas, bool segundaVisivel, const Ambiente &ambiente);

// The values of fields that passed both checks: the dates at midnight and
// the times of day apart; the second range only with two ranges (else 0).
struct Resultado
{
    TDateTime dataInicial = 0;
    TDateTime horaInicial = 0;
    TDateTime dataFinal = 0;
    TDateTime horaFinal = 0;
    double min1 = 0;
    double max1 = 0;
    double min2 = 0;
    double max2 = 0;
};
Resultado resultado(const Campos &campos, int numFaixas, const ConfigRegional &regional);

// The spin buttons.
enum class Giro { DataIni, HoraIni, DataFinal, HoraFinal, ValorMin, ValorMax, ValorMin2, ValorMax2 };

// One press: reads the fields involved and applies the step when its
// condition holds (a date one day, a time one second, a value 1), writing
// the field back. False, and nothing changed, otherwise or when a field
// cannot be read. A time step wraps around midnight without touching the
// date field.
bool gira(Campos &campos, Giro botao, bool sobe, const ConfigRegional &regional);

// The time axis's range as the dialog gets it. With an interval, the axis's
// own range. In half-second mode the axis holds spread x values: each end
// becomes the whole-second instant of the entry it lies at, the first or
// the last entry when it lies outside them.
struct FaixaTempo
{
    TDateTime minimo = 0;
    TDateTime maximo = 0;
};
FaixaTempo paraDialogo(const TAquisicao &aquisicao, TDateTime minimo, TDateTime maximo);

// The time axis's range for the instants the dialog returned. With an
// interval, those instants. In half-second mode the x values of the entries
// at those instants (an instant before Inicio gives the first entry), or of
// the first and last entries when either lies after the last entry.
FaixaTempo paraEixo(const TAquisicao &aquisicao, TDateTime inicio, TDateTime fim);

}  // namespace FaixaZoom
