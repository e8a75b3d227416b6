#include "TDatalogger.h"

#include "Catalogo.h"
#include "Espera.h"
#include "IConfiguracoes.h"
#include "ILinhaStatus.h"
#include "IMensagens.h"
#include "IObservadorLogger.h"
#include "IRelogio.h"
#include "ISinalSonoro.h"
#include "MotivoPorta.h"
#include "RotinasBytes.h"
#include "TMSComm.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>

#include <cstring>

namespace {

constexpr quint8 CmdEnviaConfiguracao = 0x00;
constexpr quint8 CmdLeConfiguracao = 0x01;
constexpr quint8 CmdLePagina = 0x02;
constexpr quint8 CmdLeLeituras = 0x03;
constexpr quint8 CmdEscreveNaoVolateis = 0x04;
constexpr quint8 CmdLeNaoVolateis = 0x05;
constexpr quint8 CmdFimAquisicoes = 0x06;
constexpr quint8 CmdLeCalibracao = 0x65;

constexpr int Tentativas = 3;
constexpr int PrazoAtivacao = 8000;  // ms of retries before errors are shown
constexpr int PrazoPagina = 3000;  // ms for a page reply to arrive

constexpr int TextoNaoAbriu = 254;
constexpr int TextoConfiguracao = 255;
constexpr int TextoChecksumEsperado = 256;
constexpr int TextoChecksumRetornado = 257;
constexpr int TextoTentando = 258;

int TextoDoErro(int codigo)
{
    switch (codigo) {
    case TDatalogger::ErroAtivacao:
        return 259;
    case TDatalogger::ErroChecksum:
        return 260;
    case TDatalogger::ErroTimeoutRecepcao:
        return 261;
    case TDatalogger::ErroTimeoutReflexao:
        return 262;
    case TDatalogger::ErroReflexao:
        return 263;
    case TDatalogger::ErroFlushReflexao:
        return 264;
    case TDatalogger::ErroAck:
        return 265;
    }
    return 0;
}

quint8 Soma(const quint8 *bytes, int n)
{
    return SomaVerificacao(std::span<const uint8_t>(bytes, size_t(n)));
}

// Reads into a QByteArray through the fixed-size command.
template <std::size_t N, typename Leitura> bool LeEmQByteArray(QByteArray &destino, Leitura &&le)
{
    std::array<quint8, N> bloco {};
    const bool ok = le(bloco);
    destino = TDatalogger::ComoQByteArray(bloco);
    return ok;
}

template <std::size_t N> bool CopiaExata(const QByteArray &origem, std::array<quint8, N> &destino)
{
    if (origem.size() != qsizetype(N))
        return false;
    std::memcpy(destino.data(), origem.constData(), N);
    return true;
}

}  // namespace

// Marks the link busy for the lifetime of one command.
class TDatalogger::Uso
{
public:
    explicit Uso(TDatalogger &link)
        : m_link(link)
    {
        m_link.m_emUso = true;
        if (m_link.aoMudarUso)
            m_link.aoMudarUso(true);
    }
    ~Uso()
    {
        m_link.m_emUso = false;
        if (m_link.aoMudarUso)
            m_link.aoMudarUso(false);
    }
    Uso(const Uso &) = delete;
    Uso &operator=(const Uso &) = delete;

private:
    TDatalogger &m_link;
};

TDatalogger::TDatalogger(const Ambiente &ambiente)
    : m_ambiente(ambiente)
    , m_observador(ambiente.observadorLogger)
{
    Q_ASSERT(m_ambiente.relogio);
}

// ---- Opening and closing ----------------------------------------------

bool TDatalogger::AbreComunicacao(int porta, TMSComm *comm, ILinhaStatus *status)
{
    m_status = status;
    m_comm = comm;
    bool aberta = false;
    if (m_comm) {
        m_comm->setCommPort(porta);
        m_comm->setSettings(QStringLiteral("19200,e,8,1"));
        m_comm->setInputMode(TMSComm::ModoEntrada::Binario);
        m_comm->setInBufferSize(4096);
        m_comm->setInputLen(0);
    }
    PedidoFecha = false;
    Ocioso = true;
    m_perdida = false;
    m_interrompido = false;
    m_ativou = false;
    m_textoPerda.clear();
    if (m_comm)
        aberta = m_comm->setPortOpen(true);
    if (m_observador)
        m_observador->portaAberta();
    if (aberta) {
        m_comm->setInBufferCount(0);
        m_comm->setOutBufferCount(0);
    } else {
        // The port's reason says which device and what to do about it.
        const QString motivo = m_comm ? m_comm->erro() : QString();
        if (!motivo.isEmpty())
            TextoStatus(Texto(TextoNaoAbriu) + u' ' + motivo, true);
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(
                motivo.isEmpty() ? Texto(TextoNaoAbriu) : Texto(TextoNaoAbriu) + u'\n' + motivo);
    }
    MostraErro = true;
    HouveErro = false;
    return aberta;
}

