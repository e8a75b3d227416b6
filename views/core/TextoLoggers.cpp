#include "TextoLoggers.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "FormataDataHora.h"

#include <QJsonArray>

namespace {

enum Texto {
    Passa = 473,
    Falha = 474,
    CabecalhoPorta = 517,  // to 524, one per column
    CabecalhoAtencao = 525,
    Gravando = 528,
    Parado = 529,
    Enche = 531,
    Para = 532,
    Sobrescreve = 533,
    IdadeBateria = 534,
    SemVeredito = 539,
};

QString dataHora(const QDateTime &instante, const ConfigRegional &regional)
{
    if (!instante.isValid())
        return {};
    return FormataDataHora(regional.formatoDataCurta + u' ' + regional.formatoHoraCurta,
        DataHora::deQDateTime(instante), regional);
}

QString previsao(const EstadoLogger &e, const Catalogo &catalogo, const ConfigRegional &regional)
{
    switch (e.previsao.tipo) {
    case PrevisaoMemoria::Tipo::Enche:
        return catalogo.texto(Enche).arg(dataHora(e.previsto, regional));
    case PrevisaoMemoria::Tipo::Para:
        return catalogo.texto(Para).arg(dataHora(e.previsto, regional));
    case PrevisaoMemoria::Tipo::Sobrescreve:
        return catalogo.texto(Sobrescreve).arg(dataHora(e.previsto, regional));
    case PrevisaoMemoria::Tipo::Nenhuma:
        break;
    }
    return {};
}

QString veredito(const EstadoLogger &e, const Catalogo &catalogo)
{
    switch (e.veredito) {
    case EstadoLogger::Veredito::Aprovada:
        return catalogo.texto(Passa);
    case EstadoLogger::Veredito::Reprovada:
        return catalogo.texto(Falha);
    case EstadoLogger::Veredito::SemVeredito:
        return catalogo.texto(SemVeredito);
    case EstadoLogger::Veredito::SemColeta:
        break;
    }
    return {};
}

const char *nomeVeredito(EstadoLogger::Veredito v)
{
    switch (v) {
    case EstadoLogger::Veredito::Aprovada:
        return "aprovada";
    case EstadoLogger::Veredito::Reprovada:
        return "reprovada";
    case EstadoLogger::Veredito::SemVeredito:
        return "sem veredito";
    case EstadoLogger::Veredito::SemColeta:
        break;
    }
    return "";
}

const char *nomePrevisao(PrevisaoMemoria::Tipo t)
{
    switch (t) {
    case PrevisaoMemoria::Tipo::Enche:
        return "cheia";
    case PrevisaoMemoria::Tipo::Para:
        return "para";
    case PrevisaoMemoria::Tipo::Sobrescreve:
        return "sobrescreve";
    case PrevisaoMemoria::Tipo::Nenhuma:
        break;
    }
    return "";
}

QJsonValue iso(const QDateTime &instante)
{
    return instante.isValid()
        ? QJsonValue(instante.toOffsetFromUtc(instante.offsetFromUtc()).toString(Qt::ISODate))
        : QJsonValue();
}

}  // namespace

QStringList TextoLoggers::cabecalhos(const Catalogo &catalogo)
{
    QStringList t;
    t << catalogo.texto(CabecalhoPorta) << catalogo.texto(CabecalhoAtencao);
    for (int c = Serie; c < Colunas; ++c)
        t << catalogo.texto(CabecalhoPorta + c - 1);
    return t;
}

QStringList TextoLoggers::colunas(const EstadoLogger &e, const Catalogo &catalogo,
    const ConfigRegional &regional, int vidaBateriaMeses, const QDateTime &agora)
{
    QStringList t(Colunas);
    t[Porta] = QStringLiteral("COM%1 (%2)").arg(e.porta).arg(e.dispositivo);
    t[Atencao] = e.textosAtencao(catalogo, vidaBateriaMeses).join(QStringLiteral("; "));
    if (!e.respondeu) {
        t[Atencao] += QStringLiteral(": ") + e.motivo;
        return t;
    }
    t[Serie] = e.numeroSerie;
    t[Titulo] = e.titulo;
    t[Estado] = catalogo.texto(e.gravando ? Gravando : Parado);
    t[Memoria] = QStringLiteral("%1 %").arg(e.memoria);
    t[Previsao] = previsao(e, catalogo, regional);
    if (const auto idade = EstadoLogger::idadeBateria(e.bateria, agora))
        t[Bateria]
            = catalogo.texto(IdadeBateria)
                  .arg(FormataDataHora(regional.formatoDataCurta, DataHora::deQDateTime(e.bateria), regional))
                  .arg(*idade);
    if (e.coleta.isValid()) {
        const QString v = veredito(e, catalogo);
        t[Coleta] = dataHora(e.coleta, regional)
            + (e.perfil.isEmpty() ? QStringLiteral(", ") + v : QStringLiteral(", %1 (%2)").arg(v, e.perfil));
    }
    return t;
}

QJsonObject TextoLoggers::json(
    const EstadoLogger &e, const Catalogo &catalogo, int vidaBateriaMeses, const QDateTime &agora)
{
    QJsonObject o;
    o.insert(QStringLiteral("porta"), e.porta);
    o.insert(QStringLiteral("dispositivo"), e.dispositivo);
    o.insert(QStringLiteral("respondeu"), e.respondeu);
    if (!e.respondeu) {
        o.insert(QStringLiteral("motivo"), e.motivo);
    } else {
        o.insert(QStringLiteral("numeroSerie"), e.numeroSerie);
        o.insert(QStringLiteral("titulo"), e.titulo);
        o.insert(QStringLiteral("gravando"), e.gravando);
        o.insert(QStringLiteral("memoriaUsada"), e.memoria);
        if (e.previsao.tipo != PrevisaoMemoria::Tipo::Nenhuma)
            o.insert(QStringLiteral("memoria"),
                QJsonObject {
                    { QStringLiteral("previsao"), QString::fromLatin1(nomePrevisao(e.previsao.tipo)) },
                    { QStringLiteral("instante"), iso(e.previsto) } });
        o.insert(QStringLiteral("bateria"), iso(e.bateria));
        const auto idade = EstadoLogger::idadeBateria(e.bateria, agora);
        o.insert(QStringLiteral("idadeBateriaMeses"), idade ? QJsonValue(*idade) : QJsonValue());
        QJsonObject coleta;
        if (e.coleta.isValid()) {
            coleta.insert(QStringLiteral("instante"), iso(e.coleta));
            coleta.insert(QStringLiteral("veredito"), QString::fromLatin1(nomeVeredito(e.veredito)));
            if (!e.perfil.isEmpty())
                coleta.insert(QStringLiteral("perfil"), e.perfil);
        }
        o.insert(QStringLiteral("ultimaColeta"), coleta.isEmpty() ? QJsonValue() : QJsonValue(coleta));
    }
    o.insert(
        QStringLiteral("atencao"), QJsonArray::fromStringList(e.textosAtencao(catalogo, vidaBateriaMeses)));
    return o;
}
