#include "BlocoNaoVolatil.h"

#include "Bytes.h"
#include "Windows1252.h"

namespace {

constexpr int AnoBase = BlocoNaoVolatil::AnoBateriaMinimo;

enum Posicao {
    PosTitulo = 0,
    PosTag1 = 30,
    PosTag2 = 40,
    PosUnidade1 = 50,
    PosUnidade2 = 58,
    PosLimiteInferior1 = 66,
    PosLimiteSuperior1 = 68,
    PosLimiteInferior2 = 70,
    PosLimiteSuperior2 = 72,
    PosOffset1 = 74,
    PosOffset2 = 75,
    PosHoraBateria = 118,
    PosMinutoBateria = 119,
    PosDiaBateria = 120,
    PosMesBateria = 121,
    PosAnoBateria = 122,
};

bool ehBrancoOuControle(char c)
{
    return uint8_t(c) <= 0x20;
}

QString leTexto(const QByteArray &b, int posicao, int largura)
{
    QByteArray campo = b.mid(posicao, largura);
    qsizetype inicio = 0;
    qsizetype fim = campo.size();
    while (inicio < fim && ehBrancoOuControle(campo[inicio]))
        ++inicio;
    while (fim > inicio && ehBrancoOuControle(campo[fim - 1]))
        --fim;
    return Windows1252::decodifica(campo.mid(inicio, fim - inicio));
}

// The text cut to the field and padded with blanks.
void escreveTexto(QByteArray &b, int posicao, int largura, const QString &texto)
{
    QByteArray campo = Windows1252::codifica(texto).left(largura);
    campo.append(QByteArray(largura - campo.size(), ' '));
    b.replace(posicao, largura, campo);
}

}  // namespace

BlocoNaoVolatil BlocoNaoVolatil::decodifica(const QByteArray &b)
{
    using namespace Bytes;
    BlocoNaoVolatil n;
    n.Titulo = leTexto(b, PosTitulo, LarguraTitulo);
    n.Tag1 = leTexto(b, PosTag1, LarguraTag);
    n.Tag2 = leTexto(b, PosTag2, LarguraTag);
    n.Unidade1 = leTexto(b, PosUnidade1, LarguraUnidade);
    n.Unidade2 = leTexto(b, PosUnidade2, LarguraUnidade);
    n.LimiteInferior1 = le16s(b, PosLimiteInferior1);
    n.LimiteSuperior1 = le16s(b, PosLimiteSuperior1);
    n.LimiteInferior2 = le16s(b, PosLimiteInferior2);
    n.LimiteSuperior2 = le16s(b, PosLimiteSuperior2);
    n.Offset1 = s8(b, PosOffset1);
    n.Offset2 = s8(b, PosOffset2);
    n.HoraBateria = u8(b, PosHoraBateria);
    n.MinutoBateria = u8(b, PosMinutoBateria);
    n.DiaBateria = u8(b, PosDiaBateria);
    n.MesBateria = u8(b, PosMesBateria);
    n.AnoBateria = u8(b, PosAnoBateria) + AnoBase;
    return n;
}

QByteArray BlocoNaoVolatil::atualiza(const QByteArray &lido, Campos campos) const
{
    using namespace Bytes;
    QByteArray b = lido.left(Tamanho);
    b.append(QByteArray(Tamanho - b.size(), '\0'));
    if (campos & Campo::Textos) {
        escreveTexto(b, PosTitulo, LarguraTitulo, Titulo);
        escreveTexto(b, PosTag1, LarguraTag, Tag1);
        escreveTexto(b, PosTag2, LarguraTag, Tag2);
        escreveTexto(b, PosUnidade1, LarguraUnidade, Unidade1);
        escreveTexto(b, PosUnidade2, LarguraUnidade, Unidade2);
    }
    if (campos & Campo::Limites) {
        poeLe16(b, PosLimiteInferior1, LimiteInferior1);
        poeLe16(b, PosLimiteSuperior1, LimiteSuperior1);
        poeLe16(b, PosLimiteInferior2, LimiteInferior2);
        poeLe16(b, PosLimiteSuperior2, LimiteSuperior2);
    }
    if (campos & Campo::Offsets) {
        poe8(b, PosOffset1, Offset1);
        poe8(b, PosOffset2, Offset2);
    }
    if (campos & Campo::DataBateria) {
        poe8(b, PosHoraBateria, HoraBateria);
        poe8(b, PosMinutoBateria, MinutoBateria);
        poe8(b, PosDiaBateria, DiaBateria);
        poe8(b, PosMesBateria, MesBateria);
        poe8(b, PosAnoBateria, AnoBateria - AnoBase);
    }
    return b;
}

void BlocoNaoVolatil::defineDataBateria(const QDateTime &instante)
{
    HoraBateria = instante.time().hour();
    MinutoBateria = instante.time().minute();
    DiaBateria = instante.date().day();
    MesBateria = instante.date().month();
    AnoBateria = instante.date().year();
}

QDateTime BlocoNaoVolatil::dataBateria() const
{
    const QDate d(AnoBateria, MesBateria, DiaBateria);
    const QTime t(HoraBateria, MinutoBateria);
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t);
}
