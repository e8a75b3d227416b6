#pragma once

#include "Ambiente.h"

#include <QByteArray>
#include <QString>

class TDatalogger;

// The battery window without its widgets: the two reads, what the window
// shows of them (the date and time of the last battery change as the masked
// fields hold them, the remaining charge), the check of a typed change and
// the write of the non-volatile block with only bytes 118 to 122 changed.
// Messages go through the environment; the caller keeps the hourglass.
class ServicoBateria
{
public:
    // What the window shows after the reads.
    struct Textos
    {
        QString data;  // "dd/mm/yyyy", empty when the stored date cannot be shown
        QString hora;  // "hh:nn", likewise
        int carga = 0;  // remaining charge in percent, for the gauge
        QString consumo;  // the charge sentence
        bool dataValida = true;  // false: the stored bytes do not fit the fields
    };

    // The link and the environment's pointers must outlive the object.
    ServicoBateria(TDatalogger &datalogger, const Ambiente &ambiente);

    // Reads the configuration, then the non-volatile block, and signals.
    // False (after the failure's message) when a read failed.
    bool RecebeConfiguracoes();
    // The texts of the blocks read; with a date that cannot be shown, its
    // message (the charge is shown all the same).
    Textos mostra() const;

    // The two fields' checks with their messages. False leaves in
    // campoRecusado 0 for the date and 1 for the time.
    bool ValidaTudo(const QString &data, const QString &hora, int *campoRecusado = nullptr) const;
    // The non-volatile block as read with the change date and time of the
    // fields (already checked) in bytes 118 to 122.
    QByteArray bloco(const QString &data, const QString &hora) const;
    // Writes that block; on success signals and says so, on failure warns.
    bool grava(const QString &data, const QString &hora);

    // Pure rules, also used by the command line.
    static Textos textos(
        const QByteArray &configuracao, const QByteArray &naoVolatil, const Ambiente &ambiente);
    static QByteArray comDataBateria(const QByteArray &naoVolatil, const QString &data, const QString &hora);

    const QByteArray &configuracao() const { return m_configuracao; }
    const QByteArray &naoVolatil() const { return m_naoVolatil; }

private:
    bool falha(int texto) const;

    TDatalogger &m_datalogger;
    Ambiente m_ambiente;
    QByteArray m_configuracao;
    QByteArray m_naoVolatil;
};
