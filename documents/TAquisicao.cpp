#include "TAquisicao.h"

#include "DataHora.h"
#include "Instantes.h"
#include "RotinasSensor.h"

#include <cmath>
#include <limits>

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

namespace {

// The sensor code of a document's sensor number; a number no code is that
// far from (an edited file) gives the code of no sensor.
int codigoSensor(int32_t sensor)
{
    return sensor >= -128 && sensor <= 127 ? sensor + 128 : CodigoSensor::Nenhum;
}

}  // namespace

void TAquisicao::NormalizaLimites()
{
    const int codigo1 = codigoSensor(SensorCanal1);
    const int codigo2 = codigoSensor(SensorCanal2);
    if (const auto f = FaixaSensor(codigo1); f && EhTermoparOuPt100(codigo1)) {
        LimInfCanal1 = f->baixo;
        LimSupCanal1 = f->alto;
    }
    if (const auto f = FaixaSensor(codigo2); f && EhTermoparOuPt100(codigo2)) {
        LimInfCanal2 = f->baixo;
        LimSupCanal2 = f->alto;
    }
}

double TAquisicao::valorCanal(int canal, int32_t contagem) const
{
    const int decimais = canal == 2 ? DecimaisCanal2 : DecimaisCanal1;
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
