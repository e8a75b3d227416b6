#pragma once

#include <cstdint>

// Conversion of the logger's raw 12-bit counts to engineering values:
// factory calibration, cold-junction compensation of thermocouples,
// linearisation per sensor, scaling of the linear inputs to the channel's
// limits and rounding. Every step is computed in extended precision and
// kept as a 48-bit real. The channel's offset and decimal places are the
// caller's.
//
// zero and span are the channel's calibration pair and offsetJuncaoFria
// the thirteenth calibration word (CoeficientesCalibracao); inferior and
// superior are the channel's limits in counts of its last shown digit.

// One raw count (0 to 4095) of a sensor code (128 to 138); the cold
// junction is used by thermocouples only. A code without a table gives 0.
double ConverteLeitura(int juncaoFria, int codigo, int zero, double bruto, int span, int offsetJuncaoFria,
    int inferior, int superior);

// The table lookup of x in the run that starts at index trecho (Trecho::).
// Beyond the run's last bound the result is the high end of the sensor's
// range (for the thermocouples and Pt100) or 4095; codigo is the channel's
// sensor code, also when the run is the cold-junction one.
double Lineariza(int trecho, double x, int codigo);

// One channel stored in 2 bytes (the count's high nibble, then its low
// byte). FF FF is converted as the count 0.
double ConverteCanal(uint8_t alto, uint8_t baixo, int codigo, int zero, int span, int offsetJuncaoFria,
    int inferior, int superior);

// One thermocouple channel stored in 3 bytes with its cold junction.
// FF FF gives 0, unconverted.
double ConverteCanalCJ(uint8_t alto, uint8_t baixo, uint8_t juncaoFria, int codigo, int zero, int span,
    int offsetJuncaoFria, int inferior, int superior);

// Both channels stored in 4 bytes: the cold junction split into the high
// nibbles of bytes 0 and 2, each count in the low nibble of its first byte
// and the whole second byte. A channel stored as FF FF gives 0. Without
// usaJuncaoFria the cold junction is taken as 0.
void ConverteDoisCanais(double &valor1, double &valor2, bool usaJuncaoFria, uint8_t b0, uint8_t b1,
    uint8_t b2, uint8_t b3, int codigo1, int codigo2, int zero1, int span1, int zero2, int span2,
    int offsetJuncaoFria, int inferior1, int superior1, int inferior2, int superior2);

// The pieces of a 4-byte acquisition.
int JuncaoFriaDoisCanais(uint8_t b0, uint8_t b2);
inline int ContagemDosBytes(uint8_t alto, uint8_t baixo)
{
    return (alto & 0x0F) * 256 + baixo;
}
inline bool SemLeitura(uint8_t alto, uint8_t baixo)
{
    return alto == 0xFF && baixo == 0xFF;
}
