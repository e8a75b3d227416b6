#pragma once

#include "DataHora.h"

#include <QString>
#include <QStringView>

struct ConfigRegional;

// A date-time value as text, following a pattern of this language (letters
// in either case):
//   d, dd        day of the month, without / with a leading zero
//   ddd, dddd    short / long weekday name
//   ddddd        the short date format of the regional settings
//   dddddd       the long date format
//   m, mm        month number; minutes when right after an h or hh
//   mmm, mmmm    short / long month name
//   yy, yyyy     year in two / four digits
//   h, hh        hour (24-hour clock); n, nn minutes; s, ss seconds
//   z, zzz       milliseconds, without / with leading zeros
//   t, tt        the short / long time format of the regional settings
//   c            the short date format, then the long time format when the
//                time of day is not 00:00:00
//   /  :         the regional date / time separator
//   "..." '...'  literal text
// Any other character is copied as it is.
QString FormataDataHora(QStringView padrao, TDateTime valor, const ConfigRegional &regional);
inline QString FormataDataHora(const QString &padrao, TDateTime valor, const ConfigRegional &regional)
{
    return FormataDataHora(QStringView(padrao), valor, regional);
}
