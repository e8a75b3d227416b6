#pragma once

#include "GravacaoConfiguracao.h"

#include <QString>

// One key of one section of the settings file, read and written as text.
// A write says whether it took; the caller decides whether the user hears
// of it (a write the user asked for) or not (one the program makes itself).
class IConfiguracoes
{
public:
    virtual ~IConfiguracoes() = default;
    virtual QString le(const QString &secao, const QString &chave, const QString &padrao) const = 0;
    virtual GravacaoConfiguracao grava(const QString &secao, const QString &chave, const QString &valor) = 0;
};
