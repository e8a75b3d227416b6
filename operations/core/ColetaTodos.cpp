#include "ColetaTodos.h"

#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "DocumentoGrafico.h"
#include "IConfiguracoes.h"
#include "IListaPortas.h"
#include "IRelogio.h"
#include "SeloGravacao.h"
#include "TDatalogger.h"
#include "TMSComm.h"
#include "TextoAvaliacao.h"

#include <QDir>
#include <QFileInfo>

namespace {

enum Texto {
    NaoAbriu = 254,  // "Não foi possível abrir porta."
    SemResposta = 381,  // "Nenhum Tarvek respondeu em %1. ..."
    PastaNaoCriada = 546,  // "A pasta %1 não pôde ser criada."
    ErroGravacao = 547,  // "Erro na gravação de %1"
    SemPerfil = 554,
    Falha = 555,  // "FALHA: %1"
    SemVeredito = 558,  // "Sem veredito: %1"
    Perfil = 451,  // "Perfil: %1"
};

const QString Secao = QStringLiteral("COLETA");
const QString Chave = QStringLiteral("PASTA_TODOS");

// One part of the name: what Windows or Linux refuse in a file name
// becomes '_', and the part does not end in a dot or a blank.
QString parteNome(const QString &texto)
{
    static const QString proibidos = QStringLiteral("/\\:*?\"<>|");
    QString s = texto.trimmed();
    for (QChar &c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || proibidos.contains(c))
            c = u'_';
    }
    while (s.endsWith(u'.') || s.endsWith(u' '))
        s.chop(1);
    return s;
}

}  // namespace

ColetaTodos::ColetaTodos(const Ambiente &ambiente, LeDestino destino, CriaPorta criaPorta)
    : m_ambiente(ambiente)
    , m_destino(std::move(destino))
    , m_criaPorta(std::move(criaPorta))
{
}

QString ColetaTodos::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
}

QString ColetaTodos::pastaGuardada(const IConfiguracoes *configuracoes)
{
    return configuracoes ? configuracoes->le(Secao, Chave, QString()).trimmed() : QString();
}

GravacaoConfiguracao ColetaTodos::guardaPasta(IConfiguracoes *configuracoes, const QString &pasta)
{
    if (!configuracoes)
        return {};
    return configuracoes->grava(Secao, Chave, QDir::toNativeSeparators(pasta));
}

QString ColetaTodos::nomeArquivo(const QString &numeroSerie, const QString &titulo, const QDateTime &instante)
{
    return parteNome(numeroSerie) + u'_' + parteNome(titulo) + u'_'
        + instante.toString(QStringLiteral("yyyy-MM-dd_HHmm")) + QStringLiteral(".qvg");
}

QString ColetaTodos::caminhoLivre(const QString &pasta, const QString &nome)
{
    const QDir dir(pasta);
    QString caminho = dir.filePath(nome);
    const QFileInfo info(nome);
    const QString base = info.completeBaseName();
    const QString extensao = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int n = 2; QFileInfo::exists(caminho); ++n)
        caminho = dir.filePath(QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(extensao));
    return caminho;
}

QList<int> ColetaTodos::portas() const
{
    QList<int> portas;
    QStringList vistos;
    for (int n = TMSComm::PrimeiraPorta; n <= TMSComm::UltimaPorta; ++n) {
        const QString destino = m_destino ? m_destino(n).trimmed() : QString();
        if (destino.isEmpty() || vistos.contains(destino, Qt::CaseInsensitive))
            continue;
        bool incluida = m_ambiente.configuracoes
            && !m_ambiente.configuracoes
                    ->le(QStringLiteral("PORTAS"), QStringLiteral("COM%1").arg(n), QString())
                    .trimmed()
                    .isEmpty();
        if (!incluida && m_ambiente.portas) {
            for (const DispositivoSerial &d : m_ambiente.portas->dispositivos())
                incluida = incluida || d.dispositivo == destino || d.porId == destino;
        }
        if (incluida) {
            portas.append(n);
            vistos.append(destino);
        }
    }
    return portas;
}

