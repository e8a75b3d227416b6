#include "BlocoCalibracao.h"

#include "Bytes.h"
#include "RotinasBytes.h"

namespace {

enum Posicao {
    PosCoeficientes = 0,
    PosModelo = 26,
    PosNumeroSerie = 27,
    PosNaoInterpretados = 31,
    PosReservado35 = 35,
    PosFirmware = 36,
};

}  // namespace

BlocoCalibracao BlocoCalibracao::decodifica(const QByteArray &b)
{
    using namespace Bytes;
    BlocoCalibracao c;
    for (int i = 0; i < NumeroCoeficientes; ++i)
        c.Coeficientes[i] = uint16_t(be16(b, PosCoeficientes + 2 * i));
    c.Modelo = u8(b, PosModelo);
    c.NumeroSerie = be32(b, PosNumeroSerie);
    for (int i = 0; i < int(c.NaoInterpretados.size()); ++i)
        c.NaoInterpretados[i] = uint8_t(u8(b, PosNaoInterpretados + i));
    c.Reservado35 = u8(b, PosReservado35);
    c.Firmware = u8(b, PosFirmware);
    return c;
}

QByteArray BlocoCalibracao::codifica() const
{
    using namespace Bytes;
    QByteArray b(Tamanho, '\0');
    for (int i = 0; i < NumeroCoeficientes; ++i)
        poeBe16(b, PosCoeficientes + 2 * i, Coeficientes[i]);
    poe8(b, PosModelo, Modelo);
    poeBe32(b, PosNumeroSerie, NumeroSerie);
    for (int i = 0; i < int(NaoInterpretados.size()); ++i)
        poe8(b, PosNaoInterpretados + i, NaoInterpretados[i]);
    poe8(b, PosReservado35, Reservado35);
    poe8(b, PosFirmware, Firmware);
    return b;
}

QString BlocoCalibracao::textoNumeroSerie() const
{
    return QStringLiteral("%1%2")
        .arg(NumeroSerie >> 16, 4, 10, QLatin1Char('0'))
        .arg(NumeroSerie & 0xFFFF, 4, 10, QLatin1Char('0'));
}

QString BlocoCalibracao::textoFirmware() const
{
    return TextoVersao(uint8_t(Firmware));
}

int BlocoCalibracao::maximoLeiturasPorAquisicao() const
{
    return textoFirmware() == QLatin1String("1.0") ? 127 : 250;
}
