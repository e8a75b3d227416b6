#include "Windows1252.h"

namespace {

// Code points of bytes 80h to 9Fh.
constexpr char16_t kAlto[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

}  // namespace

namespace Windows1252 {

QString decodifica(const char *bytes, qsizetype tamanho)
{
    QString texto(tamanho, Qt::Uninitialized);
    QChar *destino = texto.data();
    for (qsizetype i = 0; i < tamanho; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        destino[i] = (b >= 0x80 && b < 0xA0) ? QChar(kAlto[b - 0x80]) : QChar(b);
    }
    return texto;
}

QString decodifica(const QByteArray &bytes)
{
    return decodifica(bytes.constData(), bytes.size());
}

char byteDe(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kAlto[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QString semByte(const QString &texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == u'?' || byteDe(c) != '?')
            continue;
        const bool par = c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate();
        return texto.mid(i, par ? 2 : 1);
    }
    return {};
}

QByteArray codifica(const QString &texto)
{
    QByteArray bytes(texto.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i)
        bytes[i] = byteDe(texto.at(i));
    return bytes;
}

}  // namespace Windows1252
