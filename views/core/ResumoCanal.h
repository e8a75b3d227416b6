#pragma once

#include <QString>

#include <optional>

class TAquisicao;

// The alarm limits of one channel, in the channel's units. Either may be off.
struct LimitesCanal
{
    // Entries above the upper or below the lower are beyond, compared at
    // the channel's decimals (RegrasLimites::compara).
    std::optional<double> alto;
    std::optional<double> baixo;

    bool operator==(const LimitesCanal &) const = default;
};

// The lowest or highest value of a channel and where it first occurs.
struct ExtremoCanal
{
    double valor = 0.0;
    int entrada = 0;  // entry index in the document, from 0
    double instante = 0.0;  // the entry's date-time (TAquisicao::instante)
};

// How long a channel stayed beyond one limit.
struct ExcursoesLimite
{
    double limite = 0.0;
    int entradas = 0;  // entries beyond the limit
    double segundos = 0.0;  // each entry counts for the interval between acquisitions
    int excursoes = 0;  // runs of consecutive entries beyond
    double maiorSegundos = 0.0;  // the longest run's time
    int maiorEntrada = -1;  // the longest run's first entry (the first of equal runs); -1 with no run
};

// What a channel did over a range of entries.
struct ResumoCanal
{
    int canal = 1;  // 1 or 2
    QString unidade;
    int primeira = 0;  // the range summarised, entries [primeira, ultima]
    int ultima = -1;
    int entradas = 0;
    ExtremoCanal minimo;
    ExtremoCanal maximo;
    double media = 0.0;
    double desvio = 0.0;  // sample standard deviation; 0 with one entry
    std::optional<double> tcm;  // mean kinetic temperature in °C, for a channel in °C
    std::optional<ExcursoesLimite> acima;  // with an upper limit
    std::optional<ExcursoesLimite> abaixo;  // with a lower limit
};

// The activation energy over the gas constant the mean kinetic temperature
// uses unless told otherwise, in kelvin.
inline constexpr double DeltaHSobreRPadrao = 10000.0;

// Whether the document recorded the channel (a channel without a sensor has
// no summary).
bool canalComSensor(const TAquisicao &aquisicao, int canal);

// Whether a unit names degrees Celsius: "°C", or "ºC" as it is often typed,
// blanks and the case of the C aside.
bool unidadeCelsius(const QString &unidade);

// The summary of a channel over entries [primeira, ultima] (clamped to the
// document); nullopt for a channel without a sensor or an empty range. The
// mean kinetic temperature is left out (tcm empty) for a channel whose unit
// is not °C, for a ΔH/R that is not a positive number, and when an entry
// lies at or below absolute zero.
std::optional<ResumoCanal> resumeCanal(const TAquisicao &aquisicao, int canal, int primeira, int ultima,
    const LimitesCanal &limites = {}, double deltaHSobreR = DeltaHSobreRPadrao);
