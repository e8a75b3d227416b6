// The formula library shipped with the program (libequation.so): ten
// formulas over the visible range of a graph or the acquisition under the
// mouse. Texts are written here in UTF-8 and handed over in Windows-1252.
#include "Calculos.h"
#include "InterfaceFormulas.h"

#include <cstring>
#include <iterator>

#define EXPORTA extern "C" __attribute__((visibility("default")))

using Formulas::TFormula;
using Formulas::TLeitura;

namespace {

enum class Tipo {
    Media,
    Maximo,
    Minimo,
    Amplitude,
    DesvioPadrao,
    Integral,
    Taxa,
    ValorCursor,
    DiferencaCursor,
    MediaDiferenca,
};

struct Definicao
{
    Tipo tipo;
    const char *nome;
    const char *expressao;
    const char *descricao;
    const char *rotulo;
    const char *unidade;
    int32_t canais;
    bool unica;  // on the acquisition under the mouse
};

const Definicao kFormulas[] = {
    { Tipo::Media, "Média", "M = (x1 + x2 + ... + xn) / n",
        "Média aritmética dos valores do canal nas aquisições visíveis no gráfico.", "Média", "unid.", 1,
        false },
    { Tipo::Maximo, "Máximo", "Máx = maior(x1, ..., xn)", "Maior valor do canal nas aquisições visíveis.",
        "Máximo", "unid.", 1, false },
    { Tipo::Minimo, "Mínimo", "Mín = menor(x1, ..., xn)", "Menor valor do canal nas aquisições visíveis.",
        "Mínimo", "unid.", 1, false },
    { Tipo::Amplitude, "Amplitude", "A = Máx - Mín",
        "Diferença entre o maior e o menor valor do canal nas aquisições visíveis.", "Amplitude", "unid.", 1,
        false },
    { Tipo::DesvioPadrao, "Desvio padrão", "s = raiz(soma((xi - M)²) / (n - 1))",
        "Desvio padrão amostral dos valores do canal nas aquisições visíveis (calculado em uma passagem, "
        "pelo método de Welford).",
        "Desvio padrão", "unid.", 1, false },
    { Tipo::Integral, "Integral no tempo", "I = soma((xi + xi+1) / 2 × t)",
        "Integral do canal no tempo pela regra dos trapézios, com t o intervalo entre aquisições em "
        "segundos (0,5 s no modo meio segundo).",
        "Integral", "unid.·s", 1, false },
    { Tipo::Taxa, "Taxa média de variação", "R = (xn - x1) / ((n - 1) × t / 60)",
        "Variação do canal entre a primeira e a última aquisição visível, por minuto.", "Taxa", "unid./min",
        1, false },
    { Tipo::ValorCursor, "Valor no cursor", "V = x", "Valor do canal na aquisição sob o cursor do mouse.",
        "Valor", "unid.", 1, true },
    { Tipo::DiferencaCursor, "Diferença entre canais no cursor", "D = x1 - x2",
        "Canal 1 menos canal 2 na aquisição sob o cursor do mouse.", "Diferença", "unid.", 2, true },
    { Tipo::MediaDiferenca, "Média da diferença entre canais", "MD = soma(x1i - x2i) / n",
        "Média de canal 1 menos canal 2 nas aquisições visíveis no gráfico.", "Média da diferença", "unid.",
        2, false },
};

constexpr int32_t kTotal = int32_t(std::size(kFormulas));

// A UTF-8 text as a short string in Windows-1252: the characters of this
// file lie in U+0000 to U+00FF, which the code page holds at the same
// bytes; anything else becomes "?".
void copiaTexto(Formulas::TTextoCurto &destino, const char *utf8)
{
    int n = 0;
    for (const auto *p = reinterpret_cast<const unsigned char *>(utf8); *p && n < 255; ++n) {
        unsigned int c = *p++;
        if (c >= 0xC0 && c < 0xE0 && (*p & 0xC0) == 0x80)
            c = ((c & 0x1F) << 6) | (*p++ & 0x3F);
        else if (c >= 0x80)
            while ((*p & 0xC0) == 0x80)
                ++p;
        destino[n + 1] = c < 0x100 ? static_cast<unsigned char>(c) : '?';
    }
    destino[0] = static_cast<unsigned char>(n);
}

// Seconds between two acquisitions: half a second when none are given.
double segundos(const TFormula &f)
{
    return f.IntervaloSegundos > 0 ? double(f.IntervaloSegundos) : 0.5;
}

}  // namespace

EXPORTA int32_t NroTotalDeFormulas()
{
    return kTotal;
}

EXPORTA void InformaDados(int32_t indice, TFormula *formula)
{
    if (!formula || indice < 0 || indice >= kTotal)
        return;
    const Definicao &d = kFormulas[indice];
    std::memset(formula, 0, sizeof *formula);
    copiaTexto(formula->Nome, d.nome);
    copiaTexto(formula->Expressao, d.expressao);
    copiaTexto(formula->Descricao, d.descricao);
    copiaTexto(formula->RotuloResultado, d.rotulo);
    copiaTexto(formula->UnidadeResultado, d.unidade);
    formula->Canais = d.canais;
    formula->NumAquisicoes = d.unica ? -1 : 0;
    formula->IntervaloSegundos = 0;
    formula->Indice = indice;
}

EXPORTA long double Calcula(const TFormula *formula, const TLeitura *leituras)
{
    if (!formula || !leituras || formula->Indice < 0 || formula->Indice >= kTotal)
        return 0;
    const int32_t n = formula->NumAquisicoes == -1 ? 1 : formula->NumAquisicoes;
    if (n < 1)
        return 0;
    const int32_t c = formula->Canais;
    switch (kFormulas[formula->Indice].tipo) {
    case Tipo::Media:
        return Calculos::media(leituras, n, c);
    case Tipo::Maximo:
        return Calculos::maximo(leituras, n, c);
    case Tipo::Minimo:
        return Calculos::minimo(leituras, n, c);
    case Tipo::Amplitude:
        return Calculos::amplitude(leituras, n, c);
    case Tipo::DesvioPadrao:
        return Calculos::desvioPadrao(leituras, n, c);
    case Tipo::Integral:
        return Calculos::integral(leituras, n, c, segundos(*formula));
    case Tipo::Taxa:
        return Calculos::taxaPorMinuto(leituras, n, c, segundos(*formula));
    case Tipo::ValorCursor:
        return Calculos::valor(leituras[0], c);
    case Tipo::DiferencaCursor:
        return Calculos::diferenca(leituras[0]);
    case Tipo::MediaDiferenca:
        return Calculos::mediaDiferenca(leituras, n);
    }
    return 0;
}
