#pragma once

#include "DescricaoTarvek.h"

#include <QByteArray>
#include <QDateTime>

// Turns the engineering values of a description into what the logger
// holds: raw counts found by inverting the reading conversion, packed
// acquisitions laid out in the circular memory, and the current readings.
class GeradorAquisicoes
{
public:
    struct Memoria
    {
        QByteArray imagem;
        int efetuadas = 0;  // acquisitions kept, as the counter reports them
        int inicioCircular = 0;  // of the oldest, within the acquisition area
    };

    explicit GeradorAquisicoes(const DescricaoTarvek &descricao);

    // The value a collection shows for a raw count of channel 0 or 1:
    // converted, offset added, decimal places applied.
    double valorExibido(int canal, int contagem) const;
    // The raw count (0 to 4095) whose shown value is nearest to `valor`.
    int contagemPara(int canal, double valor) const;

    Memoria geraMemoria() const;
    // The current-readings block when the logger's clock reads `relogio`,
    // the latest acquisition having been made at `ultima`.
    QByteArray leiturasEm(const QDateTime &relogio, const QDateTime &ultima) const;
    // The raw count of a channel's acquisition k of n, -1 when none.
    int contagemDaAquisicao(int canal, int k, int n) const;

    // One acquisition as the logger stores it for the two sensor codes:
    // 4 bytes for two channels with the cold junction in the high nibbles,
    // else the one channel's 2 bytes and, for a thermocouple, the cold
    // junction. A count of -1 is stored as FF FF.
    static QByteArray empacota(int sensor1, int sensor2, int contagem1, int contagem2, int juncaoFria);

private:
    int juncaoFriaDoCanal(int canal) const;

    const DescricaoTarvek &m_d;
    int m_zero[2] = { 0, 0 };
    int m_span[2] = { 0, 0 };
    int m_offsetJuncaoFria = 0;
};
