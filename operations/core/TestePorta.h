#pragma once

#include "Ambiente.h"
#include "ILinhaStatus.h"

#include <QString>

class TDatalogger;
class TMSComm;

// "Testar" of the "Portas..." window: wakes the logger on a port of its own
// and reads its configuration, non-volatile and calibration blocks, so that
// the user sees which logger answers there (its serial number and title),
// or why none does. The link's errors are kept here instead of reaching the
// main window's status line, and it shows no message box: the window shows
// the outcome in its own words. A device where nothing answers the wake-up
// is said to have no Tarvek; the test can be cancelled while it waits.
class TestePorta : private ILinhaStatus
{
public:
    struct Resultado
    {
        bool sucesso = false;
        QString numeroSerie;
        QString titulo;
        QString motivo;  // why it failed: the port's reason or the link's error
        bool semResposta = false;  // nothing answered the wake-up
        bool cancelado = false;
    };

    // The environment's pointers must outlive the object.
    explicit TestePorta(const Ambiente &ambiente);

    // Opens the port as the given port number, reads and closes it again;
    // dispositivo is the device's name for the reasons. While the link
    // waits, window messages are processed.
    Resultado testa(TMSComm &porta, int numero, const QString &dispositivo);
    // From a window message during testa(): the test stops at its next wait.
    void cancela();

private:
    void defineTexto(const QString &texto) override { m_texto = texto; }
    void defineCor(Cor cor) override { m_cor = cor; }
    void repinta() override { }
    QString texto(int numero) const;
    QString falha(int numero) const;

    Ambiente m_ambiente;
    QString m_texto;
    Cor m_cor = Cor::Preto;
    TDatalogger *m_link = nullptr;  // during testa()
    bool m_cancelado = false;
};
