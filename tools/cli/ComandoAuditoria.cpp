#include "ComandoAuditoria.h"

#include "ConfiguracoesIni.h"
#include "OpcoesLinha.h"
#include "Registros.h"
#include "TextoInformacoes.h"
#include "TextoRegistros.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

// "2026-12-08", "08/12/2026", or an ISO 8601 instant. A date alone is its
// day's first moment (de) or last (ate).
std::optional<QDateTime> instante(const QString &texto, bool fimDoDia)
{
    QDate d = QDate::fromString(texto, Qt::ISODate);
    if (!d.isValid())
        d = QDate::fromString(texto, QStringLiteral("dd/MM/yyyy"));
    if (d.isValid())
        return fimDoDia ? QDateTime(d, QTime(23, 59, 59, 999)) : QDateTime(d, QTime(0, 0));
    const QDateTime t = QDateTime::fromString(texto, Qt::ISODateWithMs);
    if (t.isValid())
        return t;
    return std::nullopt;
}

QJsonObject json(const LinhaTrilha &l)
{
    QJsonObject o;
    o.insert(QStringLiteral("id"), l.id);
    o.insert(QStringLiteral("instante"), l.instante);
    o.insert(QStringLiteral("deslocamento"), l.deslocamento);
    o.insert(QStringLiteral("usuario"), l.usuario);
    o.insert(QStringLiteral("host"), l.host);
    o.insert(QStringLiteral("versao"), l.versao);
    o.insert(QStringLiteral("acao"), l.acao);
    o.insert(QStringLiteral("serie"), l.serie ? QJsonValue(double(*l.serie)) : QJsonValue());
    o.insert(QStringLiteral("detalhes"), QJsonDocument::fromJson(l.detalhes.toUtf8()).object());
    o.insert(QStringLiteral("hash"), l.hash);
    return o;
}

int executaAuditoria(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const bool emJson = opcoes.sinal(QStringLiteral("json"));
    const bool verificar = opcoes.sinal(QStringLiteral("verificar"));
    const QString logger = opcoes.valor(QStringLiteral("logger"));
    const QString de = opcoes.valor(QStringLiteral("de"));
    const QString ate = opcoes.valor(QStringLiteral("ate"));
    const QString acao = opcoes.valor(QStringLiteral("acao"));
    QString problema = opcoes.problema();
    if (problema.isEmpty() && !opcoes.sobras().isEmpty())
        problema = QStringLiteral("argumento não reconhecido: %1").arg(opcoes.sobras().constFirst());
    FiltroTrilha filtro;
    filtro.acao = acao;
    bool ok = true;
    qint64 serie = logger.isEmpty() ? 0 : logger.toLongLong(&ok);
    if (problema.isEmpty() && (!ok || serie < 0))
        problema = QStringLiteral("--logger: \"%1\" não é um número de série").arg(logger);
    for (const auto &[texto, fim, nome] : { std::tuple(de, false, "de"), std::tuple(ate, true, "ate") }) {
        if (!problema.isEmpty() || texto.isEmpty())
            continue;
        const std::optional<QDateTime> t = instante(texto, fim);
        if (!t)
            problema = QStringLiteral("--%1: \"%2\" não é uma data (AAAA-MM-DD ou DD/MM/AAAA)")
                           .arg(QLatin1StringView(nome), texto);
        else
            (fim ? filtro.ate : filtro.de) = *t;
    }
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }

    Registros registros { ConfiguracoesIni() };
    if (!registros.disponivel()) {
        console.falha(QStringLiteral("os registros não puderam ser abertos: %1").arg(registros.motivo()));
        return Saida::Falha;
    }
    if (verificar) {
        const VerificacaoTrilha v = registros.trilha()->verifica();
        if (emJson) {
            QJsonObject o;
            o.insert(QStringLiteral("integra"), v.integra);
            o.insert(QStringLiteral("linhas"), v.linhas);
            o.insert(QStringLiteral("linha"), v.integra ? QJsonValue() : QJsonValue(v.linha));
            o.insert(QStringLiteral("motivo"), v.integra ? QJsonValue() : QJsonValue(v.motivo));
            console.saida << QJsonDocument(o).toJson(QJsonDocument::Indented);
        } else if (v.integra) {
            console.saida << "Trilha íntegra: " << v.linhas << " linhas verificadas (" << registros.arquivo()
                          << ").\n";
        }
        if (!v.integra) {
            console.falha(QStringLiteral("a trilha não confere na linha %1: %2").arg(v.linha).arg(v.motivo));
            return Saida::Falha;
        }
        return Saida::Sucesso;
    }
    if (!logger.isEmpty()) {
        // The number as the general parameters show it, or as kept.
        filtro.serie = serie;
        for (const qint64 s : registros.trilha()->series()) {
            if (TextoNumeroSerie(quint32(s)) == logger)
                filtro.serie = s;
        }
    }
    const QList<LinhaTrilha> linhas = registros.trilha()->lista(filtro);
    if (emJson) {
        QJsonArray a;
        for (const LinhaTrilha &l : linhas)
            a.append(json(l));
        console.saida << QJsonDocument(a).toJson(QJsonDocument::Indented);
        return Saida::Sucesso;
    }
    for (const LinhaTrilha &l : linhas) {
        console.saida << l.id << "  " << TextoRegistros::instanteIso(l) << "  " << l.usuario << '@' << l.host
                      << "  " << l.acao;
        if (l.serie)
            console.saida << "  logger " << TextoNumeroSerie(quint32(*l.serie));
        console.saida << "  " << l.detalhes << '\n';
    }
    if (linhas.isEmpty())
        console.saida << "Nenhum evento.\n";
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoAuditoria()
{
    Comando c;
    c.nome = QStringLiteral("auditoria");
    c.resumo = QStringLiteral("lista a trilha de auditoria e verifica o encadeamento dela");
    c.uso = QStringLiteral(
        "auditoria [--json] [--logger SERIE] [--acao ACAO] [--de DATA] [--ate DATA] [--verificar]");
    c.ajuda = QStringLiteral(
        "Lista os eventos da trilha de auditoria desta instalação (quem, quando, em que\n"
        "computador, com que versão do programa, o quê e em que logger), do mais antigo\n"
        "ao mais novo. A trilha fica em registros.db, na pasta de dados do usuário\n"
        "(QUORVANE_DATA_DIR, ou ~/.local/share/Quorvane), ou no servidor PostgreSQL que\n"
        "a chave BANCO da seção [REGISTROS] das configurações indica.\n"
        "\n"
        "  --logger SERIE    só os eventos do logger com esse número de série (como os\n"
        "                    parâmetros gerais o mostram)\n"
        "  --acao ACAO       só os dessa ação (configuracao, coleta, parada, bateria,\n"
        "                    offset, limites, portas, gravacao, exportacao, impressao)\n"
        "  --de DATA         a partir da data (AAAA-MM-DD ou DD/MM/AAAA)\n"
        "  --ate DATA        até o fim da data\n"
        "  --json            os eventos em JSON\n"
        "  --verificar       percorre a trilha inteira e confere cada linha: o hash do\n"
        "                    conteúdo, o da linha anterior e a assinatura com a chave\n"
        "                    desta instalação; nomeia a primeira linha que não confere\n"
        "\n"
        "Saída 0; 1 quando a trilha não confere ou não pode ser lida; 2 para uso incorreto.");
    c.executa = executaAuditoria;
    return c;
}
