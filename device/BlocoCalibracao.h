#pragma once

#include "RotinasSensor.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The logger's calibration block (37 bytes, read only): thirteen factory
// calibration words, the model code, the serial number and the firmware
// version. The words are kept in host order.
struct BlocoCalibracao
{
    static constexpr int Tamanho = 37;
    static constexpr int NumeroCoeficientes = 13;

    // W0 to W11: six (zero, span) pairs, read as signed values by their
    // users; W12: the cold-junction offset, unsigned.
    PalavrasCalibracao Coeficientes {};
    int Modelo = 0;
    uint32_t NumeroSerie = 0;
    std::array<uint8_t, 4> NaoInterpretados {};  // bytes 31 to 34
    int Reservado35 = 0;
    int Firmware = 0;

    static BlocoCalibracao decodifica(const QByteArray &bloco);
    // All 37 bytes, words most significant byte first (the simulated logger
    // and the tests build blocks with it).
    QByteArray codifica() const;

    // The coefficient word as a signed value (W0 to W11).
    int coeficiente(int i) const { return int16_t(Coeficientes.at(i)); }
    int offsetJuncaoFria() const { return Coeficientes[12]; }
    // The high and the low 16 bits, each with at least four digits.
    QString textoNumeroSerie() const;
    QString textoFirmware() const;
    // Readings per acquisition the firmware accepts: 127 for "1.0", else 250.
    int maximoLeiturasPorAquisicao() const;

    bool operator==(const BlocoCalibracao &) const = default;
};
