#pragma once

#include <QByteArray>

#include <cstdint>

// Byte access inside a logger block. Reads beyond the end of a short array
// give 0 and writes beyond it are dropped, so a malformed block can never
// make a decoder touch memory outside it.
namespace Bytes {

inline int u8(const QByteArray &b, int i)
{
    return (i >= 0 && i < b.size()) ? uint8_t(b[i]) : 0;
}

// Most significant byte first.
inline int be16(const QByteArray &b, int i)
{
    return (u8(b, i) << 8) | u8(b, i + 1);
}

// One high byte, then a most-significant-first 16-bit low part.
inline int be24(const QByteArray &b, int i)
{
    return (u8(b, i) << 16) | be16(b, i + 1);
}

inline uint32_t be32(const QByteArray &b, int i)
{
    return (uint32_t(be16(b, i)) << 16) | uint32_t(be16(b, i + 2));
}

// Least significant byte first, two's complement.
inline int le16s(const QByteArray &b, int i)
{
    return int16_t(uint16_t(u8(b, i) | (u8(b, i + 1) << 8)));
}

inline int s8(const QByteArray &b, int i)
{
    return int8_t(uint8_t(u8(b, i)));
}

inline void poe8(QByteArray &b, int i, int v)
{
    if (i >= 0 && i < b.size())
        b[i] = char(uint8_t(v & 0xFF));
}

inline void poeBe16(QByteArray &b, int i, int v)
{
    poe8(b, i, v >> 8);
    poe8(b, i + 1, v);
}

inline void poeBe24(QByteArray &b, int i, int v)
{
    poe8(b, i, v >> 16);
    poeBe16(b, i + 1, v);
}

inline void poeBe32(QByteArray &b, int i, uint32_t v)
{
    poeBe16(b, i, int(v >> 16));
    poeBe16(b, i + 2, int(v & 0xFFFF));
}

inline void poeLe16(QByteArray &b, int i, int v)
{
    poe8(b, i, v);
    poe8(b, i + 1, v >> 8);
}

}  // namespace Bytes
