#pragma once

#include <QString>

class Catalogo;
class TAquisicao;
struct ConfigRegional;

// The time axis of a graph: the x value of each entry, the label texts its
// points carry and the axis title. With an interval the x values are the
// entries' instants; in half-second mode they are spread 120 seconds apart
// per entry so that the chart can space them, while the labels carry the
// true instants.
namespace TabelaTempo {

// Spacing of the x values in half-second mode, in seconds per entry.
constexpr int PassoMeioSegundo = 120;

double x(const TAquisicao &aquisicao, int i);

// Which series a label is for: the first series (channel 1, or the single
// series of a one-channel document) or the channel 2 series.
enum class Serie { Primeira, Segunda };

// The label of entry i; largura is LarguraRotulo of the document's span, to
// which the labels after the first are padded with blanks.
QString rotulo(const TAquisicao &aquisicao, Serie serie, int i, int largura, const ConfigRegional &regional);

// "Primeira aquisição: <first>   Última aquisição: <last>".
QString tituloEixo(const TAquisicao &aquisicao, const Catalogo &catalogo, const ConfigRegional &regional);

// A value axis's title from a channel: "Temp (°C )".
QString tituloCanal(const QString &nome, const QString &unidade);

}  // namespace TabelaTempo
