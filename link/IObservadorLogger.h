#pragma once

#include <QByteArray>
#include <QString>

// What the link tells of its exchanges to whoever keeps their record: each
// block read, and each write before a byte of it is sent and after. A write
// that the observer refuses is not sent.
class IObservadorLogger
{
public:
    enum class Escrita { Configuracao, NaoVolateis, FimAquisicoes };
    enum class Leitura { Configuracao, NaoVolateis, Calibracao };

    virtual ~IObservadorLogger() = default;

    // A port was opened: what was read before belongs to another logger.
    virtual void portaAberta() = 0;
    virtual void lido(Leitura bloco, const QByteArray &bytes) = 0;
    // False refuses the write, with the reason in *motivo.
    virtual bool antesDeEscrever(Escrita comando, const QByteArray &bytes, QString *motivo) = 0;
    virtual void depoisDeEscrever(Escrita comando, const QByteArray &bytes, bool ok) = 0;
};
