#include "TMSCommSimulado.h"

#include "IRelogio.h"
#include "TarvekSimulado.h"

TMSCommSimulado::TMSCommSimulado(TarvekSimulado &tarvek, IRelogio &relogio)
    : m_tarvek(&tarvek)
    , m_relogio(relogio)
{
}

TMSCommSimulado::TMSCommSimulado(std::shared_ptr<TarvekSimulado> tarvek, IRelogio &relogio)
    : m_dono(std::move(tarvek))
    , m_tarvek(m_dono.get())
    , m_relogio(relogio)
{
}

TMSCommSimulado::~TMSCommSimulado() = default;

bool TMSCommSimulado::setPortOpen(bool abrir)
{
    if (!abrir) {
        m_aberta = false;
        m_recepcao.clear();
        return true;
    }
    if (!m_falhaAbertura.isEmpty()) {
        m_erro = m_falhaAbertura;
        return false;
    }
    m_erro.clear();
    m_aberta = true;
    m_recepcao.clear();
    m_enviados.clear();
    m_lidos.clear();
    // Whatever the logger sent while the port was closed is lost.
    m_tarvek->transmite(m_relogio.tickCount());
    return true;
}

int TMSCommSimulado::InBufferCount()
{
    recolhe();
    return int(m_recepcao.size());
}

void TMSCommSimulado::setInBufferCount(int n)
{
    if (n == 0) {
        recolhe();
        m_recepcao.clear();
    }
}

void TMSCommSimulado::setOutBufferCount(int)
{
    // Bytes are handed to the logger as they are written: nothing waits.
}

void TMSCommSimulado::Output(const QByteArray &bytes)
{
    if (!m_aberta)
        return;
    m_enviados.append(bytes);
    recolhe();
    // With the wrong line settings the logger hears only noise.
    if (linhaCompativel())
        m_tarvek->recebe(bytes, m_relogio.tickCount());
}

QByteArray TMSCommSimulado::Input()
{
    recolhe();
    const int n = m_inputLen > 0 ? m_inputLen : int(m_recepcao.size());
    const QByteArray lidos = m_recepcao.left(n);
    m_recepcao.remove(0, lidos.size());
    m_lidos.append(lidos);
    return lidos;
}

void TMSCommSimulado::recolhe()
{
    const QByteArray chegados = m_tarvek->transmite(m_relogio.tickCount());
    if (!m_aberta)
        return;
    // A full receive buffer loses what arrives, as a real port's does.
    const int cabe = std::max(0, m_tamanhoBuffer - int(m_recepcao.size()));
    m_recepcao.append(chegados.left(cabe));
}

bool TMSCommSimulado::linhaCompativel() const
{
    const QString s = m_settings.simplified().remove(u' ').toLower();
    return s == u"19200,e,8,1";
}
