#pragma once

#include "PerfilAlarme.h"

#include <QString>

class Catalogo;
struct ConfigRegional;

// The profile dialog's rules, without widgets: a rule's fields as typed,
// read into a rule or refused; a profile made of them checked against the
// profiles there are; whether a recording's logger can be given one.
namespace EditorPerfil {

// A rule as the dialog's row holds it: the threshold and the duration as
// typed (hours and minutes), the rest as chosen.
struct CamposRegra
{
    int canal = 0;  // 0 every channel in °C, 1 or 2
    TipoRegra tipo = TipoRegra::Instante;
    bool acima = true;
    QString limite;
    bool incluiLimite = false;
    QString horas;
    QString minutos;
    JanelaTcm janela = JanelaTcm::Inteira;
};

// A rule's fields, the numbers in the regional decimal separator.
CamposRegra campos(const RegraAlarme &regra, const ConfigRegional &regional);

// The rule the fields make, or its refusal in erro (numero is the rule's
// place, from 1, for the message): a threshold that is not a number (read
// by LeNumero), hours or minutes that are not a number at or above zero,
// no duration for an event or cumulative rule. An empty hours or minutes
// field is zero; the duration of other kinds is kept as typed.
std::optional<RegraAlarme> regra(
    const CamposRegra &campos, int numero, QChar separador, const Catalogo &catalogo, QString &erro);

// The refusal of a profile to be kept, empty when it is taken: a name
// that is empty, a short name with anything but ASCII letters, digits, '-'
// and '_' (the settings file keeps it in a list and in keys), one that
// another profile of `perfis` has (a shipped one, or the user's when
// `novo`; the stored limits' "limites" too), a profile with no rule.
QString confere(
    const PerfilAlarme &perfil, const QList<PerfilAlarme> &perfis, bool novo, const Catalogo &catalogo);

// Why a recording's logger cannot be given a profile (no serial number);
// empty when it can.
QString semAtribuicao(qint32 numeroSerie, const Catalogo &catalogo);

}  // namespace EditorPerfil
