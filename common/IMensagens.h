#pragma once

#include <QString>

// The message boxes the program shows. Core code reports through this
// interface; the shell shows real dialogs, tests record and answer.
class IMensagens
{
public:
    enum class Resposta { Sim, Nao, Cancela };

    virtual ~IMensagens() = default;

    // A warning with an OK button (failures).
    virtual void aviso(const QString &texto) = 0;
    // An information box with an OK button (completed writes).
    virtual void informacao(const QString &texto) = 0;
    // An information box whose lines are columns that must line up (the
    // bytes sent to the logger), shown in a fixed-pitch font where fonts
    // differ.
    virtual void listagem(const QString &texto) { informacao(texto); }
    // A confirmation with Yes and No; true means Yes.
    virtual bool simNao(const QString &texto) = 0;
    // The save question: Yes, No and Cancel.
    virtual Resposta simNaoCancela(const QString &texto) = 0;
    // The standard error box (a failed conversion, for instance).
    virtual void erro(const QString &texto) = 0;
};
