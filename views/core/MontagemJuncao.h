#pragma once

#include "EscalaEixo.h"
#include "TNodoJuncao.h"

#include <QString>
#include <QVector>

#include <optional>
#include <vector>

struct ConfigRegional;

// The merge of graphs without widgets: which entries may merge, on which
// axis and in which series each channel goes, the points and labels of each
// series and the time line that gives the bottom axis its labels.
namespace MontagemJuncao {

// The chart's channel series, 1 to 8 (0 is the time line).
constexpr int kSeriesCanais = 8;

// Why a merge does not open (each with its message: 244, 242, 243).
enum class Recusa { Nenhuma, GraficosInsuficientes, UnidadesExcedem, CanaisExcedem };

struct Unidades
{
    QString esquerda;  // the first unit found: the left axis
    QString direita;  // the second: the right axis
    bool excede = false;  // more than two distinct units
};

// The units of the used channels, entry by entry, channel 1 first; units
// are compared as exact texts.
Unidades VerificaExcessoUnidades(const std::vector<TNodoJuncao> &entradas);
int totalCanais(const std::vector<TNodoJuncao> &entradas);
// The checks of the merge command, in order: at least two graph windows,
// at most two units, at most eight channels.
Recusa verifica(int graficosAbertos, const std::vector<TNodoJuncao> &entradas, Unidades &unidades);

// The axis of a unit: left when it is the left unit, else right when it is
// the right unit; nothing when it is neither.
std::optional<EixoGrafico> eixoDaUnidade(const QString &unidade, const Unidades &unidades);

// One channel series of the merged chart.
struct SerieJuncao
{
    int indice = 0;  // 1 to 8
    int entrada = 0;  // index in the entry list
    int canal = 1;  // the channel of the entry it shows
    QString titulo;  // "Name(unit)"
    std::optional<EixoGrafico> eixo;  // nothing: the series' default axis
};
// The series of the entries, in order: one per channel of each entry.
std::vector<SerieJuncao> series(const std::vector<TNodoJuncao> &entradas, const Unidades &unidades);

// The points of an entry: an x value (a date-time) per reading, and the
// entry's last instant they give. In half-second mode two readings share
// one whole second. The label of a reading is made when asked for: a large
// entry would spend most of its merge writing labels nobody reads.
struct PontosEntrada
{
    QVector<double> x;
    double fim = 0.0;
    double inicio = 0.0;
    bool meioSegundo = false;
    int largura = 0;  // the labels' width with an interval

    QString rotulo(int j, const ConfigRegional &regional) const;
};
PontosEntrada pontos(const TNodoJuncao &entrada, const ConfigRegional &regional);

// The time line: its step in seconds for a span in days (1 second under a
// day, 1 hour up to 30 days, 1 day beyond; wider still when the span would
// need more than kMaxPontosLinha points) and its instants, from inicio to
// the first step past fim.
constexpr int kMaxPontosLinha = 100000;
qint64 passoLinhaDoTempo(double inicio, double fim);
QVector<double> instantesLinhaDoTempo(double inicio, double fim);
// The label of an instant of the time line: its time under a day, where
// the steps are seconds; with steps of an hour or more the labels shown lie
// a day or more apart, and carry the date ("dd/mm/yy hh:nn"), the date
// alone with steps of a day ("dd/mm/yyyy").
QString rotuloLinhaDoTempo(double instante, qint64 passo, const ConfigRegional &regional);

// The value the time line is drawn at and its axis: the first reading of
// the first entry's shown channel.
struct ValorLinha
{
    double valor = 0.0;
    std::optional<EixoGrafico> eixo;
};
ValorLinha valorLinhaDoTempo(const std::vector<TNodoJuncao> &entradas, const Unidades &unidades);

}  // namespace MontagemJuncao
