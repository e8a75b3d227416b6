#pragma once

#include <QString>

class Catalogo;
class IListaPortas;

// Why a serial device does not open, or why it stopped answering, in words
// a user can act on: each reason names the device (as the path opened) and
// says what to do. A path that is not a serial device says so. The
// kind of failure comes from the port; the device's situation (its group,
// whether this user may use it, what else is present) from the list of
// devices of the system.
class MotivoPorta
{
public:
    // What the opening reported.
    enum class Erro {
        SemPermissao,  // refused: no permission, or held (locked) by another program
        NaoEncontrado,  // no such device
        Outro,
    };

    // The reason a device did not open. detalhe is the system's own text,
    // shown for the failures this knows nothing better about. Without a
    // list of devices, the reasons that need one are given in general terms;
    // without a catalogue, in the default texts.
    static QString abertura(Erro erro, const QString &dispositivo, const IListaPortas *portas,
        const Catalogo *catalogo, const QString &detalhe = QString());
    // The device went away while the port was open.
    static QString perdida(const QString &dispositivo, const Catalogo *catalogo);
    // The path Qt SerialPort opens for a device name: a bare name, "ttyS0",
    // is in /dev; a path (from "/", "./" or "../") is taken as it is. On
    // Windows, the name itself.
    static QString caminho(const QString &dispositivo);
};
