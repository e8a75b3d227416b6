#pragma once

#include "Ambiente.h"
#include "EstadoLogger.h"
#include "LeituraBlocos.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class TDatalogger;
class TMSComm;

// The reading behind the "Loggers" window and quorvane-cli status: each of
// COM1 to COM4 whose device is present (or that the settings name) is read
// in turn on a port of its own (the simulated Tarvek too), its three blocks
// giving its serial number, title, state, memory and battery, and the
// records its last collection. The port the main window holds open is read
// through the main window's link, which stays open. The blocks are read by
// LeituraBlocos: a port that does not answer shows the link's errors as its
// reason; no message box is shown. While the link waits, window messages are
// processed: cancela() from one of them stops the reading at its next wait.
class LeituraLoggers
{
public:
    using LeDestino = std::function<QString(int porta)>;
    using CriaPorta = std::function<std::unique_ptr<TMSComm>(const QString &destino)>;

    // The settings of the window (section LOGGERS).
    static int vidaBateriaMeses(const IConfiguracoes *configuracoes);  // VIDA_BATERIA_MESES, 24
    static int minutosAtualizacao(const IConfiguracoes *configuracoes);  // ATUALIZAR_MIN, 5

    // The environment's pointers must outlive the object.
    LeituraLoggers(const Ambiente &ambiente, LeDestino destino, CriaPorta criaPorta);

    // The main window's link when it holds the port open and is idle; null
    // otherwise.
    std::function<TDatalogger *(int porta)> linkAberto;
    // Told before each port is read.
    std::function<void(int porta, const QString &destino)> aoLerPorta;

    // The ports to read: a device present, the simulator, or a device the
    // settings name.
    QList<int> portas() const;
    // Every port of portas(), in the order shown; what was read until a
    // cancel.
    QList<EstadoLogger> leTodas();
    EstadoLogger le(int porta);
    void cancela();
    bool cancelada() const { return m_cancelada; }

private:
    QString texto(int numero) const;
    void preenche(const LeituraBlocos::Resultado &lido, EstadoLogger &e) const;
    void completa(EstadoLogger &e) const;

    Ambiente m_ambiente;
    LeDestino m_destino;
    CriaPorta m_criaPorta;
    LeituraBlocos m_leitura;
    bool m_cancelada = false;
};
