#pragma once

#include "IMensagens.h"

#include <QPointer>
#include <QWidget>

// The message boxes of the program: modal QMessageBox dialogs over the main
// window, titled with the application's name.
class MensagensQt : public IMensagens
{
public:
    explicit MensagensQt(QWidget *janela = nullptr)
        : m_janela(janela)
    {
    }
    void defineJanela(QWidget *janela) { m_janela = janela; }

    void aviso(const QString &texto) override;
    void informacao(const QString &texto) override;
    void listagem(const QString &texto) override;
    bool simNao(const QString &texto) override;
    Resposta simNaoCancela(const QString &texto) override;
    void erro(const QString &texto) override;

private:
    QPointer<QWidget> m_janela;
};
