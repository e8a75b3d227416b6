#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

class EditorConfiguracao;
class OpcoesLinha;

// What quorvane-cli configurar changes in a logger's configuration: each
// setting is optional and, when given, is applied to the configuration
// editor as the user would set it in the window, in the window's order and
// through its rules (a new sensor resets the channel's limits and offset,
// a limit is checked as on leaving its box, and so on).
struct AjusteConfiguracao
{
    struct Canal
    {
        std::optional<int> sensor;  // item of the sensor list, 0 "Nenhum" to 11
        std::optional<int> decimal;  // 0 to 3
        std::optional<QString> inferior;  // limits as typed in the boxes
        std::optional<QString> superior;
        std::optional<QString> unidade;
        std::optional<QString> tag;
        std::optional<int> modo;  // 0 average, 1 maximum, 2 minimum
    };

    std::optional<QString> titulo;
    Canal canal[2];
    std::optional<QString> intervalo;  // "hh:mm:ss", or "0.5" for the half-second mode
    std::optional<QString> leituras;  // readings per acquisition
    std::optional<QString> inicio;  // "agora" or "dd/mm/yyyy hh:mm:ss"
    std::optional<QString> fim;  // "cheia", "nunca", a count or "dd/mm/yyyy hh:mm:ss"

    // The options of the command line; what does not parse goes to erros.
    static AjusteConfiguracao deOpcoes(OpcoesLinha &opcoes, QStringList &erros);
    // A logger's configuration as `quorvane-cli info --json` prints it:
    // sensors, decimal points, limits, texts, modes, interval, readings and
    // stop condition (the start is always immediate; offsets are the
    // target logger's own).
    static AjusteConfiguracao deJson(const QJsonObject &raiz, QStringList &erros);
    // The settings of outro given here replace these.
    void sobrepoe(const AjusteConfiguracao &outro);

    // Applies the settings; false, with the reason in erro (or the
    // editor's own message already shown), when one is refused.
    bool aplica(EditorConfiguracao &editor, QString &erro) const;

    // A sensor by its catalogue name ("Termopar K", "Pt100", "4-20mA"),
    // its thermocouple letter ("K") or "Nenhum"; case and blanks ignored.
    static std::optional<int> itemSensor(const QString &nome);
};
