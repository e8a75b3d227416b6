#pragma once

#include "PerfilAlarme.h"
#include "ResumoCanal.h"

#include <QList>

#include <optional>

class TAquisicao;

// One run of consecutive entries beyond a rule's threshold.
struct ExcursaoAlarme
{
    int inicio = 0;  // first and last entry, from 0
    int fim = 0;
    double segundos = 0.0;  // each entry counts for the interval between acquisitions
    double pico = 0.0;  // the value furthest beyond, first where it occurs
    int entradaPico = 0;
};

// The worst window of a rule on the mean kinetic temperature.
struct JanelaPior
{
    int inicio = 0;  // first and last entry of the window
    int fim = 0;
    double tcm = 0.0;
};

// How one rule went on one channel.
struct ResultadoRegra
{
    RegraAlarme regra;
    int canal = 1;
    bool aprovada = true;
    // What is measured against the rule: the longest excursion's time
    // (event), the time beyond in all (cumulative, instant), in seconds.
    double segundos = 0.0;
    int entradas = 0;  // entries beyond
    // The worst window's mean kinetic temperature (none when it cannot be
    // had: an entry at or below absolute zero, which fails the rule).
    std::optional<JanelaPior> janela;
    // The excursions that break the rule (all of them for cumulative and
    // instant rules that fail; those long enough for an event rule).
    QList<ExcursaoAlarme> excursoes;
};

// One channel's local calendar day.
struct DiaCanal
{
    int canal = 1;
    qint64 dia = 0;  // days since 30/12/1899 (TDateTime's whole part)
    int primeira = 0;  // the day's first entry
    int entradas = 0;
    double minimo = 0.0;
    double maximo = 0.0;
    double media = 0.0;
    // Seconds beyond the threshold of each of the channel's time rules, in
    // the order of Avaliacao::regras.
    QList<double> segundosAlem;
};

// A recording judged by a profile.
struct Avaliacao
{
    PerfilAlarme perfil;
    bool aprovado = true;  // every rule passed
    QList<ResultadoRegra> regras;  // channel by channel, each in the profile's order
    QList<DiaCanal> dias;  // channel by channel, day by day
};

// The recording judged by the profile: each rule on each channel with a
// sensor it applies to (a rule for channel 0 on each channel in °C; a mean
// kinetic temperature rule only on a channel in °C). Readings are compared
// with a threshold at the channel's decimals (RegrasLimites::compara), a
// mean kinetic temperature at one decimal more. Windows of 24 hours or 30
// days are counted in entries (the window's seconds over the interval) and
// run from the first entry to the last window that ends with the
// recording; a recording shorter than the window is one window.
Avaliacao avalia(
    const TAquisicao &aquisicao, const PerfilAlarme &perfil, double deltaHSobreR = DeltaHSobreRPadrao);
