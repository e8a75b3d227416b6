#include "TarvekRoteirizado.h"

#include "PortaRoteirizada.h"

namespace {

int parametrosDe(quint8 comando)
{
    switch (comando) {
    case 0x00:
        return 21;
    case 0x02:
        return 1;
    case 0x04:
        return 123;
    default:
        return 0;
    }
}

}  // namespace

TarvekRoteirizado::TarvekRoteirizado(PortaRoteirizada &porta)
    : m_porta(porta)
{
    m_porta.aoEscrever = [this](quint8 byte, int64_t instante) { recebe(byte, instante); };
}

int TarvekRoteirizado::vezes(quint8 comando) const
{
    int n = 0;
    for (const auto &r : requisicoes)
        n += quint8(r[0]) == comando ? 1 : 0;
    return n;
}

int TarvekRoteirizado::tamanhoBloco(quint8 comando)
{
    switch (comando) {
    case 0x01:
        return 32;
    case 0x02:
        return 2048;
    case 0x03:
        return 11;
    case 0x05:
        return 123;
    case 0x65:
        return 37;
    default:
        return 0;
    }
}

QByteArray TarvekRoteirizado::comChecksum(const QByteArray &bloco)
{
    unsigned soma = 0;
    for (char c : bloco)
        soma += quint8(c);
    return bloco + QByteArray(1, char(soma & 0xFF));
}

QByteArray TarvekRoteirizado::padraoPagina(quint8 pagina)
{
    QByteArray b(2048, '\0');
    for (int i = 0; i < b.size(); ++i)
        b[i] = char((i * 7 + pagina * 13 + i / 256) & 0xFF);
    return b;
}

QByteArray TarvekRoteirizado::bloco(quint8 comando, quint8 pagina) const
{
    if (comando == 0x02)
        return blocosPagina.value(pagina, padraoPagina(pagina));
    return blocos.value(comando, QByteArray(tamanhoBloco(comando), '\0'));
}

void TarvekRoteirizado::recebe(quint8 byte, int64_t instante)
{
    if (estado == Estado::Desligado)
        return;
    if (eco || estado == Estado::Laco)
        m_porta.chega(QByteArray(1, char(byte)), instante);
    if (estado == Estado::Laco)
        return;
    if (m_requisicao.isEmpty())
        m_faltam = parametrosDe(byte);
    else
        --m_faltam;
    m_requisicao.append(char(byte));
    if (m_faltam > 0)
        return;
    const QByteArray completa = m_requisicao;
    m_requisicao.clear();
    requisicoes.append(completa);
    responde(completa, instante);
}

void TarvekRoteirizado::responde(const QByteArray &requisicao, int64_t instante)
{
    const quint8 comando = quint8(requisicao[0]);
    Resposta r;
    auto fila = roteiro.find(comando);
    if (fila != roteiro.end() && !fila->isEmpty())
        r = fila->dequeue();
    else
        r.bytes = respostaRegular(requisicao);
    const int atraso = r.atraso >= 0 ? r.atraso : atrasoResposta;
    const double espacamento = r.msPorByte >= 0 ? r.msPorByte : msPorByte;
    m_porta.chega(r.bytes, instante + atraso, espacamento);
}

QByteArray TarvekRoteirizado::respostaRegular(const QByteArray &requisicao) const
{
    const quint8 comando = quint8(requisicao[0]);
    switch (comando) {
    case 0x08:
    case 0x06:
        return QByteArray(1, char(0xF0));
    case 0x00:
    case 0x04:
        return comChecksum(requisicao.mid(1)).right(1);
    case 0x02:
        return comChecksum(bloco(comando, quint8(requisicao.at(1))));
    case 0x01:
    case 0x03:
    case 0x05:
    case 0x65:
        return comChecksum(bloco(comando));
    default:
        return {};
    }
}
