// Formula libraries the tests load by name (libequation.so, each in a
// folder of its own). REGISTRO: three formulas whose Calcula writes what it
// received (the record's 1296 bytes, then the entries' 12 bytes each) to the
// file named by QUORVANE_TESTE_REGISTRO and returns the sum of both
// channels. SEM_CALCULO: the same list without Calcula. SO_CONTAGEM: only
// the count.
#include "InterfaceFormulas.h"
#include "Real48.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#define EXPORTA extern "C" __attribute__((visibility("default")))

using Formulas::TFormula;
using Formulas::TLeitura;

namespace {
[[maybe_unused]] void poe(Formulas::TTextoCurto &t, const char *texto)
{
    const size_t n = std::strlen(texto);
    t[0] = static_cast<unsigned char>(n);
    std::memcpy(t + 1, texto, n);
}
}  // namespace

EXPORTA int32_t NroTotalDeFormulas()
{
    return 3;
}

#if defined(REGISTRO) || defined(SEM_CALCULO)
// 0 "Soma" on a range of one channel; 1 "Ponto" on the entry under the
// mouse; 2 "Dif" on a range of both channels. Units in Windows-1252.
EXPORTA void InformaDados(int32_t indice, TFormula *f)
{
    static const char *const kNomes[] = { "Soma", "Ponto", "Dif" };
    poe(f->Nome, kNomes[indice]);
    poe(f->Expressao, indice == 2 ? "x1 - x2" : "x1 + x2");
    poe(f->Descricao, "Descri\xe7\xe3o");
    poe(f->RotuloResultado, kNomes[indice]);
    poe(f->UnidadeResultado,
        "\xb0"
        "C");
    f->Canais = indice == 2 ? 2 : 1;
    f->NumAquisicoes = indice == 1 ? -1 : 0;
    f->IntervaloSegundos = 77;
    f->Indice = indice;
}
#endif

#if defined(REGISTRO)
namespace {
double real(const unsigned char (&b)[6])
{
    std::array<uint8_t, 6> a;
    std::memcpy(a.data(), b, 6);
    return Real48::deBytes(a);
}
}  // namespace

EXPORTA long double Calcula(const TFormula *f, const TLeitura *leituras)
{
    const int32_t n = f->NumAquisicoes == -1 ? 1 : f->NumAquisicoes;
    if (const char *caminho = std::getenv("QUORVANE_TESTE_REGISTRO")) {
        if (FILE *arquivo = std::fopen(caminho, "wb")) {
            std::fwrite(f, sizeof *f, 1, arquivo);
            std::fwrite(leituras, sizeof *leituras, size_t(n), arquivo);
            std::fclose(arquivo);
        }
    }
    long double soma = 0;
    for (int32_t i = 0; i < n; ++i)
        soma += real(leituras[i].Canal1) + real(leituras[i].Canal2);
    return soma;
}
#endif
