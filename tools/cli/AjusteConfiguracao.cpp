#include "AjusteConfiguracao.h"

#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "EditorConfiguracao.h"
#include "OpcoesLinha.h"
#include "RotinasSensor.h"
#include "TextoLimite.h"

#include <QJsonValue>

namespace {

constexpr int TextoPrimeiroSensor = 277;  // "Nenhum", then codes 128 to 138
constexpr int ItensSensor = 12;

QString simplifica(const QString &texto)
{
    QString t = texto.normalized(QString::NormalizationForm_D).toLower();
    t.remove(QRegularExpression(QStringLiteral("[\\s\\p{Mn}]")));
    return t;
}

std::optional<int> decimalDe(const QString &texto)
{
    static const QStringList mascaras { QStringLiteral("0000"), QStringLiteral("000,0"),
        QStringLiteral("00,00"), QStringLiteral("0,000") };
    QString t = texto.trimmed();
    t.replace(u'.', u',');
    if (const qsizetype i = mascaras.indexOf(t); i >= 0)
        return int(i);
    const auto n = ConverteInteiro(t);
    if (n && *n >= 0 && *n <= 3)
        return n;
    return std::nullopt;
}

std::optional<int> modoDe(const QString &texto)
{
    const QString t = simplifica(texto);
    if (t == QLatin1String("media"))
        return ModoAquisicao::Media;
    if (t == QLatin1String("maximo"))
        return ModoAquisicao::Maximo;
    if (t == QLatin1String("minimo"))
        return ModoAquisicao::Minimo;
    return std::nullopt;
}

// A field of `info --json`: the value itself, or {"valor": ...}.
QJsonValue valor(const QJsonObject &secao, const char *nome)
{
    const QJsonValue v = secao.value(QLatin1String(nome));
    return v.isObject() ? v.toObject().value(QStringLiteral("valor")) : v;
}

int itemDoCodigo(int codigo)
{
    if ((codigo & 0x80) == 0)
        return 0;
    const int item = (codigo & 0x0F) + 1;
    return item < ItensSensor ? item : 0;
}

template <typename T> void sobre(std::optional<T> &destino, const std::optional<T> &origem)
{
    if (origem)
        destino = origem;
}

}  // namespace

std::optional<int> AjusteConfiguracao::itemSensor(const QString &nome)
{
    const QString procurado = simplifica(nome);
    for (int i = 0; i < ItensSensor; ++i) {
        const QString catalogo = simplifica(Catalogo::padrao(TextoPrimeiroSensor + i));
        if (procurado == catalogo)
            return i;
        // "K" for "Termopar K".
        if (i >= 1 && i <= 8 && procurado == catalogo.right(1))
            return i;
    }
    return std::nullopt;
}

AjusteConfiguracao AjusteConfiguracao::deOpcoes(OpcoesLinha &opcoes, QStringList &erros)
{
    AjusteConfiguracao a;
    auto texto = [&](const char *nome) -> std::optional<QString> {
        const QString n = QString::fromLatin1(nome);
        const QString v = opcoes.valor(n);
        if (v.isEmpty() && !opcoes.sinal(n))
            return std::nullopt;
        return v;
    };
    a.titulo = texto("titulo");
    for (int n = 0; n < 2; ++n) {
        const QByteArray sufixo = QByteArray::number(n + 1);
        Canal &c = a.canal[n];
        if (const auto s = texto(("sensor" + sufixo).constData())) {
            c.sensor = itemSensor(*s);
            if (!c.sensor)
                erros << QStringLiteral("sensor desconhecido: %1").arg(*s);
        }
        if (const auto d = texto(("decimal" + sufixo).constData())) {
            c.decimal = decimalDe(*d);
            if (!c.decimal)
                erros << QStringLiteral("ponto decimal: 0 a 3, ou 0000, 000,0, 00,00, 0,000: %1").arg(*d);
        }
        if (const auto m = texto(("modo" + sufixo).constData())) {
            c.modo = modoDe(*m);
            if (!c.modo)
                erros << QStringLiteral("modo: media, maximo ou minimo: %1").arg(*m);
        }
        c.inferior = texto(("inferior" + sufixo).constData());
        c.superior = texto(("superior" + sufixo).constData());
        c.unidade = texto(("unidade" + sufixo).constData());
        c.tag = texto(("tag" + sufixo).constData());
    }
    a.intervalo = texto("intervalo");
    a.leituras = texto("leituras");
    a.inicio = texto("inicio");
    a.fim = texto("fim");
    return a;
}

