#pragma once

#include <QString>

// One key of one section of the settings file, read and written as text.
class IConfiguracoes
{
public:
    virtual ~IConfiguracoes() = default;
    virtual QString le(const QString &secao, const QString &chave, const QString &padrao) const = 0;
    virtual void grava(const QString &secao, const QString &chave, const QString &valor) = 0;
};
