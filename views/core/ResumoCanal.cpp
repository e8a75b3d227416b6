#include "ResumoCanal.h"

#include "RegrasLimites.h"
#include "TAquisicao.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double ZeroAbsoluto = 273.15;

// The runs of consecutive entries beyond one limit, followed entry by entry.
struct Corrida
{
    int entradas = 0;
    int excursoes = 0;
    int inicio = 0;  // first entry of the current run
    int comprimento = 0;  // of the current run; 0 outside a run
    int maior = 0;  // the longest run's length
    int maiorInicio = -1;

    void entrada(int i, bool alem)
    {
        if (!alem) {
            comprimento = 0;
            return;
        }
        ++entradas;
        if (comprimento == 0) {
            ++excursoes;
            inicio = i;
        }
        // Strictly longer: of two equal runs the first stays the longest.
        if (++comprimento > maior) {
            maior = comprimento;
            maiorInicio = inicio;
        }
    }

    ExcursoesLimite resultado(double limite, double segundosPorEntrada) const
    {
        ExcursoesLimite e;
        e.limite = limite;
        e.entradas = entradas;
        e.segundos = entradas * segundosPorEntrada;
        e.excursoes = excursoes;
        e.maiorSegundos = maior * segundosPorEntrada;
        e.maiorEntrada = maiorInicio;
        return e;
    }
};

// The mean of exp(x) over the entries, x = -(ΔH/R) / T, with the largest x
// so far factored out so that no term underflows: soma holds the sum of
// exp(x - maximo).
struct MediaExponencial
{
    double maximo = -HUGE_VAL;
    double soma = 0.0;
    bool valida = true;  // false once an entry lies at or below absolute zero

    void entrada(double celsius, double deltaHSobreR)
    {
        const double kelvin = celsius + ZeroAbsoluto;
        if (!(kelvin > 0.0)) {
            valida = false;
            return;
        }
        const double x = -deltaHSobreR / kelvin;
        if (x > maximo) {
            soma = soma * std::exp(maximo - x) + 1.0;
            maximo = x;
        } else {
            soma += std::exp(x - maximo);
        }
    }

    // T = (ΔH/R) / -ln(mean), in °C.
    std::optional<double> temperatura(int n, double deltaHSobreR) const
    {
        if (!valida || n <= 0)
            return std::nullopt;
        const double lnMedia = std::log(soma / n) + maximo;
        if (!(lnMedia < 0.0))
            return std::nullopt;
        return deltaHSobreR / -lnMedia - ZeroAbsoluto;
    }
};

// Seconds each entry stands for: the interval between acquisitions, half a
// second in half-second mode (an edited file's negative interval taken by
// size, as the instants take it).
double segundosPorEntrada(const TAquisicao &a)
{
    return a.meioSegundo() ? 0.5 : std::fabs(a.IntervaloAquisicoes());
}

}  // namespace

bool unidadeCelsius(const QString &unidade)
{
    QString u = unidade;
    u.remove(u' ');
    // The degree sign, or the ordinal sign typed in its place.
    return u.compare(QStringLiteral("°C"), Qt::CaseInsensitive) == 0
        || u.compare(QStringLiteral("ºC"), Qt::CaseInsensitive) == 0;
}

bool canalComSensor(const TAquisicao &a, int canal)
{
    if (canal != 1 && canal != 2)
        return false;
    // Two channels recorded: both are shown, whatever their sensor says.
    if (!a.umCanal())
        return true;
    return (canal == 2 ? a.SensorCanal2 : a.SensorCanal1) != -1;
}

std::optional<ResumoCanal> resumeCanal(const TAquisicao &a, int canal, int primeira, int ultima,
    const LimitesCanal &limites, double deltaHSobreR)
{
    primeira = std::max(primeira, 0);
    ultima = std::min(ultima, a.NumLeituras() - 1);
    if (!canalComSensor(a, canal) || ultima < primeira)
        return std::nullopt;

    ResumoCanal r;
    r.canal = canal;
    r.unidade = canal == 2 ? a.UnidadeCanal2 : a.UnidadeCanal1;
    r.primeira = primeira;
    r.ultima = ultima;
    r.entradas = ultima - primeira + 1;

    const bool celsius = unidadeCelsius(r.unidade) && deltaHSobreR > 0.0 && std::isfinite(deltaHSobreR);
    // Compared at the channel's decimals: a reading shown as the limit is
    // not beyond it, however the 48-bit real holds it.
    // (RegrasLimites::compara, with the limits' counts and the scale taken
    // once, out of the loop.)
    const int casas = RegrasLimites::casas(a, canal);
    const double escala = std::pow(10.0, casas);
    const auto contagem = [&](const std::optional<double> &limite) {
        return limite ? std::optional(RegrasLimites::contagemLimite(*limite, casas)) : std::nullopt;
    };
    const std::optional<double> contagemAlto = contagem(limites.alto);
    const std::optional<double> contagemBaixo = contagem(limites.baixo);
    const TLeitura *l = a.Leituras().data();

    // Sums shifted by the first value, so that the variance of values far
    // from 0 keeps its digits.
    const double referencia = l[primeira].canal(canal);
    double soma = 0.0;
    double somaQuadrados = 0.0;
    double minimo = referencia;
    double maximo = referencia;
    int iMinimo = primeira;
    int iMaximo = primeira;
    Corrida acima;
    Corrida abaixo;
    MediaExponencial exponencial;
    for (int i = primeira; i <= ultima; ++i) {
        const double v = l[i].canal(canal);
        const double d = v - referencia;
        soma += d;
        somaQuadrados += d * d;
        if (v < minimo) {
            minimo = v;
            iMinimo = i;
        } else if (v > maximo) {
            maximo = v;
            iMaximo = i;
        }
        const double lida = std::round(v * escala);
        acima.entrada(i, contagemAlto && lida > *contagemAlto);
        abaixo.entrada(i, contagemBaixo && lida < *contagemBaixo);
        if (celsius)
            exponencial.entrada(v, deltaHSobreR);
    }

    const int n = r.entradas;
    r.minimo = { minimo, iMinimo, a.instante(iMinimo) };
    r.maximo = { maximo, iMaximo, a.instante(iMaximo) };
    const double mediaDesvio = soma / n;
    r.media = referencia + mediaDesvio;
    if (n > 1) {
        const double variancia = (somaQuadrados - soma * mediaDesvio) / (n - 1);
        r.desvio = std::sqrt(std::max(variancia, 0.0));
    }
    if (celsius)
        r.tcm = exponencial.temperatura(n, deltaHSobreR);
    const double segundos = segundosPorEntrada(a);
    if (limites.alto)
        r.acima = acima.resultado(*limites.alto, segundos);
    if (limites.baixo)
        r.abaixo = abaixo.resultado(*limites.baixo, segundos);
    return r;
}
