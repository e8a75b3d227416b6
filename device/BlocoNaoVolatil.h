#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFlags>
#include <QString>

// The logger's non-volatile block (123 bytes): the user's texts, the
// limits, the offsets and the date of the last battery change. It is always
// written back whole as it was read, with only the writer's own fields
// changed: atualiza() writes the chosen groups of fields and keeps every
// other byte, bytes 76 to 117 always among them.
struct BlocoNaoVolatil
{
    static constexpr int Tamanho = 123;
    // Widths of the texts, blank-padded on the wire.
    static constexpr int LarguraTitulo = 30;
    static constexpr int LarguraTag = 10;
    static constexpr int LarguraUnidade = 8;
    // The battery change year is one byte counted from 1998: the years it
    // gives back.
    static constexpr int AnoBateriaMinimo = 1998;
    static constexpr int AnoBateriaMaximo = AnoBateriaMinimo + 255;

    enum class Campo {
        Textos = 0x1,  // bytes 0 to 65
        Limites = 0x2,  // bytes 66 to 73
        Offsets = 0x4,  // bytes 74 and 75
        DataBateria = 0x8,  // bytes 118 to 122
    };
    Q_DECLARE_FLAGS(Campos, Campo)

    QString Titulo;
    QString Tag1;
    QString Tag2;
    QString Unidade1;
    QString Unidade2;
    // In counts of the channel's last shown digit.
    int LimiteInferior1 = 0;
    int LimiteSuperior1 = 0;
    int LimiteInferior2 = 0;
    int LimiteSuperior2 = 0;
    int Offset1 = 0;
    int Offset2 = 0;
    int HoraBateria = 0;
    int MinutoBateria = 0;
    int DiaBateria = 1;
    int MesBateria = 1;
    int AnoBateria = 1998;  // the full year

    // Texts trimmed of blanks and control characters at both ends.
    static BlocoNaoVolatil decodifica(const QByteArray &bloco);
    // The block as read with the chosen fields written in. A block shorter
    // than 123 bytes is completed with zeros first.
    QByteArray atualiza(const QByteArray &lido, Campos campos) const;

    void defineDataBateria(const QDateTime &instante);
    // Invalid when the bytes are not a real date.
    QDateTime dataBateria() const;

    bool operator==(const BlocoNaoVolatil &) const = default;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(BlocoNaoVolatil::Campos)
