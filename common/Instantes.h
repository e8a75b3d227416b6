#pragma once

#include "DataHora.h"

#include <QString>

struct ConfigRegional;

// Date-time arithmetic on sample offsets, the texts that name a sample's
// instant and the labels of the time axis. All work in whole seconds; the
// counts given are 0 or more.

// base plus (minus) whole seconds: whole days on the date, the rest as a
// time of day. Any count is taken, the result held to the years 1 to 9999
// when it is read.
TDateTime SomaSegundos(qint64 segundos, TDateTime base);
TDateTime SubtraiSegundos(qint64 segundos, TDateTime base);
// a minus b in whole seconds: the difference of the milliseconds of the day
// divided by 1000 (truncating towards zero) plus the difference of the days.
qint64 SegundosEntre(TDateTime a, TDateTime b);

// The instant meiosSegundos half seconds after base as
// "dd/mm/yyyy hh:nn:ss .0" (".5" for an odd count).
QString TextoInstante(int meiosSegundos, TDateTime base, const ConfigRegional &regional);

// A text made by TextoInstante read back: its instant (the first 19
// characters; 0 when they are not a date and time), and a short label: the
// time with its half-second mark, then the date as " dd/mm"
// (RotuloInstante) or " dd/mm/yy" (RotuloInstanteAno), cut to tamanhoMaximo.
struct InstanteRotulado
{
    QString rotulo;
    TDateTime instante = 0;
};
InstanteRotulado RotuloInstante(
    const QString &texto, const ConfigRegional &regional, int tamanhoMaximo = 255);
InstanteRotulado RotuloInstanteAno(
    const QString &texto, const ConfigRegional &regional, int tamanhoMaximo = 255);

// The width in characters to which the time-axis labels of a series from
// inicio to fim are padded: 8, 11, 14 or 19.
int LarguraRotulo(TDateTime inicio, TDateTime fim);

// The time-axis label of the sample at atual, the sample before it being at
// anterior: the coarser the spacing, the coarser the label, widened to the
// fields in which the two instants differ. Empty when atual is not after
// anterior.
QString RotuloEixoTempo(TDateTime anterior, TDateTime atual, const ConfigRegional &regional);
