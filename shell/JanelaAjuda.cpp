#include "JanelaAjuda.h"

#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kGuia = QStringLiteral("qrc:/ajuda/quorvane.html");
}

JanelaAjuda::JanelaAjuda(const QString &titulo, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_navegador(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("JanelaAjuda"));
    setWindowTitle(titulo);
    m_navegador->setObjectName(QStringLiteral("NavegadorAjuda"));
    m_navegador->setOpenExternalLinks(true);
    auto *barra = new QToolBar(this);
    QAction *voltar = barra->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("<"));
    QAction *avancar = barra->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral(">"));
    QAction *inicio = barra->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("^"));
    connect(voltar, &QAction::triggered, m_navegador, &QTextBrowser::backward);
    connect(avancar, &QAction::triggered, m_navegador, &QTextBrowser::forward);
    connect(inicio, &QAction::triggered, this, [this] { m_navegador->setSource(QUrl(kGuia)); });
    connect(m_navegador, &QTextBrowser::backwardAvailable, voltar, &QAction::setEnabled);
    connect(m_navegador, &QTextBrowser::forwardAvailable, avancar, &QAction::setEnabled);
    voltar->setEnabled(false);
    avancar->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(barra);
    layout->addWidget(m_navegador);
    resize(640, 560);
}

void JanelaAjuda::mostraTopico(const QString &palavraChave)
{
    QUrl url(kGuia);
    if (!palavraChave.isEmpty())
        url.setFragment(palavraChave);
    m_navegador->setSource(url);
    show();
    raise();
    activateWindow();
}
