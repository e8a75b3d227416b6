#pragma once

#include "GravacaoConfiguracao.h"
#include "IListaPortas.h"
#include "TMSComm.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>

class IConfiguracoes;

// The rules of the "Portas..." window without its widgets: the serial
// devices present with the simulated Tarvek after them, the device each of
// COM1 to COM4 maps to, the user's new choices and what of them is written
// to section PORTAS of the settings file. A device the system also names
// under /dev/serial/by-id/ is stored under that name, so that the choice
// follows the adapter to another socket; only the keys whose device changed
// are written.
//
// Also the caption of each port in the "&Porta" menu, which shows its
// device.
class AtribuicaoPortas
{
public:
    // The device a port maps to now, as the port's router reads it.
    using LeDestino = std::function<QString(int porta)>;

    // The list and the settings may be null (no device listed, nothing
    // written); everything given must outlive the object.
    AtribuicaoPortas(const IListaPortas *lista, IConfiguracoes *configuracoes, LeDestino destino);

    // One line of the list: a device present, or the simulated Tarvek (the
    // last line, with only its device, "simulador").
    struct Linha
    {
        DispositivoSerial dispositivo;
        bool simulador = false;
        QString usb() const { return textoUsb(dispositivo.vid, dispositivo.pid); }
    };
    const QList<Linha> &linhas() const { return m_linhas; }
    // Asks the list again; true when what it holds changed.
    bool atualizaLista();

    // The device of a port: the user's choice when there is one, else what
    // the settings give.
    QString destino(int porta) const;
    // The device the settings give a port now, a choice not yet written aside.
    QString gravado(int porta) const;
    void escolhe(int porta, const QString &destino);
    // The value section PORTAS would hold for a device: "simulador" for the
    // simulated Tarvek, the by-id name of a device present that has one,
    // else the path as given (blanks trimmed).
    QString valorGravado(const QString &destino) const;
    // Whether two names lead to the same device (a by-id name and the
    // kernel name it points to, the simulator in any case).
    bool mesmoDispositivo(const QString &a, const QString &b) const;
    // Writes the choices that differ from the settings; the ports written.
    // A write that fails stops there, and its outcome goes to falha.
    QList<int> grava(GravacaoConfiguracao *falha = nullptr);

    // "0403:6001"; empty without USB ids.
    static QString textoUsb(int vid, int pid);
    // The caption of a port's item in the "&Porta" menu, "COM&3
    // (/dev/ttyUSB0)": a by-id name is shown as the device it points to
    // now, or by its last part when it points nowhere.
    static QString legendaMenu(int porta, const QString &destino, const IListaPortas *lista);

private:
    static QString caminhoReal(const QString &caminho, const IListaPortas *lista);
    static QList<Linha> listaDe(const IListaPortas *lista);

    const IListaPortas *m_lista;
    IConfiguracoes *m_configuracoes;
    LeDestino m_destino;
    QList<Linha> m_linhas;
    std::array<QString, TMSComm::UltimaPorta> m_escolhas;  // empty: not changed
};
