// Fuzz target: the bytes of a merged-graph file (.qvj), read as the main
// window opens one. A merged graph that reads must write and read back, and
// what it writes then must not change from one save to the next.

#include "ArquivoQvj.h"
#include "ConfigRegional.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void exige(bool condicao, const char *o_que)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_qvj: %s\n", o_que);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    static const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    const ArquivoQvj::Resultado r
        = ArquivoQvj::le(reinterpret_cast<const char *>(dados), qsizetype(tamanho), regional);
    if (r.erro != ArquivoQvj::Erro::Nenhum)
        return 0;
    int canais = 0;
    for (const TNodoJuncao &e : r.juncao.entradas) {
        exige(e.NumCanais == 1 || e.NumCanais == 2, "an entry of neither one nor two channels");
        exige(e.canal1Usado() || e.canal2Usado(), "an entry that shows no channel");
        canais += e.NumCanais;
    }
    exige(canais >= 1 && canais <= ArquivoQvj::kMaxCanais, "more channels than the chart has");

    const QByteArray primeira = ArquivoQvj::conteudo(r.juncao, regional);
    const ArquivoQvj::Resultado relido = ArquivoQvj::le(primeira, regional);
    exige(relido.erro == ArquivoQvj::Erro::Nenhum, "a saved merged graph does not read back");
    exige(relido.juncao.entradas.size() == r.juncao.entradas.size(), "entries lost on saving");
    exige(ArquivoQvj::conteudo(relido.juncao, regional) == primeira, "a second save differs from the first");
    return 0;
}
