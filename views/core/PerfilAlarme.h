#pragma once

#include <QList>
#include <QString>

#include <optional>

// What a rule of an alarm profile looks at.
enum class TipoRegra {
    Evento,  // fails when one excursion lasts at least `segundos`
    Acumulado,  // fails when the time beyond adds up to at least `segundos`
    Instante,  // fails on any entry beyond
    Tcm,  // fails when the mean kinetic temperature of a window is beyond
};

// The windows whose mean kinetic temperature a rule judges: each run of
// 24 hours or of 30 days along the recording, or the whole recording.
enum class JanelaTcm { Dia, Mes, Inteira };

// One rule of a profile, in the channel's units.
struct RegraAlarme
{
    int canal = 0;  // 1 or 2; 0 for every channel in °C
    TipoRegra tipo = TipoRegra::Instante;
    bool acima = true;  // beyond is above the threshold (else below it)
    double limite = 0.0;
    bool incluiLimite = false;  // a reading equal to the threshold is beyond it
    double segundos = 0.0;  // D or T; unused by the other kinds
    JanelaTcm janela = JanelaTcm::Inteira;  // for TipoRegra::Tcm

    // Whether the kind counts time beyond the threshold (event, cumulative).
    bool contaTempo() const { return tipo == TipoRegra::Evento || tipo == TipoRegra::Acumulado; }
    bool operator==(const RegraAlarme &) const = default;
};

// A named set of rules a recording is judged by.
struct PerfilAlarme
{
    QString nome;  // "2 a 8 °C"
    QString curto;  // "geladeira": the command line's name, no blanks
    bool somenteLeitura = false;  // shipped with the program
    QList<RegraAlarme> regras;

    bool operator==(const PerfilAlarme &) const = default;
};

namespace PerfisAlarme {

// The profiles shipped with the program, read-only, for every channel in
// °C: "geladeira", "congelador", "ambiente" and "vacina-transporte".
const QList<PerfilAlarme> &fornecidos();

// The profile whose short name or name is `nome` (case aside) among
// `perfis`; nothing when none is.
std::optional<PerfilAlarme> procura(const QList<PerfilAlarme> &perfis, const QString &nome);

// The seconds of a mean kinetic temperature window; 0 for
// the whole recording.
double segundosJanela(JanelaTcm janela);

}  // namespace PerfisAlarme
