// "Loggers": every port's logger at a glance, one window in the frame at a
// time.
#include "TFormPrinc.h"

#include "TDatalogger.h"
#include "TFormLoggers.h"
#include "TMSComm.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void TFormPrinc::ItemLoggersClick()
{
    if (m_loggers) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(m_loggers->parentWidget())) {
            sub->showNormal();
            m_mdi->setActiveSubWindow(sub);
            return;
        }
    }
    auto *janela = new TFormLoggers(
        m_ambiente, [this](int n) { return destinoPorta(n); },
        [this](const QString &destino) { return m_porta.PortaAvulsa(destino); });
    // The port this window holds open is read through its own link, and
    // stays open.
    janela->defineLinkAberto([this](int n) -> TDatalogger * {
        return EstadoPorta == 0 && m_porta.CommPort() == n ? m_datalogger.get() : nullptr;
    });
    connect(janela, &TFormLoggers::coletarTodosPedido, this, &TFormPrinc::ColetarTodos);
    m_loggers = janela;
    insereFilha(janela);
    // Its columns want the frame's width.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(janela->parentWidget()))
        sub->setGeometry(QRect(QPoint(0, 0), QSize(m_mdi->viewport()->width(), sub->sizeHint().height())));
}
