#include "TarvekSimulado.h"

#include "GeradorAquisicoes.h"
#include "RotinasSensor.h"

#include <algorithm>

namespace {

uint8_t soma(const QByteArray &bloco)
{
    uint8_t s = 0;
    for (char c : bloco)
        s = uint8_t(s + uint8_t(c));
    return s;
}

void gravaBE16(QByteArray &bloco, int pos, int valor)
{
    bloco[pos] = char((valor >> 8) & 0xFF);
    bloco[pos + 1] = char(valor & 0xFF);
}

void gravaBE24(QByteArray &bloco, int pos, int valor)
{
    bloco[pos] = char((valor >> 16) & 0xFF);
    gravaBE16(bloco, pos + 1, valor & 0xFFFF);
}

QByteArray ajusta(const QByteArray &bloco, int tamanho)
{
    QByteArray r = bloco.left(tamanho);
    if (r.size() < tamanho)
        r.append(QByteArray(tamanho - r.size(), '\0'));
    return r;
}

bool temChecksum(int comando)
{
    return comando != TarvekSimulado::Ativacao && comando != TarvekSimulado::CmdFimAquisicoes;
}

bool ehComando(uint8_t b)
{
    return b <= TarvekSimulado::CmdFimAquisicoes || b == TarvekSimulado::CmdLeCalibracao;
}

}  // namespace

TarvekSimulado::TarvekSimulado()
    : m_configuracao(TamanhoConfiguracao, '\0')
    , m_calibracao(TamanhoCalibracao, '\0')
    , m_naoVolatil(TamanhoNaoVolatil, ' ')
    , m_leituras(TamanhoLeituras, '\0')
    , m_memoria(MemoriaMaxima, char(0xFF))
    , m_relogioBase(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC)
{
}

void TarvekSimulado::defineConfiguracao(const QByteArray &bloco)
{
    m_configuracao = ajusta(bloco, TamanhoConfiguracao);
}

void TarvekSimulado::defineCalibracao(const QByteArray &bloco)
{
    m_calibracao = ajusta(bloco, TamanhoCalibracao);
}

void TarvekSimulado::defineNaoVolatil(const QByteArray &bloco)
{
    m_naoVolatil = ajusta(bloco, TamanhoNaoVolatil);
}

void TarvekSimulado::defineLeituras(const QByteArray &bloco)
{
    m_leituras = ajusta(bloco, TamanhoLeituras);
}

void TarvekSimulado::defineGeradorLeituras(std::function<QByteArray(const QDateTime &)> gerador)
{
    m_geradorLeituras = std::move(gerador);
}

void TarvekSimulado::defineMemoria(const QByteArray &imagem)
{
    m_memoria = imagem.left(MemoriaMaxima);
}

void TarvekSimulado::defineRelogio(const QDateTime &relogio, int64_t instanteMs)
{
    // Re-basing the clock must not disturb the time since the latest
    // acquisition, which counts from the same origin.
    m_desdeUltimaBase = desdeUltimaBruto(instanteMs);
    // The logger's clock knows no time zone or summer time: it is kept as
    // a plain date and time that runs evenly.
    m_relogioBase = QDateTime(relogio.date(), relogio.time(), Qt::UTC);
    m_instanteBaseMs = instanteMs;
}

QDateTime TarvekSimulado::relogio(int64_t instanteMs) const
{
    return m_relogioBase.addMSecs(instanteMs - m_instanteBaseMs);
}

int64_t TarvekSimulado::desdeUltimaBruto(int64_t instanteMs) const
{
    return m_desdeUltimaBase + std::max<int64_t>(0, instanteMs - m_instanteBaseMs) / 500;
}

int TarvekSimulado::desdeUltima(int64_t instanteMs) const
{
    return int(std::clamp<int64_t>(desdeUltimaBruto(instanteMs), 0, 0xFFFFFF));
}

void TarvekSimulado::defineAquisicaoContinua(GeradorContagens gerador, int primeira, int juncaoFria)
{
    m_gerador = std::move(gerador);
    m_proximaAquisicao = primeira;
    m_juncaoFria = juncaoFria;
}

