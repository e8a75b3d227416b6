#pragma once

#include "AvaliacaoPerfil.h"
#include "EscalaEixo.h"

#include <QList>

#include <optional>

class TAquisicao;

// What the graph draws of a verdict: for each channel the band its
// profile's thresholds allow, and each excursion that breaks a rule, in
// the chart's coordinates (x as TabelaTempo::x gives it, values in the
// channel's units on its value axis).
namespace FaixaPerfil {

// The band allowed on one channel: from the highest threshold of a "below"
// rule to the lowest of an "above" one; a side without a rule is open.
struct Faixa
{
    int canal = 1;
    EixoGrafico eixo = EixoGrafico::Esquerdo;
    std::optional<double> baixo;
    std::optional<double> alto;
    bool operator==(const Faixa &) const = default;
};

// The time an excursion spans (from its first entry's instant to its
// last's) and its peak.
struct Trecho
{
    int canal = 1;
    EixoGrafico eixo = EixoGrafico::Esquerdo;
    int inicio = 0;  // first and last entry
    int fim = 0;
    double xInicio = 0.0;
    double xFim = 0.0;
    double pico = 0.0;
    double xPico = 0.0;
    bool operator==(const Trecho &) const = default;
};

struct Geometria
{
    QList<Faixa> faixas;
    QList<Trecho> trechos;
    bool vazia() const { return faixas.isEmpty() && trechos.isEmpty(); }
};

// The axis a channel is drawn on: channel 2 on the right one, the single
// channel of a one-channel document on the left.
EixoGrafico eixo(const TAquisicao &aquisicao, int canal);

// The geometry of a verdict on its recording. Thresholds of readings
// (event, cumulative, instant) make the band; a mean kinetic temperature
// limit does not, being no limit on a reading. A channel whose thresholds
// leave no value allowed (the "below" one over the "above" one) gets no
// band. Excursions of one channel and side that overlap (one rule's
// within another's, or the same one breaking two rules) are one span,
// with the peak furthest beyond.
Geometria calcula(const TAquisicao &aquisicao, const Avaliacao &avaliacao);

}  // namespace FaixaPerfil
