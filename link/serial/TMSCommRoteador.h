#pragma once

#include "TMSComm.h"

#include <QString>

#include <functional>
#include <memory>

class IConfiguracoes;
struct Ambiente;

// The port the main window holds. When it opens, it maps the port number
// (1 to 4) to a backend: the key COM1..COM4 of section PORTAS of the
// settings file names a serial device, or holds the word "simulador" for
// the simulated Tarvek, made by the factory given here (link/ knows no
// simulator). Without the key: COMn on Windows; /dev/ttyS0, /dev/ttyS1,
// /dev/ttyUSB0 and /dev/ttyUSB1 elsewhere. The mapping is read again at
// every opening. Closed, it has no backend: nothing waits, writes are lost.
class TMSCommRoteador : public TMSComm
{
public:
    using Fabrica = std::function<std::unique_ptr<TMSComm>()>;
    // Makes the backend of a device name; a TMSCommSerial when not given.
    using FabricaSerial = std::function<std::unique_ptr<TMSComm>(const QString &dispositivo)>;

    // The environment (not owned), when given, words the reasons of the
    // serial devices that do not open.
    explicit TMSCommRoteador(const IConfiguracoes *configuracoes, Fabrica simulador = {},
        FabricaSerial serial = {}, const Ambiente *ambiente = nullptr);
    ~TMSCommRoteador() override;

    // The device a port number maps to now ("simulador" for the simulated
    // logger); empty for a number outside 1 to 4.
    QString Destino(int porta) const override;
    static QString DestinoPadrao(int porta);
    // The backend in use, null while closed.
    TMSComm *backend() const { return m_backend.get(); }
    // A port of its own on a device ("simulador" for the simulated logger),
    // made by the same factories as the backends; closed, and null when it
    // cannot be made. This port's state is left as it was.
    std::unique_ptr<TMSComm> PortaAvulsa(const QString &destino) override;

    void setCommPort(int porta) override { m_commPort = porta; }
    int CommPort() const override { return m_commPort; }
    void setSettings(const QString &settings) override;
    void setInputMode(ModoEntrada modo) override;
    void setInBufferSize(int tamanho) override;
    void setInputLen(int n) override;

    bool setPortOpen(bool abrir) override;
    bool PortOpen() const override;
    QString erro() const override;
    bool PortaPerdida() const override { return m_backend && m_backend->PortaPerdida(); }

    int InBufferCount() override;
    void setInBufferCount(int n) override;
    void setOutBufferCount(int n) override;
    void Output(const QByteArray &bytes) override;
    QByteArray Input() override;

private:
    std::unique_ptr<TMSComm> criaBackend(const QString &destino);

    const IConfiguracoes *m_configuracoes;
    Fabrica m_simulador;
    FabricaSerial m_serial;
    const Ambiente *m_ambiente;
    std::unique_ptr<TMSComm> m_backend;
    int m_commPort = 0;
    QString m_settings;
    ModoEntrada m_modo = ModoEntrada::Binario;
    int m_inBufferSize = 4096;
    int m_inputLen = 0;
    QString m_erro;
};
