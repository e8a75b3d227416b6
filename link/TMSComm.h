#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The serial port as the logger link drives it: properties set before the
// port opens, a polled count of waiting bytes, a read of exactly n of them,
// one byte written at a time, and a discard of both buffers. Everything is
// polled; there are no events.
//
// Implementations: a real serial device (TMSCommSerial), the simulated
// Tarvek (TMSCommSimulado), and the router that picks one of them by port
// number when the port opens.
class TMSComm
{
public:
    enum class ModoEntrada { Texto, Binario };

    // The port numbers the program offers, COM1 to COM4.
    static constexpr int PrimeiraPorta = 1;
    static constexpr int UltimaPorta = 4;
    static constexpr bool PortaValida(int porta) { return porta >= PrimeiraPorta && porta <= UltimaPorta; }
    // The name that stands for the simulated Tarvek where a device name goes
    // (section PORTAS of the settings file, the tool's --porta); any case.
    static constexpr QLatin1String Simulador { "simulador" };
    static bool EhSimulador(const QString &destino)
    {
        return destino.trimmed().compare(Simulador, Qt::CaseInsensitive) == 0;
    }

    virtual ~TMSComm() = default;

    // For a port that picks its device when it opens (the router): the
    // device a port number maps to now, and a port of its own on a device,
    // closed. Empty and null for a port bound to one device.
    virtual QString Destino(int /*porta*/) const { return {}; }
    virtual std::unique_ptr<TMSComm> PortaAvulsa(const QString & /*destino*/) { return nullptr; }

    // Set before opening.
    virtual void setCommPort(int porta) = 0;
    virtual int CommPort() const = 0;
    virtual void setSettings(const QString &settings) = 0;  // "19200,e,8,1"
    virtual void setInputMode(ModoEntrada modo) = 0;
    virtual void setInBufferSize(int tamanho) = 0;
    // How many bytes the next Input() takes (0 would mean all of them).
    virtual void setInputLen(int n) = 0;

    // Opens (true) or closes (false). Opening reports failure by returning
    // false and leaving the reason in erro(); closing never fails.
    virtual bool setPortOpen(bool abrir) = 0;
    virtual bool PortOpen() const = 0;
    virtual QString erro() const = 0;
    // True once the device went away while open (unplugged): nothing more
    // will come through it, and erro() says so. Opening again clears it.
    virtual bool PortaPerdida() const { return false; }

    // Received bytes waiting; never blocks.
    virtual int InBufferCount() = 0;
    // Writing 0 discards every waiting received byte.
    virtual void setInBufferCount(int n) = 0;
    // Writing 0 discards bytes not yet sent.
    virtual void setOutBufferCount(int n) = 0;

    // Sends the bytes (the link gives one at a time).
    virtual void Output(const QByteArray &bytes) = 0;
    // Takes the first InputLen waiting bytes, oldest first (fewer if fewer
    // are waiting).
    virtual QByteArray Input() = 0;
};
