#include "ComandoResumo.h"

#include "ComandoAvaliar.h"
#include "PerfisGuardados.h"

#include "AmbienteArquivos.h"
#include "ConfiguracoesIni.h"
#include "DocumentoCli.h"
#include "InstanteIso.h"
#include "IntegridadeCli.h"
#include "LimitesAlarme.h"
#include "OpcoesLinha.h"
#include "RegrasLimites.h"
#include "ResumoCanal.h"
#include "TextoNumero.h"
#include "TextoResumo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

struct PedidoResumo
{
    QString arquivo;
    bool json = false;
    // The limits' texts given, by channel: upper, lower (null: not given).
    std::array<std::array<QString, 2>, 2> limites;
    double deltaHSobreR = DeltaHSobreRPadrao;
    std::optional<int> de;  // entry numbers as the readings list gives them, from 1
    std::optional<int> ate;
};

QString leLimite(OpcoesLinha &opcoes, const QString &nome, QString &limite)
{
    limite = opcoes.valor(nome);
    if (!limite.isNull() && !LimitesAlarme::valor(limite))
        return QStringLiteral("o limite de --%1 não é um número: \"%2\"").arg(nome, limite);
    return {};
}

QString leEntrada(OpcoesLinha &opcoes, const QString &nome, std::optional<int> &entrada)
{
    const QString texto = opcoes.valor(nome);
    if (texto.isNull())
        return {};
    bool ok = false;
    entrada = texto.toInt(&ok);
    if (!ok)
        return QStringLiteral("--%1 deve ser um número de entrada: \"%2\"").arg(nome, texto);
    return {};
}

QString lePedido(const QStringList &argumentos, PedidoResumo &p)
{
    OpcoesLinha opcoes(argumentos);
    p.json = opcoes.sinal(QStringLiteral("json"));
    QString erro;
    for (int canal = 1; canal <= 2 && erro.isEmpty(); ++canal) {
        auto &l = p.limites[size_t(canal - 1)];
        erro = leLimite(opcoes, QStringLiteral("alto%1").arg(canal), l[0]);
        if (erro.isEmpty())
            erro = leLimite(opcoes, QStringLiteral("baixo%1").arg(canal), l[1]);
    }
    const QString dh = opcoes.valor(QStringLiteral("dh-r"));
    if (erro.isEmpty())
        erro = leEntrada(opcoes, QStringLiteral("de"), p.de);
    if (erro.isEmpty())
        erro = leEntrada(opcoes, QStringLiteral("ate"), p.ate);
    if (!opcoes.erro().isEmpty())
        return opcoes.erro();
    if (!erro.isEmpty())
        return erro;
    if (const QString opcao = opcoes.opcaoNaoReconhecida(); !opcao.isEmpty())
        return opcao;
    const QStringList sobras = opcoes.sobras();
    if (sobras.size() != 1)
        return QStringLiteral("informe um arquivo .qvg");
    p.arquivo = sobras.first();
    if (!dh.isNull()) {
        const auto v = LimitesAlarme::valor(dh);
        if (!v || *v <= 0)
            return QStringLiteral("--dh-r deve ser um número positivo (em kelvin): \"%1\"").arg(dh);
        p.deltaHSobreR = *v;
    }
    if (p.de && p.ate && *p.de > *p.ate)
        return QStringLiteral("--de %1 vem depois de --ate %2").arg(*p.de).arg(*p.ate);
    return {};
}

// The limits of each channel: those given, the stored ones for the rest,
// through the limits' rule; a refusal that involves a stored value names the
// settings file.
QString limitesDoCanal(const TAquisicao &a, int canal, const PedidoResumo &p, ConfiguracoesIni &ini,
    const Catalogo &cat, LimitesCanal &l)
{
    const auto &dados = p.limites[size_t(canal - 1)];
    if (!canalComSensor(a, canal)) {
        if (!dados[0].isNull() || !dados[1].isNull())
            return QStringLiteral("o canal %1 não tem sensor nesta gravação").arg(canal);
        return {};
    }
    const LimitesAlarme::Textos guardados = LimitesAlarme(&ini).textos(a.NumeroSerie, canal);
    const RegrasLimites::Canal regra = RegrasLimites::canal(a, canal);
    bool doArquivo = false;
    QString erro;
    const auto um = [&](const QString &dado, const QString &guardado) -> std::optional<double> {
        if (!erro.isEmpty())
            return std::nullopt;
        // A stored value that is not a number is a limit that is off.
        if (dado.isNull() && !LimitesAlarme::valor(guardado))
            return std::nullopt;
        doArquivo = doArquivo || dado.isNull();
        const auto v = RegrasLimites::valor(dado.isNull() ? guardado : dado, u'.', regra, cat, erro);
        if (!erro.isEmpty())
            doArquivo = dado.isNull();
        return v;
    };
    l.alto = um(dados[0], guardados.alto);
    l.baixo = um(dados[1], guardados.baixo);
    if (erro.isEmpty())
        erro = RegrasLimites::confere(l, regra, cat);
    if (!erro.isEmpty() && doArquivo)
        erro = LimitesAlarme::doArquivo(erro, ini.caminho(), cat);
    return erro;
}

