#pragma once

#include "Ambiente.h"
#include "LeituraBlocos.h"

#include <QString>

class TMSComm;

// "Testar" of the "Portas..." window: reads the logger's three blocks on a
// port of its own (LeituraBlocos), so that the user sees which logger
// answers there (its serial number and title), or why none does; the
// window shows the outcome in its own words. The test can be cancelled
// while it waits.
class TestePorta
{
public:
    // The reading's outcome, and the logger's serial number as the program
    // shows it and its title when it answered.
    struct Resultado : LeituraBlocos::Resultado
    {
        QString numeroSerie;
        QString titulo;
    };

    // The environment's pointers must outlive the object.
    explicit TestePorta(const Ambiente &ambiente);

    // Opens the port as the given port number, reads and closes it again;
    // dispositivo is the device's name for the reasons. While the link
    // waits, window messages are processed.
    Resultado testa(TMSComm &porta, int numero, const QString &dispositivo);
    // From a window message during testa(): the test stops at its next wait.
    void cancela() { m_leitura.cancela(); }

private:
    LeituraBlocos m_leitura;
};