QList<ColetaTodos::Resultado> ColetaTodos::executa(const QString &pasta, Observador *observador)
{
    QList<Resultado> resultados;
    const QList<int> lista = portas();
    if (lista.isEmpty())
        return resultados;
    if (!QDir().mkpath(pasta)) {
        // Nothing could be saved: each logger is told so, none is woken.
        for (int n : lista)
            resultados.append({ n, m_destino(n), {}, {}, {}, {}, {}, texto(PastaNaoCriada).arg(pasta) });
        return resultados;
    }
    for (int n : lista)
        resultados.append(coleta(n, pasta, observador));
    return resultados;
}

QString ColetaTodos::motivoLink(const TDatalogger &link, const QString &mensagem) const
{
    if (link.PortaPerdida())
        return link.TextoPerda();
    if (!link.Ativou())
        return QString();  // the caller names the device
    // The link's own error (time-out, checksum) says why the read failed.
    const QString erro = m_cor == Cor::Vermelho ? m_texto.trimmed() : QString();
    return erro.isEmpty() ? mensagem : mensagem + u' ' + erro;
}

ColetaTodos::Resultado ColetaTodos::coleta(int porta, const QString &pasta, Observador *observador)
{
    Resultado r;
    r.porta = porta;
    r.dispositivo = m_destino(porta);
    if (observador)
        observador->iniciaPorta(porta, r.dispositivo);
    std::unique_ptr<TMSComm> comm = m_criaPorta ? m_criaPorta(r.dispositivo) : nullptr;
    if (!comm) {
        r.motivo = texto(NaoAbriu);
        return r;
    }
    // The link's boxes would stop the run: its failures are the outcome.
    Ambiente semCaixas = m_ambiente;
    semCaixas.mensagens = nullptr;
    TDatalogger link(semCaixas);
    m_texto.clear();
    m_cor = Cor::Preto;
    if (!link.AbreComunicacao(porta, comm.get(), this)) {
        const QString motivo = comm->erro().trimmed();
        r.motivo = motivo.isEmpty() ? texto(NaoAbriu) : texto(NaoAbriu) + u' ' + motivo;
        return r;
    }
    ColetaDados::Resultado coletado = ColetaDados(link, semCaixas).executa(observador);
    r.numeroSerie = coletado.numeroSerie;
    r.titulo = coletado.titulo;
    if (!coletado.ok()) {
        r.motivo = motivoLink(link, coletado.mensagem);
        if (r.motivo.isEmpty())
            r.motivo = texto(SemResposta).arg(r.dispositivo);
    }
    link.FechaComunicacao();
    if (coletado.ok())
        grava(std::move(coletado), pasta, r);
    return r;
}

void ColetaTodos::grava(ColetaDados::Resultado coletado, const QString &pasta, Resultado &r) const
{
    TAquisicao &aquisicao = *coletado.aquisicao;
    DocumentoGrafico::ajusta(aquisicao);
    const QDateTime agora = m_ambiente.relogio ? DataHora::paraQDateTime(m_ambiente.relogio->dataHoraAtual())
                                               : QDateTime::currentDateTime();
    const QString caminho = caminhoLivre(pasta, nomeArquivo(r.numeroSerie, r.titulo, agora));
    const ConfigRegional regional = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional();
    if (!ArquivoQvg::grava(aquisicao, caminho, regional)) {
        r.motivo = texto(ErroGravacao).arg(QDir::toNativeSeparators(caminho));
        return;
    }
    r.arquivo = caminho;
    // A seal that could not be recorded leaves the file saved; the message
    // seam says why, as after "Salvar Arquivo".
    SeloGravacao::registra(m_ambiente, AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvg"), &aquisicao);
    // Judged as the collection's event records it.
    r.aprovado = coletado.aprovado;
    r.perfil = coletado.perfil;
}

QString ColetaTodos::textoResultado(const Resultado &r, const Catalogo &catalogo)
{
    if (!r.ok())
        return catalogo.texto(Falha).arg(r.motivo);
    if (!r.aprovado)
        return r.perfil.isEmpty() ? catalogo.texto(SemPerfil) : catalogo.texto(SemVeredito).arg(r.perfil);
    return TextoAvaliacao::veredito(*r.aprovado, catalogo) + QStringLiteral(" — ")
        + catalogo.texto(Perfil).arg(r.perfil);
}
