#include "TAquisicao.h"

#include "DataHora.h"
#include "Instantes.h"
#include "RotinasSensor.h"

#include <cmath>
#include <limits>

namespace {

// The range of a document's sensor number (the sensor code minus 128) when
// it names a thermocouple or Pt100; any other number, however large, has
// none.
std::optional<Faixa> faixaDoSensor(int32_t sensor)
{
    if (sensor < 0 || sensor > CodigoSensor::Tensao0a50mV - CodigoSensor::TermoparJ)
        return std::nullopt;
    return FaixaSensor(CodigoSensor::TermoparJ + sensor);
}

}  // namespace

void TAquisicao::defineIntervalo(double segundos)
{
    m_intervalo = Real48::arredonda(segundos);
}

void TAquisicao::reservaLeituras(int quantas)
{
    if (quantas > 0)
        m_leituras.reserve(size_t(quantas));
}

double TAquisicao::instante(int i) const
{
    if (m_intervalo != 0.0) {
        // A negative interval can only come from an edited file: taken by size.
        const double segundos = std::trunc(std::fabs(m_intervalo) * i);
        constexpr double maximo = std::numeric_limits<int>::max();
        return SomaSegundos(segundos < maximo ? int(segundos) : int(maximo), Inicio);
    }
    // Half-second mode: the whole second that TextoInstante shows.
    const CamposDataHora c = DataHora::decodifica(SomaSegundos(i / 2, Inicio));
    return DataHora::codifica(c.ano, c.mes, c.dia, c.hora, c.minuto, c.segundo).value_or(Inicio);
}

QString TAquisicao::textoMeioSegundo(int i, const ConfigRegional &regional) const
{
    return TextoInstante(i, Inicio, regional);
}

void TAquisicao::AjustaFim()
{
    Fim = NumLeituras() > 0 ? instante(NumLeituras() - 1) : Inicio;
}

void TAquisicao::NormalizaLimites()
{
    if (const auto f = faixaDoSensor(SensorCanal1)) {
        LimInfCanal1 = f->baixo;
        LimSupCanal1 = f->alto;
    }
    if (const auto f = faixaDoSensor(SensorCanal2)) {
        LimInfCanal2 = f->baixo;
        LimSupCanal2 = f->alto;
    }
}

double TAquisicao::valorCanal(int canal, int32_t contagem) const
{
    const int decimais = canal == 2 ? DecimaisCanal2 : DecimaisCanal1;
    // In floating point: no count of decimals, however odd, is negated as
    // an integer.
    return contagem * std::pow(10.0, -double(decimais));
}

EscalaComum DefineMaxMin(const TAquisicao &a)
{
    EscalaComum e;
    e.EscalaMin = a.valorCanal(1, a.LimInfCanal1);
    e.EscalaMax = a.valorCanal(1, a.LimSupCanal1);
    const double inf2 = a.valorCanal(2, a.LimInfCanal2);
    const double sup2 = a.valorCanal(2, a.LimSupCanal2);
    if (inf2 < e.EscalaMin)
        e.EscalaMin = inf2;
    if (sup2 > e.EscalaMax)
        e.EscalaMax = sup2;
    return e;
}
