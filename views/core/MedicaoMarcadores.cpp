#include "MedicaoMarcadores.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "Instantes.h"
#include "LeituraCursor.h"
#include "TAquisicao.h"
#include "TextoNumero.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace MedicaoMarcadores {

namespace {

enum Texto {
    TextoSoMarcadorA = 305,
    TextoInstantes = 306,
    TextoLinhaCanal = 307,
};

// The recorded channels: both with two channels, else the one whose sensor
// is set (channel 2 when both are, as the single series shows it).
QList<int> canaisGravados(const TAquisicao &a)
{
    if (!a.umCanal())
        return { 1, 2 };
    if (a.SensorCanal2 != -1)
        return { 2 };
    return { 1 };
}

// Minimum, maximum and mean of both channels over entries de to ate, in one
// pass over the entries.
std::array<Canal, 2> estatisticas(const TAquisicao &a, int de, int ate)
{
    const TLeitura *l = a.Leituras().data();
    double min1 = l[de].Canal1();
    double max1 = min1;
    double min2 = l[de].Canal2();
    double max2 = min2;
    double soma1 = 0;
    double soma2 = 0;
    for (int i = de; i <= ate; ++i) {
        const double v1 = l[i].Canal1();
        const double v2 = l[i].Canal2();
        min1 = std::min(min1, v1);
        max1 = std::max(max1, v1);
        min2 = std::min(min2, v2);
        max2 = std::max(max2, v2);
        soma1 += v1;
        soma2 += v2;
    }
    const double n = ate - de + 1;
    std::array<Canal, 2> r;
    r[0] = { 1, 0, 0, min1, max1, soma1 / n };
    r[1] = { 2, 0, 0, min2, max2, soma2 / n };
    return r;
}

// The instant of an entry as the readouts show it: with its half-second
// mark in half-second mode.
QString textoInstante(const TAquisicao &a, int i, const ConfigRegional &regional)
{
    if (a.meioSegundo())
        return TextoInstante(i, a.Inicio, regional);
    return FormataDataHora(u"dd/mm/yyyy hh:nn:ss", a.instante(i), regional);
}

QString valor(const TAquisicao &a, int canal, double v, QChar sep)
{
    return LeituraCursor::valorCanal(a, canal, v, sep).value_or(TextoNumero::geral(v, sep));
}

// Decimals of a channel's mean: one more than its values show, at most 4.
int casasMedia(const TAquisicao &a, int canal)
{
    const int sensor = canal == 2 ? a.SensorCanal2 : a.SensorCanal1;
    const int decimais = sensor == 8 ? 1 : (canal == 2 ? a.DecimaisCanal2 : a.DecimaisCanal1);
    return std::clamp(decimais + 1, 1, 4);
}

}  // namespace

Medicao mede(const TAquisicao &a, int ia, int ib)
{
    Medicao m;
    const int n = a.NumLeituras();
    if (n == 0)
        return m;
    m.a = std::clamp(ia, 0, n - 1);
    m.b = std::clamp(ib, 0, n - 1);
    if (a.meioSegundo())
        m.segundos = (m.b - m.a) * 0.5;
    else
        m.segundos = double(SegundosEntre(a.instante(m.b), a.instante(m.a)));
    const std::array<Canal, 2> estat = estatisticas(a, std::min(m.a, m.b), std::max(m.a, m.b));
    for (int canal : canaisGravados(a)) {
        Canal c = estat[size_t(canal - 1)];
        c.valorA = a.leitura(m.a).canal(canal);
        c.valorB = a.leitura(m.b).canal(canal);
        m.canais << c;
    }
    return m;
}

QString textoDuracao(double segundos, QChar separadorDecimal)
{
    const bool negativo = segundos < 0;
    const qint64 meios = std::llround(std::fabs(segundos) * 2);
    const qint64 s = meios / 2;
    QString t = QStringLiteral("%1:%2:%3")
                    .arg(s / 3600 % 24, 2, 10, QChar(u'0'))
                    .arg(s / 60 % 60, 2, 10, QChar(u'0'))
                    .arg(s % 60, 2, 10, QChar(u'0'));
    if (meios % 2 != 0)
        t += separadorDecimal + QStringLiteral("5");
    if (s >= 86400)
        t = QString::number(s / 86400) + QStringLiteral("d ") + t;
    return negativo ? QStringLiteral("-") + t : t;
}

QString linhaMarcadorA(const TAquisicao &a, int ia, const Catalogo &catalogo, const ConfigRegional &regional)
{
    const int i = std::clamp(ia, 0, std::max(0, a.NumLeituras() - 1));
    return catalogo.texto(TextoSoMarcadorA).arg(textoInstante(a, i, regional));
}

QStringList linhas(
    const TAquisicao &a, const Medicao &m, const Catalogo &catalogo, const ConfigRegional &regional)
{
    QStringList r;
    if (m.canais.isEmpty())
        return r;
    const QChar sep = regional.separadorDecimal;
    r << catalogo.texto(TextoInstantes)
             .arg(textoInstante(a, m.a, regional), textoInstante(a, m.b, regional),
                 textoDuracao(m.segundos, sep));
    for (const Canal &c : m.canais) {
        const QString nome = c.canal == 2 ? a.NomeCanal2 : a.NomeCanal1;
        r << catalogo.texto(TextoLinhaCanal)
                 .arg(nome, valor(a, c.canal, c.valorA, sep), valor(a, c.canal, c.valorB, sep),
                     valor(a, c.canal, c.valorB - c.valorA, sep), valor(a, c.canal, c.minimo, sep),
                     valor(a, c.canal, c.maximo, sep),
                     TextoNumero::fixo(c.media, casasMedia(a, c.canal), sep));
    }
    return r;
}

}  // namespace MedicaoMarcadores
