#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The text catalogue: every caption and message the user can see, by
// number (1 to 559), with its Portuguese default. A few numbers stand behind
// texts of several windows with different defaults; the window (its unit
// name, "FormGrafico", "FrmConfig", ...) picks its own. A replacement, from
// a language library, replaces every variant of its number with one text.
class Catalogo
{
public:
    struct Padrao
    {
        int numero;
        const char16_t *unidade;  // empty for the common default
        const char16_t *texto;
    };

    static constexpr int Primeiro = 1;
    static constexpr int Ultimo = 559;
    static constexpr int TamanhoMaximo = 255;

    // The text of a number as the given window shows it. Unknown numbers
    // give an empty text.
    QString texto(int numero, QStringView unidade = {}) const;
    // Shorthand for texto().
    QString operator()(int numero, QStringView unidade = {}) const { return texto(numero, unidade); }

    // Replaces every variant of a number; cut to 255 characters.
    void substitui(int numero, const QString &texto);
    // Asks the source for every number of the catalogue and keeps what it
    // gives (a language library, for instance).
    void aplica(const std::function<std::optional<QString>(int)> &fonte);
    bool substituido(int numero) const { return m_substitutos.contains(numero); }
    void restauraPadroes() { m_substitutos.clear(); }

    // The built-in table, in number order.
    static const Padrao *padroes(int *quantos);
    // The default of a number for a window, ignoring replacements.
    static QString padrao(int numero, QStringView unidade = {});

private:
    QHash<int, QString> m_substitutos;
};
