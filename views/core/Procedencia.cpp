#include "Procedencia.h"

#include "Catalogo.h"
#include "Registros.h"
#include "SeloGravacao.h"

#include <QFileInfo>

namespace {

const QString kLinhaAssinatura(40, u'_');

}  // namespace

Procedencia Procedencia::de(Registros *registros, const QString &caminho, const QDateTime &agora)
{
    Procedencia p;
    p.impressoPor = AutorEventos::doSistema().usuario;
    p.impressoEm = agora;
    if (caminho.isEmpty())
        return p;
    p.arquivo = QFileInfo(caminho).fileName();
    p.sha256 = SelosArquivo::sha256Arquivo(caminho);
    if (!registros || !registros->disponivel())
        return p;
    p.estado = registros->integridade(caminho);
    const std::optional<SeloArquivo> &selo = p.estado.selo;
    if (!selo || !selo->serie || p.estado.tipo != EstadoIntegridade::Integro)
        return p;
    // The logger's last collection before the recording was saved.
    FiltroTrilha filtro;
    filtro.serie = selo->serie;
    filtro.acao = AcaoAuditoria::Coleta;
    filtro.ate = QDateTime::fromString(selo->instante, Qt::ISODateWithMs);
    filtro.limite = 1;
    const QList<LinhaTrilha> coletas = registros->trilha()->lista(filtro);
    if (!coletas.isEmpty()) {
        p.coletadoPor = coletas.constLast().usuario;
        p.coletadoEm = coletas.constLast().instante;
    }
    return p;
}

QStringList Procedencia::linhas(const Catalogo &cat) const
{
    const auto quemQuando = [&cat](const QString &quem, const QString &quando) {
        return quem.isEmpty() ? cat.texto(412) : cat.texto(408).arg(quem, quando);
    };
    QStringList l { cat.texto(403) };
    if (!arquivo.isEmpty()) {
        l << cat.texto(404) + u'\t' + arquivo;
        // The hash and the detail are longer than the value column: each
        // takes the whole line.
        l << cat.texto(405) + QStringLiteral(": ") + sha256;
        l << cat.texto(400) + u'\t' + SeloGravacao::nome(estado.tipo, cat);
        if (const QString d = SeloGravacao::detalhe(estado, cat); !d.isEmpty())
            l << d;
        l << cat.texto(406) + u'\t'
                + quemQuando(
                    coletadoPor, coletadoPor.isEmpty() ? QString() : SeloGravacao::textoInstante(coletadoEm));
    }
    l << cat.texto(407) + u'\t'
            + quemQuando(
                impressoPor, impressoEm.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
    l << QStringLiteral(" ");
    for (const int rotulo : { 409, 410, 411 }) {
        l << QStringLiteral(" ");
        l << cat.texto(rotulo) + u'\t' + kLinhaAssinatura;
    }
    return l;
}