void TDatalogger::FechaComunicacao()
{
    PedidoFecha = true;
    auto fecha = [this] {
        if (m_comm)
            m_comm->setPortOpen(false);
    };
    for (int i = 0; i < 50; ++i) {
        Espera(50);
        if (Ocioso) {
            fecha();
            return;
        }
    }
    Espera(1000);
    fecha();
}

// ---- Commands -----------------------------------------------------------

bool TDatalogger::Comando(const std::function<bool()> &troca)
{
    if (m_emUso || m_perdida || m_interrompido)
        return false;
    Uso uso(*this);
    for (int tentativa = 0; tentativa < Tentativas; ++tentativa) {
        if (!Ativa())
            return false;
        if (troca())
            return true;
        if (m_perdida || m_interrompido)
            return false;
    }
    SinalFalha();
    return false;
}

bool TDatalogger::EnviaConfiguracao(const BytesConfiguracao &registro)
{
    if (m_emUso)
        return false;
    const BytesConfiguracao copia = registro;  // nested events may change the caller's
    const QByteArray bytes(reinterpret_cast<const char *>(copia.data()), BytesConfiguracaoEnviados);
    const bool ok = EscritaObservada(int(IObservadorLogger::Escrita::Configuracao), bytes, [&] {
        return Comando([&] {
            return TrocaEscrita(CmdEnviaConfiguracao, 6, copia.data(), BytesConfiguracaoEnviados, 300);
        });
    });
    if (ok)
        MostraTracoConfiguracao(copia.data(), BytesConfiguracaoEnviados);
    return ok;
}

bool TDatalogger::LeConfiguracao(BytesConfiguracao &bloco)
{
    const bool ok
        = Comando([&] { return TrocaLeitura(CmdLeConfiguracao, 200, bloco.data(), int(bloco.size())); });
    if (ok)
        Lido(int(IObservadorLogger::Leitura::Configuracao), bloco.data(), int(bloco.size()));
    return ok;
}

bool TDatalogger::LePagina(BytesPagina &bloco, quint8 pagina)
{
    return Comando([&] { return TrocaPagina(bloco.data(), pagina); });
}

bool TDatalogger::LeLeituras(BytesLeituras &bloco)
{
    return Comando([&] { return TrocaLeitura(CmdLeLeituras, 700, bloco.data(), int(bloco.size())); });
}

bool TDatalogger::EscreveNaoVolateis(const BytesNaoVolateis &bloco)
{
    if (m_emUso)
        return false;
    const BytesNaoVolateis copia = bloco;
    const QByteArray bytes(reinterpret_cast<const char *>(copia.data()), int(copia.size()));
    return EscritaObservada(int(IObservadorLogger::Escrita::NaoVolateis), bytes, [&] {
        return Comando(
            [&] { return TrocaEscrita(CmdEscreveNaoVolateis, 10, copia.data(), int(copia.size()), 1000); });
    });
}

bool TDatalogger::LeNaoVolateis(BytesNaoVolateis &bloco)
{
    const int n = int(bloco.size());
    const bool ok = Comando([&] {
        EnviaByte(CmdLeNaoVolateis);
        Espera(1000);
        if (BytesEsperando() < n + 1)
            return ErroLink(ErroTimeoutRecepcao);
        return VerificaReflexao(CmdLeNaoVolateis, n + 1) && RecebeBloco(bloco.data(), n)
            && VerificaChecksum(Soma(bloco.data(), n));
    });
    if (ok)
        Lido(int(IObservadorLogger::Leitura::NaoVolateis), bloco.data(), n);
    return ok;
}

bool TDatalogger::FimAquisicoes()
{
    if (m_emUso)
        return false;
    return EscritaObservada(int(IObservadorLogger::Escrita::FimAquisicoes), {}, [&] {
        return Comando([&] {
            EnviaByte(CmdFimAquisicoes);
            Espera(200);
            if (!VerificaReflexao(CmdFimAquisicoes, 1))
                return false;
            if (RecebeByte() == ByteAck)
                return Sucesso();
            return ErroLink(ErroAck);
        });
    });
}

