#include "RelatorioResumo.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "TAquisicao.h"
#include "TextoInformacoes.h"
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

QStringList cabecalho(const TAquisicao &aquisicao, const QString &arquivo, const Catalogo &catalogo,
    const ConfigRegional &regional)
{
    const auto linha = [&catalogo](int rotulo, const QString &valor) {
        return catalogo.texto(rotulo) + QStringLiteral(":\t") + valor;
    };
    QStringList r { linha(385, aquisicao.Titulo.trimmed()), linha(386, arquivo),
        linha(387, TextoNumeroSerie(aquisicao)) };
    if (aquisicao.NumLeituras() > 0)
        r.append(linha(388,
            catalogo.texto(389).arg(TextoResumo::instante(aquisicao, 0, regional),
                TextoResumo::instante(aquisicao, aquisicao.NumLeituras() - 1, regional))));
    r.append(QString());
    return r;
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
