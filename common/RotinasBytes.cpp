#include "RotinasBytes.h"

#include "Windows1252.h"

#include <algorithm>

namespace {

constexpr int kTamanhoMaximoTexto = 255;

uint8_t byteEm(const QByteArray &bloco, int posicao)
{
    if (posicao < 0 || posicao >= bloco.size())
        return 0;
    return static_cast<uint8_t>(bloco.at(posicao));
}

void poeByte(QByteArray &bloco, int posicao, uint8_t valor)
{
    if (posicao >= 0 && posicao < bloco.size())
        bloco[posicao] = static_cast<char>(valor);
}

}  // namespace

QString TextoDoBloco(const QByteArray &bloco, int primeiro, int ultimo)
{
    const int inicio = std::max(primeiro, 1);
    const int fim = std::min<qsizetype>(ultimo, bloco.size());
    if (fim < inicio)
        return {};
    return Windows1252::decodifica(bloco.constData() + inicio - 1, fim - inicio + 1);
}

void TextoParaBloco(QByteArray &destino, const QString &texto, int primeiro, int ultimo)
{
    for (int posicao = primeiro; posicao <= ultimo; ++posicao) {
        const int indice = posicao - primeiro;
        const char c = indice < texto.size() ? Windows1252::byteDe(texto.at(indice)) : ' ';
        poeByte(destino, posicao - 1, static_cast<uint8_t>(c));
    }
}

QString CompletaComEspacos(const QString &texto, int largura)
{
    const int alvo = std::min(largura, kTamanhoMaximoTexto);
    if (texto.size() >= alvo)
        return texto;
    return texto + QString(alvo - texto.size(), u' ');
}

void InverteWords13(std::span<uint16_t, 13> palavras)
{
    for (uint16_t &p : palavras)
        p = InverteWord(p);
}

void InverteWords13(QByteArray &bloco)
{
    const int pares = std::min<qsizetype>(13, bloco.size() / 2);
    for (int i = 0; i < pares; ++i)
        std::swap(bloco[2 * i], bloco[2 * i + 1]);
}

Valor24 Separa24(int valor)
{
    const auto v = static_cast<uint32_t>(valor);
    return { uint8_t(v >> 16), InverteWord(uint16_t(v & 0xFFFFu)) };
}

int Junta24(uint8_t alto, uint16_t palavra)
{
    return int(InverteWord(palavra)) + int(alto) * 65536;
}

void Separa24(int valor, QByteArray &bloco, int posicao)
{
    const auto v = static_cast<uint32_t>(valor);
    poeByte(bloco, posicao, uint8_t(v >> 16));
    poeByte(bloco, posicao + 1, uint8_t(v >> 8));
    poeByte(bloco, posicao + 2, uint8_t(v));
}

int Junta24(const QByteArray &bloco, int posicao)
{
    return int(byteEm(bloco, posicao)) * 65536 + int(byteEm(bloco, posicao + 1)) * 256
        + int(byteEm(bloco, posicao + 2));
}

uint8_t SomaVerificacao(std::span<const uint8_t> bytes)
{
    unsigned soma = 0;
    for (uint8_t b : bytes)
        soma += b;
    return uint8_t(soma & 0xFFu);
}

uint8_t SomaVerificacao(const QByteArray &bytes, qsizetype quantos)
{
    const qsizetype n = std::clamp<qsizetype>(quantos, 0, bytes.size());
    return SomaVerificacao(std::span(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(n)));
}

uint8_t SomaVerificacao(const QByteArray &bytes)
{
    return SomaVerificacao(bytes, bytes.size());
}

QString TextoVersao(uint8_t versao)
{
    return QString::number(versao >> 4) + u'.' + QString::number(versao & 0x0F);
}
