#include "DataHora.h"

#include <cmath>

namespace {

// Julian day of 1899-12-30 (a constant, so that values can be built during
// static initialisation too).
constexpr qint64 kOrigem = 2415019;
constexpr qint64 kMsPorDia = 86400000;
// 0001-01-01 and 9999-12-31 in days since 1899-12-30.
constexpr double kPrimeiroDia = -693593.0;
constexpr double kUltimoDia = 2958465.0;

double limitado(TDateTime valor)
{
    if (!std::isfinite(valor))
        return 0.0;
    if (valor < kPrimeiroDia)
        return kPrimeiroDia;
    if (valor >= kUltimoDia + 1.0)
        return kUltimoDia + double(kMsPorDia - 1) / kMsPorDia;
    return valor;
}

// Date part and time of day joined the way decodifica splits them.
TDateTime junta(double dias, double hora)
{
    return dias < 0 ? dias - hora : dias + hora;
}

}  // namespace

namespace DataHora {

std::optional<TDateTime> codificaData(int ano, int mes, int dia)
{
    if (ano < 1 || ano > 9999 || !QDate::isValid(ano, mes, dia))
        return std::nullopt;
    return double(QDate(ano, mes, dia).toJulianDay() - kOrigem);
}

std::optional<TDateTime> codificaHora(int hora, int minuto, int segundo, int milissegundo)
{
    if (hora < 0 || hora > 23 || minuto < 0 || minuto > 59 || segundo < 0 || segundo > 59 || milissegundo < 0
        || milissegundo > 999)
        return std::nullopt;
    return (hora * 3600000 + minuto * 60000 + segundo * 1000 + milissegundo) / MilissegundosPorDia;
}

std::optional<TDateTime> codifica(
    int ano, int mes, int dia, int hora, int minuto, int segundo, int milissegundo)
{
    const auto data = codificaData(ano, mes, dia);
    const auto tempo = codificaHora(hora, minuto, segundo, milissegundo);
    if (!data || !tempo)
        return std::nullopt;
    return junta(*data, *tempo);
}

void divide(TDateTime valor, qint64 &dias, qint64 &milissegundos)
{
    const double v = limitado(valor);
    const double inteiro = std::trunc(v);
    dias = qint64(inteiro);
    milissegundos = std::llround(std::fabs(v - inteiro) * MilissegundosPorDia);
    if (milissegundos >= kMsPorDia) {
        milissegundos -= kMsPorDia;
        ++dias;
    }
}

CamposDataHora decodifica(TDateTime valor)
{
    qint64 dias = 0;
    qint64 ms = 0;
    divide(valor, dias, ms);
    const QDate data = QDate::fromJulianDay(kOrigem + dias);
    CamposDataHora c;
    c.ano = data.year();
    c.mes = data.month();
    c.dia = data.day();
    c.diaDaSemana = data.dayOfWeek() % 7 + 1;
    c.hora = int(ms / 3600000);
    c.minuto = int(ms / 60000 % 60);
    c.segundo = int(ms / 1000 % 60);
    c.milissegundo = int(ms % 1000);
    return c;
}

TDateTime deQDate(const QDate &data)
{
    return data.isValid() ? double(data.toJulianDay() - kOrigem) : 0.0;
}

TDateTime deQDateTime(const QDateTime &dataHora)
{
    if (!dataHora.isValid())
        return 0.0;
    return junta(deQDate(dataHora.date()), dataHora.time().msecsSinceStartOfDay() / MilissegundosPorDia);
}

QDate paraQDate(TDateTime valor)
{
    const CamposDataHora c = decodifica(valor);
    return QDate(c.ano, c.mes, c.dia);
}

QTime paraQTime(TDateTime valor)
{
    const CamposDataHora c = decodifica(valor);
    return QTime(c.hora, c.minuto, c.segundo, c.milissegundo);
}

QDateTime paraQDateTime(TDateTime valor)
{
    const CamposDataHora c = decodifica(valor);
    return QDateTime(QDate(c.ano, c.mes, c.dia), QTime(c.hora, c.minuto, c.segundo, c.milissegundo));
}

TDateTime agora()
{
    return deQDateTime(QDateTime::currentDateTime());
}

TDateTime parteData(TDateTime valor)
{
    qint64 dias = 0;
    qint64 ms = 0;
    divide(valor, dias, ms);
    return double(dias);
}

TDateTime parteHora(TDateTime valor)
{
    qint64 dias = 0;
    qint64 ms = 0;
    divide(valor, dias, ms);
    return ms / MilissegundosPorDia;
}

}  // namespace DataHora
