#pragma once

// The link on a scripted port with a scripted logger, all in virtual time.

#include "AmbienteFalso.h"
#include "PortaRoteirizada.h"
#include "TDatalogger.h"
#include "TarvekRoteirizado.h"

#include <memory>

struct Bancada : AmbienteFalso
{
    PortaRoteirizada porta { relogio };
    TarvekRoteirizado tarvek { porta };
    std::unique_ptr<TDatalogger> link;

    Bancada()
    {
        sinal.relogio = &relogio;
        link = std::make_unique<TDatalogger>(ambiente);
    }

    bool abre(int numero = 1) { return link->AbreComunicacao(numero, &porta, &status); }

    // Runs a command by name; reads leave their block in bloco, writes send
    // it (a block of the right size is made when it is empty).
    bool executa(const QString &comando, QByteArray &bloco, quint8 pagina = 0)
    {
        if (comando == u"EnviaConfiguracao")
            return link->EnviaConfiguracao(tamanho(bloco, 32));
        if (comando == u"EscreveNaoVolateis")
            return link->EscreveNaoVolateis(tamanho(bloco, 123));
        if (comando == u"LeConfiguracao")
            return link->LeConfiguracao(bloco);
        if (comando == u"LePagina")
            return link->LePagina(bloco, pagina);
        if (comando == u"LeLeituras")
            return link->LeLeituras(bloco);
        if (comando == u"LeNaoVolateis")
            return link->LeNaoVolateis(bloco);
        if (comando == u"LeCalibracao")
            return link->LeCalibracao(bloco);
        if (comando == u"FimAquisicoes")
            return link->FimAquisicoes();
        return false;
    }

    // The bytes 0, 1, 2, ... as a block of n.
    static QByteArray sequencia(int n, int inicio = 0)
    {
        QByteArray b(n, '\0');
        for (int i = 0; i < n; ++i)
            b[i] = char((inicio + i) & 0xFF);
        return b;
    }

private:
    static QByteArray &tamanho(QByteArray &bloco, int n)
    {
        if (bloco.isEmpty())
            bloco = sequencia(n);
        return bloco;
    }
};
