#pragma once

#include <QString>

class QWidget;

// The standard open and save dialogs, behind an interface so that tests
// can answer them. Filters are written "description|mask|...".
class IDialogosArquivo
{
public:
    struct Escolha
    {
        QString caminho;  // empty: the dialog was cancelled
        int filtro = 0;  // the filter entry chosen, 0 the first
    };

    virtual ~IDialogosArquivo() = default;

    virtual Escolha abrir(QWidget *pai, const QString &titulo, const QString &filtro) = 0;
    // nomeProposto is the file name the dialog starts with; extensaoPadrao
    // ("qvg") is appended to a name typed without one.
    virtual QString salvar(QWidget *pai, const QString &titulo, const QString &filtro,
        const QString &extensaoPadrao, const QString &nomeProposto)
        = 0;
    // A folder, starting at inicial; empty when cancelled.
    virtual QString pasta(QWidget *pai, const QString &titulo, const QString &inicial) = 0;
};