bool TDatalogger::LeCalibracao(BytesCalibracao &bloco)
{
    const bool ok
        = Comando([&] { return TrocaLeitura(CmdLeCalibracao, 200, bloco.data(), int(bloco.size())); });
    if (ok)
        Lido(int(IObservadorLogger::Leitura::Calibracao), bloco.data(), int(bloco.size()));
    return ok;
}

bool TDatalogger::EscritaObservada(int comando, const QByteArray &bytes, const std::function<bool()> &troca)
{
    m_recusada = false;
    m_textoRecusa.clear();
    // A port lost refuses every command untouched: nothing to record.
    if (m_perdida)
        return false;
    if (m_observador
        && !m_observador->antesDeEscrever(IObservadorLogger::Escrita(comando), bytes, &m_textoRecusa)) {
        // Nothing was sent: the port and the logger are as they were.
        m_recusada = true;
        TextoStatus(m_textoRecusa, true);
        return false;
    }
    const bool ok = troca();
    if (m_observador)
        m_observador->depoisDeEscrever(IObservadorLogger::Escrita(comando), bytes, ok);
    return ok;
}

void TDatalogger::Lido(int bloco, const quint8 *bytes, int n)
{
    if (m_observador)
        m_observador->lido(
            IObservadorLogger::Leitura(bloco), QByteArray(reinterpret_cast<const char *>(bytes), n));
}

bool TDatalogger::EnviaConfiguracao(const QByteArray &registro)
{
    BytesConfiguracao bloco {};
    return CopiaExata(registro, bloco) && EnviaConfiguracao(bloco);
}

bool TDatalogger::LeConfiguracao(QByteArray &bloco)
{
    return LeEmQByteArray<32>(bloco, [this](BytesConfiguracao &b) { return LeConfiguracao(b); });
}

bool TDatalogger::LePagina(QByteArray &bloco, quint8 pagina)
{
    return LeEmQByteArray<2048>(bloco, [this, pagina](BytesPagina &b) { return LePagina(b, pagina); });
}

bool TDatalogger::LeLeituras(QByteArray &bloco)
{
    return LeEmQByteArray<11>(bloco, [this](BytesLeituras &b) { return LeLeituras(b); });
}

bool TDatalogger::EscreveNaoVolateis(const QByteArray &bloco)
{
    BytesNaoVolateis b {};
    return CopiaExata(bloco, b) && EscreveNaoVolateis(b);
}

bool TDatalogger::LeNaoVolateis(QByteArray &bloco)
{
    return LeEmQByteArray<123>(bloco, [this](BytesNaoVolateis &b) { return LeNaoVolateis(b); });
}

bool TDatalogger::LeCalibracao(QByteArray &bloco)
{
    return LeEmQByteArray<37>(bloco, [this](BytesCalibracao &b) { return LeCalibracao(b); });
}

// ---- Exchanges ----------------------------------------------------------

// Activation: wakes the logger with 08h and expects F0h after the echo.
// Failures are retried silently for 8 s; the cycle that starts after that
// is the last and shows its error.
bool TDatalogger::Ativa()
{
    Espera(10);
    MostraErro = false;
    bool prazoPassou = false;
    const int64_t inicio = m_ambiente.relogio->tickCount();
    for (;;) {
        if (PedidoFecha || m_perdida || m_interrompido) {
            Ocioso = true;
            return false;
        }
        if (m_ambiente.relogio->tickCount() - inicio > PrazoAtivacao) {
            prazoPassou = true;
            MostraErro = true;
        }
        if (m_comm)
            m_comm->setInBufferCount(0);
        EnviaByte(ByteAtivacao);
        Espera(200);
        if (m_interrompido)
            continue;
        const bool eco = VerificaReflexao(ByteAtivacao, 1);
        if (m_perdida)
            continue;
        if (!eco && prazoPassou) {
            SinalFalha();
            return false;
        }
        const quint8 resposta = RecebeByte();
        if (m_perdida)
            continue;
        if (resposta == ByteAck) {
            m_ativou = true;
            Sucesso();
            Ocioso = false;
            return true;
        }
        ErroLink(ErroAtivacao);
        if (prazoPassou) {
            SinalFalha();
            return false;
        }
        TextoStatus(Texto(TextoTentando), false);
        if (HouveErro) {
            Bip();
            Bip();
        }
        Espera(900);
        TextoStatus(Texto(TextoTentando), false);
    }
}

