#include "PortaRoteirizada.h"

#include "IRelogio.h"

#include <algorithm>
#include <cmath>

void PortaRoteirizada::chega(const QByteArray &bytes, int64_t instante, double msPorByte)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const Chegada c { instante + int64_t(std::llround(double(i) * msPorByte)), quint8(bytes[i]) };
        const auto depois = std::upper_bound(m_pendentes.begin(), m_pendentes.end(), c.instante,
            [](int64_t t, const Chegada &p) { return t < p.instante; });
        m_pendentes.insert(depois, c);
    }
}

QByteArray PortaRoteirizada::bytesEscritos() const
{
    QByteArray b;
    for (const auto &e : escritas)
        b.append(char(e.byte));
    return b;
}

void PortaRoteirizada::setCommPort(int porta)
{
    m_porta = porta;
    eventos << QStringLiteral("CommPort=%1").arg(porta);
}

void PortaRoteirizada::setSettings(const QString &settings)
{
    m_settings = settings;
    eventos << QStringLiteral("Settings=") + settings;
}

void PortaRoteirizada::setInputMode(ModoEntrada modo)
{
    m_modo = modo;
    eventos << (modo == ModoEntrada::Binario ? QStringLiteral("InputMode=binario")
                                             : QStringLiteral("InputMode=texto"));
}

void PortaRoteirizada::setInBufferSize(int tamanho)
{
    m_inBufferSize = tamanho;
    eventos << QStringLiteral("InBufferSize=%1").arg(tamanho);
}

void PortaRoteirizada::setInputLen(int n)
{
    m_inputLen = n;
    if (!m_aberta)
        eventos << QStringLiteral("InputLen=%1").arg(n);
}

bool PortaRoteirizada::setPortOpen(bool abrir)
{
    eventos << (abrir ? QStringLiteral("PortOpen=true") : QStringLiteral("PortOpen=false"));
    if (!abrir) {
        if (m_aberta)
            ++fechamentos;
        m_aberta = false;
        m_pendentes.clear();
        m_recebidos.clear();
        return true;
    }
    if (recusaAbertura) {
        m_erro = QStringLiteral("porta ocupada");
        return false;
    }
    ++aberturas;
    m_aberta = true;
    m_erro.clear();
    return true;
}

bool PortaRoteirizada::PortaPerdida() const
{
    return m_aberta && perdaEm >= 0 && m_relogio.tickCount() >= perdaEm;
}

void PortaRoteirizada::recolhe()
{
    const int64_t agora = m_relogio.tickCount();
    qsizetype chegaram = 0;
    while (chegaram < m_pendentes.size() && m_pendentes[chegaram].instante <= agora)
        m_recebidos.append(char(m_pendentes[chegaram++].byte));
    m_pendentes.remove(0, chegaram);
}

int PortaRoteirizada::InBufferCount()
{
    if (!m_aberta)
        return 0;
    recolhe();
    return int(m_recebidos.size());
}

void PortaRoteirizada::setInBufferCount(int n)
{
    eventos << QStringLiteral("InBufferCount=%1").arg(n);
    if (n == 0 && m_aberta) {
        recolhe();
        m_recebidos.clear();
    }
}

void PortaRoteirizada::setOutBufferCount(int n)
{
    eventos << QStringLiteral("OutBufferCount=%1").arg(n);
}

void PortaRoteirizada::Output(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (!m_aberta) {
            ++escritasPerdidas;
            continue;
        }
        const int64_t agora = m_relogio.tickCount();
        escritas.append({ agora, quint8(c) });
        if (aoEscrever)
            aoEscrever(quint8(c), agora);
    }
}

QByteArray PortaRoteirizada::Input()
{
    if (!m_aberta)
        return {};
    recolhe();
    const qsizetype n
        = m_inputLen <= 0 ? m_recebidos.size() : std::min<qsizetype>(m_inputLen, m_recebidos.size());
    const QByteArray tomados = m_recebidos.left(n);
    m_recebidos.remove(0, n);
    return tomados;
}
