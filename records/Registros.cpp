#include "Registros.h"

#include "ChaveInstalacao.h"
#include "DataHora.h"
#include "IConfiguracoes.h"
#include "TAquisicao.h"

#include <QFileInfo>

Registros::Registros(const QString &pasta, AutorEventos autor, const QString &banco)
    : m_pasta(pasta)
    , m_endereco(EnderecoBanco::interpreta(banco))
    , m_autor(std::move(autor))
    , m_agora([] { return QDateTime::currentDateTime(); })
{
    abre();
}

Registros::Registros(const IConfiguracoes &configuracoes)
    : Registros(BancoRegistros::pastaPadrao(), AutorEventos::doSistema(), bancoConfigurado(configuracoes))
{
}

QString Registros::bancoConfigurado(const IConfiguracoes &configuracoes)
{
    return configuracoes.le(QStringLiteral("REGISTROS"), QStringLiteral("BANCO"), QString());
}

QString Registros::arquivo() const
{
    return m_endereco.local() ? m_pasta + QStringLiteral("/registros.db") : m_endereco.descricao();
}

bool Registros::abre()
{
    m_selos.reset();
    m_trilha.reset();
    m_banco = std::make_unique<BancoRegistros>();
    if (!m_endereco.valido()) {
        m_motivo = m_endereco.erro;
        return false;
    }
    const QString caminho = arquivo();
    if (m_endereco.local() ? !m_banco->abre(caminho) : !m_banco->abre(m_endereco)) {
        m_motivo = QStringLiteral("%1: %2").arg(caminho, m_banco->erro());
        return false;
    }
    // On a server the key is in the database, the same for every PC.
    const ChaveInstalacao::Resultado chave = m_endereco.local()
        ? ChaveInstalacao::obtem(m_pasta + QStringLiteral("/chave"))
        : ChaveInstalacao::doBanco(*m_banco);
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
    if (!id && !m_banco->conectado()) {
        // The server went away: this event is not recorded (and its write
        // not sent); the connection is made again for the next one.
        m_erro = QStringLiteral("%1: a conexão com o servidor caiu (%2)").arg(arquivo(), m_erro);
        m_banco->reconecta();
    }
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
