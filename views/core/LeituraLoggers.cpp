#include "LeituraLoggers.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "IConfiguracoes.h"
#include "IListaPortas.h"
#include "IRelogio.h"
#include "Registros.h"
#include "TDatalogger.h"
#include "TMSComm.h"
#include "UltimaColeta.h"

namespace {

enum Texto {
    FalhaConfiguracao = 136,
    FalhaNaoVolateis = 137,
    FalhaCalibracao = 146,
    NaoAbriu = 254,
    SemResposta = 381,
    Cancelado = 382,
    EmUso = 540,
};

// The read failures are worded as the configuration window words them.
const QStringView Janela = u"FrmConfig";
const QString Secao = QStringLiteral("LOGGERS");

int inteiro(const IConfiguracoes *configuracoes, const QString &chave, int padrao)
{
    if (!configuracoes)
        return padrao;
    bool ok = false;
    const int v = configuracoes->le(Secao, chave, QString::number(padrao)).trimmed().toInt(&ok);
    return ok && v > 0 ? v : padrao;
}

}  // namespace

int LeituraLoggers::vidaBateriaMeses(const IConfiguracoes *configuracoes)
{
    return inteiro(configuracoes, QStringLiteral("VIDA_BATERIA_MESES"), 24);
}

int LeituraLoggers::minutosAtualizacao(const IConfiguracoes *configuracoes)
{
    return inteiro(configuracoes, QStringLiteral("ATUALIZAR_MIN"), 5);
}

LeituraLoggers::LeituraLoggers(const Ambiente &ambiente, LeDestino destino, CriaPorta criaPorta)
    : m_ambiente(ambiente)
    , m_destino(std::move(destino))
    , m_criaPorta(std::move(criaPorta))
{
}

QString LeituraLoggers::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, Janela)
                               : Catalogo::padrao(numero, Janela);
}

QString LeituraLoggers::falha(int numero) const
{
    const QString erro = m_cor == Cor::Vermelho ? m_texto.trimmed() : QString();
    return erro.isEmpty() ? texto(numero) : texto(numero) + u' ' + erro;
}

QList<int> LeituraLoggers::portas() const
{
    QList<int> lista;
    for (int n = TMSComm::PrimeiraPorta; n <= TMSComm::UltimaPorta; ++n) {
        const QString destino = m_destino ? m_destino(n) : QString();
        if (destino.isEmpty())
            continue;
        const bool nomeada = m_ambiente.configuracoes
            && !m_ambiente.configuracoes->le(QStringLiteral("PORTAS"), QStringLiteral("COM%1").arg(n), {})
                    .trimmed()
                    .isEmpty();
        const bool presente = TMSComm::EhSimulador(destino)
            || (m_ambiente.portas && m_ambiente.portas->situacao(destino).existe);
        if (nomeada || presente)
            lista << n;
    }
    return lista;
}

void LeituraLoggers::cancela()
{
    m_cancelada = true;
    if (m_link)
        m_link->Interrompe();
}

QList<EstadoLogger> LeituraLoggers::leTodas()
{
    m_cancelada = false;
    QList<EstadoLogger> linhas;
    for (const int n : portas()) {
        if (m_cancelada)
            break;
        linhas << le(n);
    }
    ordenaLoggers(linhas);
    return linhas;
}

bool LeituraLoggers::leBlocos(TDatalogger &link, EstadoLogger &e)
{
    m_link = &link;
    QByteArray configuracao, naoVolatil, calibracao;
    if (!link.LeConfiguracao(configuracao))
        e.motivo = falha(FalhaConfiguracao);
    else if (!link.LeNaoVolateis(naoVolatil))
        e.motivo = falha(FalhaNaoVolateis);
    else if (!link.LeCalibracao(calibracao))
        e.motivo = falha(FalhaCalibracao);
    m_link = nullptr;
    if (!e.motivo.isEmpty()) {
        if (m_cancelada)
            e.motivo = texto(Cancelado).arg(e.dispositivo);
        else if (!link.Ativou() && !link.PortaPerdida())
            e.motivo = texto(SemResposta).arg(e.dispositivo);
        return false;
    }
    const BlocoCalibracao k = BlocoCalibracao::decodifica(calibracao);
    const BlocoNaoVolatil nv = BlocoNaoVolatil::decodifica(naoVolatil);
    const QDateTime agora
        = m_ambiente.relogio ? DataHora::paraQDateTime(m_ambiente.relogio->dataHoraAtual()) : QDateTime();
    e.preenche(BlocoConfiguracao::decodifica(configuracao), k.NumeroSerie, k.textoNumeroSerie(), nv.Titulo,
        nv.dataBateria(), agora);
    return true;
}

// The last collection, and what needs attention.
void LeituraLoggers::completa(EstadoLogger &e) const
{
    if (e.respondeu && m_ambiente.registros && m_ambiente.catalogo) {
        const ConfigRegional regional
            = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
        const UltimaColeta u = UltimaColeta::de(
            *m_ambiente.registros, e.serie, m_ambiente.configuracoes, *m_ambiente.catalogo, regional);
        e.coleta = u.instante;
        e.veredito = u.veredito;
        e.perfil = u.perfil;
    }
    const QDateTime agora
        = m_ambiente.relogio ? DataHora::paraQDateTime(m_ambiente.relogio->dataHoraAtual()) : QDateTime();
    e.atencoes = EstadoLogger::avalia(e, vidaBateriaMeses(m_ambiente.configuracoes), agora);
}

EstadoLogger LeituraLoggers::le(int porta)
{
    EstadoLogger e;
    e.porta = porta;
    e.dispositivo = m_destino ? m_destino(porta) : QString();
    if (aoLerPorta)
        aoLerPorta(porta, e.dispositivo);
    if (TDatalogger *aberto = linkAberto ? linkAberto(porta) : nullptr) {
        // The main window's port stays open: its own link reads it.
        if (aberto->EmUso())
            e.motivo = texto(EmUso).arg(e.dispositivo);
        else
            leBlocos(*aberto, e);
        completa(e);
        return e;
    }
    Ambiente semCaixas = m_ambiente;
    semCaixas.mensagens = nullptr;
    semCaixas.observadorLogger = nullptr;
    TDatalogger link(semCaixas);
    m_texto.clear();
    m_cor = Cor::Preto;
    std::unique_ptr<TMSComm> comm = m_criaPorta ? m_criaPorta(e.dispositivo) : nullptr;
    if (!comm || !link.AbreComunicacao(porta, comm.get(), this)) {
        const QString motivo = comm ? comm->erro().trimmed() : QString();
        e.motivo = motivo.isEmpty() ? texto(NaoAbriu) : texto(NaoAbriu) + u' ' + motivo;
    } else {
        leBlocos(link, e);
        link.FechaComunicacao();
    }
    completa(e);
    return e;
}
