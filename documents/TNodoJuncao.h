#pragma once

#include "TLeitura.h"

#include <QString>

#include <cstdint>
#include <vector>

class TAquisicao;

// One entry of a merged graph: what the merge needs of an acquisition
// document, readings included (the merged window keeps its own copy).
struct TNodoJuncao
{
    QString NomeCanal1;
    QString NomeCanal2;
    QString UnidadeCanal1;
    QString UnidadeCanal2;
    double IntervaloAquisicoes = 0.0;  // seconds; 0 is the half-second mode
    int32_t NumCanais = 1;
    int32_t SensorCanal1 = -1;  // -1 channel not used
    int32_t SensorCanal2 = -1;
    double Inicio = 0.0;
    double Fim = 0.0;
    double EscalaMin = 0.0;
    double EscalaMax = 0.0;
    std::vector<TLeitura> Leituras;

    bool canal1Usado() const { return SensorCanal1 != -1; }
    bool canal2Usado() const { return SensorCanal2 != -1; }
    // The channel a one-channel entry shows: 1 when channel 1 is used,
    // otherwise 2.
    int canalUnico() const { return canal1Usado() ? 1 : 2; }

    // The entry of a document, its range from DefineMaxMin.
    static TNodoJuncao deAquisicao(const TAquisicao &aquisicao);
    // The merged-graph file keeps no sensors: with two channels both count
    // as used; with one, channel 2 when channel 1 has no unit and channel 2
    // has one, otherwise channel 1.
    void defineSensoresPorUnidade();

    bool operator==(const TNodoJuncao &) const = default;
};
