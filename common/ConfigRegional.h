#pragma once

#include <QString>
#include <QStringList>

// The regional settings that numbers and dates follow: separators, month
// and weekday names, the long time format. Taken from the system locale,
// with Portuguese (Brazil) conventions when the locale is C/POSIX; tests
// build one by hand.
struct ConfigRegional
{
    QChar separadorDecimal = u',';
    QChar separadorData = u'/';
    QChar separadorHora = u':';
    QStringList mesesCurtos;  // 12 names, January first ("jan")
    QStringList mesesLongos;  // 12 names ("janeiro")
    QStringList diasCurtos;  // 7 names, Sunday first ("dom")
    QStringList diasLongos;  // 7 names ("domingo")
    QString formatoHoraLonga = QStringLiteral("hh:nn:ss");
    // The other formats, in the same pattern language as FormataDataHora.
    QString formatoHoraCurta = QStringLiteral("hh:nn");
    QString formatoDataCurta = QStringLiteral("dd/mm/yyyy");
    QString formatoDataLonga = QStringLiteral("dddd, d' de 'mmmm' de 'yyyy");

    // Portuguese (Brazil): "," decimal, "/" and ":" separators.
    static ConfigRegional portuguesBrasil();
    // From the system locale (portuguesBrasil() for C/POSIX).
    static ConfigRegional doSistema();
};
