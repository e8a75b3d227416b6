#include "TNodoJuncao.h"

#include "Real48.h"
#include "TAquisicao.h"

TNodoJuncao TNodoJuncao::deAquisicao(const TAquisicao &a)
{
    TNodoJuncao n;
    n.NomeCanal1 = a.NomeCanal1;
    n.NomeCanal2 = a.NomeCanal2;
    n.UnidadeCanal1 = a.UnidadeCanal1;
    n.UnidadeCanal2 = a.UnidadeCanal2;
    n.IntervaloAquisicoes = a.IntervaloAquisicoes();
    n.NumCanais = a.NumCanais;
    n.SensorCanal1 = a.SensorCanal1;
    n.SensorCanal2 = a.SensorCanal2;
    n.Inicio = a.Inicio;
    n.Fim = a.Fim;
    const EscalaComum escala = DefineMaxMin(a);
    n.EscalaMin = escala.EscalaMin;
    n.EscalaMax = escala.EscalaMax;
    n.Leituras = a.Leituras();
    return n;
}

void TNodoJuncao::defineSensoresPorUnidade()
{
    // The sensor number itself is not known; 0 marks a used channel.
    const bool soCanal2 = NumCanais == 1 && UnidadeCanal1.isEmpty() && !UnidadeCanal2.isEmpty();
    SensorCanal1 = soCanal2 ? -1 : 0;
    SensorCanal2 = (NumCanais == 2 || soCanal2) ? 0 : -1;
}
