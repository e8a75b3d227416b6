#pragma once

// The two-channel recordings the tests build: a test takes the usual one,
// changes what differs (limits, logger and modes included) and adds its
// entries.

#include "DataHora.h"
#include "TAquisicao.h"

#include <QList>
#include <QPair>

#include <functional>

// The values of channel 1 and channel 2 of one entry.
using ParTeste = QPair<double, double>;

// Channel 1 a Pt100 in °C, channel 2 a 4-20 mA channel in bar at two
// decimals, one entry a minute from 14/06/2024 17:03:00; no entries yet.
inline TAquisicao gravacaoTeste()
{
    TAquisicao a;
    a.NumCanais = 2;
    a.SensorCanal1 = 8;
    a.SensorCanal2 = 9;
    a.DecimaisCanal2 = 2;
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.UnidadeCanal2 = QStringLiteral("bar");
    a.defineIntervalo(60);
    a.Inicio = DataHora::codifica(2024, 6, 14, 17, 3, 0).value_or(0);
    return a;
}

// The furnace of the graph and report tests: both channels 4-20 mA with no
// decimals and no unit, one entry every 10 s from 01/01/2000 10:00:00.
inline TAquisicao gravacaoForno()
{
    TAquisicao a = gravacaoTeste();
    a.SensorCanal1 = 9;
    a.DecimaisCanal2 = 0;
    a.UnidadeCanal1.clear();
    a.UnidadeCanal2.clear();
    a.defineIntervalo(10);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    return a;
}

// The document with `entradas` entries added, entry i holding valor(i); Fim
// stays as it was.
inline TAquisicao comLeiturasSemFim(TAquisicao a, int entradas, const std::function<ParTeste(int)> &valor)
{
    a.reservaLeituras(entradas);
    for (int i = 0; i < entradas; ++i) {
        const ParTeste v = valor(i);
        a.adicionaLeitura(v.first, v.second);
    }
    return a;
}

// The same with Fim at the last entry.
inline TAquisicao comLeituras(TAquisicao a, int entradas, const std::function<ParTeste(int)> &valor)
{
    a = comLeiturasSemFim(std::move(a), entradas, valor);
    a.AjustaFim();
    return a;
}

inline TAquisicao comLeituras(TAquisicao a, const QList<ParTeste> &valores)
{
    return comLeituras(std::move(a), int(valores.size()), [&valores](int i) { return valores[i]; });
}
