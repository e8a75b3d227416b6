#pragma once

#include "Ambiente.h"
#include "Catalogo.h"
#include "Comando.h"
#include "ConfigRegional.h"
#include "ConfiguracoesIni.h"
#include "ListaPortasSistema.h"
#include "RegistroLogger.h"
#include "Registros.h"
#include "RelogioQt.h"
#include "SeamsConsole.h"

#include <QString>

#include <memory>

class TDatalogger;
class TMSComm;
class TMSCommRoteador;

// A logger reached from the command line: the port named by --porta, the
// link bound to it and to a status line kept for the error report, and the
// seams of a console.
//
// The port is "1" to "4" (mapped to devices as the program maps them), the
// path of a serial device, or "simulador": a simulated Tarvek in the
// process, one of the simulator's scenarios or a JSON description file
// (without either, a plausible two-channel logger).
class SessaoTarvek
{
public:
    SessaoTarvek(Console &console, bool eco);
    ~SessaoTarvek();

    // "1" to "4", "simulador" or a device path.
    static bool portaValida(const QString &porta);
    // Opens the port; on failure reports why on stderr and returns false.
    bool abre(const QString &porta, const QString &descricaoSimulador = QString());
    TDatalogger &link() { return *m_link; }
    // The ports 1 to 4 mapped as the program maps them, none of them
    // opened: for operations that open a port of their own on each device.
    TMSCommRoteador &roteador(const QString &descricaoSimulador = QString());
    const Catalogo &catalogo() const { return m_catalogo; }
    // The console's seams, for operations that take them (the collection).
    const Ambiente &ambiente() const { return m_ambiente; }

    // Reports a failed operation: the link's last error (unless it was the
    // loss of the port, told when it happened), then the message.
    void falhou(const QString &mensagem);

private:
    std::unique_ptr<TMSComm> criaSimulador(const QString &descricao);

    Console &m_console;
    RelogioQt m_relogio;
    MensagensConsole m_mensagens;
    LinhaStatusConsole m_status;
    SinalConsole m_sinal;
    ConfiguracoesIni m_configuracoes;
    Catalogo m_catalogo;
    ConfigRegional m_regional;
    ListaPortasSistema m_portas;
    Registros m_registros { m_configuracoes };
    RegistroLogger m_registroLogger { m_registros, &m_catalogo };
    Ambiente m_ambiente;
    std::unique_ptr<TMSComm> m_comm;
    std::unique_ptr<TMSCommRoteador> m_roteador;
    std::unique_ptr<TDatalogger> m_link;
    bool m_perdaDita = false;  // the lost port was told (its text is also the last error)
};
