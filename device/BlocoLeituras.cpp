#include "BlocoLeituras.h"

#include "Bytes.h"

BlocoLeituras BlocoLeituras::decodifica(const QByteArray &b)
{
    using namespace Bytes;
    BlocoLeituras l;
    l.LeituraCanal1 = int16_t(uint16_t(be16(b, 0)));
    l.LeituraCanal2 = int16_t(uint16_t(be16(b, 2)));
    l.JuncaoFria = u8(b, 4);
    for (int i = 0; i < int(l.NaoInterpretados.size()); ++i)
        l.NaoInterpretados[i] = uint16_t(be16(b, 5 + 2 * i));
    return l;
}

QByteArray BlocoLeituras::codifica() const
{
    using namespace Bytes;
    QByteArray b(Tamanho, '\0');
    poeBe16(b, 0, LeituraCanal1);
    poeBe16(b, 2, LeituraCanal2);
    poe8(b, 4, JuncaoFria);
    for (int i = 0; i < int(NaoInterpretados.size()); ++i)
        poeBe16(b, 5 + 2 * i, NaoInterpretados[i]);
    return b;
}
