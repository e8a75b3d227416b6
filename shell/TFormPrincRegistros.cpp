// "Registros...": the window of the recordings sealed and the audit trail,
// one in the frame at a time.
#include "TFormPrinc.h"

#include "TFormRegistros.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void TFormPrinc::ItemRegistrosClick()
{
    if (m_registros) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(m_registros->parentWidget())) {
            sub->showNormal();
            m_mdi->setActiveSubWindow(sub);
            return;
        }
    }
    TFormRegistros::Ligacoes ligacoes;
    ligacoes.dialogos = &dialogos();
    ligacoes.impressora = [this]() -> QPrinter & { return impressora(); };
    ligacoes.abre = [this](const QString &caminho) { AbreArquivo(caminho); };
    auto *janela = new TFormRegistros(m_ambiente, std::move(ligacoes));
    m_registros = janela;
    insereFilha(janela);
    // Its columns want the whole width: it opens over the frame's area,
    // as a window of its own the user may shrink.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(janela->parentWidget()))
        sub->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
}
