#include "RelatorioResumo.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "TAquisicao.h"
#include "TextoResumo.h"

namespace RelatorioResumo {

QList<Parte> partes(const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites, int primeira,
    int ultima, const Catalogo &catalogo, const ConfigRegional &regional)
{
    QList<Parte> r;
    for (int canal = 1; canal <= 2; ++canal) {
        Parte p;
        p.canal = canal;
        p.titulo = TextoResumo::titulo(aquisicao, canal, catalogo);
        p.linhas = TextoResumo::linhas(
            aquisicao, canal, primeira, ultima, limites[size_t(canal - 1)], catalogo, regional);
        if (!p.linhas.isEmpty())
            r.append(p);
    }
    return r;
}

QString valor(const QList<Parte> &partes, int canal, const QString &rotulo)
{
    for (const Parte &p : partes) {
        if (p.canal != canal)
            continue;
        for (const TextoResumo::Linha &l : p.linhas)
            if (l.rotulo == rotulo)
                return l.valor;
    }
    return {};
}

QStringList linhas(const QList<Parte> &partes)
{
    QStringList r;
    for (const Parte &p : partes) {
        if (!r.isEmpty())
            r.append(QString());
        r.append(p.titulo);
        for (const TextoResumo::Linha &l : p.linhas)
            r.append(QStringLiteral("    ") + l.rotulo + QStringLiteral(":\t") + l.valor);
    }
    return r;
}

}  // namespace RelatorioResumo
