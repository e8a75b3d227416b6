#pragma once

#include "TMSComm.h"

#include <QByteArray>
#include <QString>

#include <memory>

class IRelogio;
class TarvekSimulado;

// A serial port with the simulated Tarvek at its other end. Bytes written
// reach the logger at the clock's current instant; its answers become
// visible in InBufferCount as the clock passes the instant they arrive.
// With the virtual clock of the tests an exchange takes no real time.
class TMSCommSimulado : public TMSComm
{
public:
    // The logger is not owned.
    TMSCommSimulado(TarvekSimulado &tarvek, IRelogio &relogio);
    // The logger is shared: it outlives the port, so that what it was sent
    // survives a close and a new opening.
    TMSCommSimulado(std::shared_ptr<TarvekSimulado> tarvek, IRelogio &relogio);
    ~TMSCommSimulado() override;

    TarvekSimulado &tarvek() { return *m_tarvek; }
    // The next opening fails with this reason (empty: it succeeds).
    void defineFalhaAbertura(const QString &motivo) { m_falhaAbertura = motivo; }
    // Every byte written since the port opened, and every byte taken.
    QByteArray enviados() const { return m_enviados; }
    QByteArray lidos() const { return m_lidos; }
    QString settings() const { return m_settings; }
    int inputLen() const { return m_inputLen; }

    void setCommPort(int porta) override { m_porta = porta; }
    int CommPort() const override { return m_porta; }
    void setSettings(const QString &settings) override { m_settings = settings; }
    void setInputMode(ModoEntrada modo) override { m_modo = modo; }
    void setInBufferSize(int tamanho) override { m_tamanhoBuffer = tamanho; }
    void setInputLen(int n) override { m_inputLen = n; }
    bool setPortOpen(bool abrir) override;
    bool PortOpen() const override { return m_aberta; }
    QString erro() const override { return m_erro; }
    int InBufferCount() override;
    void setInBufferCount(int n) override;
    void setOutBufferCount(int n) override;
    void Output(const QByteArray &bytes) override;
    QByteArray Input() override;

private:
    void recolhe();
    bool linhaCompativel() const;

    std::shared_ptr<TarvekSimulado> m_dono;
    TarvekSimulado *m_tarvek;
    IRelogio &m_relogio;
    int m_porta = 1;
    QString m_settings;
    ModoEntrada m_modo = ModoEntrada::Texto;
    int m_tamanhoBuffer = 1024;
    int m_inputLen = 0;
    bool m_aberta = false;
    QString m_erro;
    QString m_falhaAbertura;
    QByteArray m_recepcao;
    QByteArray m_enviados;
    QByteArray m_lidos;
};
