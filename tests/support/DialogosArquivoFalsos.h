#pragma once

// The open and save dialogs answered from queues the test fills; every
// dialog shown is recorded. Needs the views library (IDialogosArquivo.h).

#include "IDialogosArquivo.h"

#include <QList>
#include <QQueue>
#include <QString>

class DialogosArquivoFalsos : public IDialogosArquivo
{
public:
    struct Pedido
    {
        bool salvar = false;
        QString titulo;
        QString filtro;
        QString extensaoPadrao;
        QString nomeProposto;
    };
    QList<Pedido> pedidos;
    QQueue<Escolha> respostasAbrir;  // default: cancelled
    QQueue<QString> respostasSalvar;  // default: cancelled (empty)
    QQueue<QString> respostasPasta;  // default: cancelled (empty)

    Escolha abrir(QWidget *, const QString &titulo, const QString &filtro) override
    {
        pedidos.append({ false, titulo, filtro, {}, {} });
        return respostasAbrir.isEmpty() ? Escolha {} : respostasAbrir.dequeue();
    }
    QString salvar(QWidget *, const QString &titulo, const QString &filtro, const QString &extensaoPadrao,
        const QString &nomeProposto) override
    {
        pedidos.append({ true, titulo, filtro, extensaoPadrao, nomeProposto });
        return respostasSalvar.isEmpty() ? QString() : respostasSalvar.dequeue();
    }
    QString pasta(QWidget *, const QString &titulo, const QString &inicial) override
    {
        pedidos.append({ false, titulo, {}, {}, inicial });
        return respostasPasta.isEmpty() ? QString() : respostasPasta.dequeue();
    }
};
