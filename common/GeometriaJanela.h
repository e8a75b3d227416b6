#pragma once

#include <QRect>

#include <optional>

class IConfiguracoes;

// The main window's place on the screen between two runs: its normal
// rectangle (the one it returns to when not maximised) and whether it was
// maximised, kept in section JANELA of the settings file (keys X, Y,
// LARGURA, ALTURA, MAXIMIZADA).
struct GeometriaJanela
{
    static constexpr int LarguraMinima = 320;
    static constexpr int AlturaMinima = 240;

    QRect retangulo;
    bool maximizada = false;

    // Nothing when a key is missing or not a number, or the size is below
    // the minimum (a file edited by hand, a first run).
    static std::optional<GeometriaJanela> le(const IConfiguracoes &configuracoes);
    void grava(IConfiguracoes &configuracoes) const;

    // The rectangle brought onto the screen's free area: no larger than it,
    // moved in as little as needed (a screen that became smaller, a monitor
    // that is no longer attached).
    static QRect ajustaATela(const QRect &retangulo, const QRect &tela);
};
