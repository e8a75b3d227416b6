#pragma once

#include "Ambiente.h"
#include "DataHora.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <functional>

class TDatalogger;
struct BlocoLeituras;

// The on-line monitor without its window: the three reads made when the
// window opens, what its chart shows (series, titles, axis formats and
// limits, the single scale), and the polling tick with its cycle of two
// readings and one configuration read. Each series keeps the last ten
// points, x being the full date and time of the reading (so that a series
// stays in order across midnight; the axis shows the time of day).
class MonitorOnLine
{
public:
    static constexpr int PontosPorSerie = 10;

    // What a tick did.
    enum class Passo { Parado, Leitura, Configuracao, FalhaLeitura, FalhaConfiguracao };

    struct Limites
    {
        double inferior = 0;
        double superior = 0;
        bool operator==(const Limites &) const = default;
    };

    // One reading: its instant and the value of each enabled channel
    // (channel 1 first).
    struct Leitura
    {
        TDateTime instante = 0;
        QList<std::pair<int, double>> valores;
    };

    // The link and the environment's pointers must outlive the object.
    MonitorOnLine(TDatalogger &datalogger, const Ambiente &ambiente);

    // Reads the configuration, calibration and non-volatile blocks and takes
    // what the window shows; each failure, and a logger without an enabled
    // channel, has its message and sets the stop flag. True when the window
    // may be shown (the stop flag is clear).
    bool FormCreate();
    // What FormCreate takes from the three blocks (no message, no signal).
    void preenche(const QByteArray &configuracao, const QByteArray &calibracao, const QByteArray &naoVolatil);

    bool parado() const { return m_parado; }
    void para() { m_parado = true; }
    int contador() const { return m_contador; }

    int canaisHabilitados() const;
    // The series shown: one per enabled channel, channel 1 first; series 0
    // is on the left axis, series 1 on the right one.
    int quantasSeries() const { return canaisHabilitados(); }
    int canalDaSerie(int serie) const;
    QString tituloGrafico() const { return m_titulo; }
    QString tituloSerie(int serie) const;
    QString tituloEixo(int serie) const;
    QString formatoEixo(int serie) const;
    QString tituloEixoTempo() const;
    // A channel's bounds: its limits (a temperature sensor's range) x 10^-d.
    Limites limitesCanal(int canal) const;
    // The bounds of a series's axis, each its own or, with a single scale
    // and two channels, the range that holds both.
    Limites limitesEixo(int serie, bool escalaUnica) const;

    // The polling timer's tick. Failures have their messages; after a
    // failed readings request the window closes itself.
    Passo Timer1Timer();
    // The value of a channel for a readings block: converted, offset added
    // (tenths for Pt100), decimal places applied.
    double valor(int canal, const BlocoLeituras &leituras) const;

    int codigoSensor(int n) const { return canal(n).codigo; }
    int decimais(int n) const { return canal(n).decimais; }

    const QList<QPointF> &pontos(int serie) const { return m_pontos[size_t(serie)]; }
    QString textoDataHora() const { return m_textoDataHora; }  // Label1
    QString textoCanal(int canal) const;  // Label2, Label3
    const Leitura &ultimaLeitura() const { return m_ultima; }
    // Called after every reading.
    std::function<void(const Leitura &)> aoLer;

private:
    struct Canal
    {
        int codigo = 0;
        int zero = 0;
        int span = 0;
        QString tag;
        QString unidade;
        int inferior = 0;
        int superior = 0;
        int decimais = 0;
        int offset = 0;
        QString texto;
        bool habilitado() const { return (codigo & 0x80) != 0; }
    };
    const Canal &canal(int n) const { return m_canais[size_t(n == 2 ? 1 : 0)]; }
    bool falha(int texto);
    QString catalogo(int numero) const;
    QChar separador() const;
    bool le();
    void Adiciona(int serie, double valor, TDateTime instante);

    TDatalogger &m_datalogger;
    Ambiente m_ambiente;
    std::array<Canal, 2> m_canais;
    int m_offsetJuncaoFria = 0;
    QString m_titulo;
    int m_aquisicoesEfetuadas = 0;
    bool m_parado = false;
    int m_contador = 0;
    std::array<QList<QPointF>, 2> m_pontos;
    QString m_textoDataHora = QStringLiteral(" ");
    Leitura m_ultima;
};
