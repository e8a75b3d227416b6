#include "DocumentoCli.h"

#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "Console.h"

namespace DocumentoCli {

std::optional<TAquisicao> le(
    const QString &caminho, const ConfigRegional &regional, const Console &console, bool comoAberto)
{
    ArquivoQvg::Resultado r = ArquivoQvg::leArquivo(caminho, regional);
    switch (r.erro) {
    case ArquivoQvg::Erro::ArquivoNaoExiste:
        console.falha(Catalogo().texto(235));
        return std::nullopt;
    case ArquivoQvg::Erro::FormatoInvalido:
        console.falha(Catalogo().texto(234));
        return std::nullopt;
    case ArquivoQvg::Erro::Nenhum:
        break;
    }
    if (comoAberto) {
        r.aquisicao.AjustaFim();
        r.aquisicao.NormalizaLimites();
    }
    return std::move(r.aquisicao);
}

}  // namespace DocumentoCli
