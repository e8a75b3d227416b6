#include "PerfisGuardados.h"

#include "Catalogo.h"
#include "IConfiguracoes.h"
#include "LimitesAlarme.h"
#include "TextoNumerico.h"

#include <QLocale>

namespace {

const QString Secao = QStringLiteral("PERFIS");
const QString SecaoSerie = QStringLiteral("PERFIL_SERIE");
const QString Lista = QStringLiteral("LISTA");
constexpr int kSemRegras = 465;
constexpr int kLimiteNaoNumero = 466;
constexpr int kDuracao = 467;
constexpr int kRegraIlegivel = 468;
constexpr int kNaoEncontrado = 469;
constexpr int kLimitesAlarme = 470;
constexpr int kNoPerfil = 471;

const QStringList Tipos { QStringLiteral("evento"), QStringLiteral("acumulado"), QStringLiteral("instante"),
    QStringLiteral("tcm") };
const QStringList Janelas { QStringLiteral("24h"), QStringLiteral("30d"), QStringLiteral("inteira") };

QString numero(double v)
{
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

QString chaveSerie(qint32 numeroSerie)
{
    return QString::number(quint32(numeroSerie));
}

}  // namespace

PerfisGuardados::PerfisGuardados(IConfiguracoes *configuracoes)
    : m_configuracoes(configuracoes)
{
}

QString PerfisGuardados::texto(const RegraAlarme &r)
{
    return QStringList { QString::number(r.canal), Tipos[int(r.tipo)],
        r.acima ? QStringLiteral("acima") : QStringLiteral("abaixo"), numero(r.limite),
        r.incluiLimite ? QStringLiteral("sim") : QStringLiteral("nao"), numero(r.segundos),
        Janelas[int(r.janela)] }
        .join(u',');
}

std::optional<RegraAlarme> PerfisGuardados::regra(const QString &texto, const Catalogo &cat, QString &erro)
{
    const QStringList c = texto.trimmed().split(u',');
    const auto ilegivel = [&]() -> std::optional<RegraAlarme> {
        erro = cat.texto(kRegraIlegivel).arg(texto.trimmed());
        return std::nullopt;
    };
    if (c.size() != 7)
        return ilegivel();
    RegraAlarme r;
    bool ok = false;
    r.canal = c[0].trimmed().toInt(&ok);
    const qsizetype tipo = Tipos.indexOf(c[1].trimmed().toLower());
    const QString lado = c[2].trimmed().toLower();
    const QString inclui = c[4].trimmed().toLower();
    const qsizetype janela = Janelas.indexOf(c[6].trimmed().toLower());
    if (!ok || r.canal < 0 || r.canal > 2 || tipo < 0 || janela < 0 || (lado != u"acima" && lado != u"abaixo")
        || (inclui != u"sim" && inclui != u"nao"))
        return ilegivel();
    r.tipo = TipoRegra(tipo);
    r.acima = lado == u"acima";
    r.incluiLimite = inclui == u"sim";
    r.janela = JanelaTcm(janela);
    const auto limite = LeNumero(c[3].trimmed(), u'.');
    if (!limite) {
        erro = cat.texto(kLimiteNaoNumero).arg(c[3].trimmed());
        return std::nullopt;
    }
    r.limite = *limite;
    const auto segundos = LeNumero(c[5].trimmed(), u'.');
    if (!segundos || *segundos < 0 || (r.contaTempo() && *segundos <= 0)) {
        erro = cat.texto(kDuracao).arg(c[5].trimmed());
        return std::nullopt;
    }
    r.segundos = *segundos;
    return r;
}

QStringList PerfisGuardados::lista() const
{
    if (!m_configuracoes)
        return {};
    QStringList l = m_configuracoes->le(Secao, Lista, {}).split(u',', Qt::SkipEmptyParts);
    for (QString &curto : l)
        curto = curto.trimmed();
    l.removeAll(QString());
    return l;
}

PerfisGuardados::Leitura PerfisGuardados::le(const Catalogo &cat) const
{
    Leitura r;
    r.perfis = PerfisAlarme::fornecidos();
    for (const QString &curto : lista()) {
        PerfilAlarme p;
        p.curto = curto;
        p.nome = m_configuracoes->le(Secao, curto + QStringLiteral("_NOME"), curto);
        const QStringList regras = m_configuracoes->le(Secao, curto + QStringLiteral("_REGRAS"), {})
                                       .split(u';', Qt::SkipEmptyParts);
        QString erro;
        for (const QString &t : regras) {
            if (const auto regra = PerfisGuardados::regra(t, cat, erro))
                p.regras.append(*regra);
            else
                break;
        }
        if (erro.isEmpty() && p.regras.isEmpty())
            erro = cat.texto(kSemRegras).arg(curto);
        if (!erro.isEmpty())
            r.erros.append(cat.texto(kNoPerfil).arg(curto) + erro);
        else if (!PerfisAlarme::procura(r.perfis, curto))
            r.perfis.append(p);
    }
    return r;
}

GravacaoConfiguracao PerfisGuardados::grava(const PerfilAlarme &perfil)
{
    if (!m_configuracoes)
        return {};
    QStringList regras;
    for (const RegraAlarme &r : perfil.regras)
        regras.append(texto(r));
    const auto gravaSeMuda = [&](const QString &secao, const QString &chave, const QString &valor) {
        if (m_configuracoes->le(secao, chave, QStringLiteral("\x01")) == valor)
            return GravacaoConfiguracao {};
        return m_configuracoes->grava(secao, chave, valor);
    };
    GravacaoConfiguracao g = gravaSeMuda(Secao, perfil.curto + QStringLiteral("_NOME"), perfil.nome);
    if (g.ok())
        g = gravaSeMuda(Secao, perfil.curto + QStringLiteral("_REGRAS"), regras.join(u';'));
    QStringList l = lista();
    if (g.ok() && !l.contains(perfil.curto)) {
        l.append(perfil.curto);
        g = m_configuracoes->grava(Secao, Lista, l.join(u','));
    }
    return g;
}

GravacaoConfiguracao PerfisGuardados::remove(const QString &curto)
{
    QStringList l = lista();
    if (!m_configuracoes || !l.removeAll(curto))
        return {};
    return m_configuracoes->grava(Secao, Lista, l.join(u','));
}

QString PerfisGuardados::doRegistrador(qint32 numeroSerie) const
{
    if (!m_configuracoes || numeroSerie == 0)
        return {};
    return m_configuracoes->le(SecaoSerie, chaveSerie(numeroSerie), {}).trimmed();
}

GravacaoConfiguracao PerfisGuardados::atribui(qint32 numeroSerie, const QString &curto)
{
    if (!m_configuracoes || numeroSerie == 0 || doRegistrador(numeroSerie) == curto)
        return {};
    return m_configuracoes->grava(SecaoSerie, chaveSerie(numeroSerie), curto);
}

std::optional<PerfilAlarme> PerfisGuardados::deLimites(
    const std::array<LimitesCanal, 2> &limites, const Catalogo &cat)
{
    PerfilAlarme p;
    p.nome = cat.texto(kLimitesAlarme);
    p.curto = QStringLiteral("limites");
    p.somenteLeitura = true;
    for (int canal = 1; canal <= 2; ++canal) {
        const LimitesCanal &l = limites[size_t(canal - 1)];
        if (l.alto)
            p.regras.append({ canal, TipoRegra::Instante, true, *l.alto, false, 0.0, JanelaTcm::Inteira });
        if (l.baixo)
            p.regras.append({ canal, TipoRegra::Instante, false, *l.baixo, false, 0.0, JanelaTcm::Inteira });
    }
    if (p.regras.isEmpty())
        return std::nullopt;
    return p;
}

std::optional<PerfilAlarme> PerfisGuardados::escolhe(
    qint32 numeroSerie, const QString &nome, const Catalogo &cat, QString &erro) const
{
    const QString procurado = nome.isEmpty() ? doRegistrador(numeroSerie) : nome;
    if (procurado.isEmpty()) {
        const LimitesAlarme limites(m_configuracoes);
        return deLimites({ limites.le(numeroSerie, 1), limites.le(numeroSerie, 2) }, cat);
    }
    const Leitura l = le(cat);
    if (const auto p = PerfisAlarme::procura(l.perfis, procurado))
        return p;
    for (const QString &e : l.erros) {
        if (e.startsWith(cat.texto(kNoPerfil).arg(procurado))) {
            erro = e;
            return std::nullopt;
        }
    }
    erro = cat.texto(kNaoEncontrado).arg(procurado);
    return std::nullopt;
}
