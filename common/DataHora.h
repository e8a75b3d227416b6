#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <optional>

// The program's date-time value: days since 1899-12-30, the fraction being
// the time of day. Values before 1899-12-30 count the date part down and
// keep the time of day as a positive fraction (-1.25 is 1899-12-29 06:00).
// Values outside the years 1 to 9999, and values that are not numbers, are
// taken as the nearest end of that range (or 0).
using TDateTime = double;

// The fields of a date-time value.
struct CamposDataHora
{
    int ano = 1899;
    int mes = 12;
    int dia = 30;
    int hora = 0;
    int minuto = 0;
    int segundo = 0;
    int milissegundo = 0;
    int diaDaSemana = 7;  // 1 Sunday to 7 Saturday
};

namespace DataHora {

constexpr double MilissegundosPorDia = 86400000.0;
constexpr int SegundosPorDia = 86400;

// Nothing when the date is not in the calendar (or outside years 1-9999).
std::optional<TDateTime> codificaData(int ano, int mes, int dia);
// Nothing unless hours 0-23, minutes and seconds 0-59, ms 0-999.
std::optional<TDateTime> codificaHora(int hora, int minuto, int segundo, int milissegundo = 0);
std::optional<TDateTime> codifica(
    int ano, int mes, int dia, int hora = 0, int minuto = 0, int segundo = 0, int milissegundo = 0);

// The fields, the time of day rounded to the nearest millisecond.
CamposDataHora decodifica(TDateTime valor);
// Whole days since 1899-12-30 and milliseconds of the day, as decodifica
// splits them (the milliseconds are 0 to 86399999).
void divide(TDateTime valor, qint64 &dias, qint64 &milissegundos);

// The wall-clock date and time of a QDateTime; an invalid one gives 0.
TDateTime deQDateTime(const QDateTime &dataHora);
TDateTime deQDate(const QDate &data);
QDateTime paraQDateTime(TDateTime valor);
QDate paraQDate(TDateTime valor);
QTime paraQTime(TDateTime valor);

// The computer's local date and time.
TDateTime agora();
// The date part (the time of day 00:00) and the time of day.
TDateTime parteData(TDateTime valor);
TDateTime parteHora(TDateTime valor);

}  // namespace DataHora
