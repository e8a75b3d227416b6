#pragma once

#include "TLeitura.h"

#include <QString>

struct ConfigRegional;

#include <cstdint>
#include <vector>

// An acquisition document: the settings under which the logger took its
// readings, the logger's identity, the first and last instants and the
// stored acquisitions, oldest first. Instants are date-time values (days
// since 1899-12-30, time of day as the fraction). No instant is stored per
// entry: it follows from Inicio and the interval.
class TAquisicao
{
public:
    int32_t SensorCanal1 = -1;  // sensor code minus 128; -1 channel not used
    int32_t SensorCanal2 = -1;
    int32_t NumCanais = 1;  // 1 or 2; anything but 1 counts as two
    int32_t LeiturasPorAquisicao = 1;
    int32_t ModoCanal1 = 0;  // 0 average, 1 maximum, 2 minimum
    int32_t ModoCanal2 = 0;
    int32_t DecimaisCanal1 = 0;
    int32_t DecimaisCanal2 = 0;
    int32_t OffsetCanal1 = 0;  // units of the channel's last decimal place
    int32_t OffsetCanal2 = 0;
    double Inicio = 0.0;
    double Fim = 0.0;
    int32_t LimInfCanal1 = 0;  // units of the channel's last decimal place
    int32_t LimSupCanal1 = 0;
    int32_t LimInfCanal2 = 0;
    int32_t LimSupCanal2 = 0;
    int32_t FimAposLeituras = 0;  // bit 15 set: the logger never stops
    int32_t Capacidade = 0;
    int32_t NumeroSerie = 0;  // two 16-bit halves
    int32_t Calib35 = 0;
    int32_t Firmware = 0;
    int32_t CodigoArquivo = 0;  // last line of the file it came from
    QString Titulo;
    QString NomeCanal1;
    QString NomeCanal2;
    QString UnidadeCanal1;
    QString UnidadeCanal2;

    // Seconds between two stored acquisitions, at the precision of the
    // 48-bit real; 0 means one acquisition every half second.
    double IntervaloAquisicoes() const { return m_intervalo; }
    void defineIntervalo(double segundos);
    bool meioSegundo() const { return m_intervalo == 0.0; }

    // One channel recorded; with any other NumCanais both channels are shown.
    bool umCanal() const { return NumCanais == 1; }

    // The stored acquisitions.
    int NumLeituras() const { return int(m_leituras.size()); }
    const std::vector<TLeitura> &Leituras() const { return m_leituras; }
    const TLeitura &leitura(int i) const { return m_leituras[size_t(i)]; }
    void adicionaLeitura(double canal1, double canal2) { m_leituras.emplace_back(canal1, canal2); }
    void reservaLeituras(int quantas);
    void limpaLeituras() { m_leituras.clear(); }

    // Instant of entry i as a date-time: Inicio plus the integer part of
    // interval x i seconds; in half-second mode the whole second of the
    // entry (entries 2k and 2k+1 share it).
    double instante(int i) const;
    // Text of entry i's instant in half-second mode, "dd/mm/yyyy hh:nn:ss .0".
    QString textoMeioSegundo(int i, const ConfigRegional &regional) const;
    // Fim as the instant of the last entry (Inicio when there is none).
    void AjustaFim();
    // Replaces the limits of thermocouple and Pt100 channels by the range
    // of their sensor.
    void NormalizaLimites();

    // Engineering value of a count of the channel's last decimal place.
    double valorCanal(int canal, int32_t contagem) const;

    bool operator==(const TAquisicao &) const = default;

private:
    double m_intervalo = 0.0;
    std::vector<TLeitura> m_leituras;
};

// The common range of both channels.
struct EscalaComum
{
    double EscalaMin = 0.0;
    double EscalaMax = 0.0;
};
EscalaComum DefineMaxMin(const TAquisicao &aquisicao);