void TarvekSimulado::acompanha(int64_t instanteMs)
{
    const int s1 = uint8_t(m_configuracao[0]);
    const int s2 = uint8_t(m_configuracao[1]);
    if (!m_gerador || m_encerradas || (s1 < 128 && s2 < 128))
        return;
    const int intervalo
        = (uint8_t(m_configuracao[2]) << 16) | (uint8_t(m_configuracao[3]) << 8) | uint8_t(m_configuracao[4]);
    const int64_t periodo = int64_t(intervalo + 1) * std::max(1, int(uint8_t(m_configuracao[16])));
    // A long pause makes at most one memory's worth again.
    int64_t devidas = std::min<int64_t>(desdeUltimaBruto(instanteMs) / periodo, MemoriaMaxima);
    for (; devidas > 0; --devidas) {
        if (!gravaAquisicao())
            return;
        m_desdeUltimaBase -= periodo;
    }
}

bool TarvekSimulado::gravaAquisicao()
{
    const int s1 = uint8_t(m_configuracao[0]);
    const int s2 = uint8_t(m_configuracao[1]);
    const int a = TamanhoAquisicao(s1, s2);
    const int area = int(m_memoria.size()) - InicioAreaAquisicoes;
    const int capacidade = area > 0 ? area / a : 0;
    const int parada = (uint8_t(m_configuracao[8]) << 8) | uint8_t(m_configuracao[9]);
    int efetuadas = (uint8_t(m_configuracao[23]) << 8) | uint8_t(m_configuracao[24]);
    int inicio = (uint8_t(m_configuracao[25]) << 8) | uint8_t(m_configuracao[26]);
    const bool circular = (parada & 0x8000) != 0;
    if (capacidade == 0 || (!circular && (efetuadas >= parada || efetuadas >= capacidade)))
        return false;
    const std::array<int, 2> c = m_gerador(m_proximaAquisicao++);
    const QByteArray bytes = GeradorAquisicoes::empacota(s1, s2, c[0], c[1], m_juncaoFria);
    const int posicao = int((inicio + int64_t(std::min(efetuadas, capacidade)) * a) % area);
    for (int i = 0; i < bytes.size(); ++i)
        m_memoria[InicioAreaAquisicoes + (posicao + i) % area] = bytes[i];
    // Full and circular: the oldest is gone, the next one is now the oldest.
    if (efetuadas >= capacidade)
        inicio = (inicio + a) % area;
    else
        ++efetuadas;
    gravaBE16(m_configuracao, 23, efetuadas);
    gravaBE16(m_configuracao, 25, inicio);
    return true;
}

QByteArray TarvekSimulado::configuracaoEm(int64_t instanteMs) const
{
    QByteArray bloco = m_configuracao;
    const QDateTime agora = relogio(instanteMs);
    bloco[10] = char((agora.date().year() - 1998) & 0xFF);
    bloco[11] = char(agora.date().month());
    bloco[12] = char(agora.date().day());
    bloco[13] = char(agora.time().hour());
    bloco[14] = char(agora.time().minute());
    bloco[15] = char(agora.time().second());
    gravaBE16(bloco, 21, m_memoriaDeclarada > 0 ? m_memoriaDeclarada : int(m_memoria.size()));
    gravaBE24(bloco, 27, desdeUltima(instanteMs));
    return bloco;
}

void TarvekSimulado::recebe(const QByteArray &bytes, int64_t instanteMs)
{
    for (char c : bytes) {
        int64_t chegadaUs = instanteMs * 1000;
        if (m_ritmado) {
            chegadaUs = std::max(chegadaUs, m_entradaLivreUs) + MicrossegundosPorByte;
            m_entradaLivreUs = chegadaUs;
        }
        recebeByte(uint8_t(c), chegadaUs);
    }
}

QByteArray TarvekSimulado::transmite(int64_t instanteMs)
{
    QByteArray saida;
    const int64_t limiteUs = instanteMs * 1000;
    while (!m_saida.empty() && m_saida.front().instanteUs <= limiteUs) {
        saida.append(char(m_saida.front().byte));
        m_saida.pop_front();
    }
    return saida;
}

int64_t TarvekSimulado::proximaTransmissao() const
{
    if (m_saida.empty())
        return -1;
    return (m_saida.front().instanteUs + 999) / 1000;
}

