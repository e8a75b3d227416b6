// The device commands of the "&Tarvek" menu. Each runs only while a port is
// open and no other command is using the link (the items are disabled
// otherwise, and the link refuses a second command).
//
// Battery, collection, configuration, monitor and offset are filled in by
// the device operations; the stop command is here.
#include "TFormPrinc.h"

#include "Catalogo.h"
#include "Espera.h"
#include "IMensagens.h"
#include "TDatalogger.h"

#include <QApplication>

void TFormPrinc::ItemBateriaClick()
{
}

void TFormPrinc::ItemColetarDadosClick()
{
}

void TFormPrinc::ItemConfigurarClick()
{
}

void TFormPrinc::ItemMonitorarClick()
{
}

void TFormPrinc::ItemAjusteOffsetClick()
{
}

void TFormPrinc::ItemPararClick()
{
    if (EstadoPorta != 0 || m_datalogger->EmUso())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = m_datalogger->FimAquisicoes();
    QApplication::restoreOverrideCursor();
    if (ok) {
        if (m_ambiente.sinal && m_ambiente.relogio)
            SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
        m_ambiente.mensagens->informacao(m_catalogo.texto(241));
        AtualizaCruzMouse();
    } else {
        m_ambiente.mensagens->aviso(m_catalogo.texto(240));
    }
}

void TFormPrinc::SpeedButtonPararClick()
{
    ItemPararClick();
    AtualizaCruzMouse();
}
