#include "RotinasSensor.h"

#include <cmath>

namespace {

constexpr Faixa kFaixas[] = {
    { -50, 760 },  // J
    { -90, 1370 },  // K
    { -100, 400 },  // T
    { -35, 720 },  // E
    { -90, 1300 },  // N
    { 0, 1760 },  // R
    { 0, 1760 },  // S
    { 0, 1820 },  // B
    { -200, 320 },  // Pt100
};

// Field value (1, 2, 4) of a mode, 0 when the mode is unknown.
unsigned campoDoModo(int modo)
{
    switch (modo) {
    case ModoAquisicao::Media:
        return 1;
    case ModoAquisicao::Maximo:
        return 2;
    case ModoAquisicao::Minimo:
        return 4;
    default:
        return 0;
    }
}

// The pair of code 138, derived from the thermocouple pair (a0, b0).
bool paresMilivolts(int a0, int b0, int &a, int &b)
{
    if (b0 == 0) {
        a = 0;
        b = 0;
        return false;
    }
    const double r = (b0 * 0.5 + 3450000.0) / b0 - a0;
    const double s = (b0 * 0.5 + 40950000.0) / b0 - a0;
    a = int(std::trunc(-r));
    b = int(std::trunc(44890000.0 / (s - r)));
    return true;
}

}  // namespace

std::optional<Faixa> FaixaSensor(int codigo)
{
    if (!EhTermoparOuPt100(codigo))
        return std::nullopt;
    return kFaixas[codigo - CodigoSensor::TermoparJ];
}

int ModoDoCanal(uint8_t modos, int canal)
{
    if (canal != 1 && canal != 2)
        return ModoAquisicao::Media;
    switch ((canal == 1 ? modos : modos >> 3) & 0x07) {
    case 2:
        return ModoAquisicao::Maximo;
    case 4:
        return ModoAquisicao::Minimo;
    default:
        return ModoAquisicao::Media;
    }
}

uint8_t CodificaModos(int modo1, int modo2)
{
    return uint8_t(campoDoModo(modo1) | (campoDoModo(modo2) << 3));
}

int NumeroDeMedidas(int codigo1, int codigo2)
{
    int n = 0;
    for (int codigo : { codigo1, codigo2 }) {
        if (codigo >= 128)
            ++n;
        if (codigo == CodigoSensor::Pt100)
            ++n;
    }
    if (EhTermopar(codigo1) || EhTermopar(codigo2))
        ++n;
    return n;
}

int TamanhoAquisicao(int codigo1, int codigo2)
{
    if (codigo1 >= 128 && codigo2 >= 128)
        return 4;
    return (EhTermopar(codigo1) || EhTermopar(codigo2)) ? 3 : 2;
}

PalavrasCalibracao PalavrasDoBloco(const QByteArray &blocoInvertido)
{
    PalavrasCalibracao palavras {};
    for (int i = 0; i < 13; ++i) {
        const int baixo = 2 * i;
        if (baixo + 1 >= blocoInvertido.size())
            break;
        palavras[i]
            = uint16_t(uint8_t(blocoInvertido.at(baixo)) | (uint8_t(blocoInvertido.at(baixo + 1)) << 8));
    }
    return palavras;
}

bool CoeficientesCalibracao(
    const PalavrasCalibracao &palavras, int codigo, int canal, int &a, int &b, uint16_t &w12)
{
    w12 = palavras[12];
    if (canal != 1 && canal != 2)
        return false;
    const int base = canal == 1 ? 0 : 6;
    auto palavra = [&](int i) { return int(int16_t(palavras[base + i])); };
    if (EhTermopar(codigo) || codigo == CodigoSensor::Pt100 || codigo == CodigoSensor::Corrente4a20mA) {
        const int par = EhTermopar(codigo) ? 0 : (codigo == CodigoSensor::Pt100 ? 2 : 4);
        a = palavra(par);
        b = palavra(par + 1);
        return true;
    }
    if (codigo == CodigoSensor::Tensao0a50mV)
        return paresMilivolts(palavra(0), palavra(1), a, b);
    return false;
}

bool CoeficientesCalibracao(
    const QByteArray &blocoInvertido, int codigo, int canal, int &a, int &b, uint16_t &w12)
{
    return CoeficientesCalibracao(PalavrasDoBloco(blocoInvertido), codigo, canal, a, b, w12);
}