bool TDatalogger::TrocaLeitura(quint8 comando, int espera, quint8 *bloco, int n)
{
    EnviaByte(comando);
    Espera(espera);
    return VerificaReflexao(comando, n + 1) && RecebeBloco(bloco, n) && VerificaChecksum(Soma(bloco, n));
}

// The write commands: the logger echoes every byte and ends with the sum of
// what it received. Only that last byte is looked at.
bool TDatalogger::TrocaEscrita(
    quint8 comando, int esperaComando, const quint8 *dados, int n, int esperaResposta)
{
    EnviaByte(comando);
    Espera(esperaComando);
    EnviaBloco(dados, n);
    if (m_perdida)
        return false;
    Espera(esperaResposta);
    Descarta(BytesEsperando() - 1);
    return VerificaChecksum(Soma(dados, n));
}

// A page reply (2051 bytes) takes about 1.2 s. The wait for it polls the
// port without letting window messages run.
bool TDatalogger::TrocaPagina(quint8 *bloco, quint8 pagina)
{
    constexpr int Pagina = int(std::tuple_size_v<BytesPagina>);
    IRelogio &relogio = *m_ambiente.relogio;
    EnviaByte(CmdLePagina);
    Espera(6);
    EnviaByte(pagina);
    const int64_t enviado = relogio.tickCount();
    while (BytesEsperando() < Pagina + 1 && !m_perdida && relogio.tickCount() - enviado <= PrazoPagina)
        relogio.dorme(2);
    if (m_perdida)
        return false;
    Espera(250);
    relogio.processaMensagens();
    const int esperando = BytesEsperando();
    if (esperando > Pagina + 1)
        Descarta(esperando - (Pagina + 1));
    relogio.processaMensagens();
    return RecebeBloco(bloco, Pagina) && VerificaChecksum(Soma(bloco, Pagina));
}

// ---- Primitives ---------------------------------------------------------

int TDatalogger::BytesEsperando()
{
    if (!m_comm || m_perdida)
        return 0;
    const int n = m_comm->InBufferCount();
    return VerificaPerda() ? 0 : n;
}

void TDatalogger::EnviaByte(quint8 b)
{
    if (!m_comm || m_perdida)
        return;
    m_comm->Output(QByteArray(1, char(b)));
    VerificaPerda();
}

void TDatalogger::EnviaBloco(const quint8 *bloco, int n)
{
    for (int i = 0; i < n && !m_perdida; ++i) {
        EnviaByte(bloco[i]);
        Espera(10);
    }
}

quint8 TDatalogger::RecebeByte()
{
    if (BytesEsperando() == 0)
        return ByteAusente;
    m_comm->setInputLen(1);
    const QByteArray b = m_comm->Input();
    m_comm->setInputLen(0);
    return b.isEmpty() ? ByteAusente : quint8(b[0]);
}

bool TDatalogger::RecebeBloco(quint8 *bloco, int n)
{
    if (BytesEsperando() < n)
        return ErroLink(ErroTimeoutRecepcao);
    m_comm->setInputLen(n);
    const QByteArray dados = m_comm->Input();
    m_comm->setInputLen(0);
    if (dados.size() < n)  // the port gave fewer than it counted
        return ErroLink(ErroTimeoutRecepcao);
    std::memcpy(bloco, dados.constData(), size_t(n));
    return Sucesso();
}

void TDatalogger::Descarta(int n)
{
    if (n <= 0 || !m_comm)
        return;
    m_comm->setInputLen(n);
    m_comm->Input();
    m_comm->setInputLen(0);
}

// n is the number of bytes expected after the echo of the command.
bool TDatalogger::VerificaReflexao(quint8 comando, int n)
{
    const int c = BytesEsperando();
    if (c > n + 1)
        return ErroLink(ErroFlushReflexao);
    if (c == n + 1)
        return RecebeByte() == comando ? true : ErroLink(ErroReflexao);
    if (c == n)
        return true;
    return ErroLink(ErroTimeoutReflexao);
}

bool TDatalogger::VerificaChecksum(quint8 esperado)
{
    const quint8 recebido = RecebeByte();
    if (m_perdida)
        return false;
    if (recebido == esperado)
        return Sucesso();
    if (m_ambiente.mensagens) {
        const QString crlf = QStringLiteral("\r\n");
        m_ambiente.mensagens->aviso(Texto(TextoChecksumEsperado) + QString::number(esperado) + crlf
            + Texto(TextoChecksumRetornado) + QString::number(recebido) + crlf);
    }
    return ErroLink(ErroChecksum);
}

