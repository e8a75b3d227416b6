#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// The current readings the logger reports on request (11 bytes): the raw
// count of each channel and the cold-junction reading.
struct BlocoLeituras
{
    static constexpr int Tamanho = 11;

    int LeituraCanal1 = 0;  // signed 16-bit
    int LeituraCanal2 = 0;
    int JuncaoFria = 0;
    std::array<uint16_t, 3> NaoInterpretados {};  // host order

    static BlocoLeituras decodifica(const QByteArray &bloco);
    // All 11 bytes (the simulated logger and the tests build blocks with it).
    QByteArray codifica() const;

    bool operator==(const BlocoLeituras &) const = default;
};
