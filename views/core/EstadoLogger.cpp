#include "EstadoLogger.h"

#include "BlocoConfiguracao.h"
#include "Catalogo.h"

#include <algorithm>

namespace {

enum Texto {
    AtencaoMemoria = 535,
    AtencaoBateria = 536,
    AtencaoColeta = 537,
    SemResposta = 538,
};

// Half seconds from one acquisition to the next.
qint64 periodo(const BlocoConfiguracao &c)
{
    return qint64(c.meiosSegundos()) * std::max(1, c.LeiturasPorAquisicao);
}

bool temSensor(const BlocoConfiguracao &c)
{
    return c.Sensor1 >= 128 || c.Sensor2 >= 128;
}

}  // namespace

bool loggerGravando(const BlocoConfiguracao &c)
{
    if (!temSensor(c) || c.capacidade() <= 0)
        return false;
    if (!c.nuncaPara() && (c.AquisicoesEfetuadas >= c.Parada || c.AquisicoesEfetuadas >= c.capacidade()))
        return false;
    // A logger that was stopped keeps counting the time since its latest
    // acquisition; a second's slack for the reading itself.
    return c.DesdeUltima <= 2 * periodo(c) + 2;
}

int memoriaUsada(const BlocoConfiguracao &c)
{
    const int capacidade = c.capacidade();
    if (capacidade <= 0)
        return 0;
    return int(qint64(std::min(c.AquisicoesEfetuadas, capacidade)) * 100 / capacidade);
}

PrevisaoMemoria PrevisaoMemoria::de(const BlocoConfiguracao &c)
{
    PrevisaoMemoria p;
    if (!loggerGravando(c))
        return p;
    const int capacidade = c.capacidade();
    int limite = capacidade;
    if (c.nuncaPara())
        p.tipo = Tipo::Sobrescreve;
    else if (c.Parada < capacidade) {
        p.tipo = Tipo::Para;
        limite = c.Parada;
    } else {
        p.tipo = Tipo::Enche;
    }
    const qint64 faltam = limite - c.AquisicoesEfetuadas;
    if (faltam <= 0)
        return p;
    const qint64 meios = std::max<qint64>(0, faltam * periodo(c) - c.DesdeUltima);
    p.segundos = (meios + 1) / 2;
    return p;
}

void EstadoLogger::preenche(const BlocoConfiguracao &c, qint64 numero, const QString &textoSerie,
    const QString &tituloLogger, const QDateTime &dataBateria, const QDateTime &agora)
{
    respondeu = true;
    serie = numero;
    numeroSerie = textoSerie;
    titulo = tituloLogger;
    gravando = loggerGravando(c);
    memoria = memoriaUsada(c);
    previsao = PrevisaoMemoria::de(c);
    previsto
        = previsao.tipo == PrevisaoMemoria::Tipo::Nenhuma ? QDateTime() : agora.addSecs(previsao.segundos);
    bateria = dataBateria;
}

std::optional<int> EstadoLogger::idadeBateria(const QDateTime &bateria, const QDateTime &agora)
{
    if (!bateria.isValid() || !agora.isValid())
        return std::nullopt;
    const QDate de = bateria.date();
    const QDate ate = agora.date();
    int meses = (ate.year() - de.year()) * 12 + ate.month() - de.month();
    if (ate.day() < de.day())
        --meses;
    return std::max(0, meses);
}

EstadoLogger::Atencoes EstadoLogger::avalia(
    const EstadoLogger &e, int vidaBateriaMeses, const QDateTime &agora)
{
    Atencoes a;
    if (!e.respondeu)
        return Atencao::SemResposta;
    if (e.memoria > LimiteMemoria)
        a |= Atencao::Memoria;
    if (e.bateria.isValid() && e.bateria.addMonths(vidaBateriaMeses) < agora)
        a |= Atencao::Bateria;
    if (e.veredito == Veredito::Reprovada)
        a |= Atencao::ColetaReprovada;
    return a;
}

QStringList EstadoLogger::textosAtencao(const Catalogo &catalogo, int vidaBateriaMeses) const
{
    QStringList t;
    if (atencoes & Atencao::SemResposta)
        t << catalogo.texto(SemResposta);
    if (atencoes & Atencao::Memoria)
        t << catalogo.texto(AtencaoMemoria).arg(LimiteMemoria);
    if (atencoes & Atencao::Bateria)
        t << catalogo.texto(AtencaoBateria).arg(vidaBateriaMeses);
    if (atencoes & Atencao::ColetaReprovada)
        t << catalogo.texto(AtencaoColeta).arg(perfil);
    return t;
}

void ordenaLoggers(QList<EstadoLogger> &linhas)
{
    std::stable_sort(linhas.begin(), linhas.end(), [](const EstadoLogger &a, const EstadoLogger &b) {
        const bool atencaoA = bool(a.atencoes);
        const bool atencaoB = bool(b.atencoes);
        if (atencaoA != atencaoB)
            return atencaoA;
        return a.porta < b.porta;
    });
}