// ---- Status line and beeps ----------------------------------------------

bool TDatalogger::Sucesso()
{
    TextoStatus(QString(), false);
    if (m_status)
        m_status->repinta();
    if (HouveErro)
        SinalRecuperacao();
    HouveErro = false;
    MostraErro = true;
    Ocioso = true;
    return true;
}

// The first sign that the port's device went away ends the exchange: what
// follows (time-outs, echo errors) is only its consequence and is not shown.
bool TDatalogger::VerificaPerda()
{
    if (m_perdida)
        return true;
    if (!m_comm || !m_comm->PortaPerdida())
        return false;
    m_perdida = true;
    m_textoPerda = m_comm->erro();
    if (m_textoPerda.isEmpty())
        m_textoPerda
            = MotivoPorta::perdida(QStringLiteral("COM%1").arg(m_comm->CommPort()), m_ambiente.catalogo);
    m_comm->setPortOpen(false);
    Ocioso = true;
    TextoStatus(m_textoPerda, true);
    SinalFalha();
    if (aoPerderPorta)
        aoPerderPorta();
    return true;
}

bool TDatalogger::ErroLink(int codigo)
{
    HouveErro = true;
    if (MostraErro && !m_perdida)
        TextoStatus(Texto(TextoDoErro(codigo)), true);
    return false;
}

void TDatalogger::SinalFalha()
{
    for (int i = 0; i < 36; ++i) {
        Bip();
        m_ambiente.relogio->dorme(6);
        Bip();
    }
    HouveErro = false;
}

void TDatalogger::SinalRecuperacao()
{
    Bip();
    Bip();
    Espera(150);
    Bip();
    Bip();
}

void TDatalogger::Bip()
{
    if (m_ambiente.sinal)
        m_ambiente.sinal->bip();
}

void TDatalogger::Interrompe()
{
    m_interrompido = true;
}

void TDatalogger::Espera(int ms)
{
    // As ::Espera, but an interruption ends the wait at once.
    IRelogio &relogio = *m_ambiente.relogio;
    const int64_t fim = relogio.tickCount() + ms;
    while (!m_interrompido && relogio.tickCount() < fim) {
        relogio.dorme(2);
        relogio.processaMensagens();
    }
}

void TDatalogger::TextoStatus(const QString &texto, bool vermelho)
{
    if (!m_status)
        return;
    m_status->defineCor(vermelho ? ILinhaStatus::Cor::Vermelho : ILinhaStatus::Cor::Preto);
    m_status->defineTexto(texto);
}

QString TDatalogger::Texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
}

// ---- Communication trace -------------------------------------------------

bool TDatalogger::TracoLigado() const
{
    if (!m_ambiente.configuracoes)
        return true;
    return m_ambiente.configuracoes->le(
               QStringLiteral("COMUNICACAO"), QStringLiteral("DEBUG"), QStringLiteral("TRUE"))
        != QLatin1String("FALSE");
}

QString TDatalogger::LinhaTraco(int numero, quint8 byte)
{
    return QString::asprintf("Byte %.2d:      %.2X     -     %.3d", numero, unsigned(byte), int(byte));
}

void TDatalogger::MostraTracoConfiguracao(const quint8 *dados, int n)
{
    if (!m_ambiente.mensagens || !TracoLigado())
        return;
    QString texto = Texto(TextoConfiguracao) + QStringLiteral("\r\n\n");
    for (int i = 0; i < n; ++i)
        texto += LinhaTraco(i + 1, dados[i]) + QStringLiteral("\r\n");
    m_ambiente.mensagens->listagem(texto);
}

bool TDatalogger::GravaTracoDebug(const quint8 *bytes, int n, const QString &pasta) const
{
    if (!TracoLigado())
        return false;
    const QDir dir(pasta.isEmpty() ? QDir::currentPath() : pasta);
    QFile arquivo(dir.filePath(QStringLiteral("DEBUG.TXT")));
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QString texto;
    for (int i = 0; i < n; ++i)
        texto += LinhaTraco(i + 1, bytes[i]) + QStringLiteral("\r\n\r\n");
    const QByteArray dados = Windows1252::codifica(texto);
    return arquivo.write(dados) == dados.size();
}
