#pragma once

#include "IDialogosArquivo.h"

// The dialogs of Qt. Each dialog starts in the folder used last.
class DialogosArquivoQt : public IDialogosArquivo
{
public:
    Escolha abrir(QWidget *pai, const QString &titulo, const QString &filtro) override;
    QString salvar(QWidget *pai, const QString &titulo, const QString &filtro, const QString &extensaoPadrao,
        const QString &nomeProposto) override;
    QString pasta(QWidget *pai, const QString &titulo, const QString &inicial) override;

private:
    QString m_pasta;
};
