#pragma once

#include <QString>

// The main window's status line, written by the logger link.
class ILinhaStatus
{
public:
    enum class Cor { Preto, Vermelho };

    virtual ~ILinhaStatus() = default;
    virtual void defineTexto(const QString &texto) = 0;
    virtual void defineCor(Cor cor) = 0;
    // Repaints at once, even inside a command that does not return to the
    // event loop for a while.
    virtual void repinta() = 0;
};