void TarvekSimulado::recebeByte(uint8_t byte, int64_t instanteUs)
{
    acompanha(instanteUs / 1000);
    const int64_t silencioMs = (instanteUs - m_ultimoByteUs) / 1000;
    m_ultimoByteUs = instanteUs;
    switch (m_estado) {
    case Estado::Mudo:
        if (silencioMs < FimSilencioMs)
            return;
        m_estado = Estado::Dormindo;
        break;
    case Estado::Ativo:
        if (silencioMs > DuracaoAtivacaoMs)
            m_estado = Estado::Dormindo;
        break;
    case Estado::EsperandoPagina:
    case Estado::RecebendoDados:
        if (silencioMs > LimiteSilencioMs)
            m_estado = Estado::Dormindo;
        break;
    case Estado::Dormindo:
        break;
    }

    switch (m_estado) {
    case Estado::Dormindo:
    case Estado::Ativo:
        if (byte == Ativacao || (m_estado == Estado::Ativo && ehComando(byte))) {
            iniciaTroca(byte, instanteUs);
        } else {
            ecoa(byte, instanteUs, false);
            m_estado = Estado::Dormindo;
        }
        break;
    case Estado::EsperandoPagina:
        atendePagina(byte, instanteUs);
        break;
    case Estado::RecebendoDados:
        ecoa(byte, instanteUs, false);
        m_dados.append(char(byte));
        if (m_dados.size() == m_dadosEsperados)
            completaEscrita(instanteUs);
        break;
    case Estado::Mudo:
        break;
    }
}

void TarvekSimulado::iniciaTroca(uint8_t byte, int64_t instanteUs)
{
    m_troca = Troca();
    m_comando = byte;
    if (byte != Ativacao)
        m_comandosRecebidos.append({ byte, -1 });
    if (aplicaFalhas(byte, FalhaSimulada::QualquerPagina)) {
        m_estado = Estado::Mudo;
        return;
    }
    ecoa(byte, instanteUs, true);
    if (byte == Ativacao) {
        m_estado = Estado::Ativo;
        respondeAck(instanteUs);
        return;
    }
    atendeComando(byte, instanteUs);
}

// Plays the faults that target the exchange (for a page read, once its
// page is known) into m_troca; true when the exchange is to be ignored.
bool TarvekSimulado::aplicaFalhas(uint8_t byte, int paginaPedida)
{
    bool silencio = false;
    for (FalhaSimulada &f : m_falhas) {
        if (!f.atinge(byte, paginaPedida))
            continue;
        using T = FalhaSimulada::Tipo;
        if (f.tipo == T::ChecksumErrado && !temChecksum(byte))
            continue;
        if (f.tipo == T::AckErrado && temChecksum(byte))
            continue;
        if (f.vezes > 0)
            --f.vezes;
        switch (f.tipo) {
        case T::Silencio:
            silencio = true;
            break;
        case T::EcoPerdido:
            m_troca.ecoPerdido = true;
            break;
        case T::EcoErrado:
            m_troca.ecoErrado = true;
            break;
        case T::ChecksumErrado:
            m_troca.checksumErrado = true;
            break;
        case T::AckErrado:
            m_troca.ackErrado = true;
            break;
        case T::BytesExcedentes:
            m_troca.excedentes += f.excedentes;
            break;
        case T::RespostaLenta:
            m_troca.atrasoMs += f.atrasoMs;
            break;
        }
    }
    return silencio;
}

// The page byte of a page read: the faults aimed at that page are played
// now, their echo faults on the page byte's echo.
void TarvekSimulado::atendePagina(uint8_t numero, int64_t instanteUs)
{
    m_estado = Estado::Dormindo;
    if (!m_comandosRecebidos.isEmpty())
        m_comandosRecebidos.last().pagina = numero;
    m_troca.ecoPerdido = false;
    m_troca.ecoErrado = false;
    if (aplicaFalhas(CmdLePagina, numero)) {
        m_estado = Estado::Mudo;
        return;
    }
    ecoa(numero, instanteUs, true);
    respondeBloco(pagina(numero), instanteUs);
}

