#pragma once

#include "TMSComm.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class IRelogio;

// A serial port for tests, timed by the (virtual) clock. It records what
// the code under test set and wrote, and delivers bytes that the test (or
// a scripted logger on the other end) schedules for given instants: a byte
// is waiting once the clock has reached its instant.
class PortaRoteirizada : public TMSComm
{
public:
    struct Escrita
    {
        int64_t instante;
        quint8 byte;
    };

    explicit PortaRoteirizada(const IRelogio &relogio)
        : m_relogio(relogio)
    {
    }

    // Every property written, in order ("CommPort=1", "PortOpen=true", ...).
    // InputLen is noted only while the port is closed, not at every read.
    QStringList eventos;
    QList<Escrita> escritas;  // bytes sent while open, with their instant
    int escritasPerdidas = 0;  // bytes sent while closed
    int aberturas = 0;
    int fechamentos = 0;
    bool recusaAbertura = false;
    // From this instant on (when not negative) the device is gone: the open
    // port is lost and says so in erro().
    int64_t perdaEm = -1;
    bool perdaSemTexto = false;  // lost, erro() stays empty
    // Called for every byte sent while open: the other end of the line.
    std::function<void(quint8 byte, int64_t instante)> aoEscrever;

    // Schedules bytes to arrive from instante on, msPorByte apart.
    void chega(const QByteArray &bytes, int64_t instante, double msPorByte = 0);
    QByteArray bytesEscritos() const;
    int porta() const { return m_porta; }
    QString settings() const { return m_settings; }
    int inBufferSize() const { return m_inBufferSize; }
    ModoEntrada modo() const { return m_modo; }

    void setCommPort(int porta) override;
    int CommPort() const override { return m_porta; }
    void setSettings(const QString &settings) override;
    void setInputMode(ModoEntrada modo) override;
    void setInBufferSize(int tamanho) override;
    void setInputLen(int n) override;
    bool setPortOpen(bool abrir) override;
    bool PortOpen() const override { return m_aberta; }
    QString erro() const override
    {
        return PortaPerdida() ? (perdaSemTexto ? QString() : QStringLiteral("porta perdida")) : m_erro;
    }
    bool PortaPerdida() const override;
    int InBufferCount() override;
    void setInBufferCount(int n) override;
    void setOutBufferCount(int n) override;
    void Output(const QByteArray &bytes) override;
    QByteArray Input() override;

private:
    struct Chegada
    {
        int64_t instante;
        quint8 byte;
    };
    void recolhe();

    const IRelogio &m_relogio;
    int m_porta = 0;
    QString m_settings;
    ModoEntrada m_modo = ModoEntrada::Texto;
    int m_inBufferSize = 0;
    int m_inputLen = 0;
    bool m_aberta = false;
    QString m_erro;
    QList<Chegada> m_pendentes;  // in order of arrival
    QByteArray m_recebidos;
};
