#include "LimitesAlarme.h"

#include "IConfiguracoes.h"

#include <QLocale>

#include <cmath>

namespace {

const QString Secao = QStringLiteral("LIMITES");

// "00010010_1_ALTO": the serial number as the general parameters show it
// (each 16-bit half as at least four digits), the channel and the limit.
QString chave(qint32 numeroSerie, int canal, const char *qual)
{
    const quint32 serie = quint32(numeroSerie);
    return QStringLiteral("%1%2_%3_%4")
        .arg(serie >> 16, 4, 10, QChar(u'0'))
        .arg(serie & 0xFFFF, 4, 10, QChar(u'0'))
        .arg(canal)
        .arg(QLatin1StringView(qual));
}

QString texto(const std::optional<double> &v)
{
    if (!v)
        return {};
    return QString::number(*v, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

// As written (always with '.') or edited by hand (',' as well); anything
// else in the file is a limit that is off.
std::optional<double> LimitesAlarme::valor(const QString &texto)
{
    QString t = texto.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

LimitesAlarme::LimitesAlarme(IConfiguracoes *configuracoes)
    : m_configuracoes(configuracoes)
{
}

LimitesCanal LimitesAlarme::le(qint32 numeroSerie, int canal) const
{
    LimitesCanal l;
    if (!m_configuracoes)
        return l;
    l.alto = valor(m_configuracoes->le(Secao, chave(numeroSerie, canal, "ALTO"), {}));
    l.baixo = valor(m_configuracoes->le(Secao, chave(numeroSerie, canal, "BAIXO"), {}));
    return l;
}

GravacaoConfiguracao LimitesAlarme::grava(qint32 numeroSerie, int canal, const LimitesCanal &limites)
{
    if (!m_configuracoes)
        return {};
    // Only a key whose limit changed is written, so that the rest of the
    // file, a hand-edited value that reads the same included, stays as it is.
    const auto gravaUm = [&](const char *qual, const std::optional<double> &v) {
        const QString k = chave(numeroSerie, canal, qual);
        if (valor(m_configuracoes->le(Secao, k, {})) != v)
            return m_configuracoes->grava(Secao, k, texto(v));
        return GravacaoConfiguracao {};
    };
    const GravacaoConfiguracao alto = gravaUm("ALTO", limites.alto);
    return alto.ok() ? gravaUm("BAIXO", limites.baixo) : alto;
}
