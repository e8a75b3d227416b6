#include "PerfilAlarme.h"

namespace PerfisAlarme {

namespace {

RegraAlarme regra(TipoRegra tipo, bool acima, double limite, bool inclui, double segundos = 0.0,
    JanelaTcm janela = JanelaTcm::Inteira)
{
    RegraAlarme r;
    r.tipo = tipo;
    r.acima = acima;
    r.limite = limite;
    r.incluiLimite = inclui;
    r.segundos = segundos;
    r.janela = janela;
    return r;
}

constexpr double Hora = 3600.0;

QList<PerfilAlarme> monta()
{
    const auto perfil = [](const char *curto, const QString &nome, const QList<RegraAlarme> &regras) {
        return PerfilAlarme { nome, QString::fromLatin1(curto), true, regras };
    };
    return {
        perfil("geladeira", QStringLiteral("2 a 8 °C"),
            { regra(TipoRegra::Instante, true, 8.0, false), regra(TipoRegra::Instante, false, 2.0, false) }),
        perfil("congelador", QStringLiteral("≤ −15 °C"), { regra(TipoRegra::Instante, true, -15.0, false) }),
        perfil("ambiente", QStringLiteral("15 a 25 °C, TCM ≤ 25 °C"),
            { regra(TipoRegra::Instante, true, 25.0, false), regra(TipoRegra::Instante, false, 15.0, false),
                regra(TipoRegra::Tcm, true, 25.0, false, 0.0, JanelaTcm::Mes) }),
        // At or above 45 °C for 1 hour in one event, at or above 30 °C for
        // 10 hours in all, at or below -0.5 °C for 1 hour in one event.
        perfil("vacina-transporte", QStringLiteral("Transporte de vacinas"),
            { regra(TipoRegra::Evento, true, 45.0, true, Hora),
                regra(TipoRegra::Acumulado, true, 30.0, true, 10 * Hora),
                regra(TipoRegra::Evento, false, -0.5, true, Hora) }),
    };
}

}  // namespace

const QList<PerfilAlarme> &fornecidos()
{
    static const QList<PerfilAlarme> perfis = monta();
    return perfis;
}

std::optional<PerfilAlarme> procura(const QList<PerfilAlarme> &perfis, const QString &nome)
{
    const QString n = nome.trimmed();
    for (const PerfilAlarme &p : perfis) {
        if (p.curto.compare(n, Qt::CaseInsensitive) == 0 || p.nome.compare(n, Qt::CaseInsensitive) == 0)
            return p;
    }
    return std::nullopt;
}

double segundosJanela(JanelaTcm janela)
{
    switch (janela) {
    case JanelaTcm::Dia:
        return 86400.0;
    case JanelaTcm::Mes:
        return 30 * 86400.0;
    case JanelaTcm::Inteira:
        break;
    }
    return 0.0;
}

}  // namespace PerfisAlarme
