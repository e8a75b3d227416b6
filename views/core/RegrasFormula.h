#pragma once

#include "InterfaceFormulas.h"

#include <QString>

#include <optional>
#include <vector>

class Catalogo;
class TAquisicao;
struct ConfigRegional;

// The program's side of a formula on a graph, without widgets: the texts of
// the record, the check of the channels chosen for it, the acquisitions it
// works on (the visible range, or the single one under the mouse), the
// entries handed to the library and the result as the top axis shows it.
namespace RegrasFormula {

using Formulas::TFormula;
using Formulas::TLeitura;

// A record with every byte 0.
TFormula formulaVazia();

// A short string of the record as text, and back (cut to 255 characters;
// characters without a byte in the code page become "?").
QString texto(const Formulas::TTextoCurto &curto);
void defineTexto(Formulas::TTextoCurto &curto, const QString &texto);

// Whether the formula works on the single acquisition under the mouse.
inline bool unica(const TFormula &f)
{
    return f.NumAquisicoes == -1;
}

// The seconds between two x values of the graph: the integer part of the
// interval, 120 in half-second mode (never below 1).
qint64 divisor(const TAquisicao &aquisicao);
// The integer part of the interval in seconds (0 in half-second mode), as
// IntervaloSegundos carries it.
int32_t intervaloSegundos(const TAquisicao &aquisicao);

// The visible acquisitions for a time axis running from minimo to maximo,
// as indexes from 0, held to the entries. Empty (ultima < primeira) when no
// entry lies in it.
struct Faixa
{
    int primeira = 0;
    int ultima = -1;
    int quantas() const { return ultima >= primeira ? ultima - primeira + 1 : 0; }
};
Faixa faixaVisivel(const TAquisicao &aquisicao, double minimo, double maximo);

// The check of "&Ativar": the choice of channels for the formula, with
// canal1 and canal2 the ticked boxes.
struct Verificacao
{
    bool valida = false;
    int32_t canais = 0;  // the new Canais when valid
    QString mensagem;  // the warning when not
};
// selecionada: the formula chosen in the list, none when nothing is.
Verificacao verifica(const TFormula *selecionada, bool canal1, bool canal2, const Catalogo &catalogo);
// "Fórmula <nome> associada ao gráfico."
QString mensagemAssociada(const TFormula &formula, const Catalogo &catalogo);

// One entry for acquisition i with the channels chosen in canais (1, 2 or
// 3); the other value is 0.
TLeitura entrada(const TAquisicao &aquisicao, int i, int32_t canais);

// The entries a calculation gets, with the record's NumAquisicoes and
// IntervaloSegundos set for it. For a range formula, the visible range;
// for a single formula, the acquisition under the mouse (sob; none outside
// the entries).
std::vector<TLeitura> entradasFaixa(const TAquisicao &aquisicao, TFormula &formula, const Faixa &faixa);
std::vector<TLeitura> entradaUnica(const TAquisicao &aquisicao, TFormula &formula, std::optional<qint64> sob);

// The top axis's title: caption, ":", a blank, the result as "%8.3f" (the
// regional decimal separator), a blank and the unit. Without a result (no
// entry to calculate on) a dash stands in the number's place.
QString textoResultado(
    const TFormula &formula, std::optional<long double> resultado, const ConfigRegional &regional);

}  // namespace RegrasFormula
