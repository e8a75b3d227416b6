#include "Registros.h"

#include "ChaveInstalacao.h"
#include "DataHora.h"
#include "TAquisicao.h"

#include <QFileInfo>

Registros::Registros(const QString &pasta, AutorEventos autor)
    : m_pasta(pasta)
    , m_autor(std::move(autor))
    , m_agora([] { return QDateTime::currentDateTime(); })
{
    abre();
}

bool Registros::abre()
{
    m_selos.reset();
    m_trilha.reset();
    m_banco = std::make_unique<BancoRegistros>();
    const QString caminho = arquivo();
    if (!m_banco->abre(caminho)) {
        m_motivo = QStringLiteral("%1: %2").arg(caminho, m_banco->erro());
        return false;
    }
    const ChaveInstalacao::Resultado chave = ChaveInstalacao::obtem(m_pasta + QStringLiteral("/chave"));
    if (chave.chave.isEmpty()) {
        m_motivo = chave.erro;
        return false;
    }
    m_motivo.clear();
    m_trilha = std::make_unique<TrilhaAuditoria>(*m_banco, chave.chave, m_autor);
    m_trilha->defineRelogio(m_agora);
    m_selos = std::make_unique<SelosArquivo>(*m_banco);
    return true;
}

Registros::~Registros() = default;

void Registros::defineRelogio(std::function<QDateTime()> agora)
{
    m_agora = agora;
    if (m_trilha)
        m_trilha->defineRelogio(std::move(agora));
}

std::optional<qint64> Registros::registra(const EventoAuditoria &evento)
{
    if (!m_trilha && !abre()) {
        m_erro = m_motivo;
        return std::nullopt;
    }
    const std::optional<qint64> id = m_trilha->anexa(evento);
    m_erro = id ? QString() : m_trilha->erro();
    return id;
}

Registros::Escrita Registros::escreveNoLogger(
    const EventoAuditoria &intencao, const std::function<bool(QJsonObject &)> &escrita)
{
    Escrita r;
    EventoAuditoria e = intencao;
    e.acao = intencao.acao + AcaoAuditoria::SufixoIntencao;
    const std::optional<qint64> id = registra(e);
    if (!id)
        return r;
    QJsonObject resultado;
    r.enviado = true;
    r.ok = escrita(resultado);
    e.acao = intencao.acao + AcaoAuditoria::SufixoResultado;
    e.detalhes = resultado;
    e.detalhes.insert(QStringLiteral("intencao"), *id);
    e.detalhes.insert(QStringLiteral("sucesso"), r.ok);
    // The write happened: an outcome that cannot be recorded does not undo
    // it; the intent without an outcome says so in the trail.
    registra(e);
    return r;
}

std::optional<qint64> Registros::registraArquivo(const QString &acao, const QString &caminho,
    const QString &tipo, const TAquisicao *a, std::optional<bool> excedeu)
{
    const QString sha = SelosArquivo::sha256Arquivo(caminho);
    const QString absoluto = QFileInfo(caminho).absoluteFilePath();
    EventoAuditoria e;
    e.acao = acao;
    e.detalhes.insert(QStringLiteral("arquivo"), absoluto);
    e.detalhes.insert(QStringLiteral("sha256"), sha);
    SeloArquivo s;
    s.caminho = absoluto;
    s.sha256 = sha;
    s.tipo = tipo;
    s.instante = m_agora().toUTC().toString(Qt::ISODateWithMs);
    s.usuario = m_autor.usuario;
    s.excedeu = excedeu;
    if (a) {
        if (a->NumeroSerie != 0)
            e.serie = s.serie = quint32(a->NumeroSerie);
        s.titulo = a->Titulo;
        s.entradas = a->NumLeituras();
        if (s.entradas > 0) {
            s.primeiro = DataHora::paraQDateTime(a->instante(0)).toString(Qt::ISODate);
            s.ultimo = DataHora::paraQDateTime(a->instante(s.entradas - 1)).toString(Qt::ISODate);
        }
        e.detalhes.insert(QStringLiteral("titulo"), s.titulo);
        e.detalhes.insert(QStringLiteral("entradas"), s.entradas);
    }
    const std::optional<qint64> id = registra(e);
    if (!id)
        return id;
    // Only a file whose bytes were read is sealed; printing seals nothing.
    if (!sha.isEmpty() && !tipo.isEmpty()) {
        s.evento = *id;
        if (!m_selos->sela(s)) {
            m_erro = m_selos->erro();
            return std::nullopt;
        }
    }
    return id;
}

EstadoIntegridade Registros::integridade(const QString &caminho)
{
    if (!m_selos)
        return {};
    return m_selos->estado(caminho, SelosArquivo::sha256Arquivo(caminho));
}