AjusteConfiguracao AjusteConfiguracao::deJson(const QJsonObject &raiz, QStringList &erros)
{
    AjusteConfiguracao a;
    const QJsonObject c = raiz.value(QStringLiteral("configuracao")).toObject();
    const QJsonObject n = raiz.value(QStringLiteral("naoVolatil")).toObject();
    if (c.isEmpty() && n.isEmpty()) {
        erros << QStringLiteral("sem as seções configuracao e naoVolatil de quorvane-cli info --json");
        return a;
    }
    BlocoConfiguracao b;
    b.Sensor1 = valor(c, "Sensor1").toInt();
    b.Sensor2 = valor(c, "Sensor2").toInt();
    b.PontoDecimal = valor(c, "PontoDecimal").toInt();
    b.Memoria = valor(c, "Memoria").toInt();
    const int modos = valor(c, "Modos").toInt();
    const char *limites[2][2]
        = { { "LimiteInferior1", "LimiteSuperior1" }, { "LimiteInferior2", "LimiteSuperior2" } };
    const char *unidades[2] = { "Unidade1", "Unidade2" };
    const char *tags[2] = { "Tag1", "Tag2" };
    for (int i = 0; i < 2; ++i) {
        Canal &k = a.canal[i];
        const int codigo = i == 0 ? b.Sensor1 : b.Sensor2;
        if (valor(c, i == 0 ? "Sensor1" : "Sensor2").isDouble())
            k.sensor = itemDoCodigo(codigo);
        if (valor(c, "Modos").isDouble())
            k.modo = ModoDoCanal(uint8_t(modos), i + 1);
        if (n.contains(QLatin1String(tags[i])))
            k.tag = valor(n, tags[i]).toString();
        // Limits, decimal point and unit belong to the linear inputs only.
        if (codigo < 128 || EhTermoparOuPt100(codigo))
            continue;
        k.decimal = b.decimais(i + 1);
        if (valor(n, limites[i][0]).isDouble())
            k.inferior = GetLimValue(valor(n, limites[i][0]).toInt(), *k.decimal, u',');
        if (valor(n, limites[i][1]).isDouble())
            k.superior = GetLimValue(valor(n, limites[i][1]).toInt(), *k.decimal, u',');
        if (n.contains(QLatin1String(unidades[i])))
            k.unidade = valor(n, unidades[i]).toString();
    }
    if (n.contains(QLatin1String("Titulo")))
        a.titulo = valor(n, "Titulo").toString();
    if (valor(c, "Intervalo").isDouble()) {
        const int meios = valor(c, "Intervalo").toInt() + 1;
        a.intervalo = meios == 1
            ? QStringLiteral("0.5")
            : QString::asprintf("%.2d:%.2d:%.2d", meios / 7200, meios % 7200 / 120, meios % 120 / 2);
    }
    if (valor(c, "LeiturasPorAquisicao").isDouble())
        a.leituras = QString::number(valor(c, "LeiturasPorAquisicao").toInt());
    if (valor(c, "Parada").isDouble()) {
        b.Parada = valor(c, "Parada").toInt();
        // A stop at the source's capacity was "Memória cheia" there.
        a.fim = b.nuncaPara()                             ? QStringLiteral("nunca")
            : b.Memoria > 0 && b.Parada == b.capacidade() ? QStringLiteral("cheia")
                                                          : QString::number(b.Parada);
    }
    return a;
}

void AjusteConfiguracao::sobrepoe(const AjusteConfiguracao &o)
{
    sobre(titulo, o.titulo);
    for (int i = 0; i < 2; ++i) {
        sobre(canal[i].sensor, o.canal[i].sensor);
        sobre(canal[i].decimal, o.canal[i].decimal);
        sobre(canal[i].inferior, o.canal[i].inferior);
        sobre(canal[i].superior, o.canal[i].superior);
        sobre(canal[i].unidade, o.canal[i].unidade);
        sobre(canal[i].tag, o.canal[i].tag);
        sobre(canal[i].modo, o.canal[i].modo);
    }
    sobre(intervalo, o.intervalo);
    sobre(leituras, o.leituras);
    sobre(inicio, o.inicio);
    sobre(fim, o.fim);
}

