#pragma once

#include "FalhaSimulada.h"
#include "RotinasSensor.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class TarvekSimulado;

// How the values of a channel run over its stored acquisitions, in the
// channel's engineering unit (as the collection shows them, offset and
// decimal places included), or as raw counts.
struct FormaOnda
{
    enum class Tipo { Nenhuma, Constante, Seno, Rampa, Valores, Contagens };
    Tipo tipo = Tipo::Nenhuma;
    double minimo = 0;  // Seno: lowest value; Rampa: first; Constante: the value
    double maximo = 0;  // Seno: highest value; Rampa: last
    double periodo = 3600;  // Seno: seconds per cycle
    double fase = 0;  // Seno: seconds into the cycle at the first acquisition
    // Valores and Contagens repeat when shorter than the acquisitions; a
    // missing entry (JSON null) is an acquisition without a reading.
    QList<std::optional<double>> lista;

    bool bruta() const { return tipo == Tipo::Contagens; }
    // The value of acquisition k of n, made t seconds after the first.
    std::optional<double> valor(int k, int n, double t) const;
};

struct CanalDescrito
{
    int sensor = 0;  // sensor code; below 128 no sensor
    int modo = 0;  // 0 average, 1 maximum, 2 minimum
    int decimais = 0;
    QString tag;
    QString unidade;
    int limiteInferior = 0;  // in counts of the last shown digit
    int limiteSuperior = 0;
    int offset = 0;
    FormaOnda aquisicoes;
    // The current reading, as a value or as a raw count; without either the
    // acquisitions' curve goes on with the clock.
    std::optional<double> leituraAtual;
    std::optional<int> contagemAtual;

    bool habilitado() const { return sensor >= 128; }
};

// A simulated Tarvek described in JSON: its identity, configuration, texts,
// calibration, stored acquisitions and current readings, either as fields
// and engineering values or as raw blocks and bytes; and the faults it
// plays. Every field has a default, so "{}" is a valid (empty) logger.
struct DescricaoTarvek
{
    struct Remendo
    {
        int endereco = 0;
        QByteArray bytes;
    };

    int modelo = 2;
    uint32_t numeroSerie = 1;
    int firmware = 0x13;
    int memoria = 32768;
    std::optional<int> memoriaDeclarada;  // what the block reports, if not the size
    std::optional<QDateTime> relogio;  // unset: the computer's clock
    int bateria = 0;
    QString titulo;
    int intervalo = 1;  // stored code: half seconds minus 1 (0: half-second mode)
    int leiturasPorAquisicao = 1;
    int atrasoInicio = 0;  // stored code
    int parada = 0x8000;
    // Six (zero, span) pairs and the cold-junction offset, in host order.
    PalavrasCalibracao coeficientes { 0, 10000, 0, 10000, 0, 10000, 0, 10000, 0, 10000, 0, 10000, 0 };
    std::array<uint8_t, 4> naoInterpretados {};
    int reservado35 = 0;
    std::array<CanalDescrito, 2> canais;
    int juncaoFria = 122;  // raw cold-junction reading (about 25 degrees)
    int quantidade = 0;  // acquisitions made
    std::optional<int> inicioCircular;
    int desdeUltima = 0;  // half seconds since the latest acquisition
    QDateTime trocaBateria;
    QByteArray naoVolatilReservado;  // bytes 76 to 117
    bool encerradas = false;
    // Raw overrides, applied last.
    QList<Remendo> remendosMemoria;
    QMap<QString, QByteArray> blocos;  // "configuracao", "calibracao", "naoVolatil", "leituras"
    std::optional<int> aquisicoesEfetuadas;
    QList<FalhaSimulada> falhas;
    bool cadencia = false;
    int latenciaMs = 0;

    // Reads a description; on failure returns nothing and says why.
    static std::optional<DescricaoTarvek> interpreta(const QByteArray &json, QString *erro);
    // A plausible two-channel logger with a few hundred acquisitions.
    static DescricaoTarvek padrao();

    // Seconds between stored acquisitions (0.5 in the half-second mode).
    double periodoAquisicoes() const;
    bool circular() const { return (parada & 0x8000) != 0; }
    int bytesPorAquisicao() const;
    int capacidade() const;

    // Loads the logger: its clock reads `relogio` (or `agora`) at
    // `instanteMs` of the caller's clock.
    bool aplica(TarvekSimulado &tarvek, int64_t instanteMs, const QDateTime &agora, QString *erro) const;
};
