#pragma once

#include "FalhaSimulada.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>

// The Tarvek as the serial line sees it: it echoes every byte it receives,
// wakes on 08h with F0h, answers the nine commands with their blocks and
// checksums, keeps its clock running and stores what it is sent.
//
// The model has no clock of its own: every byte comes in with the instant
// (in milliseconds of the caller's clock) at which it was written, and the
// caller collects the bytes that the line has delivered by a given instant.
// Under a virtual clock a whole exchange therefore takes no real time.
class TarvekSimulado
{
public:
    static constexpr uint8_t Ativacao = 0x08;
    static constexpr uint8_t Ack = 0xF0;
    static constexpr uint8_t CmdEnviaConfiguracao = 0x00;
    static constexpr uint8_t CmdLeConfiguracao = 0x01;
    static constexpr uint8_t CmdLePagina = 0x02;
    static constexpr uint8_t CmdLeLeituras = 0x03;
    static constexpr uint8_t CmdEscreveNaoVolateis = 0x04;
    static constexpr uint8_t CmdLeNaoVolateis = 0x05;
    static constexpr uint8_t CmdFimAquisicoes = 0x06;
    static constexpr uint8_t CmdLeCalibracao = 0x65;

    static constexpr int TamanhoConfiguracao = 32;
    static constexpr int TamanhoConfiguracaoEscrita = 21;
    static constexpr int TamanhoCalibracao = 37;
    static constexpr int TamanhoNaoVolatil = 123;
    static constexpr int TamanhoLeituras = 11;
    static constexpr int TamanhoPagina = 2048;
    static constexpr int MemoriaMaxima = 32768;
    static constexpr int InicioAreaAquisicoes = 162;

    // One byte at 19200 baud, 8 data bits, even parity, 1 stop bit: 11 bits.
    static constexpr int64_t MicrossegundosPorByte = 573;
    // A partly received request is dropped after this much silence.
    static constexpr int64_t LimiteSilencioMs = 500;
    // An activation holds this long without a command.
    static constexpr int64_t DuracaoAtivacaoMs = 2000;
    // A silenced exchange lasts until the line is quiet this long.
    static constexpr int64_t FimSilencioMs = 150;

    TarvekSimulado();

    // The blocks as the logger holds them. The clock (configuration bytes
    // 10 to 15), the memory size (21 to 22) and the time since the latest
    // acquisition (27 to 29) are filled in when the block is sent.
    QByteArray configuracao() const { return m_configuracao; }
    void defineConfiguracao(const QByteArray &bloco);
    QByteArray calibracao() const { return m_calibracao; }
    void defineCalibracao(const QByteArray &bloco);
    QByteArray naoVolatil() const { return m_naoVolatil; }
    void defineNaoVolatil(const QByteArray &bloco);
    QByteArray leituras() const { return m_leituras; }
    void defineLeituras(const QByteArray &bloco);
    // Optional: current readings that follow the logger's clock.
    void defineGeradorLeituras(std::function<QByteArray(const QDateTime &)> gerador);

    // The memory: up to 32768 bytes, served in pages of 2048 (addresses
    // beyond the memory read as FFh).
    QByteArray memoria() const { return m_memoria; }
    void defineMemoria(const QByteArray &imagem);
    int tamanhoMemoria() const { return m_memoria.size(); }
    // The size the configuration block reports (bytes 21 to 22); 0 or
    // less: the size of the memory.
    void defineMemoriaDeclarada(int bytes) { m_memoriaDeclarada = bytes; }

    // The logger's clock reads `relogio` at `instanteMs` and runs from there;
    // the time since the latest acquisition likewise (in half seconds).
    void defineRelogio(const QDateTime &relogio, int64_t instanteMs);
    void defineDesdeUltima(int meiosSegundos) { m_desdeUltimaBase = meiosSegundos; }
    // Makes the acquisitions that are due by then (done on every byte
    // received; tests may call it to look at the memory).
    void acompanha(int64_t instanteMs);
    QDateTime relogio(int64_t instanteMs) const;
    int desdeUltima(int64_t instanteMs) const;
    // The configuration block as it would be sent at that instant.
    QByteArray configuracaoEm(int64_t instanteMs) const;

    // Optional: while it runs the logger goes on acquiring. Every interval
    // times the readings per acquisition it stores the raw counts that the
    // generator gives for acquisition k (counted on from `primeira`; -1
    // stores FF FF), packed for its current sensors, after the ones it
    // holds. A circular memory then overwrites the oldest; otherwise it
    // stops when the memory is full or the stop count is reached. A new
    // configuration starts again from an empty memory after its delay.
    using GeradorContagens = std::function<std::array<int, 2>(int k)>;
    void defineAquisicaoContinua(GeradorContagens gerador, int primeira, int juncaoFria);

