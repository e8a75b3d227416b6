// Conveniences of the main window that no command of its own asks for:
// the usual shortcuts, the recent files at the end of "&Arquivo", files
// dropped on the window or named on the command line, the window's place
// between two runs, and the field at the right of the status line that
// names the open port and the device behind it.
#include "TFormPrinc.h"

#include "ArquivosRecentes.h"
#include "Catalogo.h"
#include "GeometriaJanela.h"
#include "IConfiguracoes.h"
#include "IMensagens.h"
#include "TMSComm.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

namespace {

// The files of a drag that open in the program (.qvg and .qvj on disk).
QStringList arquivosSoltos(const QMimeData *dados)
{
    QStringList caminhos;
    if (!dados || !dados->hasUrls())
        return caminhos;
    const QList<QUrl> urls = dados->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile() && ArquivosRecentes::tipo(url.toLocalFile()) != ArquivosRecentes::Tipo::Nenhum)
            caminhos.append(url.toLocalFile());
    }
    return caminhos;
}

}  // namespace

void TFormPrinc::criaConfortos()
{
    aplicaAtalhos();
    atualizaRecentes();
    m_campoPorta = new QLabel(this);
    m_campoPorta->setObjectName(QStringLiteral("CampoPorta"));
    m_campoPorta->setContentsMargins(6, 0, 6, 0);
    statusBar()->addPermanentWidget(m_campoPorta);
    setAcceptDrops(true);
}

void TFormPrinc::aplicaAtalhos()
{
    const std::pair<const char *, QKeySequence> atalhos[] = {
        { "ItemAbrir", QKeySequence::Open },
        { "ItemSalvar", QKeySequence::Save },
        { "ItemExportar", QKeySequence(Qt::CTRL | Qt::Key_E) },
        { "ItemCopiar", QKeySequence::Copy },
        { "ItemImprimir", QKeySequence::Print },
        { "ItemConteudo", QKeySequence(Qt::Key_F1) },
    };
    for (const auto &[nome, atalho] : atalhos) {
        if (QAction *a = m_comandos.value(nome).item; a && a->shortcut().isEmpty())
            a->setShortcut(atalho);
    }
}

// ---- recent files ---------------------------------------------------------------

void TFormPrinc::RegistraRecente(const QString &caminho)
{
    ArquivosRecentes(m_ambiente.configuracoes).registra(caminho);
    atualizaRecentes();
}

void TFormPrinc::atualizaRecentes()
{
    QAction *sair = m_comandos.value("ItemSair").item;
    QMenu *menu = sair ? qobject_cast<QMenu *>(sair->associatedObjects().value(0)) : nullptr;
    if (!menu)
        return;
    // The item being triggered may be among them: they go once its signal
    // has returned.
    for (QAction *a : std::as_const(m_itensRecentes)) {
        menu->removeAction(a);
        a->setObjectName(QString());
        a->deleteLater();
    }
    m_itensRecentes.clear();
    const QStringList caminhos = ArquivosRecentes(m_ambiente.configuracoes).lista();
    if (caminhos.isEmpty())
        return;
    const QStringList legendas = ArquivosRecentes::legendas(caminhos);
    for (qsizetype i = 0; i < caminhos.size(); ++i) {
        auto *a = new QAction(legendas[i], this);
        a->setObjectName(QStringLiteral("ItemRecente%1").arg(i + 1));
        a->setStatusTip(caminhos[i]);
        a->setToolTip(caminhos[i]);
        connect(a, &QAction::triggered, this, [this, caminho = caminhos[i]] { ItemRecenteClick(caminho); });
        menu->insertAction(sair, a);
        m_itensRecentes.append(a);
    }
    m_itensRecentes.append(menu->insertSeparator(sair));
}

void TFormPrinc::ItemRecenteClick(QString caminho)
{
    // A file moved or deleted since leaves the list.
    if (!QFileInfo(caminho).isFile()) {
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(m_catalogo.texto(235));
        ArquivosRecentes(m_ambiente.configuracoes).remove(caminho);
        atualizaRecentes();
        return;
    }
    AbreArquivo(caminho);
}

bool TFormPrinc::AbreArquivo(const QString &caminho)
{
    switch (ArquivosRecentes::tipo(caminho)) {
    case ArquivosRecentes::Tipo::Grafico:
        Abrir_Grafico(caminho);
        return true;
    case ArquivosRecentes::Tipo::Juncao:
        Abrir_Juncao(caminho);
        return true;
    case ArquivosRecentes::Tipo::Nenhum:
        break;
    }
    return false;
}

void TFormPrinc::abreArquivosIniciais()
{
    const QStringList caminhos = std::exchange(m_arquivosIniciais, {});
    for (const QString &c : caminhos) {
        if (!AbreArquivo(c) && m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(m_catalogo.texto(234));
    }
}

// ---- dropped files --------------------------------------------------------------

void TFormPrinc::dragEnterEvent(QDragEnterEvent *evento)
{
    if (!arquivosSoltos(evento->mimeData()).isEmpty())
        evento->acceptProposedAction();
}

void TFormPrinc::dropEvent(QDropEvent *evento)
{
    const QStringList caminhos = arquivosSoltos(evento->mimeData());
    if (caminhos.isEmpty())
        return;
    evento->acceptProposedAction();
    // Opened once the drop has ended, so that a message box of the file
    // reader does not run inside the drag.
    QMetaObject::invokeMethod(
        this,
        [this, caminhos] {
            for (const QString &c : caminhos)
                AbreArquivo(c);
        },
        Qt::QueuedConnection);
}

// ---- the window's place -------------------------------------------------------------

bool TFormPrinc::RestauraGeometria(const QRect &areaTela)
{
    if (!m_ambiente.configuracoes)
        return false;
    const auto g = GeometriaJanela::le(*m_ambiente.configuracoes);
    if (!g)
        return false;
    setGeometry(GeometriaJanela::ajustaATela(g->retangulo, areaTela));
    if (g->maximizada)
        setWindowState(windowState() | Qt::WindowMaximized);
    return true;
}

void TFormPrinc::GuardaGeometria()
{
    if (!m_ambiente.configuracoes)
        return;
    GeometriaJanela g;
    g.retangulo = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    g.maximizada = isMaximized();
    if (g.retangulo.width() >= GeometriaJanela::LarguraMinima
        && g.retangulo.height() >= GeometriaJanela::AlturaMinima)
        g.grava(*m_ambiente.configuracoes);
}

// ---- the port field -------------------------------------------------------------

void TFormPrinc::atualizaCampoPorta()
{
    if (!m_campoPorta)
        return;
    if (EstadoPorta != 0) {
        m_campoPorta->clear();
        return;
    }
    const int n = m_porta.CommPort();
    const QString destino = m_porta.Destino(n);
    m_campoPorta->setText(
        destino.isEmpty() ? QStringLiteral("COM%1").arg(n) : QStringLiteral("COM%1: %2").arg(n).arg(destino));
}
