#include "DocumentoGrafico.h"

#include "TAquisicao.h"

namespace DocumentoGrafico {

void ajusta(TAquisicao &aquisicao)
{
    aquisicao.AjustaFim();
    aquisicao.NormalizaLimites();
}

}  // namespace DocumentoGrafico