    bool aquisicoesEncerradas() const { return m_encerradas; }
    void defineAquisicoesEncerradas(bool encerradas) { m_encerradas = encerradas; }
    int configuracoesRecebidas() const { return m_configuracoesRecebidas; }
    int naoVolateisRecebidos() const { return m_naoVolateisRecebidos; }

    // The commands the logger took, in order (the activations are not
    // listed): the command byte and, for a page read, the page asked for
    // (-1 until its byte comes).
    struct ComandoRecebido
    {
        int comando = 0;
        int pagina = -1;
        bool operator==(const ComandoRecebido &) const = default;
    };
    const QList<ComandoRecebido> &comandosRecebidos() const { return m_comandosRecebidos; }
    void limpaComandosRecebidos() { m_comandosRecebidos.clear(); }

    // Line behaviour.
    void defineCadencia(bool ritmado) { m_ritmado = ritmado; }  // 19200 baud pacing
    void defineLatencia(int ms) { m_latenciaMs = ms; }  // before each reply
    void injetaFalha(const FalhaSimulada &falha) { m_falhas.append(falha); }
    void limpaFalhas() { m_falhas.clear(); }
    const QList<FalhaSimulada> &falhas() const { return m_falhas; }

    // The line. `recebe` takes bytes written at `instanteMs`; `transmite`
    // hands over every byte the logger has put on the line by `instanteMs`.
    void recebe(const QByteArray &bytes, int64_t instanteMs);
    QByteArray transmite(int64_t instanteMs);
    // When the next byte will be on the line (in ms, rounded up); -1 if none.
    int64_t proximaTransmissao() const;
    // Bytes scheduled but not yet taken.
    int pendentes() const { return int(m_saida.size()); }

private:
    enum class Estado { Dormindo, Ativo, EsperandoPagina, RecebendoDados, Mudo };
    struct ByteAgendado
    {
        int64_t instanteUs;
        uint8_t byte;
    };
    struct Troca  // the faults of the exchange in progress
    {
        bool ecoPerdido = false;
        bool ecoErrado = false;
        bool checksumErrado = false;
        bool ackErrado = false;
        int excedentes = 0;
        int atrasoMs = 0;
    };

    void recebeByte(uint8_t byte, int64_t instanteUs);
    void iniciaTroca(uint8_t byte, int64_t instanteUs);
    bool aplicaFalhas(uint8_t byte, int paginaPedida);
    void atendePagina(uint8_t numero, int64_t instanteUs);
    void atendeComando(uint8_t comando, int64_t instanteUs);
    void completaEscrita(int64_t instanteUs);
    void responde(const QByteArray &resposta, int64_t instanteUs);
    void respondeBloco(const QByteArray &bloco, int64_t instanteUs);
    void respondeAck(int64_t instanteUs);
    void agenda(uint8_t byte, int64_t prontoUs);
    void ecoa(uint8_t byte, int64_t instanteUs, bool inicioDeTroca);
    QByteArray pagina(int numero) const;
    int64_t desdeUltimaBruto(int64_t instanteMs) const;
    bool gravaAquisicao();

    QByteArray m_configuracao;
    QByteArray m_calibracao;
    QByteArray m_naoVolatil;
    QByteArray m_leituras;
    QByteArray m_memoria;
    int m_memoriaDeclarada = 0;
    std::function<QByteArray(const QDateTime &)> m_geradorLeituras;

    QDateTime m_relogioBase;
    int64_t m_instanteBaseMs = 0;
    int64_t m_desdeUltimaBase = 0;  // negative while a start delay runs
    GeradorContagens m_gerador;
    int m_proximaAquisicao = 0;
    int m_juncaoFria = 0;
    bool m_encerradas = false;
    int m_configuracoesRecebidas = 0;
    int m_naoVolateisRecebidos = 0;

    bool m_ritmado = false;
    int m_latenciaMs = 0;
    QList<FalhaSimulada> m_falhas;
    QList<ComandoRecebido> m_comandosRecebidos;

    Estado m_estado = Estado::Dormindo;
    uint8_t m_comando = 0;
    QByteArray m_dados;
    int m_dadosEsperados = 0;
    Troca m_troca;
    int64_t m_ultimoByteUs = 0;
    int64_t m_entradaLivreUs = 0;
    int64_t m_saidaLivreUs = 0;
    std::deque<ByteAgendado> m_saida;
};
