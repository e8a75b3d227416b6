#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

// Byte-block, byte-order and checksum routines with which the logger's
// blocks are read and written. Positions given as "first" and "last" are
// 1-based, as the block layouts are written; "posicao" is 0-based. None of
// them reads or writes outside the block it is given.

// The bytes primeiro..ultimo (1-based) as Windows-1252 characters; empty
// when ultimo < primeiro. Positions beyond the block are ignored.
QString TextoDoBloco(const QByteArray &bloco, int primeiro, int ultimo);

// Writes the characters 1..(ultimo - primeiro + 1) of texto into the bytes
// primeiro..ultimo (1-based) of destino. Callers pad the text to the field
// width first (CompletaComEspacos); should it still be short, the rest of
// the field is filled with blanks. Bytes beyond the block are not written.
void TextoParaBloco(QByteArray &destino, const QString &texto, int primeiro, int ultimo);

// The text with blanks appended until its length is at least largura
// (which is taken as 255 at most).
QString CompletaComEspacos(const QString &texto, int largura);

// Swaps the two bytes of a 16-bit word.
constexpr uint16_t InverteWord(uint16_t palavra)
{
    return uint16_t((palavra >> 8) | (palavra << 8));
}

// Reverses the four bytes of a 32-bit value.
constexpr uint32_t InverteDWord(uint32_t valor)
{
    return (valor >> 24) | ((valor >> 8) & 0xFF00u) | ((valor << 8) & 0xFF0000u) | (valor << 24);
}

// Swaps the bytes of each of thirteen consecutive 16-bit words in place.
// The byte-array form swaps the pairs of the first 26 bytes (as many as the
// block holds), turning most-significant-first words into the little-endian
// words that CoeficientesCalibracao reads.
void InverteWords13(std::span<uint16_t, 13> palavras);
void InverteWords13(QByteArray &bloco);

// A 24-bit number as the logger stores it: the high byte (bits 16-23), then
// the low 16 bits most significant byte first. "palavra" is the 16-bit word
// as it lies in memory read least significant byte first, which is what
// the swapping below expects.
struct Valor24
{
    uint8_t alto = 0;
    uint16_t palavra = 0;
};

// high byte = bits 16-23; word = bits 0-15 with its bytes swapped.
Valor24 Separa24(int valor);
// Swaps the word's bytes and returns word + high byte x 65536.
int Junta24(uint8_t alto, uint16_t palavra);

// The same on a block: the three bytes at posicao (0-based). Outside the
// block nothing is written and missing bytes read as 0.
void Separa24(int valor, QByteArray &bloco, int posicao);
int Junta24(const QByteArray &bloco, int posicao);

// Sum of the first quantos bytes modulo 256 (0 for none); a count beyond
// the block sums the whole block.
uint8_t SomaVerificacao(std::span<const uint8_t> bytes);
uint8_t SomaVerificacao(const QByteArray &bytes, qsizetype quantos);
uint8_t SomaVerificacao(const QByteArray &bytes);

// The word read as a signed 16-bit value.
constexpr int EstendeSinal16(uint16_t palavra)
{
    return palavra >= 0x8000u ? int(palavra) - 0x10000 : int(palavra);
}

// High nibble in decimal, ".", low nibble in decimal: 0x13 gives "1.3".
QString TextoVersao(uint8_t versao);
