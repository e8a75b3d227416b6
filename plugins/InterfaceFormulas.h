/*
 * The formula library's interface: the record of one formula, the entries
 * handed to a calculation and the three functions the library exports. It
 * is a C interface, byte for byte: a library built by any compiler that
 * follows the platform's C calling convention works with the program.
 *
 * The program loads the library (libequation.so) for each use and releases
 * it right after, so a library keeps no state between calls and never
 * holds on to the addresses it is given.
 *
 * Texts are short strings: a length byte (0 to 255) followed by that many
 * characters in the 8-bit code page Windows-1252; the bytes after the
 * length are undefined. Reals in the entries are 48-bit reals, six bytes,
 * least significant first: an exponent byte biased by 129 (0 is the value
 * 0), then 39 bits of mantissa with a hidden leading 1, the sign in the top
 * bit of the last byte.
 */
#ifndef QUORVANE_INTERFACE_FORMULAS_H
#define QUORVANE_INTERFACE_FORMULAS_H

#ifdef __cplusplus
#include <cstddef>
#include <cstdint>
namespace Formulas {
extern "C" {
#else
#include <stddef.h>
#include <stdint.h>
#endif

/* A short string: length byte, then up to 255 characters. */
typedef unsigned char TTextoCurto[256];

/* One formula, 1296 bytes. The library fills it (InformaDados); the program
 * keeps the user's choices in it and hands a copy to Calcula. */
typedef struct TFormula
{
    TTextoCurto Nome; /*    0: name shown in the list */
    TTextoCurto Expressao; /*  256: the formula as text */
    TTextoCurto Descricao; /*  512: description */
    TTextoCurto RotuloResultado; /*  768: caption put before the result */
    TTextoCurto UnidadeResultado; /* 1024: text put after the result */
    /* 1280: from the library, how many channels the formula needs (below 1:
     * none); after the user's choice, 1 channel 1, 2 channel 2, 3 both. */
    int32_t Canais;
    /* 1284: -1, the formula works on the single acquisition under the mouse;
     * otherwise on a range, and before each calculation it holds the number
     * of entries passed. */
    int32_t NumAquisicoes;
    /* 1288: before each calculation, the whole seconds between two
     * acquisitions (0: one acquisition every half second). */
    int32_t IntervaloSegundos;
    /* 1292: the formula's position in the library's list, from 0. */
    int32_t Indice;
} TFormula;

/* One acquisition: channel 1 then channel 2, each a 48-bit real. Only the
 * channels chosen in Canais are filled; the other value is 0. */
typedef struct TLeitura
{
    unsigned char Canal1[6];
    unsigned char Canal2[6];
} TLeitura;

/* The exports, looked up by these names (no decoration):
 *
 *   int32_t NroTotalDeFormulas(void);
 *       how many formulas the library has.
 *   void InformaDados(int32_t indice, TFormula *formula);
 *       fills all nine fields of the formula at that index (from 0).
 *   long double Calcula(const TFormula *formula, const TLeitura *leituras);
 *       the result over the entries: NumAquisicoes of them for a range
 *       formula, one for a single formula (NumAquisicoes -1). The result
 *       is an extended real (x87 80-bit on x86).
 *
 * A missing export is skipped: no count means no formulas, no InformaDados
 * leaves the record as it was, no Calcula gives the result 0. */
typedef int32_t (*TNroTotalDeFormulas)(void);
typedef void (*TInformaDados)(int32_t indice, TFormula *formula);
typedef long double (*TCalcula)(const TFormula *formula, const TLeitura *leituras);

#define QUORVANE_NOME_NRO_TOTAL "NroTotalDeFormulas"
#define QUORVANE_NOME_INFORMA_DADOS "InformaDados"
#define QUORVANE_NOME_CALCULA "Calcula"

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(TFormula) == 1296);
static_assert(offsetof(TFormula, Nome) == 0);
static_assert(offsetof(TFormula, Expressao) == 256);
static_assert(offsetof(TFormula, Descricao) == 512);
static_assert(offsetof(TFormula, RotuloResultado) == 768);
static_assert(offsetof(TFormula, UnidadeResultado) == 1024);
static_assert(offsetof(TFormula, Canais) == 1280);
static_assert(offsetof(TFormula, NumAquisicoes) == 1284);
static_assert(offsetof(TFormula, IntervaloSegundos) == 1288);
static_assert(offsetof(TFormula, Indice) == 1292);
static_assert(sizeof(TLeitura) == 12);
static_assert(offsetof(TLeitura, Canal2) == 6);

} /* namespace Formulas */
#else
_Static_assert(sizeof(TFormula) == 1296, "TFormula is 1296 bytes");
_Static_assert(offsetof(TFormula, Canais) == 1280, "Canais at 1280");
_Static_assert(offsetof(TFormula, NumAquisicoes) == 1284, "NumAquisicoes at 1284");
_Static_assert(offsetof(TFormula, IntervaloSegundos) == 1288, "IntervaloSegundos at 1288");
_Static_assert(offsetof(TFormula, Indice) == 1292, "Indice at 1292");
_Static_assert(sizeof(TLeitura) == 12, "TLeitura is 12 bytes");
#endif

#endif /* QUORVANE_INTERFACE_FORMULAS_H */
