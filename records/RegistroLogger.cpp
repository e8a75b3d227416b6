#include "RegistroLogger.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "Registros.h"

#include <QJsonArray>

namespace {

constexpr int kTrilhaRecusada = 394;
constexpr int kTrilhaRecusadaServidor = 515;

using Campos = QList<std::pair<const char *, QJsonValue>>;

Campos camposConfiguracao(const BlocoConfiguracao &b)
{
    return {
        { "sensor1", b.Sensor1 },
        { "sensor2", b.Sensor2 },
        { "intervalo", b.Intervalo },
        { "atraso_inicio", b.AtrasoInicio },
        { "parada", b.Parada },
        { "relogio", b.relogio().toString(Qt::ISODate) },
        { "leituras_por_aquisicao", b.LeiturasPorAquisicao },
        { "modos", b.Modos },
        { "medidas", b.Medidas },
        { "ponto_decimal", b.PontoDecimal },
    };
}

Campos camposNaoVolateis(const BlocoNaoVolatil &b)
{
    return {
        { "titulo", b.Titulo },
        { "tag1", b.Tag1 },
        { "tag2", b.Tag2 },
        { "unidade1", b.Unidade1 },
        { "unidade2", b.Unidade2 },
        { "limite_inferior1", b.LimiteInferior1 },
        { "limite_superior1", b.LimiteSuperior1 },
        { "limite_inferior2", b.LimiteInferior2 },
        { "limite_superior2", b.LimiteSuperior2 },
        { "offset1", b.Offset1 },
        { "offset2", b.Offset2 },
        { "data_bateria", b.dataBateria().toString(Qt::ISODate) },
    };
}

Campos campos(IObservadorLogger::Escrita comando, const QByteArray &bytes)
{
    if (comando == IObservadorLogger::Escrita::Configuracao) {
        QByteArray bloco = bytes;
        bloco.resize(BlocoConfiguracao::Tamanho, '\0');
        return camposConfiguracao(BlocoConfiguracao::decodifica(bloco));
    }
    return camposNaoVolateis(BlocoNaoVolatil::decodifica(bytes));
}

}  // namespace

RegistroLogger::RegistroLogger(Registros &registros, const Catalogo *catalogo)
    : m_registros(registros)
    , m_catalogo(catalogo)
{
}

void RegistroLogger::portaAberta()
{
    m_configuracao.clear();
    m_naoVolateis.clear();
    m_calibracao.clear();
}

void RegistroLogger::lido(Leitura bloco, const QByteArray &bytes)
{
    switch (bloco) {
    case Leitura::Configuracao:
        m_configuracao = bytes;
        break;
    case Leitura::NaoVolateis:
        m_naoVolateis = bytes;
        break;
    case Leitura::Calibracao:
        m_calibracao = bytes;
        break;
    }
}

std::optional<qint64> RegistroLogger::serie() const
{
    if (m_calibracao.size() < BlocoCalibracao::Tamanho)
        return std::nullopt;
    return qint64(BlocoCalibracao::decodifica(m_calibracao).NumeroSerie);
}

QJsonObject RegistroLogger::diferencas(Escrita comando, const QByteArray &antes, const QByteArray &depois)
{
    QJsonObject d;
    if (comando == Escrita::FimAquisicoes)
        return d;
    const Campos novos = campos(comando, depois);
    const Campos velhos = antes.isEmpty() ? Campos() : campos(comando, antes);
    for (qsizetype i = 0; i < novos.size(); ++i) {
        const QJsonValue velho = velhos.isEmpty() ? QJsonValue() : velhos[i].second;
        if (velho == novos[i].second)
            continue;
        d.insert(QString::fromLatin1(novos[i].first), antesDepois(velho, novos[i].second));
    }
    return d;
}

QString RegistroLogger::acao(Escrita comando, const QJsonObject &diferencas)
{
    if (comando == Escrita::FimAquisicoes)
        return AcaoAuditoria::Parada;
    if (comando == Escrita::NaoVolateis && !diferencas.isEmpty()) {
        const QStringList chaves = diferencas.keys();
        if (chaves == QStringList { QStringLiteral("data_bateria") })
            return AcaoAuditoria::Bateria;
        const auto ehOffset = [](const QString &c) { return c.startsWith(QLatin1String("offset")); };
        if (std::all_of(chaves.begin(), chaves.end(), ehOffset))
            return AcaoAuditoria::Offset;
    }
    return AcaoAuditoria::Configuracao;
}

bool RegistroLogger::antesDeEscrever(Escrita comando, const QByteArray &bytes, QString *motivo)
{
    const QByteArray &antes = comando == Escrita::Configuracao ? m_configuracao : m_naoVolateis;
    EventoAuditoria e;
    e.serie = serie();
    e.detalhes.insert(QStringLiteral("campos"), diferencas(comando, antes, bytes));
    m_acao = acao(comando, e.detalhes.value(QStringLiteral("campos")).toObject());
    e.acao = m_acao + AcaoAuditoria::SufixoIntencao;
    m_intencao = m_registros.registra(e);
    if (m_intencao)
        return true;
    const QString erro = m_registros.erro();
    const int numero = m_registros.banco().postgres() ? kTrilhaRecusadaServidor : kTrilhaRecusada;
    const QString texto = m_catalogo ? m_catalogo->texto(numero) : Catalogo::padrao(numero);
    if (motivo)
        *motivo = texto.arg(erro);
    return false;
}

void RegistroLogger::depoisDeEscrever(Escrita comando, const QByteArray &bytes, bool ok)
{
    if (!m_intencao)
        return;
    EventoAuditoria e;
    e.acao = m_acao + AcaoAuditoria::SufixoResultado;
    e.serie = serie();
    e.detalhes.insert(QStringLiteral("intencao"), *m_intencao);
    e.detalhes.insert(QStringLiteral("sucesso"), ok);
    m_intencao.reset();
    // A write that failed may have reached the logger in part: recorded all
    // the same, as failed.
    m_registros.registra(e);
    if (!ok)
        return;
    // What the logger holds now.
    if (comando == Escrita::Configuracao)
        m_configuracao.replace(0, bytes.size(), bytes);
    else if (comando == Escrita::NaoVolateis)
        m_naoVolateis = bytes;
}
