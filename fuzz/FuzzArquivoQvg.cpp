// Fuzz target: the bytes of a .qvg file, read as the program opens one, and
// the document that comes out of it shown the way a graph window, its
// companion views and the text export show it. A document that reads must
// also write and read back.

#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ExportacaoTexto.h"
#include "FormatoNumero.h"
#include "Instantes.h"
#include "LinhasLeituras.h"
#include "TAquisicao.h"
#include "TabelaTempo.h"
#include "TextoInformacoes.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void exige(bool condicao, const char *o_que)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_qvg: %s\n", o_que);
        std::abort();
    }
}

// The entries a window shows first and last (a long document is not walked
// whole: every entry takes the same path).
void mostraEntradas(const TAquisicao &a, const Catalogo &catalogo, const ConfigRegional &regional)
{
    const int n = a.NumLeituras();
    const LinhasLeituras linhas(a, catalogo, regional);
    (void)linhas.cabecalho();
    const int largura = LarguraRotulo(a.Inicio, a.Fim);
    for (int i : { 0, 1, 2, n / 2, n - 2, n - 1 }) {
        if (i < 0 || i >= n)
            continue;
        (void)linhas.entrada(i);
        (void)TabelaTempo::x(a, i);
        (void)TabelaTempo::rotulo(a, TabelaTempo::Serie::Primeira, i, largura, regional);
        (void)TabelaTempo::rotulo(a, TabelaTempo::Serie::Segunda, i, largura, regional);
    }
    if (n > 0) {
        const ExportacaoTexto::Faixa f
            = ExportacaoTexto::faixa(a, TabelaTempo::x(a, 0), TabelaTempo::x(a, n - 1));
        exige(f.vazia() || (f.primeira >= 1 && f.ultima <= n), "export range outside the entries");
    }
}

void mostra(TAquisicao a, const Catalogo &catalogo, const ConfigRegional &regional)
{
    a.AjustaFim();
    a.NormalizaLimites();
    (void)FormatoNumero::padraoDecimais(a.DecimaisCanal1, QStringLiteral("0.0"));
    (void)FormatoNumero::padraoDecimais(a.DecimaisCanal2, QStringLiteral("0.0"));
    (void)DefineMaxMin(a);
    (void)TabelaTempo::tituloEixo(a, catalogo, regional);
    (void)TabelaTempo::tituloCanal(a.NomeCanal1, a.UnidadeCanal1);
    (void)Atualiza_Informacoes(a, catalogo, regional);
    mostraEntradas(a, catalogo, regional);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    static const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    static const Catalogo catalogo;
    const ArquivoQvg::Resultado r
        = ArquivoQvg::le(reinterpret_cast<const char *>(dados), qsizetype(tamanho), regional);
    if (r.erro != ArquivoQvg::Erro::Nenhum)
        return 0;
    mostra(r.aquisicao, catalogo, regional);

    // What was read can be saved and opened again, with the same entries.
    const ArquivoQvg::Resultado relido
        = ArquivoQvg::le(ArquivoQvg::conteudo(r.aquisicao, regional), regional);
    exige(relido.erro == ArquivoQvg::Erro::Nenhum, "a document read from a file does not read back");
    exige(relido.aquisicao.NumLeituras() == r.aquisicao.NumLeituras(), "the entry count changed on saving");
    return 0;
}
