#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QQueue>

#include <cstdint>

class PortaRoteirizada;

// The logger's side of the line for link tests, on a PortaRoteirizada.
// It echoes every byte, gathers each request (the command byte and its
// parameter bytes: 21 after 00h, 1 after 02h, 123 after 04h) and then
// answers after a delay: the next programmed reply of that command when
// there is one, otherwise the regular reply (F0h to 08h and 06h, the block
// and its checksum to a read, the checksum of the data to a write).
class TarvekRoteirizado
{
public:
    enum class Estado {
        Ligado,
        Desligado,  // nothing comes back
        Laco,  // send and receive looped: echoes only
    };

    struct Resposta
    {
        QByteArray bytes;  // sent after the echoes
        int atraso = -1;  // ms after the request; -1: the logger's own
        double msPorByte = -1;  // -1: the logger's own
    };

    explicit TarvekRoteirizado(PortaRoteirizada &porta);

    Estado estado = Estado::Ligado;
    bool eco = true;
    int atrasoResposta = 20;  // ms from the request's last byte to the reply
    double msPorByte = 0;  // spacing of the reply's bytes

    // Data of the read commands' regular replies (zeros when not given;
    // for 02h the page number selects QHash blocosPagina, or a pattern).
    QHash<int, QByteArray> blocos;
    QHash<int, QByteArray> blocosPagina;
    // Replies to use before the regular ones, per command (08h included).
    QHash<int, QQueue<Resposta>> roteiro;
    // Every complete request received, in order.
    QList<QByteArray> requisicoes;

    void programa(quint8 comando, const Resposta &resposta) { roteiro[comando].enqueue(resposta); }
    int vezes(quint8 comando) const;
    // The regular data block of a read command.
    QByteArray bloco(quint8 comando, quint8 pagina = 0) const;
    static int tamanhoBloco(quint8 comando);
    static QByteArray comChecksum(const QByteArray &bloco);
    static QByteArray padraoPagina(quint8 pagina);

private:
    void recebe(quint8 byte, int64_t instante);
    void responde(const QByteArray &requisicao, int64_t instante);
    QByteArray respostaRegular(const QByteArray &requisicao) const;

    PortaRoteirizada &m_porta;
    QByteArray m_requisicao;
    int m_faltam = 0;
};
