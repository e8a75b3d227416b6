#pragma once

#include "DataHora.h"

#include <QString>

struct Ambiente;

// Validation of the texts typed in the masked date, time and interval
// fields. Each routine returns true when the text is acceptable; otherwise
// it shows one warning through the environment's messages (texts from its
// catalogue, the built-in defaults without one) and returns false. Dates
// and times are read with the environment's regional settings.

// "dd/mm/yyyy": digits, then a date of the calendar.
bool ValidaData(const QString &texto, const Ambiente &ambiente);
// As ValidaData, and not before the date part of agora (today is accepted).
bool ValidaDataFutura(const QString &texto, const Ambiente &ambiente, TDateTime agora);
// "hh:nn:ss": digits, then a time of day.
bool ValidaHora(const QString &texto, const Ambiente &ambiente);
// "hh:nn": digits, then a time of day.
bool ValidaHoraMinuto(const QString &texto, const Ambiente &ambiente);
// "hh:nn:ss": digits, not all zero, then a time of day.
bool ValidaIntervalo(const QString &texto, const Ambiente &ambiente);
