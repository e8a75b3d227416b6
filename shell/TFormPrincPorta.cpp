// The "&Porta" menu: opening the chosen port, remembering it in the
// settings file, and switching the device commands with it; the device of
// each port in its item, and the "Portas..." window that assigns them.
#include "TFormPrinc.h"

#include "AtribuicaoPortas.h"
#include "IConfiguracoes.h"
#include "LinhaStatus.h"
#include "TDatalogger.h"
#include "TFrmPortas.h"
#include "TMSComm.h"
#include "TMSCommRoteador.h"

#include <QAction>

namespace {
// The items of the four ports, in their order.
constexpr const char *kItensPorta[] = { "ItemCom1", "ItemCOM2", "ItemCOM3", "ItemCOM4" };
}  // namespace

void TFormPrinc::SelecionaPorta(int n)
{
    if (EstadoPorta == 0)
        m_datalogger->FechaComunicacao();
    EstadoPorta = n;
    if (AbrePorta()) {
        HabilitaBotoesComunicacao();
        marcaPorta(n);
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
    for (int i = 0; i < 4; ++i)
        m_comandos.value(kItensPorta[i]).item->setChecked(i + 1 == n);
}

void TFormPrinc::HabilitaBotoesComunicacao()
{
    m_comunicacaoHabilitada = true;
    aplicaUsoDoLink(m_datalogger->EmUso());
    if (m_ambiente.configuracoes)
        m_ambiente.configuracoes->grava(
            QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QString::number(m_porta.CommPort()));
}

void TFormPrinc::DesabilitaBotoesComunicacao()
{
    m_comunicacaoHabilitada = false;
    aplicaUsoDoLink(false);
}

QString TFormPrinc::destinoPorta(int n) const
{
    const auto *roteador = dynamic_cast<const TMSCommRoteador *>(&m_porta);
    return roteador ? roteador->Destino(n) : QString();
}

void TFormPrinc::atualizaMenuPorta()
{
    for (int n = 1; n <= 4; ++n) {
        QAction *a = m_comandos.value(kItensPorta[n - 1]).item;
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
    auto *roteador = dynamic_cast<TMSCommRoteador *>(&m_porta);
    TFrmPortas janela(
        m_ambiente, [this](int n) { return destinoPorta(n); },
        [roteador](const QString &destino) {
            return roteador ? roteador->PortaAvulsa(destino) : std::unique_ptr<TMSComm>();
        },
        this);
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
    janela.reabreAberto = [this, &aberta] { SelecionaPorta(std::exchange(aberta, 0)); };
    janela.exec();
    atualizaMenuPorta();
    // The open port moved to another device: it is opened there.
    const QList<int> gravadas = janela.portasGravadas();
    if (EstadoPorta == 0 && gravadas.contains(m_porta.CommPort()))
        SelecionaPorta(m_porta.CommPort());
}
