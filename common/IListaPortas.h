#pragma once

#include <QList>
#include <QString>

// One serial device the system offers, as its port enumeration describes it.
struct DispositivoSerial
{
    QString dispositivo;  // the device's path, "/dev/ttyUSB0"
    QString descricao;
    QString fabricante;
    QString numeroSerie;
    int vid = -1;  // USB vendor id; -1 when the device has none
    int pid = -1;  // USB product id; -1 when the device has none
    QString porId;  // its "/dev/serial/by-id/" path, empty when it has none

    bool operator==(const DispositivoSerial &) const = default;
};

// What the file system says of a device path: what the reasons for a port
// that does not open are made from.
struct SituacaoDispositivo
{
    bool existe = false;
    bool naoSerial = false;  // there, but a file, a pipe or a device of another kind
    QString caminhoReal;  // the path with its links followed
    QString grupo;  // the group that owns the device
    bool grupoPodeUsar = false;  // that group may read and write it (joining it helps)
    bool permitido = false;  // this process may read and write it
    bool grupoDoUsuario = false;  // the user is listed in that group (a new login gives it)
    QString usuario;  // the user this process runs as, for the command that joins the group

    bool operator==(const SituacaoDispositivo &) const = default;
};

// The serial devices present now. The program asks the system; tests hand a
// list of their own.
class IListaPortas
{
public:
    virtual ~IListaPortas() = default;
    virtual QList<DispositivoSerial> dispositivos() const = 0;
    virtual SituacaoDispositivo situacao(const QString &caminho) const = 0;
};
