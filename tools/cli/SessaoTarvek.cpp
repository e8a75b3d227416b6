#include "SessaoTarvek.h"

#include "CenariosTarvek.h"
#include "TDatalogger.h"
#include "TMSComm.h"
#include "TMSCommRoteador.h"
#include "TMSCommSerial.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QDateTime>
#include <QTextStream>

SessaoTarvek::SessaoTarvek(Console &console, bool eco)
    : m_console(console)
    , m_mensagens(console)
    , m_status(console.erros, eco)
    , m_regional(ConfigRegional::portuguesBrasil())
{
    m_ambiente.mensagens = &m_mensagens;
    m_ambiente.relogio = &m_relogio;
    m_ambiente.sinal = &m_sinal;
    m_ambiente.configuracoes = &m_configuracoes;
    m_ambiente.catalogo = &m_catalogo;
    m_ambiente.regional = &m_regional;
    m_ambiente.portas = &m_portas;
    m_ambiente.registros = &m_registros;
    m_ambiente.observadorLogger = &m_registroLogger;
    m_link = std::make_unique<TDatalogger>(m_ambiente);
    // A device that goes away is told when it happens, whichever operation
    // (and whichever message of its own) it cuts short.
    m_link->aoPerderPorta = [this] {
        m_console.falha(m_link->TextoPerda());
        m_perdaDita = true;
    };
}

SessaoTarvek::~SessaoTarvek()
{
    if (m_comm && m_comm->PortOpen())
        m_link->FechaComunicacao();
}

bool SessaoTarvek::portaValida(const QString &porta)
{
    bool ehNumero = false;
    const int numero = porta.toInt(&ehNumero);
    if (ehNumero)
        return TMSComm::PortaValida(numero);
    return !porta.trimmed().isEmpty();
}

bool SessaoTarvek::abre(const QString &porta, const QString &descricaoSimulador)
{
    if (!portaValida(porta)) {
        m_console.falha(QStringLiteral("a porta deve ser %1 a %2, um dispositivo serial ou %3")
                            .arg(TMSComm::PrimeiraPorta)
                            .arg(TMSComm::UltimaPorta)
                            .arg(TMSComm::Simulador));
        return false;
    }
    bool ehNumero = false;
    int numero = porta.toInt(&ehNumero);
    if (porta == TMSComm::Simulador) {
        numero = 1;
        m_comm = criaSimulador(descricaoSimulador);
    } else if (ehNumero) {
        // The port numbers map to devices as the program maps them (the
        // section PORTAS of the settings file), the simulator included.
        m_comm = std::make_unique<TMSCommRoteador>(
            &m_configuracoes, [this, descricaoSimulador] { return criaSimulador(descricaoSimulador); },
            TMSCommRoteador::FabricaSerial {}, &m_ambiente);
    } else {
        numero = 1;
        m_comm = std::make_unique<TMSCommSerial>(porta, &m_ambiente);
    }
    if (!m_comm)
        return false;
    // A port that does not open is told by the link, with the port's reason.
    if (!m_link->AbreComunicacao(numero, m_comm.get(), &m_status))
        return false;
    return true;
}

TMSCommRoteador &SessaoTarvek::roteador(const QString &descricaoSimulador)
{
    if (!m_roteador) {
        m_roteador = std::make_unique<TMSCommRoteador>(
            &m_configuracoes, [this, descricaoSimulador] { return criaSimulador(descricaoSimulador); },
            TMSCommRoteador::FabricaSerial {}, &m_ambiente);
    }
    return *m_roteador;
}

std::unique_ptr<TMSComm> SessaoTarvek::criaSimulador(const QString &descricao)
{
    // A scenario of the simulator by name, or a description file.
    QString erro;
    const QString nome = descricao.isEmpty() ? CenariosTarvek::Padrao : descricao;
    const auto lida = CenariosTarvek::nomes().contains(nome) ? CenariosTarvek::descricao(nome, &erro)
                                                             : CenariosTarvek::arquivo(descricao, &erro);
    if (!lida) {
        m_console.falha(QStringLiteral("simulador: ") + erro);
        return nullptr;
    }
    auto tarvek
        = CenariosTarvek::criaTarvek(*lida, m_relogio.tickCount(), QDateTime::currentDateTime(), &erro);
    if (!tarvek) {
        m_console.falha(QStringLiteral("simulador: ") + erro);
        return nullptr;
    }
    return std::make_unique<TMSCommSimulado>(std::move(tarvek), m_relogio);
}

void SessaoTarvek::falhou(const QString &mensagem)
{
    if (!m_status.ultimoErro().isEmpty() && !m_perdaDita)
        m_console.falha(m_status.ultimoErro());
    m_console.falha(mensagem);
}
