#include "JanelaFilha.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QVariant>
#include <QWidget>

namespace {
constexpr char kPropriedade[] = "quorvaneTipoJanela";
}

void marcaJanela(QWidget *janela, TipoJanela tipo)
{
    janela->setProperty(kPropriedade, int(tipo));
}

TipoJanela tipoJanela(const QWidget *janela)
{
    if (!janela)
        return TipoJanela::Outra;
    if (const auto *sub = qobject_cast<const QMdiSubWindow *>(janela); sub && sub->widget())
        janela = sub->widget();
    const QVariant v = janela->property(kPropriedade);
    return v.isValid() ? TipoJanela(v.toInt()) : TipoJanela::Outra;
}

ObservadorAtivacao::ObservadorAtivacao(
    QWidget *janela, std::function<void(bool ativa)> aviso, QuadroFechando quadroFechando)
    : QObject(janela)
    , m_janela(janela)
    , m_aviso(std::move(aviso))
    , m_quadroFechando(quadroFechando)
{
    janela->installEventFilter(this);
    ligaSubJanela();
}

bool ObservadorAtivacao::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != m_janela)
        return false;
    switch (evento->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (m_janela->isWindow())
            m_aviso(evento->type() == QEvent::WindowActivate);
        break;
    case QEvent::ParentChange:
        ligaSubJanela();
        break;
    default:
        break;
    }
    return false;
}

// Follows the sub-window that holds the window, if any.
void ObservadorAtivacao::ligaSubJanela()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(m_janela->parentWidget());
    if (sub == m_subJanela)
        return;
    disconnect(m_ligacao);
    m_subJanela = sub;
    if (!sub)
        return;
    m_ligacao = connect(sub, &QMdiSubWindow::windowStateChanged, this,
        [this](Qt::WindowStates antes, Qt::WindowStates agora) {
            if (m_quadroFechando == QuadroFechando::Ignora && !m_janela->window()->isVisible())
                return;
            const bool ativa = agora.testFlag(Qt::WindowActive);
            if (ativa != antes.testFlag(Qt::WindowActive))
                m_aviso(ativa);
        });
}
