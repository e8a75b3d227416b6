// The "&Porta" menu: opening the chosen port, remembering it in the
// settings file, and switching the device commands with it; the device of
// each port in its item, and the "Portas..." window that assigns them.
#include "TFormPrinc.h"

#include "AtribuicaoPortas.h"
#include "IConfiguracoes.h"
#include "IMensagens.h"
#include "LinhaStatus.h"
#include "TDatalogger.h"
#include "TFrmPortas.h"
#include "TMSComm.h"

#include <QAction>

namespace {
// The items of the four ports, in their order.
constexpr const char *kItensPorta[] = { "ItemCom1", "ItemCOM2", "ItemCOM3", "ItemCOM4" };
static_assert(std::size(kItensPorta) == TMSComm::UltimaPorta - TMSComm::PrimeiraPorta + 1);
}  // namespace

void TFormPrinc::SelecionaPorta(int n)
{
    selecionaPorta(n, true);
}

void TFormPrinc::selecionaPorta(int n, bool pedida)
{
    if (EstadoPorta == 0)
        m_datalogger->FechaComunicacao();
    EstadoPorta = n;
    if (AbrePorta()) {
        HabilitaBotoesComunicacao();
        marcaPorta(n);
        gravaPortaInicial(pedida);
    } else {
        DesabilitaBotoesComunicacao();
    }
    atualizaCampoPorta();
}

bool TFormPrinc::AbrePorta()
{
    if (m_datalogger->AbreComunicacao(EstadoPorta, &m_porta, m_editStatus)) {
        EstadoPorta = 0;
        return true;
    }
    DesabilitaPortas();
    return false;
}

void TFormPrinc::DesabilitaPortas()
{
    EstadoPorta = -1;
    marcaPorta(0);
    DesabilitaBotoesComunicacao();
}

void TFormPrinc::marcaPorta(int n)
{
    for (int i = TMSComm::PrimeiraPorta; i <= TMSComm::UltimaPorta; ++i)
        m_comandos.value(kItensPorta[i - TMSComm::PrimeiraPorta]).item->setChecked(i == n);
}

void TFormPrinc::HabilitaBotoesComunicacao()
{
    m_comunicacaoHabilitada = true;
    aplicaUsoDoLink(m_datalogger->EmUso());
}

void TFormPrinc::gravaPortaInicial(bool pedida)
{
    if (!m_ambiente.configuracoes)
        return;
    const GravacaoConfiguracao g = m_ambiente.configuracoes->grava(
        QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QString::number(m_porta.CommPort()));
    // A port the user chose says that it will not be the one opened next
    // time; the program's own reopening stays quiet.
    if (!g.ok() && pedida && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(g.mensagem(m_ambiente.catalogo));
}

void TFormPrinc::DesabilitaBotoesComunicacao()
{
    m_comunicacaoHabilitada = false;
    aplicaUsoDoLink(false);
}

QString TFormPrinc::destinoPorta(int n) const
{
    return m_porta.Destino(n);
}

void TFormPrinc::atualizaMenuPorta()
{
    for (int n = TMSComm::PrimeiraPorta; n <= TMSComm::UltimaPorta; ++n) {
        QAction *a = m_comandos.value(kItensPorta[n - TMSComm::PrimeiraPorta]).item;
        if (!a)
            continue;
        const QString destino = destinoPorta(n);
        a->setText(AtribuicaoPortas::legendaMenu(n, destino, m_ambiente.portas));
        // The whole name, which the caption may shorten.
        a->setStatusTip(destino);
        a->setToolTip(destino);
    }
}

void TFormPrinc::ItemPortasClick()
{
    TFrmPortas janela(
        m_ambiente, [this](int n) { return destinoPorta(n); },
        [this](const QString &destino) { return m_porta.PortaAvulsa(destino); }, this);
    // A test of the device the window holds open closes it meanwhile.
    int aberta = 0;
    janela.dispositivoAberto
        = [this] { return EstadoPorta == 0 ? destinoPorta(m_porta.CommPort()) : QString(); };
    janela.fechaAberto = [this, &aberta] {
        aberta = m_porta.CommPort();
        m_datalogger->FechaComunicacao();
        DesabilitaPortas();
        atualizaCampoPorta();
    };
    janela.reabreAberto = [this, &aberta] { selecionaPorta(std::exchange(aberta, 0), false); };
    janela.exec();
    atualizaMenuPorta();
    // The open port moved to another device: it is opened there.
    const QList<int> gravadas = janela.portasGravadas();
    if (EstadoPorta == 0 && gravadas.contains(m_porta.CommPort()))
        selecionaPorta(m_porta.CommPort(), false);
}
