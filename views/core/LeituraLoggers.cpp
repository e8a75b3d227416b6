#include "LeituraLoggers.h"

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
    NaoAbriu = 254,
    EmUso = 540,
};

// Worded as the configuration window words a failed read.
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
    , m_leitura(ambiente)
{
}

QString LeituraLoggers::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, Janela)
                               : Catalogo::padrao(numero, Janela);
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
    m_leitura.cancela();
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

void LeituraLoggers::preenche(const LeituraBlocos::Resultado &lido, EstadoLogger &e) const
{
    if (!lido.sucesso) {
        e.motivo = lido.motivo;
        return;
    }
    const QDateTime agora
        = m_ambiente.relogio ? DataHora::paraQDateTime(m_ambiente.relogio->dataHoraAtual()) : QDateTime();
    e.preenche(lido.configuracao, lido.calibracao.NumeroSerie, lido.calibracao.textoNumeroSerie(),
        lido.naoVolatil.Titulo, lido.naoVolatil.dataBateria(), agora);
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
            preenche(m_leitura.le(*aberto, e.dispositivo), e);
        completa(e);
        return e;
    }
    std::unique_ptr<TMSComm> comm = m_criaPorta ? m_criaPorta(e.dispositivo) : nullptr;
    if (comm)
        preenche(m_leitura.le(*comm, porta, e.dispositivo), e);
    else
        e.motivo = texto(NaoAbriu);
    completa(e);
    return e;
}
