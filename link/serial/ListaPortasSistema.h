#pragma once

#include "IListaPortas.h"

#include <QString>

// The serial devices of this computer: Qt SerialPort's enumeration, with
// the stable names udev gives USB adapters (the links of
// /dev/serial/by-id) put beside the devices they point at; and what the
// file system says of a device name (resolved as Qt SerialPort opens it):
// whether it is there and a serial device, its owning group, and whether
// this user may use it now or only after a new login.
class ListaPortasSistema : public IListaPortas
{
public:
    explicit ListaPortasSistema(const QString &pastaPorId = QStringLiteral("/dev/serial/by-id"));

    QList<DispositivoSerial> dispositivos() const override;
    SituacaoDispositivo situacao(const QString &caminho) const override;

private:
    QString m_pastaPorId;
};
