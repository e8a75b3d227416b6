#pragma once

#include "DataHora.h"

#include <QStringView>

#include <optional>

struct ConfigRegional;

// Reading typed dates and times in the day/month/year and 24-hour forms.
// The numbers are separated by the regional separator or by "/" (dates) and
// ":" (times); blanks around the text and around each number are allowed.

// "d/m/y": the date must exist in the calendar; a year of one or two digits
// is taken in the 2000s.
std::optional<TDateTime> ConverteData(QStringView texto, const ConfigRegional &regional);
// "h:n" or "h:n:s": hours 0-23, minutes and seconds 0-59.
std::optional<TDateTime> ConverteHora(QStringView texto, const ConfigRegional &regional);
// A date, blanks, then a time ("dd/mm/yyyy hh:nn:ss"); a date alone is
// taken at 00:00:00.
std::optional<TDateTime> ConverteDataHora(QStringView texto, const ConfigRegional &regional);

// A whole number: leading blanks, an optional sign, then digits only.
std::optional<int> ConverteInteiro(QStringView texto);
