#pragma once

#include "Ambiente.h"
#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "ILinhaStatus.h"

#include <QString>

class TDatalogger;
class TMSComm;

// One reading of a logger's three blocks: wakes it and reads its
// configuration, non-volatile and calibration blocks, or says why it could
// not. On a port of its own the link's errors are kept here instead of
// reaching the main window's status line, no message box is shown and the
// records of the main window's link are not told. A device where nothing
// answers the wake-up is said to have no Tarvek; the reading can be
// cancelled from a window message while the link waits.
class LeituraBlocos : private ILinhaStatus
{
public:
    struct Resultado
    {
        bool sucesso = false;
        BlocoConfiguracao configuracao;
        BlocoNaoVolatil naoVolatil;
        BlocoCalibracao calibracao;
        QString motivo;  // why it failed: the port's reason or the link's error
        bool semResposta = false;  // nothing answered the wake-up
        bool cancelado = false;
    };

    // The environment's pointers must outlive the object.
    explicit LeituraBlocos(const Ambiente &ambiente);

    // Opens the port as the given port number, reads and closes it again;
    // dispositivo is the device's name for the reasons.
    Resultado le(TMSComm &porta, int numero, const QString &dispositivo);
    // Through a link that is already open and stays open (its errors go
    // where that link sends them).
    Resultado le(TDatalogger &link, const QString &dispositivo);
    // From a window message during le(): the reading stops at its next wait.
    void cancela();

private:
    void defineTexto(const QString &texto) override { m_texto = texto; }
    void defineCor(Cor cor) override { m_cor = cor; }
    void repinta() override { }
    QString texto(int numero) const;
    QString falha(int numero) const;
    Resultado leBlocos(TDatalogger &link, const QString &dispositivo);

    Ambiente m_ambiente;
    QString m_texto;
    Cor m_cor = Cor::Preto;
    TDatalogger *m_link = nullptr;  // during le()
    bool m_cancelado = false;
};
