#pragma once

#include "TMSComm.h"

#include "Ambiente.h"

#include <QSerialPort>
#include <QString>

// The port on a serial device of the system (Qt SerialPort). It is given
// its device name ("COM1", "/dev/ttyS0", a pseudo-terminal...) by whoever
// maps the port number; CommPort is only kept to be read back.
//
// Every line setting is given to the device before it opens. The port is
// driven without an event loop: the count of waiting bytes first takes in
// whatever the system has received, and every write is pushed out at once.
//
// A device that does not open leaves its reason in erro(), in the words of
// the catalogue and for the device's situation (the environment's list of
// devices; the system's when it has none). A device that goes away while
// open (a read or write fails for good) makes the port lost.
class TMSCommSerial : public TMSComm
{
public:
    explicit TMSCommSerial(const QString &dispositivo, const Ambiente *ambiente = nullptr);
    ~TMSCommSerial() override;

    QString dispositivo() const { return m_dispositivo; }

    void setCommPort(int porta) override { m_commPort = porta; }
    int CommPort() const override { return m_commPort; }
    // "baud,parity,data bits,stop bits" with parity n, e, o, m or s and stop
    // bits 1, 1.5 or 2. A text that does not parse makes the opening fail.
    void setSettings(const QString &settings) override { m_settings = settings; }
    void setInputMode(ModoEntrada modo) override { m_modo = modo; }
    void setInBufferSize(int tamanho) override { m_inBufferSize = tamanho; }
    void setInputLen(int n) override { m_inputLen = n; }

    bool setPortOpen(bool abrir) override;
    bool PortOpen() const override { return m_porta.isOpen(); }
    QString erro() const override { return m_erro; }
    bool PortaPerdida() const override { return m_perdida; }

    int InBufferCount() override;
    void setInBufferCount(int n) override;
    void setOutBufferCount(int n) override;
    void Output(const QByteArray &bytes) override;
    QByteArray Input() override;

private:
    bool aplicaSettings();
    void recolhe();
    void verificaPerda();

    QString m_dispositivo;
    QSerialPort m_porta;
    int m_commPort = 0;
    QString m_settings = QStringLiteral("19200,e,8,1");
    ModoEntrada m_modo = ModoEntrada::Binario;
    int m_inBufferSize = 4096;
    int m_inputLen = 0;
    QString m_erro;
    bool m_perdida = false;
    const Catalogo *m_catalogo = nullptr;
    const IListaPortas *m_portas = nullptr;
};
