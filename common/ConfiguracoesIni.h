#pragma once

#include "IConfiguracoes.h"

#include <QString>

// The settings file QUORVANE.INI, read and written one key at a time as
// ArquivoIni describes: a hand-edited file keeps its comments, order, line
// ends and every byte but the key written. The file is read at every le()
// and written at every grava(), so that a change made by hand while the
// program runs is seen; a write replaces the file at once (a new file
// renamed over the old one), so that it is never left half written. A
// write that does not take says why, and leaves the file as it was.
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
    GravacaoConfiguracao grava(const QString &secao, const QString &chave, const QString &valor) override;

private:
    QString m_caminho;
};
