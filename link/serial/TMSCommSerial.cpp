#include "TMSCommSerial.h"

#include "ListaPortasSistema.h"
#include "MotivoPorta.h"

#include <QStringList>

#include <limits>

namespace {

// How long a write may take to reach the system before it is given up.
constexpr int PrazoEscrita = 100;
// Reads of what the system holds per count; a line at 19200 baud never
// needs more than a few.
constexpr int LeiturasPorContagem = 16;

bool paridadeDe(const QString &texto, QSerialPort::Parity &paridade)
{
    const QString p = texto.trimmed().toLower();
    if (p == u"n")
        paridade = QSerialPort::NoParity;
    else if (p == u"e")
        paridade = QSerialPort::EvenParity;
    else if (p == u"o")
        paridade = QSerialPort::OddParity;
    else if (p == u"m")
        paridade = QSerialPort::MarkParity;
    else if (p == u"s")
        paridade = QSerialPort::SpaceParity;
    else
        return false;
    return true;
}

bool paradaDe(const QString &texto, QSerialPort::StopBits &parada)
{
    const QString s = texto.trimmed();
    if (s == u"1")
        parada = QSerialPort::OneStop;
    else if (s == u"1.5")
        parada = QSerialPort::OneAndHalfStop;
    else if (s == u"2")
        parada = QSerialPort::TwoStop;
    else
        return false;
    return true;
}

MotivoPorta::Erro erroDe(QSerialPort::SerialPortError erro)
{
    switch (erro) {
    case QSerialPort::PermissionError:
        // Also what a device locked by another program gives.
        return MotivoPorta::Erro::SemPermissao;
    case QSerialPort::DeviceNotFoundError:
        return MotivoPorta::Erro::NaoEncontrado;
    default:
        return MotivoPorta::Erro::Outro;
    }
}

const IListaPortas &listaDoSistema()
{
    static const ListaPortasSistema lista;
    return lista;
}

}  // namespace

TMSCommSerial::TMSCommSerial(const QString &dispositivo, const Ambiente *ambiente)
    : m_dispositivo(dispositivo)
    , m_catalogo(ambiente ? ambiente->catalogo : nullptr)
    , m_portas(ambiente && ambiente->portas ? ambiente->portas : &listaDoSistema())
{
}

TMSCommSerial::~TMSCommSerial()
{
    if (m_porta.isOpen())
        m_porta.close();
}

bool TMSCommSerial::aplicaSettings()
{
    const QStringList partes = m_settings.split(u',');
    bool baudOk = false;
    bool bitsOk = false;
    const int baud = partes.value(0).trimmed().toInt(&baudOk);
    const int bits = partes.value(2).trimmed().toInt(&bitsOk);
    QSerialPort::Parity paridade {};
    QSerialPort::StopBits parada {};
    if (partes.size() != 4 || !baudOk || baud <= 0 || !bitsOk || bits < 5 || bits > 8
        || !paridadeDe(partes[1], paridade) || !paradaDe(partes[3], parada)) {
        m_erro = QStringLiteral("Invalid line settings \"%1\"").arg(m_settings);
        return false;
    }
    m_porta.setPortName(m_dispositivo);
    m_porta.setBaudRate(baud);
    m_porta.setDataBits(QSerialPort::DataBits(bits));
    m_porta.setParity(paridade);
    m_porta.setStopBits(parada);
    m_porta.setFlowControl(QSerialPort::NoFlowControl);
    // Qt's own read buffer is unbounded, so it holds at least the 4096
    // bytes asked for.
    m_porta.setReadBufferSize(0);
    return true;
}

bool TMSCommSerial::setPortOpen(bool abrir)
{
    if (!abrir) {
        if (m_porta.isOpen())
            m_porta.close();
        return true;
    }
    if (m_porta.isOpen())
        return true;
    m_erro.clear();
    m_perdida = false;
    if (!aplicaSettings())
        return false;
    if (!m_porta.open(QIODevice::ReadWrite)) {
        m_erro = MotivoPorta::abertura(
            erroDe(m_porta.error()), m_dispositivo, m_portas, m_catalogo, m_porta.errorString());
        return false;
    }
    return true;
}

// A read or write that failed for good: the device was unplugged (a
// hung-up terminal reads as an error too), or the other end of a
// pseudo-terminal closed.
// A read that merely found nothing is a time-out, not a loss.
void TMSCommSerial::verificaPerda()
{
    if (m_perdida || !m_porta.isOpen())
        return;
    const QSerialPort::SerialPortError e = m_porta.error();
    if (e != QSerialPort::ResourceError && e != QSerialPort::ReadError && e != QSerialPort::WriteError)
        return;
    m_perdida = true;
    m_erro = MotivoPorta::perdida(m_dispositivo, m_catalogo);
}

// Takes into the port's buffer whatever the system has received.
void TMSCommSerial::recolhe()
{
    for (int i = 0; i < LeiturasPorContagem && m_porta.waitForReadyRead(0); ++i) { }
    verificaPerda();
}

int TMSCommSerial::InBufferCount()
{
    if (!m_porta.isOpen())
        return 0;
    recolhe();
    return int(qMin<qint64>(m_porta.bytesAvailable(), std::numeric_limits<int>::max()));
}

void TMSCommSerial::setInBufferCount(int n)
{
    if (n != 0 || !m_porta.isOpen())
        return;
    recolhe();
    m_porta.clear(QSerialPort::Input);
    m_porta.readAll();  // anything Qt still held
}

void TMSCommSerial::setOutBufferCount(int n)
{
    if (n == 0 && m_porta.isOpen())
        m_porta.clear(QSerialPort::Output);
}

void TMSCommSerial::Output(const QByteArray &bytes)
{
    if (!m_porta.isOpen() || bytes.isEmpty())
        return;
    m_porta.write(bytes);
    m_porta.flush();
    if (m_porta.bytesToWrite() > 0)
        m_porta.waitForBytesWritten(PrazoEscrita);
    verificaPerda();
}

QByteArray TMSCommSerial::Input()
{
    if (!m_porta.isOpen())
        return {};
    const qint64 esperando = m_porta.bytesAvailable();
    const qint64 n = m_inputLen > 0 ? qMin<qint64>(m_inputLen, esperando) : esperando;
    return m_porta.read(n);
}
