#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>

// Sensor codes, the mode byte, the size of an acquisition and the choice of
// calibration words. A sensor code below 128 means no sensor; 128 to 135
// are the thermocouples J, K, T, E, N, R, S, B; 136 Pt100; 137 4-20 mA;
// 138 0-50 mV.
namespace CodigoSensor {
constexpr int Nenhum = 127;
constexpr int TermoparJ = 128;
constexpr int TermoparB = 135;
constexpr int Pt100 = 136;
constexpr int Corrente4a20mA = 137;
constexpr int Tensao0a50mV = 138;
}  // namespace CodigoSensor

// Acquisition modes of a channel as documents and dialogs keep them.
namespace ModoAquisicao {
constexpr int Media = 0;
constexpr int Maximo = 1;
constexpr int Minimo = 2;
}  // namespace ModoAquisicao

constexpr bool EhTermopar(int codigo)
{
    return codigo >= 128 && codigo <= 135;
}

constexpr bool EhTermoparOuPt100(int codigo)
{
    return codigo >= 128 && codigo <= 136;
}

// The range of a sensor in its engineering unit, whole numbers.
struct Faixa
{
    int baixo = 0;
    int alto = 0;
    bool operator==(const Faixa &) const = default;
};

// The range of the thermocouples and of Pt100; nothing for the linear
// inputs (137, 138) and for any other code.
std::optional<Faixa> FaixaSensor(int codigo);

// The mode (0 average, 1 maximum, 2 minimum) of channel 1 or 2 in the mode
// byte; an unknown field or channel gives 0.
int ModoDoCanal(uint8_t modos, int canal);
// The mode byte of two channel modes; a mode other than 0, 1, 2 leaves its
// field 0.
uint8_t CodificaModos(int modo1, int modo2);

// Readings the logger takes per interval for two sensor codes.
int NumeroDeMedidas(int codigo1, int codigo2);
// Bytes one stored acquisition takes: 2, 3 or 4.
int TamanhoAquisicao(int codigo1, int codigo2);

// The thirteen calibration words in host order.
using PalavrasCalibracao = std::array<uint16_t, 13>;

// The calibration words of a calibration block whose first 26 bytes have
// been put in host order by InverteWords13 (each word least significant
// byte first). Missing bytes read as 0.
PalavrasCalibracao PalavrasDoBloco(const QByteArray &blocoInvertido);

// The calibration pair (a, b) of a sensor code on channel 1 or 2, and the
// thirteenth word, common to both channels, which is set for every code and
// channel. Returns true when a and b were taken from the record. For an
// unknown code or channel, a and b are left as the caller set them. For
// code 138 with a zero second word the pair cannot be computed (it would
// divide by zero): a and b become 0 and the result is false.
bool CoeficientesCalibracao(
    const PalavrasCalibracao &palavras, int codigo, int canal, int &a, int &b, uint16_t &w12);
bool CoeficientesCalibracao(
    const QByteArray &blocoInvertido, int codigo, int canal, int &a, int &b, uint16_t &w12);
