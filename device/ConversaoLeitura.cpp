#include "ConversaoLeitura.h"

#include "Real48.h"
#include "RotinasSensor.h"
#include "TabelaLinearizacao.h"

#include <cmath>

namespace {

// Each step is computed in extended precision and stored back to a 48-bit
// real before the next one.
using Estendido = long double;

constexpr Estendido FatorCalibracao = 0.0001L;
constexpr Estendido FatorJuncaoFria = 6.462035541195476e-5L;
constexpr Estendido FatorEscala = 1.0L / 4095.0L;
constexpr int ContagemMaxima = 4095;

bool inicioDeTrecho(int trecho)
{
    using namespace Trecho;
    for (int t : { J, K, T, E, N, R, S, B, Pt100, JuncaoFria, Linear })
        if (t == trecho)
            return true;
    return false;
}

// The temperature of the cold junction added to a thermocouple's reading,
// in counts of its run.
double compensacaoJuncaoFria(int juncaoFria, int codigo, int offsetJuncaoFria)
{
    const int x = juncaoFria * 4 + 1900 + offsetJuncaoFria;
    const double t = Lineariza(Trecho::JuncaoFria, x, codigo);
    return Real48::arredondaEstendido(Estendido(GanhoJuncaoFria(codigo)) * t * FatorJuncaoFria);
}

}  // namespace

double Lineariza(int trecho, double x, int codigo)
{
    if (!inicioDeTrecho(trecho))
        return 0.0;
    const auto &tabela = TabelaLinearizacao();
    int i = trecho;
    while (x > tabela[i]) {
        i += 3;
        if (tabela[i] == FimTrecho) {
            const auto faixa = FaixaSensor(codigo);
            return faixa ? faixa->alto : ContagemMaxima;
        }
    }
    return Real48::arredondaEstendido(Estendido(x) * tabela[i + 1] + tabela[i + 2]);
}

double ConverteLeitura(int juncaoFria, int codigo, int zero, double bruto, int span, int offsetJuncaoFria,
    int inferior, int superior)
{
    const int trecho = TrechoDoSensor(codigo);
    if (trecho < 0)
        return 0.0;
    double v = Real48::arredondaEstendido((Estendido(bruto) + zero) * span * FatorCalibracao);
    if (v < 0)
        v = 0;
    if (EhTermopar(codigo))
        v = Real48::arredondaEstendido(
            Estendido(v) + compensacaoJuncaoFria(juncaoFria, codigo, offsetJuncaoFria));
    v = Lineariza(trecho, v, codigo);
    if (!EhTermoparOuPt100(codigo))
        v = Real48::arredondaEstendido(Estendido(v) * (superior - inferior) * FatorEscala + inferior);
    // Pt100 keeps its fraction; everything else is whole, halves to even.
    if (codigo != CodigoSensor::Pt100)
        v = std::nearbyint(v);
    return v;
}

double ConverteCanal(uint8_t alto, uint8_t baixo, int codigo, int zero, int span, int offsetJuncaoFria,
    int inferior, int superior)
{
    const int bruto = SemLeitura(alto, baixo) ? 0 : ContagemDosBytes(alto, baixo);
    return ConverteLeitura(0, codigo, zero, bruto, span, offsetJuncaoFria, inferior, superior);
}

double ConverteCanalCJ(uint8_t alto, uint8_t baixo, uint8_t juncaoFria, int codigo, int zero, int span,
    int offsetJuncaoFria, int inferior, int superior)
{
    if (SemLeitura(alto, baixo))
        return 0.0;
    return ConverteLeitura(
        juncaoFria, codigo, zero, ContagemDosBytes(alto, baixo), span, offsetJuncaoFria, inferior, superior);
}

int JuncaoFriaDoisCanais(uint8_t b0, uint8_t b2)
{
    return (b0 & 0xF0) | (b2 >> 4);
}

void ConverteDoisCanais(double &valor1, double &valor2, bool usaJuncaoFria, uint8_t b0, uint8_t b1,
    uint8_t b2, uint8_t b3, int codigo1, int codigo2, int zero1, int span1, int zero2, int span2,
    int offsetJuncaoFria, int inferior1, int superior1, int inferior2, int superior2)
{
    const int juncaoFria = usaJuncaoFria ? JuncaoFriaDoisCanais(b0, b2) : 0;
    valor1 = SemLeitura(b0, b1) ? 0.0
                                : ConverteLeitura(juncaoFria, codigo1, zero1, ContagemDosBytes(b0, b1), span1,
                                    offsetJuncaoFria, inferior1, superior1);
    valor2 = SemLeitura(b2, b3) ? 0.0
                                : ConverteLeitura(juncaoFria, codigo2, zero2, ContagemDosBytes(b2, b3), span2,
                                    offsetJuncaoFria, inferior2, superior2);
}
