#pragma once

#include "IConfiguracoes.h"

#include <QString>

// The settings file QUORVANE.INI: plain "[SECTION]" and "KEY=value" lines.
// The file is read at every le() and written at every grava(), so that a
// change made by hand while the program runs is seen. Section and key names
// are matched without regard to case, as the file may have been edited by
// hand; new ones are written as given.
class ConfiguracoesIni : public IConfiguracoes
{
public:
    // The file in the folder named by QUORVANE_CONFIG_DIR, or else in the
    // "Quorvane" folder of the user's configuration folder.
    ConfiguracoesIni();
    explicit ConfiguracoesIni(const QString &caminhoArquivo);

    static QString caminhoPadrao();
    QString caminho() const { return m_caminho; }

    QString le(const QString &secao, const QString &chave, const QString &padrao) const override;
    void grava(const QString &secao, const QString &chave, const QString &valor) override;

private:
    QString m_caminho;
};
