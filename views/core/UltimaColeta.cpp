#include "UltimaColeta.h"

#include "ArquivoQvg.h"
#include "AvaliacaoPerfil.h"
#include "PerfisGuardados.h"
#include "Registros.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString ChaveAprovado = QStringLiteral("aprovado");
const QString ChavePerfil = QStringLiteral("perfil");

// The first recording sealed after the collection's event (the one saved
// from it) judged by the logger's profile.
void avaliaGravacao(UltimaColeta &u, Registros &registros, qint64 serie, qint64 evento,
    IConfiguracoes *configuracoes, const Catalogo &catalogo, const ConfigRegional &regional)
{
    if (!registros.selos())
        return;
    FiltroSelos filtro;
    filtro.serie = serie;
    filtro.tipo = QStringLiteral("qvg");
    const QList<SeloArquivo> selos = registros.selos()->lista(filtro);  // the newest first
    for (auto it = selos.crbegin(); it != selos.crend(); ++it) {
        if (it->evento <= evento)
            continue;
        if (registros.integridade(it->caminho).tipo != EstadoIntegridade::Integro)
            return;
        const ArquivoQvg::Resultado r = ArquivoQvg::leArquivo(it->caminho, regional);
        if (r.erro != ArquivoQvg::Erro::Nenhum)
            return;
        QString erro;
        const auto perfil = PerfisGuardados(configuracoes).escolhe(qint32(serie), {}, catalogo, erro);
        if (!perfil)
            return;
        u.veredito = avalia(r.aquisicao, *perfil).aprovado ? EstadoLogger::Veredito::Aprovada
                                                           : EstadoLogger::Veredito::Reprovada;
        u.perfil = perfil->nome;
        return;
    }
}

}  // namespace

UltimaColeta UltimaColeta::de(Registros &registros, qint64 serie, IConfiguracoes *configuracoes,
    const Catalogo &catalogo, const ConfigRegional &regional)
{
    UltimaColeta u;
    if (!registros.disponivel() || !registros.trilha())
        return u;
    FiltroTrilha filtro;
    filtro.serie = serie;
    filtro.acao = AcaoAuditoria::Coleta;
    filtro.limite = 1;
    const QList<LinhaTrilha> linhas = registros.trilha()->lista(filtro);
    if (linhas.isEmpty())
        return u;
    const LinhaTrilha &linha = linhas.first();
    u.instante = QDateTime::fromString(linha.instante, Qt::ISODateWithMs).toLocalTime();
    u.veredito = EstadoLogger::Veredito::SemVeredito;
    const QJsonObject detalhes = QJsonDocument::fromJson(linha.detalhes.toUtf8()).object();
    if (detalhes.value(ChaveAprovado).isBool()) {
        u.veredito = detalhes.value(ChaveAprovado).toBool() ? EstadoLogger::Veredito::Aprovada
                                                            : EstadoLogger::Veredito::Reprovada;
        u.perfil = detalhes.value(ChavePerfil).toString();
        return u;
    }
    avaliaGravacao(u, registros, serie, linha.id, configuracoes, catalogo, regional);
    return u;
}
