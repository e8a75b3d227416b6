#include "ConfigRegional.h"

#include <QLocale>

#include <initializer_list>

namespace {

QChar primeiroSeparador(const QString &formato, QChar padrao)
{
    for (QChar c : formato) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    }
    return padrao;
}

// A Qt date or time format in the program's pattern language: "m" is the
// minute there, "M" the month here; AM/PM and time-zone marks are dropped
// (the time then shows in the 24-hour form); other letters are quoted.
QString formatoDoQt(const QString &qt)
{
    QString saida;
    for (qsizetype i = 0; i < qt.size(); ++i) {
        const QChar c = qt.at(i);
        if (c == u'\'') {
            const qsizetype fim = qt.indexOf(u'\'', i + 1);
            const qsizetype ate = fim < 0 ? qt.size() : fim;
            saida += u'"' + qt.mid(i + 1, ate - i - 1) + u'"';
            i = ate;
            continue;
        }
        switch (c.unicode()) {
        case u'd':
        case u'y':
        case u's':
        case u'z':
        case u'h':
            saida += c;
            break;
        case u'H':
            saida += u'h';
            break;
        case u'M':
            saida += u'm';
            break;
        case u'm':
            saida += u'n';
            break;
        case u'A':
        case u'a':
        case u'P':
        case u'p':
        case u't':
            break;
        default:
            saida += c.isLetter() ? u'"' + QString(c) + u'"' : QString(c);
        }
    }
    return saida.trimmed();
}

// Short names as the system's regional settings give them: "jan", not the
// "jan." of the Unicode locale data.
QString semPonto(QString nome)
{
    if (nome.endsWith(u'.'))
        nome.chop(1);
    return nome;
}

QStringList lista(std::initializer_list<const char16_t *> nomes)
{
    QStringList l;
    for (const char16_t *nome : nomes)
        l << QString::fromUtf16(nome);
    return l;
}

}  // namespace

ConfigRegional ConfigRegional::portuguesBrasil()
{
    ConfigRegional r;
    r.mesesCurtos = lista(
        { u"jan", u"fev", u"mar", u"abr", u"mai", u"jun", u"jul", u"ago", u"set", u"out", u"nov", u"dez" });
    r.mesesLongos = lista({ u"janeiro", u"fevereiro", u"março", u"abril", u"maio", u"junho", u"julho",
        u"agosto", u"setembro", u"outubro", u"novembro", u"dezembro" });
    r.diasCurtos = lista({ u"dom", u"seg", u"ter", u"qua", u"qui", u"sex", u"sáb" });
    r.diasLongos = lista({ u"domingo", u"segunda-feira", u"terça-feira", u"quarta-feira", u"quinta-feira",
        u"sexta-feira", u"sábado" });
    return r;
}

ConfigRegional ConfigRegional::doSistema()
{
    const QLocale local = QLocale::system();
    if (local.language() == QLocale::C)
        return portuguesBrasil();
    ConfigRegional r;
    const QString decimal = local.decimalPoint();
    r.separadorDecimal = decimal.isEmpty() ? QChar(u',') : decimal.at(0);
    r.separadorData = primeiroSeparador(local.dateFormat(QLocale::ShortFormat), u'/');
    r.separadorHora = primeiroSeparador(local.timeFormat(QLocale::ShortFormat), u':');
    for (int mes = 1; mes <= 12; ++mes) {
        r.mesesCurtos << semPonto(local.monthName(mes, QLocale::ShortFormat));
        r.mesesLongos << local.monthName(mes, QLocale::LongFormat);
    }
    // Qt counts the week from Monday (1) to Sunday (7).
    for (int dia : { 7, 1, 2, 3, 4, 5, 6 }) {
        r.diasCurtos << semPonto(local.dayName(dia, QLocale::ShortFormat));
        r.diasLongos << local.dayName(dia, QLocale::LongFormat);
    }
    r.formatoHoraLonga = formatoDoQt(local.timeFormat(QLocale::LongFormat));
    r.formatoHoraCurta = formatoDoQt(local.timeFormat(QLocale::ShortFormat));
    r.formatoDataCurta = formatoDoQt(local.dateFormat(QLocale::ShortFormat));
    r.formatoDataLonga = formatoDoQt(local.dateFormat(QLocale::LongFormat));
    return r;
}
