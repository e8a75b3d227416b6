#include "InstanteIso.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 kDia = 86400;
// 1970-01-01 in days since 1899-12-30.
constexpr qint64 kDiasAte1970 = 25569;

struct Civil
{
    qint64 ano;
    int mes;
    int dia;
};

// The proleptic Gregorian date of a count of days since 1970-01-01.
Civil civilDeDias(qint64 z)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const int dia = int(doy - (153 * mp + 2) / 5 + 1);
    const int mes = int(mp < 10 ? mp + 3 : mp - 9);
    return { yoe + era * 400 + (mes <= 2 ? 1 : 0), mes, dia };
}

qint64 divisaoPiso(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

InstanteIso::InstanteIso(const QTimeZone &zona, bool utc)
    : m_zona(zona)
    , m_utc(utc)
{
}

qint64 InstanteIso::segundosLocais(TDateTime instante)
{
    qint64 dias = 0;
    qint64 ms = 0;
    DataHora::divide(instante, dias, ms);
    return (dias - kDiasAte1970) * kDia + (ms + 500) / 1000;
}

int InstanteIso::deslocamentoUtc(qint64 segundosUtc) const
{
    return m_zona.offsetFromUtc(QDateTime::fromSecsSinceEpoch(segundosUtc, Qt::UTC));
}

int InstanteIso::deslocamento(qint64 local)
{
    if (local >= m_de && local < m_ate)
        return m_deslocamento;
    // Offsets never reach a day, so a day before and two after bound every
    // UTC instant that the next day of wall-clock times can name.
    const int antes = deslocamentoUtc(local - kDia);
    const int depois = deslocamentoUtc(local + 2 * kDia);
    if (antes == depois) {
        m_de = local;
        m_ate = local + kDia;
        m_deslocamento = antes;
        return antes;
    }
    if (deslocamentoUtc(local - antes) == antes)
        return antes;
    if (deslocamentoUtc(local - depois) == depois)
        return depois;
    return antes;
}

void InstanteIso::acrescenta(QByteArray &saida, TDateTime instante, bool meioSegundo)
{
    const qint64 local = segundosLocais(instante);
    const int desl = deslocamento(local);
    const qint64 mostrado = m_utc ? local - desl : local;
    const qint64 dias = divisaoPiso(mostrado, kDia);
    const qint64 noDia = mostrado - dias * kDia;
    const Civil c = civilDeDias(dias);
    char buf[64];
    int n = std::snprintf(buf, sizeof buf, "%04lld-%02d-%02dT%02d:%02d:%02d", static_cast<long long>(c.ano),
        c.mes, c.dia, int(noDia / 3600), int(noDia / 60 % 60), int(noDia % 60));
    if (meioSegundo)
        n += std::snprintf(buf + n, sizeof buf - size_t(n), ".5");
    if (m_utc) {
        buf[n++] = 'Z';
    } else {
        const int a = std::abs(desl);
        n += std::snprintf(
            buf + n, sizeof buf - size_t(n), "%c%02d:%02d", desl < 0 ? '-' : '+', a / 3600, a / 60 % 60);
    }
    saida.append(buf, n);
}

QByteArray InstanteIso::texto(TDateTime instante, bool meioSegundo)
{
    QByteArray r;
    acrescenta(r, instante, meioSegundo);
    return r;
}