void TarvekSimulado::atendeComando(uint8_t comando, int64_t instanteUs)
{
    m_estado = Estado::Dormindo;
    const int64_t instanteMs = instanteUs / 1000;
    switch (comando) {
    case CmdEnviaConfiguracao:
    case CmdEscreveNaoVolateis:
        m_estado = Estado::RecebendoDados;
        m_dados.clear();
        m_dadosEsperados = comando == CmdEnviaConfiguracao ? TamanhoConfiguracaoEscrita : TamanhoNaoVolatil;
        break;
    case CmdLeConfiguracao:
        respondeBloco(configuracaoEm(instanteMs), instanteUs);
        break;
    case CmdLePagina:
        m_estado = Estado::EsperandoPagina;
        break;
    case CmdLeLeituras:
        respondeBloco(
            m_geradorLeituras ? ajusta(m_geradorLeituras(relogio(instanteMs)), TamanhoLeituras) : m_leituras,
            instanteUs);
        break;
    case CmdLeNaoVolateis:
        respondeBloco(m_naoVolatil, instanteUs);
        break;
    case CmdFimAquisicoes:
        m_encerradas = true;
        respondeAck(instanteUs);
        break;
    case CmdLeCalibracao:
        respondeBloco(m_calibracao, instanteUs);
        break;
    default:
        break;
    }
}

void TarvekSimulado::completaEscrita(int64_t instanteUs)
{
    m_estado = Estado::Dormindo;
    const int64_t instanteMs = instanteUs / 1000;
    if (m_comando == CmdEnviaConfiguracao) {
        m_configuracao.replace(0, TamanhoConfiguracaoEscrita, m_dados);
        const QDate data { 1998 + uint8_t(m_dados[10]), uint8_t(m_dados[11]), uint8_t(m_dados[12]) };
        const QTime hora { uint8_t(m_dados[13]), uint8_t(m_dados[14]), uint8_t(m_dados[15]) };
        if (data.isValid() && hora.isValid())
            defineRelogio(QDateTime(data, hora), instanteMs);
        // A new configuration starts a new acquisition: the memory counts
        // begin again and the logger is running.
        gravaBE16(m_configuracao, 23, 0);
        gravaBE16(m_configuracao, 25, 0);
        // The first acquisition comes one period after the start, and the
        // start waits for the delay (stored as seconds x 2 + 1).
        const int atraso = (uint8_t(m_dados[5]) << 16) | (uint8_t(m_dados[6]) << 8) | uint8_t(m_dados[7]);
        m_desdeUltimaBase = atraso > 0 ? -(atraso - 1) : 0;
        m_instanteBaseMs = instanteMs;
        m_encerradas = false;
        ++m_configuracoesRecebidas;
    } else {
        m_naoVolatil = m_dados;
        ++m_naoVolateisRecebidos;
    }
    uint8_t cs = soma(m_dados);
    if (m_troca.checksumErrado)
        cs = uint8_t(cs + 1);
    responde(QByteArray(1, char(cs)), instanteUs);
}

void TarvekSimulado::respondeBloco(const QByteArray &bloco, int64_t instanteUs)
{
    uint8_t cs = soma(bloco);
    if (m_troca.checksumErrado)
        cs = uint8_t(cs + 1);
    responde(bloco + char(cs), instanteUs);
}

void TarvekSimulado::respondeAck(int64_t instanteUs)
{
    responde(QByteArray(1, char(m_troca.ackErrado ? 0x0F : Ack)), instanteUs);
}

void TarvekSimulado::responde(const QByteArray &resposta, int64_t instanteUs)
{
    const int64_t prontoUs = instanteUs + int64_t(m_latenciaMs + m_troca.atrasoMs) * 1000;
    for (char c : resposta)
        agenda(uint8_t(c), prontoUs);
    for (int i = 0; i < m_troca.excedentes; ++i)
        agenda(0x55, prontoUs);
}

void TarvekSimulado::ecoa(uint8_t byte, int64_t instanteUs, bool inicioDeTroca)
{
    if (inicioDeTroca && m_troca.ecoPerdido)
        return;
    agenda(inicioDeTroca && m_troca.ecoErrado ? uint8_t(byte ^ 0x5A) : byte, instanteUs);
}

void TarvekSimulado::agenda(uint8_t byte, int64_t prontoUs)
{
    // One line: bytes leave in order, each after the one before it.
    int64_t instanteUs = std::max(prontoUs, m_saidaLivreUs);
    if (m_ritmado)
        instanteUs += MicrossegundosPorByte;
    m_saidaLivreUs = instanteUs;
    m_saida.push_back({ instanteUs, byte });
}

QByteArray TarvekSimulado::pagina(int numero) const
{
    const int inicio = numero * TamanhoPagina;
    QByteArray p = m_memoria.mid(inicio, TamanhoPagina);
    if (p.size() < TamanhoPagina)
        p.append(QByteArray(TamanhoPagina - p.size(), char(0xFF)));
    return p;
}
