#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The options of a sub-command: "--nome valor", "--nome=valor" and flags
// "--nome". Each option is taken once by valor() or sinal(); what nobody
// took is left in sobras(), so a misspelt option is reported.
class OpcoesLinha
{
public:
    explicit OpcoesLinha(const QStringList &argumentos)
        : m_argumentos(argumentos)
    {
    }

    // The value of --nome; empty when absent. A missing value is an error.
    QString valor(const QString &nome);
    bool sinal(const QString &nome);
    // Arguments no option took, in order.
    QStringList sobras() const;
    // For the first option nobody took: "a opção --x foi dada duas vezes"
    // when another --x was taken, else "argumento não reconhecido: --x";
    // empty when there is none.
    QString opcaoNaoReconhecida() const;
    QString erro() const { return m_erro; }
    // erro(), else opcaoNaoReconhecida(): what makes the line unusable
    // before the command looks at its arguments.
    QString problema() const { return m_erro.isEmpty() ? opcaoNaoReconhecida() : m_erro; }

private:
    int procura(const QString &nome, QString *valorJunto) const;

    QStringList m_argumentos;
    QSet<int> m_tomados;
    QString m_erro;
};
