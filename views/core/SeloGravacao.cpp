#include "SeloGravacao.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "IMensagens.h"
#include "LimitesAlarme.h"
#include "Registros.h"
#include "TAquisicao.h"
#include "TextoInformacoes.h"

#include <QDateTime>

namespace SeloGravacao {

namespace {

constexpr int TextoFalhaGravacao = 401;
constexpr int TextoFalhaImpressao = 402;

bool avisaSeFalhou(const Ambiente &ambiente, const std::optional<qint64> &id, int texto)
{
    if (id)
        return true;
    if (ambiente.mensagens) {
        const Catalogo catalogo = ambiente.catalogo ? *ambiente.catalogo : Catalogo();
        ambiente.mensagens->aviso(catalogo.texto(texto).arg(ambiente.registros->erro()));
    }
    return false;
}

}  // namespace

std::optional<bool> excedeu(const TAquisicao &a, const std::array<LimitesCanal, 2> &limites)
{
    std::optional<bool> fora;
    for (int canal = 1; canal <= 2; ++canal) {
        const LimitesCanal &l = limites[size_t(canal - 1)];
        if (!l.alto && !l.baixo)
            continue;
        fora = fora.value_or(false);
        const auto r = resumeCanal(a, canal, 0, a.NumLeituras() - 1, l);
        if (r && ((r->acima && r->acima->entradas > 0) || (r->abaixo && r->abaixo->entradas > 0)))
            fora = true;
    }
    return fora;
}

std::optional<bool> excedeu(const TAquisicao &a, IConfiguracoes *configuracoes)
{
    if (!configuracoes)
        return std::nullopt;
    const LimitesAlarme limites(configuracoes);
    return excedeu(a, { limites.le(a.NumeroSerie, 1), limites.le(a.NumeroSerie, 2) });
}

bool registra(const Ambiente &ambiente, const QString &acao, const QString &caminho, const QString &tipo,
    const TAquisicao *aquisicao)
{
    if (!ambiente.registros)
        return true;
    const std::optional<bool> fora
        = aquisicao ? excedeu(*aquisicao, ambiente.configuracoes) : std::optional<bool>();
    return avisaSeFalhou(ambiente, ambiente.registros->registraArquivo(acao, caminho, tipo, aquisicao, fora),
        TextoFalhaGravacao);
}

bool registraImpressao(const Ambiente &ambiente, const QString &caminho, const TAquisicao *aquisicao)
{
    if (!ambiente.registros || (caminho.isEmpty() && !aquisicao))
        return true;
    if (!caminho.isEmpty())
        return avisaSeFalhou(ambiente,
            ambiente.registros->registraArquivo(AcaoAuditoria::Impressao, caminho, QString(), aquisicao),
            TextoFalhaImpressao);
    const TAquisicao &a = *aquisicao;
    EventoAuditoria e;
    e.acao = AcaoAuditoria::Impressao;
    if (a.NumeroSerie != 0)
        e.serie = quint32(a.NumeroSerie);
    e.detalhes.insert(QStringLiteral("titulo"), a.Titulo);
    e.detalhes.insert(QStringLiteral("entradas"), a.NumLeituras());
    return avisaSeFalhou(ambiente, ambiente.registros->registra(e), TextoFalhaImpressao);
}

QString nome(EstadoIntegridade::Tipo tipo, const Catalogo &catalogo)
{
    switch (tipo) {
    case EstadoIntegridade::Integro:
        return catalogo.texto(395);
    case EstadoIntegridade::Alterado:
        return catalogo.texto(396);
    case EstadoIntegridade::SemRegistro:
        break;
    }
    return catalogo.texto(397);
}

QString textoSerie(qint64 serie)
{
    return TextoNumeroSerie(quint32(serie));
}

QString textoInstante(const QString &iso)
{
    QDateTime t = QDateTime::fromString(iso, Qt::ISODateWithMs);
    if (!t.isValid())
        t = QDateTime::fromString(iso, Qt::ISODate);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : iso;
}

QString detalhe(const EstadoIntegridade &estado, const Catalogo &catalogo)
{
    if (!estado.selo)
        return {};
    const SeloArquivo &s = *estado.selo;
    QString t = catalogo.texto(398).arg(textoInstante(s.instante), s.usuario);
    if (s.serie)
        t += catalogo.texto(399).arg(textoSerie(*s.serie));
    return t;
}

QString descricao(const EstadoIntegridade &estado, const Catalogo &catalogo)
{
    const QString d = detalhe(estado, catalogo);
    return nome(estado.tipo, catalogo) + (d.isEmpty() ? QString() : QStringLiteral(" - ") + d);
}

QStringList linhas(const EstadoIntegridade &estado, const Catalogo &catalogo)
{
    QStringList l { QStringLiteral(" "),
        catalogo.texto(400) + QStringLiteral(": ") + nome(estado.tipo, catalogo) };
    if (const QString d = detalhe(estado, catalogo); !d.isEmpty())
        l << d;
    return l;
}

}  // namespace SeloGravacao