namespace {

// The limit as typed, with either separator.
QString comSeparador(QString texto, QChar separador)
{
    texto = texto.trimmed();
    texto.replace(u'.', separador);
    texto.replace(u',', separador);
    return texto;
}

bool recusa(QString &erro, const QString &motivo)
{
    erro = motivo;
    return false;
}

// "dd/mm/yyyy hh:mm:ss" split into the two masked fields.
bool divideDataHora(const QString &texto, QString &data, QString &hora)
{
    const QStringList partes = texto.simplified().split(u' ');
    if (partes.size() != 2)
        return false;
    data = partes[0];
    hora = partes[1];
    return true;
}

bool aplicaCanal(EditorConfiguracao &e, int n, const AjusteConfiguracao::Canal &a, QString &erro)
{
    CanalConfiguracao &c = e.canal(n);
    const QString canal = QStringLiteral("canal %1: ").arg(n);
    if (a.sensor && *a.sensor != c.ComboBoxSensor.indice) {
        if (!c.ComboBoxSensor.habilitado)
            return recusa(erro, canal + QStringLiteral("o modelo deste Tarvek não permite trocar o sensor"));
        c.ComboBoxSensor.indice = *a.sensor;
        e.ComboBoxSensorChange(n);
    }
    if (a.decimal && *a.decimal != c.ComboBoxDec.indice) {
        if (!c.ComboBoxDec.visivel || !c.ComboBoxDec.habilitado)
            return recusa(erro, canal + QStringLiteral("o ponto decimal só se escolhe para 4-20mA e 0-50mV"));
        c.ComboBoxDec.indice = *a.decimal;
        e.ComboBoxDecChange(n);
    }
    const std::pair<const std::optional<QString> *, bool> limites[]
        = { { &a.inferior, false }, { &a.superior, true } };
    for (const auto &[limite, superior] : limites) {
        if (!*limite)
            continue;
        CaixaConfiguracao &caixa = superior ? c.MELimHi : c.MELimLow;
        if (!caixa.habilitado)
            return recusa(
                erro, canal + QStringLiteral("os limites de um sensor de temperatura são a sua faixa"));
        caixa.texto = comSeparador(**limite, e.separadorDecimal());
        if (!e.MELimExit(n, superior))
            return recusa(erro, {});
    }
    if (a.unidade) {
        if (!c.EditUnid.visivel || !c.EditUnid.habilitado)
            return recusa(erro, canal + QStringLiteral("a unidade só se escolhe para 4-20mA e 0-50mV"));
        if (a.unidade->size() > BlocoNaoVolatil::LarguraUnidade)
            return recusa(erro,
                canal
                    + QStringLiteral("a unidade tem no máximo %1 caracteres")
                          .arg(BlocoNaoVolatil::LarguraUnidade));
        c.EditUnid.texto = *a.unidade;
    }
    if (a.tag) {
        if (!c.EditTag.habilitado)
            return recusa(erro, canal + QStringLiteral("o modelo deste Tarvek não tem este canal"));
        if (a.tag->size() > BlocoNaoVolatil::LarguraTag)
            return recusa(erro,
                canal + QStringLiteral("a tag tem no máximo %1 caracteres").arg(BlocoNaoVolatil::LarguraTag));
        c.EditTag.texto = *a.tag;
    }
    if (a.modo && *a.modo != c.modo) {
        if (!c.GrpBx_MediaHabilitado)
            return recusa(erro, canal + QStringLiteral("o modelo deste Tarvek não permite trocar o modo"));
        c.modo = *a.modo;
    }
    return true;
}

bool aplicaTempo(EditorConfiguracao &e, const AjusteConfiguracao &a, QString &erro)
{
    using E = EditorConfiguracao;
    if (a.intervalo) {
        const QString t = a.intervalo->trimmed();
        if (t == QLatin1String("0.5") || t == QLatin1String("0,5")) {
            e.marcaIntervalo(E::Intervalo::MeioSegundo);
        } else {
            e.EditIntervalo.texto = t;
            e.marcaIntervalo(E::Intervalo::Tempo);
        }
    }
    if (a.leituras) {
        if (!e.EditMedia.habilitado && a.leituras->trimmed() != e.EditMedia.texto)
            return recusa(erro, QStringLiteral("no modo de 0,5 s cada aquisição é uma leitura"));
        e.EditMedia.texto = a.leituras->trimmed();
    }
    if (a.inicio) {
        if (simplifica(*a.inicio) == QLatin1String("agora")) {
            e.marcaInicio(E::Inicio::Imediata);
        } else {
            QString data, hora;
            if (!divideDataHora(*a.inicio, data, hora))
                return recusa(erro, QStringLiteral("início: agora ou \"dd/mm/aaaa hh:mm:ss\""));
            e.marcaInicio(E::Inicio::NoDia);
            e.EditDataInicio.texto = data;
            e.EditHoraInicio.texto = hora;
        }
    }
    if (a.fim) {
        const QString t = simplifica(*a.fim);
        QString data, hora;
        if (t == QLatin1String("cheia")) {
            e.marcaFim(E::Fim::MemoriaCheia);
        } else if (t == QLatin1String("nunca")) {
            e.marcaFim(E::Fim::NaoParar);
        } else if (ConverteInteiro(t)) {
            e.EditNLeituras.texto = t;
            e.marcaFim(E::Fim::AposLeituras);
        } else if (divideDataHora(*a.fim, data, hora)) {
            e.marcaFim(E::Fim::NoDia);
            e.EditDataFim.texto = data;
            e.EditHoraFim.texto = hora;
        } else {
            return recusa(erro,
                QStringLiteral("fim: cheia, nunca, um número de aquisições ou \"dd/mm/aaaa hh:mm:ss\""));
        }
    }
    return true;
}

}  // namespace

bool AjusteConfiguracao::aplica(EditorConfiguracao &e, QString &erro) const
{
    erro.clear();
    for (int n = 1; n <= 2; ++n)
        if (!aplicaCanal(e, n, canal[n - 1], erro))
            return false;
    if (titulo) {
        if (titulo->size() > BlocoNaoVolatil::LarguraTitulo)
            return recusa(erro,
                QStringLiteral("o título tem no máximo %1 caracteres").arg(BlocoNaoVolatil::LarguraTitulo));
        e.EditTitulo.texto = *titulo;
    }
    if (!aplicaTempo(e, *this, erro))
        return false;
    e.TempoEstimado();
    return true;
}
