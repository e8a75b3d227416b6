#pragma once

#include "Ambiente.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <functional>

class ILinhaStatus;
class IObservadorLogger;
class TMSComm;

// The logger link: the one object through which the program talks to the
// Tarvek. Every command wakes the logger (activation), exchanges its bytes
// with polled reads bounded by time-outs, checks the echo and the checksum,
// makes up to three attempts and returns true or false. Progress and errors
// go to the status line (black and red texts) and to beeps; the checksum
// mismatch also shows a warning box.
//
// Blocks are fixed-size byte arrays owned by the caller (std::array, so the
// size is checked when compiling). A read command fills its block only as
// far as the reply went; on false its content is undefined. Overloads take
// QByteArray, as the block decoders of device/ do: a read resizes the array
// to the block's size; a write needs exactly the block's size (32 bytes for
// the configuration record) and refuses any other without touching the port.
//
// While a command waits it lets the application process its window
// messages, so a window event may run nested inside it. Such an event may
// change the port (FechaComunicacao, then AbreComunicacao), but it may not
// start a second command: the link refuses it (false at once, the port, the
// status line and the beeper untouched). EmUso() tells whether a command is
// running and aoMudarUso is called when that changes, so that the windows
// can disable their device commands meanwhile.
class TDatalogger
{
public:
    using BytesConfiguracao = std::array<quint8, 32>;  // 21 of them are sent
    using BytesPagina = std::array<quint8, 2048>;
    using BytesLeituras = std::array<quint8, 11>;
    using BytesNaoVolateis = std::array<quint8, 123>;
    using BytesCalibracao = std::array<quint8, 37>;

    static constexpr int BytesConfiguracaoEnviados = 21;

    // Error codes of the status line (texts 259 to 265 of the catalogue).
    enum Erro {
        ErroAtivacao = 1000,
        ErroChecksum = 1002,
        ErroTimeoutRecepcao = 1004,
        ErroTimeoutReflexao = 1005,
        ErroReflexao = 1006,
        ErroFlushReflexao = 1007,
        ErroAck = 1008,
    };

    static constexpr quint8 ByteAtivacao = 0x08;
    static constexpr quint8 ByteAck = 0xF0;
    // What RecebeByte gives when nothing is waiting.
    static constexpr quint8 ByteAusente = 199;

    // The environment is copied (it is a set of pointers): the clock, the
    // beeper, the message boxes, the settings file and the catalogue must
    // outlive the link.
    explicit TDatalogger(const Ambiente &ambiente);

    bool MostraErro = true;  // error texts reach the status line
    bool HouveErro = false;  // an error since the last success
    bool PedidoFecha = true;  // a close was asked; activations give up
    bool Ocioso = true;  // no exchange in progress

    // Binds the link to the port and the status line (neither is owned) and
    // opens the port. On failure shows "Não foi possível abrir porta." with
    // the port's reason after it (in the warning and, red, in the status
    // line) and returns false.
    bool AbreComunicacao(int porta, TMSComm *comm, ILinhaStatus *status);
    // Asks any pending exchange to stop and closes the port: at once when
    // the link is idle, after up to 3.5 s of waiting otherwise.
    void FechaComunicacao();

    // The commands. Each returns true when the whole exchange succeeded.
    bool EnviaConfiguracao(const BytesConfiguracao &registro);  // 00h
    bool LeConfiguracao(BytesConfiguracao &bloco);  // 01h
    bool LePagina(BytesPagina &bloco, quint8 pagina);  // 02h
    bool LeLeituras(BytesLeituras &bloco);  // 03h
    bool EscreveNaoVolateis(const BytesNaoVolateis &bloco);  // 04h
    bool LeNaoVolateis(BytesNaoVolateis &bloco);  // 05h
    bool FimAquisicoes();  // 06h
    bool LeCalibracao(BytesCalibracao &bloco);  // 65h

    bool EnviaConfiguracao(const QByteArray &registro);
    bool LeConfiguracao(QByteArray &bloco);
    bool LePagina(QByteArray &bloco, quint8 pagina);
    bool LeLeituras(QByteArray &bloco);
    bool EscreveNaoVolateis(const QByteArray &bloco);
    bool LeNaoVolateis(QByteArray &bloco);
    bool LeCalibracao(QByteArray &bloco);

