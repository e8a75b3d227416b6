#include "TMSCommRoteador.h"

#include "IConfiguracoes.h"
#include "TMSCommSerial.h"

TMSCommRoteador::TMSCommRoteador(
    const IConfiguracoes *configuracoes, Fabrica simulador, FabricaSerial serial, const Ambiente *ambiente)
    : m_configuracoes(configuracoes)
    , m_simulador(std::move(simulador))
    , m_serial(std::move(serial))
    , m_ambiente(ambiente)
{
}

QString TMSCommRoteador::erro() const
{
    return PortaPerdida() ? m_backend->erro() : m_erro;
}

TMSCommRoteador::~TMSCommRoteador()
{
    setPortOpen(false);
}

QString TMSCommRoteador::DestinoPadrao(int porta)
{
    if (!PortaValida(porta))
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(porta);
#else
    static const char *const padroes[] = { "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyUSB1" };
    return QString::fromLatin1(padroes[porta - 1]);
#endif
}

QString TMSCommRoteador::Destino(int porta) const
{
    const QString padrao = DestinoPadrao(porta);
    if (padrao.isEmpty() || !m_configuracoes)
        return padrao;
    const QString valor
        = m_configuracoes->le(QStringLiteral("PORTAS"), QStringLiteral("COM%1").arg(porta), padrao).trimmed();
    return valor.isEmpty() ? padrao : valor;
}

std::unique_ptr<TMSComm> TMSCommRoteador::criaBackend(const QString &destino)
{
    if (EhSimulador(destino)) {
        if (!m_simulador) {
            m_erro = QStringLiteral("No simulated logger in this program");
            return nullptr;
        }
        auto b = m_simulador();
        if (!b)
            m_erro = QStringLiteral("The simulated logger could not be made");
        return b;
    }
    if (m_serial) {
        auto b = m_serial(destino);
        if (!b)
            m_erro = QStringLiteral("No port for %1").arg(destino);
        return b;
    }
    return std::make_unique<TMSCommSerial>(destino, m_ambiente);
}

std::unique_ptr<TMSComm> TMSCommRoteador::PortaAvulsa(const QString &destino)
{
    const QString erro = m_erro;
    std::unique_ptr<TMSComm> porta = criaBackend(destino);
    m_erro = erro;
    return porta;
}

bool TMSCommRoteador::setPortOpen(bool abrir)
{
    if (m_backend) {
        m_backend->setPortOpen(false);
        m_backend.reset();
    }
    if (!abrir)
        return true;
    m_erro.clear();
    const QString destino = Destino(m_commPort);
    if (destino.isEmpty()) {
        m_erro = QStringLiteral("No serial port %1").arg(m_commPort);
        return false;
    }
    std::unique_ptr<TMSComm> novo = criaBackend(destino);
    if (!novo)
        return false;
    novo->setCommPort(m_commPort);
    novo->setSettings(m_settings);
    novo->setInputMode(m_modo);
    novo->setInBufferSize(m_inBufferSize);
    novo->setInputLen(m_inputLen);
    if (!novo->setPortOpen(true)) {
        m_erro = novo->erro();
        if (m_erro.isEmpty())
            m_erro = QStringLiteral("Cannot open %1").arg(destino);
        return false;
    }
    m_backend = std::move(novo);
    return true;
}

bool TMSCommRoteador::PortOpen() const
{
    return m_backend && m_backend->PortOpen();
}

void TMSCommRoteador::setSettings(const QString &settings)
{
    m_settings = settings;
    if (m_backend)
        m_backend->setSettings(settings);
}

void TMSCommRoteador::setInputMode(ModoEntrada modo)
{
    m_modo = modo;
    if (m_backend)
        m_backend->setInputMode(modo);
}

void TMSCommRoteador::setInBufferSize(int tamanho)
{
    m_inBufferSize = tamanho;
    if (m_backend)
        m_backend->setInBufferSize(tamanho);
}

void TMSCommRoteador::setInputLen(int n)
{
    m_inputLen = n;
    if (m_backend)
        m_backend->setInputLen(n);
}

int TMSCommRoteador::InBufferCount()
{
    return m_backend ? m_backend->InBufferCount() : 0;
}

void TMSCommRoteador::setInBufferCount(int n)
{
    if (m_backend)
        m_backend->setInBufferCount(n);
}

void TMSCommRoteador::setOutBufferCount(int n)
{
    if (m_backend)
        m_backend->setOutBufferCount(n);
}

void TMSCommRoteador::Output(const QByteArray &bytes)
{
    if (m_backend)
        m_backend->Output(bytes);
}

QByteArray TMSCommRoteador::Input()
{
    return m_backend ? m_backend->Input() : QByteArray();
}
