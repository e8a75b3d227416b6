#pragma once

#include "ResumoCanal.h"

#include <QList>
#include <QString>

class Catalogo;
struct ConfigRegional;
class TAquisicao;

// A channel's summary as text: one (label, value) pair a line, for the
// summary window's table, the report's summary page and quorvane-cli. Values
// are written with the channel's decimals and unit (the mean, the deviation
// and the mean kinetic temperature with one decimal more), entries numbered
// as the readings list numbers them (from 00001), instants in the regional
// date and time format (with the ".5" mark in half-second mode), times as
// "h:mm:ss". The lines of a limit that is off, and the mean kinetic
// temperature of a channel without one, are left out.
namespace TextoResumo {

struct Linha
{
    QString rotulo;
    QString valor;

    bool operator==(const Linha &) const = default;
};

// The heading of a channel's table: "Canal 1: Temp (°C)".
QString titulo(const TAquisicao &aquisicao, int canal, const Catalogo &catalogo);

// The lines of a summary made of the document.
QList<Linha> linhas(const TAquisicao &aquisicao, const ResumoCanal &resumo, const Catalogo &catalogo,
    const ConfigRegional &regional);

// The lines of a channel over entries [primeira, ultima] (from 0, held to
// the document); none for a channel without a sensor.
QList<Linha> linhas(const TAquisicao &aquisicao, int canal, int primeira, int ultima,
    const LimitesCanal &limites, const Catalogo &catalogo, const ConfigRegional &regional,
    double deltaHSobreR = DeltaHSobreRPadrao);

// Seconds as hours, minutes and seconds, "1:05:00", hours without bound;
// a half second as ",5" with the regional separator ("0:00:01,5").
QString duracao(double segundos, QChar separadorDecimal);

// An entry's number as the readings list writes it: entry 0 is "00001".
QString numeroEntrada(int entrada);

// An entry's instant as the readouts show it: "14/06/2024 17:03:00", in
// half-second mode with its ".0" or ".5" mark.
QString instante(const TAquisicao &aquisicao, int entrada, const ConfigRegional &regional);

}  // namespace TextoResumo
