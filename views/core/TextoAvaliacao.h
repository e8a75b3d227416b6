#pragma once

#include "AvaliacaoPerfil.h"

#include <QStringList>

class Catalogo;
struct ConfigRegional;
class TAquisicao;

// A verdict as text, for the summary window, the compliance report and
// quorvane-cli: values with the channel's decimals and unit, a mean kinetic
// temperature with one decimal more, times as "h:mm:ss", instants as the
// readouts show them.
namespace TextoAvaliacao {

// "APROVADO" or "REPROVADO".
QString veredito(bool aprovado, const Catalogo &catalogo);

// A rule as the user reads it: "a partir de 45,0 °C por 1:00:00 em um
// evento"; the unit and decimals of channel `canal` (1 when the rule is
// for every channel).
QString regra(const TAquisicao &aquisicao, const RegraAlarme &regra, int canal, const Catalogo &catalogo,
    const ConfigRegional &regional);

// A rule's outcome on its channel: "Canal 1: <regra> — falha", and what was
// measured: "medido 1:00:00" or "pior janela 25,31 °C, de ... a ...".
QString resultado(const TAquisicao &aquisicao, const ResultadoRegra &r, const Catalogo &catalogo,
    const ConfigRegional &regional);
QString medido(const TAquisicao &aquisicao, const ResultadoRegra &r, const Catalogo &catalogo,
    const ConfigRegional &regional);

// "de <início> a <fim> (1:00:00), pico 45,2 °C em <instante>".
QString excursao(const TAquisicao &aquisicao, int canal, const ExcursaoAlarme &e, const Catalogo &catalogo,
    const ConfigRegional &regional);

// The verdict, the profile, and each rule with what was measured and at
// most `excursoes` of the excursions that break it (the count of the rest
// after them).
QStringList linhas(const TAquisicao &aquisicao, const Avaliacao &avaliacao, const Catalogo &catalogo,
    const ConfigRegional &regional, int excursoes = 5);

}  // namespace TextoAvaliacao
