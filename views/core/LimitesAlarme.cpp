#include "LimitesAlarme.h"

#include "Catalogo.h"
#include "IConfiguracoes.h"
#include "TextoNumerico.h"

#include <QLocale>

namespace {

const QString Secao = QStringLiteral("LIMITES_SERIE");
const QString SecaoAnterior = QStringLiteral("LIMITES");
// A default no value can be: tells an absent key from an empty one.
const QString Ausente = QStringLiteral("\x01");
constexpr int kDoArquivo = 373;

QString sufixo(int canal, const char *qual)
{
    return QStringLiteral("_%1_%2").arg(canal).arg(QLatin1StringView(qual));
}

// "65546_1_ALTO".
QString chave(qint32 numeroSerie, int canal, const char *qual)
{
    return QString::number(quint32(numeroSerie)) + sufixo(canal, qual);
}

// "00010010_1_ALTO", or nothing when those eight digits could be another
// serial number's (a half of 10000 or more).
std::optional<QString> chaveAnterior(qint32 numeroSerie, int canal, const char *qual)
{
    const quint32 serie = quint32(numeroSerie);
    if ((serie >> 16) >= 10000 || (serie & 0xFFFF) >= 10000)
        return std::nullopt;
    return QStringLiteral("%1%2").arg(serie >> 16, 4, 10, QChar(u'0')).arg(serie & 0xFFFF, 4, 10, QChar(u'0'))
        + sufixo(canal, qual);
}

QString texto(const std::optional<double> &v)
{
    if (!v)
        return {};
    // Plain decimals, never an exponent.
    return QString::number(*v, 'f', QLocale::FloatingPointShortest);
}

}  // namespace

std::optional<double> LimitesAlarme::valor(const QString &texto)
{
    return LeNumero(texto, u'.');
}

QString LimitesAlarme::doArquivo(const QString &erro, const QString &arquivo, const Catalogo &catalogo)
{
    return erro + u' ' + catalogo.texto(kDoArquivo).arg(arquivo);
}

LimitesAlarme::LimitesAlarme(IConfiguracoes *configuracoes)
    : m_configuracoes(configuracoes)
{
}

LimitesAlarme::Textos LimitesAlarme::textos(qint32 numeroSerie, int canal) const
{
    if (!m_configuracoes || !temSerie(numeroSerie))
        return {};
    const auto um = [&](const char *qual) {
        const QString v = m_configuracoes->le(Secao, chave(numeroSerie, canal, qual), Ausente);
        if (v != Ausente)
            return v;
        const auto anterior = chaveAnterior(numeroSerie, canal, qual);
        return anterior ? m_configuracoes->le(SecaoAnterior, *anterior, {}) : QString();
    };
    return { um("ALTO"), um("BAIXO") };
}

LimitesCanal LimitesAlarme::le(qint32 numeroSerie, int canal) const
{
    const Textos t = textos(numeroSerie, canal);
    return { valor(t.alto), valor(t.baixo) };
}

RegrasLimites::Leitura LimitesAlarme::le(
    qint32 numeroSerie, const RegrasLimites::Canal &canal, const Catalogo &catalogo) const
{
    const LimitesCanal l = le(numeroSerie, canal.numero);
    const Textos t = textos(numeroSerie, canal.numero);
    // An unreadable value is off; a number goes through the rule.
    RegrasLimites::Leitura r
        = RegrasLimites::le(l.alto.has_value(), t.alto, l.baixo.has_value(), t.baixo, canal, u'.', catalogo);
    if (!r.aceita())
        r.erro = doArquivo(r.erro, QStringLiteral("QUORVANE.INI"), catalogo);
    return r;
}

GravacaoConfiguracao LimitesAlarme::grava(qint32 numeroSerie, int canal, const LimitesCanal &limites)
{
    if (!m_configuracoes || !temSerie(numeroSerie))
        return {};
    // Only a key whose limit changed is written, so that the rest of the
    // file, a hand-edited value that reads the same included, stays as it is.
    const LimitesCanal antes = le(numeroSerie, canal);
    const auto gravaUm
        = [&](const char *qual, const std::optional<double> &anterior, const std::optional<double> &v) {
              if (anterior != v)
                  return m_configuracoes->grava(Secao, chave(numeroSerie, canal, qual), texto(v));
              return GravacaoConfiguracao {};
          };
    const GravacaoConfiguracao alto = gravaUm("ALTO", antes.alto, limites.alto);
    return alto.ok() ? gravaUm("BAIXO", antes.baixo, limites.baixo) : alto;
}
