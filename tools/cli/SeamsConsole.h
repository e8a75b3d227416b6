#pragma once

#include "Console.h"
#include "ILinhaStatus.h"
#include "IMensagens.h"
#include "ISinalSonoro.h"

#include <QString>
#include <QTextStream>

// The seams of the program for a console: message boxes become lines on
// stderr (warnings and errors as the console's failures), questions are
// answered "No" (nothing is overwritten or discarded without someone to
// ask), beeps are silent and the status line is kept in memory so that a
// failed command can report the link's last error.

class MensagensConsole : public IMensagens
{
public:
    explicit MensagensConsole(const Console &console)
        : m_console(console)
        , m_erros(console.erros)
    {
    }

    void aviso(const QString &texto) override;
    void informacao(const QString &texto) override;
    bool simNao(const QString &texto) override;
    Resposta simNaoCancela(const QString &texto) override;
    void erro(const QString &texto) override;

private:
    void escreve(const QString &texto);
    const Console &m_console;
    QTextStream &m_erros;
};

class LinhaStatusConsole : public ILinhaStatus
{
public:
    // With eco, every text written to the status line is also shown.
    LinhaStatusConsole(QTextStream &erros, bool eco)
        : m_erros(erros)
        , m_eco(eco)
    {
    }

    void defineTexto(const QString &texto) override;
    void defineCor(Cor cor) override;
    void repinta() override { }

    QString texto() const { return m_texto; }
    // The last non-empty text shown in red: the link's latest error.
    QString ultimoErro() const { return m_ultimoErro; }

private:
    QTextStream &m_erros;
    bool m_eco;
    QString m_texto;
    Cor m_cor = Cor::Preto;
    QString m_ultimoErro;
};

class SinalConsole : public ISinalSonoro
{
public:
    void bip() override { }
};
