#pragma once

#include <QString>
#include <QStringList>

class Catalogo;
struct ConfigRegional;
class TAquisicao;

// The text of the general-parameters view: the logger's identity, each
// channel's settings and the acquisition's times, one line per entry of
// the list. Also the first part of the text export.
QStringList Atualiza_Informacoes(
    const TAquisicao &aquisicao, const Catalogo &catalogo, const ConfigRegional &regional);

// The logger's serial number as the general parameters show it: its two
// 16-bit halves, each in at least four digits.
QString TextoNumeroSerie(const TAquisicao &aquisicao);
// The same for a serial number as the records keep it.
QString TextoNumeroSerie(quint32 serie);

// An interval in seconds as hours, minutes and seconds: " 1h  2min  5seg"
// style, each number at least two characters wide, zero parts left out.
QString Formata_Intervalo(double segundos, const Catalogo &catalogo);
