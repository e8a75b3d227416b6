#pragma once

#include "ResumoCanal.h"
#include "TextoResumo.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class Catalogo;
class TAquisicao;
struct ConfigRegional;

// The summary of a recording as the summary window shows it and the report
// prints it: a part per channel with a sensor, its title and its label and
// value lines.
namespace RelatorioResumo {

struct Parte
{
    int canal = 1;
    QString titulo;  // "Canal 1: Temp (°C)"
    QList<TextoResumo::Linha> linhas;
};

// Each channel with a sensor over entries [primeira, ultima], with its
// limits; a channel with no entry in the range has no part.
QList<Parte> partes(const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites, int primeira,
    int ultima, const Catalogo &catalogo, const ConfigRegional &regional);

// The value of a channel's line with that label in the parts; empty when
// they lack it (a range without an entry, or without an excursion where the
// whole recording has one).
QString valor(const QList<Parte> &partes, int canal, const QString &rotulo);

// What the printed summary is of, in its first lines: the recording's
// title, its file, the logger's serial number and the period of its
// entries, each a label, a tab and the value; a blank line after them.
QStringList cabecalho(const TAquisicao &aquisicao, const QString &arquivo, const Catalogo &catalogo,
    const ConfigRegional &regional);

// The printed lines: each part's title, its lines as the label, a tab and
// the value (the report puts the values in a column), and a blank line
// between parts.
QStringList linhas(const QList<Parte> &partes);

}  // namespace RelatorioResumo
