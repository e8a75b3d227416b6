// The "&Porta" menu: opening the chosen port, remembering it in the
// settings file, and switching the device commands with it.
#include "TFormPrinc.h"

#include "IConfiguracoes.h"
#include "LinhaStatus.h"
#include "TDatalogger.h"
#include "TMSComm.h"

#include <QAction>

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
    static constexpr const char *nomes[] = { "ItemCom1", "ItemCOM2", "ItemCOM3", "ItemCOM4" };
    for (int i = 0; i < 4; ++i)
        m_comandos.value(nomes[i]).item->setChecked(i + 1 == n);
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