// A statistic with the decimals the text gives it: one more than the
// channel's values, at least one.
double arredonda(double v, int casas)
{
    const double escala = std::pow(10.0, casas);
    return std::round(v * escala) / escala;
}

// A value of the document as the 48-bit real holds it, without the binary
// digits below its precision (23.46, not 23.459999999999994).
double valorDocumento(double v)
{
    return TextoNumero::geral(v, u'.').toDouble();
}

QJsonObject jsonExtremo(const TAquisicao &a, const ExtremoCanal &e)
{
    InstanteIso iso(QTimeZone::systemTimeZone(), false);
    const bool meio = a.meioSegundo() && e.entrada % 2 == 1;
    return { { "valor", valorDocumento(e.valor) }, { "entrada", e.entrada + 1 },
        { "instante", QString::fromLatin1(iso.texto(e.instante, meio)) } };
}

QJsonValue jsonExcursoes(const std::optional<ExcursoesLimite> &e)
{
    if (!e)
        return QJsonValue::Null;
    QJsonValue maior = QJsonValue::Null;
    if (e->maiorEntrada >= 0)
        maior = QJsonObject { { "segundos", arredonda(e->maiorSegundos, 3) },
            { "entrada", e->maiorEntrada + 1 } };
    return QJsonObject { { "limite", e->limite }, { "entradas", e->entradas },
        { "segundos", arredonda(e->segundos, 3) }, { "excursoes", e->excursoes }, { "maior", maior } };
}

QJsonObject json(const TAquisicao &a, const ResumoCanal &r)
{
    const int casasMedia = RegrasLimites::casasEstatistica(a, r.canal);
    return { { "canal", r.canal }, { "unidade", r.unidade }, { "entradas", r.entradas },
        { "minimo", jsonExtremo(a, r.minimo) }, { "maximo", jsonExtremo(a, r.maximo) },
        { "media", arredonda(r.media, casasMedia) }, { "desvio", arredonda(r.desvio, casasMedia) },
        { "tcm", r.tcm ? QJsonValue(arredonda(*r.tcm, casasMedia)) : QJsonValue(QJsonValue::Null) },
        { "acima", jsonExcursoes(r.acima) }, { "abaixo", jsonExcursoes(r.abaixo) } };
}

void escreveTexto(QTextStream &s, const TAquisicao &a, const ResumoCanal &r, const Catalogo &cat,
    const ConfigRegional &regional)
{
    s << TextoResumo::titulo(a, r.canal, cat) << '\n';
    const QList<TextoResumo::Linha> linhas = TextoResumo::linhas(a, r, cat, regional);
    qsizetype largura = 0;
    for (const TextoResumo::Linha &l : linhas)
        largura = std::max(largura, l.rotulo.size());
    for (const TextoResumo::Linha &l : linhas)
        s << "  " << (l.rotulo + u':').leftJustified(largura + 2) << l.valor << '\n';
}

