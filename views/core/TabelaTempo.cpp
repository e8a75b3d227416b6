#include "TabelaTempo.h"

#include "Catalogo.h"
#include "FormataDataHora.h"
#include "Instantes.h"
#include "RotinasBytes.h"
#include "TAquisicao.h"

namespace TabelaTempo {

namespace {
const QString kDataHora = QStringLiteral("dd/mm/yyyy hh:nn:ss");
}

double x(const TAquisicao &a, int i)
{
    if (a.IntervaloAquisicoes() != 0.0)
        return i == 0 ? a.Inicio : a.instante(i);
    // Counted in 64 bits: past 17,895,697 entries the spacing overflows an int.
    return SomaSegundos(qint64(PassoMeioSegundo) * i, a.Inicio);
}

QString rotulo(const TAquisicao &a, Serie serie, int i, int largura, const ConfigRegional &regional)
{
    const bool primeira = serie == Serie::Primeira;
    if (a.IntervaloAquisicoes() != 0.0) {
        if (i == 0)
            return FormataDataHora(primeira ? u"hh:mm:ss  dd/mm/yy" : u"hh:mm:ss", a.Inicio, regional);
        const QString texto = primeira ? FormataDataHora(u"hh:mm:ss  dd/mm", a.instante(i), regional)
                                       : RotuloEixoTempo(a.instante(i - 1), a.instante(i), regional);
        return CompletaComEspacos(texto, largura);
    }
    const QString instante = TextoInstante(i, a.Inicio, regional);
    if (i == 0 && primeira)
        return RotuloInstanteAno(instante, regional).rotulo;
    return RotuloInstante(instante, regional).rotulo;
}

QString tituloEixo(const TAquisicao &a, const Catalogo &catalogo, const ConfigRegional &regional)
{
    QString ultima;
    if (a.IntervaloAquisicoes() != 0.0)
        ultima = FormataDataHora(kDataHora, a.Fim, regional);
    else
        ultima = TextoInstante(qMax(0, a.NumLeituras() - 1), a.Inicio, regional);
    return catalogo.texto(181) + FormataDataHora(kDataHora, a.Inicio, regional) + QStringLiteral("   ")
        + catalogo.texto(182) + ultima;
}

QString tituloCanal(const QString &nome, const QString &unidade)
{
    return nome + QStringLiteral(" (") + unidade + QStringLiteral(" )");
}

}  // namespace TabelaTempo
