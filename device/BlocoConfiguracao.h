#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The logger's configuration block: what it measures and when, its clock
// and its memory counters. 32 bytes are read; only the first 21 are ever
// written, built afresh from the fields (the rest is kept by the logger).
// Counters are host integers in their stored meaning; the clock fields hold
// the calendar values (Ano is the full year).
struct BlocoConfiguracao
{
    static constexpr int Tamanho = 32;
    static constexpr int TamanhoEnviado = 21;
    // Addresses below this hold no acquisitions.
    static constexpr int InicioAreaAquisicoes = 162;
    static constexpr int ParadaNunca = 0x8000;

    int Sensor1 = 0;
    int Sensor2 = 0;
    int Intervalo = 0;  // half seconds between readings, minus 1
    int AtrasoInicio = 0;  // 0 at once, else seconds x 2 + 1
    int Parada = 0;  // bit 15: never stop; else acquisitions until stop
    int Ano = 1998;
    int Mes = 1;
    int Dia = 1;
    int Hora = 0;
    int Minuto = 0;
    int Segundo = 0;
    int LeiturasPorAquisicao = 1;
    int Modos = 0;
    int Medidas = 0;
    int PontoDecimal = 0;  // bits 0-1 channel 1, bits 2-3 channel 2
    int Reservado = 0;
    // Read only: maintained by the logger.
    int Memoria = 0;
    int AquisicoesEfetuadas = 0;
    int InicioCircular = 0;
    int DesdeUltima = 0;  // half seconds since the latest acquisition
    int Bateria = 0;  // consumption counter, 0 (new) to 65535

    static BlocoConfiguracao decodifica(const QByteArray &bloco);
    // Bytes 0 to 20 as they are sent, with the clock set from relogio.
    QByteArray codifica(const QDateTime &relogio) const;
    // The same as the 32-byte record that the link sends the first 21 bytes
    // of; bytes 21 to 31 are 0.
    QByteArray codificaRegistro(const QDateTime &relogio) const;
    // All 32 bytes as the logger holds them, clock and counters from the
    // fields (the simulated logger and the tests build blocks with it).
    QByteArray codificaCompleto() const;

    void defineRelogio(const QDateTime &instante);
    // The logger clock; invalid when the bytes are not a real date.
    QDateTime relogio() const;

    // Half seconds between readings (1 in the half-second mode).
    int meiosSegundos() const { return Intervalo + 1; }
    bool modoMeioSegundo() const { return Intervalo == 0; }
    // The stored interval of a whole number of seconds (1 or more).
    static int codificaIntervalo(int segundos) { return segundos * 2 - 1; }
    // The interval between readings as the configuration window's box shows
    // it, "hh:mm:ss" (hours not wrapped at 24, a half second left over
    // dropped); "00:00:00" in the half-second mode, where the window checks
    // its "0.5 seg." choice instead.
    QString textoIntervalo() const;
    bool nuncaPara() const { return (Parada & ParadaNunca) != 0; }
    int decimais(int canal) const;
    void defineDecimais(int decimais1, int decimais2);

    // Derived quantities shared by the device operations.
    int bytesPorAquisicao() const;
    int bytesMemoria() const;  // the acquisition area, Memoria - 162
    int capacidade() const;  // acquisitions the memory holds
    int cargaBateria() const;  // remaining charge in percent

    bool operator==(const BlocoConfiguracao &) const = default;
};