int executaResumo(const QStringList &argumentos, Console &console)
{
    PedidoResumo pedido;
    if (const QString erro = lePedido(argumentos, pedido); !erro.isEmpty()) {
        console.falha(erro);
        return Saida::Uso;
    }
    const AmbienteArquivos seams(console);
    const auto a = DocumentoCli::le(pedido.arquivo, seams.regional, console, true);
    if (!a)
        return Saida::Falha;
    const int n = a->NumLeituras();
    const int de = pedido.de.value_or(1);
    const int ate = pedido.ate.value_or(n);
    if (de < 1 || ate > n || de > ate) {
        console.falha(QStringLiteral("a faixa %1 a %2 está fora da gravação, que tem as entradas 1 a %3")
                          .arg(de)
                          .arg(ate)
                          .arg(n));
        return Saida::Uso;
    }
    ConfiguracoesIni configuracoes;
    QList<ResumoCanal> resumos;
    for (int canal = 1; canal <= 2; ++canal) {
        LimitesCanal limites;
        if (const QString erro = limitesDoCanal(*a, canal, pedido, configuracoes, seams.catalogo, limites);
            !erro.isEmpty()) {
            console.falha(erro);
            return Saida::Uso;
        }
        if (const auto r = resumeCanal(*a, canal, de - 1, ate - 1, limites, pedido.deltaHSobreR))
            resumos.append(*r);
    }
    if (pedido.json) {
        QJsonArray canais;
        for (const ResumoCanal &r : std::as_const(resumos))
            canais.append(json(*a, r));
        // The verdict by the logger's profile, or null without one.
        QString erro;
        const auto perfil = PerfisGuardados(&configuracoes).escolhe(a->NumeroSerie, {}, seams.catalogo, erro);
        const QJsonValue veredito
            = perfil ? QJsonValue(jsonAvaliacao(*a, avalia(*a, *perfil))) : QJsonValue::Null;
        const QJsonObject resumo { { "canais", canais },
            { "integridade", IntegridadeCli::json(pedido.arquivo, seams.catalogo) },
            { "avaliacao", veredito } };
        console.saida << QString::fromUtf8(QJsonDocument(resumo).toJson());
        return Saida::Sucesso;
    }
    for (qsizetype i = 0; i < resumos.size(); ++i) {
        if (i > 0)
            console.saida << '\n';
        escreveTexto(console.saida, *a, resumos[i], seams.catalogo, seams.regional);
    }
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoResumo()
{
    return { QStringLiteral("resumo"),
        QStringLiteral("resume cada canal de um arquivo .qvg: extremos, média, limites"),
        QStringLiteral("resumo ARQUIVO.qvg [--json] [--alto1 V] [--baixo1 V] [--alto2 V]\n"
                       "       [--baixo2 V] [--dh-r K] [--de N] [--ate M]"),
        QStringLiteral(
            "Para cada canal com sensor: o número de entradas, o mínimo e o máximo com a\n"
            "primeira entrada e o instante em que ocorrem, a média e o desvio padrão\n"
            "amostral; para um canal em °C a temperatura cinética média; para cada limite\n"
            "de alarme as entradas além dele (acima do superior, abaixo do inferior, nas\n"
            "casas decimais do canal), o tempo além dele (cada entrada vale o intervalo entre aquisições,\n"
            "0,5 s no modo de meio segundo), as excursões (sequências de entradas além) e\n"
            "a maior delas. As entradas são numeradas como na tabela de aquisições, a\n"
            "partir de 1.\n\n"
            "Os limites são os guardados para o número de série do Tarvek da gravação\n"
            "(seção LIMITES_SERIE do arquivo de configurações); os dados aqui os\n"
            "substituem. Um limite tem no máximo as casas decimais do canal e fica na\n"
            "faixa de um termopar ou Pt100; o superior fica acima do inferior.\n\n"
            "  --json            escreve {\"canais\": [...]}: por canal \"canal\", \"unidade\",\n"
            "                    \"entradas\", \"minimo\" e \"maximo\" ({\"valor\", \"entrada\",\n"
            "                    \"instante\"}, o instante em ISO 8601 como no CSV), \"media\",\n"
            "                    \"desvio\", \"tcm\" (null fora de °C), \"acima\" e \"abaixo\" (null\n"
            "                    sem limite; {\"limite\", \"entradas\", \"segundos\", \"excursoes\",\n"
            "                    \"maior\": {\"segundos\", \"entrada\"}}); tempos em segundos;\n"
            "                    \"avaliacao\": o veredito pelo perfil do Tarvek, como avaliar\n"
            "                    --json o escreve, ou null sem perfil nem limites guardados\n"
            "  --alto1 V, --baixo1 V, --alto2 V, --baixo2 V\n"
            "                    os limites superior e inferior de cada canal, na unidade\n"
            "                    do canal (\",\" ou \".\" decimal)\n"
            "  --dh-r K          ΔH/R da temperatura cinética média, em kelvin (10000)\n"
            "  --de N, --ate M   só as entradas de N a M\n"
            "Um arquivo recusado termina com o código 1; uma opção inválida, um limite\n"
            "recusado (dado ou guardado), um limite de um canal sem sensor ou uma faixa\n"
            "fora da gravação, com o código 2."),
        executaResumo };
}