    template <std::size_t N> static QByteArray ComoQByteArray(const std::array<quint8, N> &bloco)
    {
        return QByteArray(reinterpret_cast<const char *>(bloco.data()), qsizetype(N));
    }

    // A port whose device went away during an exchange (unplugged): the
    // exchange ends at once, without its retries, the status line shows the
    // port's words for it (red), the port is closed and aoPerderPorta is
    // called. Commands then fail at once, untouched, until the port is opened
    // again. Whoever started the command shows TextoPerda() as it sees fit.
    bool PortaPerdida() const { return m_perdida; }

    // Gives up the command in progress at its next wait, as a user's cancel
    // asks: it fails at once, without its retries, its error or the failure
    // signal, and so do later commands until the port is opened again.
    void Interrompe();
    bool Interrompido() const { return m_interrompido; }
    // Whether a logger has answered an activation since the port opened:
    // false after a failed command means nothing answered on the device.
    bool Ativou() const { return m_ativou; }
    QString TextoPerda() const { return m_textoPerda; }
    std::function<void()> aoPerderPorta;

    // Who keeps the record of the exchanges (not owned; none by default).
    // A write it refuses fails at once, nothing sent: EscritaRecusada() is
    // then true until the next command, and TextoRecusa() says why.
    void defineObservador(IObservadorLogger *observador) { m_observador = observador; }
    bool EscritaRecusada() const { return m_recusada; }
    QString TextoRecusa() const { return m_textoRecusa; }

    // True while a command runs (including the waits in which window
    // messages are processed).
    bool EmUso() const { return m_emUso; }
    // Called with true when a command starts and false when it ends.
    std::function<void(bool emUso)> aoMudarUso;

    // The communication trace. It is on unless the key DEBUG of section
    // COMUNICACAO is exactly "FALSE"; the key is read every time.
    bool TracoLigado() const;
    // One line of a trace (without line end): "Byte 01:      0A     -     010".
    static QString LinhaTraco(int numero, quint8 byte);
    // Writes the bytes to "DEBUG.TXT" in the folder (the current directory
    // when empty), replacing the file: one entry per byte, each followed by
    // an empty line, Windows-1252 with CR LF. Does nothing when the trace is
    // off. True when the file was written.
    bool GravaTracoDebug(const quint8 *bytes, int n, const QString &pasta = QString()) const;
    template <std::size_t N>
    bool GravaTracoDebug(const std::array<quint8, N> &bloco, const QString &pasta = QString()) const
    {
        return GravaTracoDebug(bloco.data(), int(N), pasta);
    }

private:
    class Uso;

    // A write through the observer: refused, or run and told.
    bool EscritaObservada(int comando, const QByteArray &bytes, const std::function<bool()> &troca);
    void Lido(int bloco, const quint8 *bytes, int n);

    // Primitives on the port.
    void EnviaByte(quint8 b);
    void EnviaBloco(const quint8 *bloco, int n);
    quint8 RecebeByte();
    bool RecebeBloco(quint8 *bloco, int n);
    void Descarta(int n);
    bool VerificaReflexao(quint8 comando, int n);
    bool VerificaChecksum(quint8 esperado);
    int BytesEsperando();

    bool VerificaPerda();
    bool Sucesso();
    bool ErroLink(int codigo);
    void SinalFalha();
    void SinalRecuperacao();
    void Bip();
    void Espera(int ms);
    void TextoStatus(const QString &texto, bool vermelho);
    QString Texto(int numero) const;

    bool Ativa();
    // Runs an exchange with the activation and up to three attempts.
    bool Comando(const std::function<bool()> &troca);
    bool TrocaLeitura(quint8 comando, int espera, quint8 *bloco, int n);
    bool TrocaEscrita(quint8 comando, int esperaComando, const quint8 *dados, int n, int esperaResposta);
    bool TrocaPagina(quint8 *bloco, quint8 pagina);
    void MostraTracoConfiguracao(const quint8 *dados, int n);

    Ambiente m_ambiente;
    TMSComm *m_comm = nullptr;
    ILinhaStatus *m_status = nullptr;
    bool m_emUso = false;
    bool m_perdida = false;
    bool m_interrompido = false;
    bool m_ativou = false;
    IObservadorLogger *m_observador = nullptr;
    bool m_recusada = false;
    QString m_textoRecusa;
    QString m_textoPerda;
};
