#include "TFrmProgress.h"

#include "Catalogo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

enum Texto {
    Caption = 133,  // "Progresso "
    Coletando = 134,  // "Coletando aquisições..."
};

}  // namespace

TFrmProgress::TFrmProgress(const Catalogo &catalogo, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , m_catalogo(catalogo)
{
    setObjectName(QStringLiteral("FrmProgress"));
    setModal(false);
    m_rotulo = new QLabel(this);
    m_rotulo->setObjectName(QStringLiteral("Label1"));
    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("ProgressBar"));
    m_barra->setTextVisible(false);
    m_barra->setMinimumWidth(320);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_rotulo);
    layout->addWidget(m_barra);
    setFixedSize(sizeHint());
}

void TFrmProgress::mostra(int maximo, const QString &texto)
{
    // The texts are taken at every showing: the language library may have
    // replaced them since the window was made.
    setWindowTitle(m_catalogo.texto(Caption));
    m_rotulo->setText(texto.isEmpty() ? m_catalogo.texto(Coletando) : texto);
    m_barra->setRange(0, qMax(1, maximo));
    m_barra->setValue(0);
    setFixedSize(sizeHint());
    centraNaTela();
    show();
    raise();
}

void TFrmProgress::mostraEspera(const QString &texto)
{
    mostra(0, texto);
    m_barra->setRange(0, 0);
    atualiza();
}

void TFrmProgress::definePosicao(int posicao)
{
    m_barra->setValue(posicao);
}

void TFrmProgress::atualiza()
{
    repaint();
    QCoreApplication::processEvents();
}

void TFrmProgress::centraNaTela()
{
    const QScreen *tela = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!tela)
        return;
    QRect area = geometry();
    area.moveCenter(tela->availableGeometry().center());
    move(area.topLeft());
}

// The window has no close box; it goes away when the collection ends, not
// by the user's hand (Escape and Alt+F4 included).
void TFrmProgress::closeEvent(QCloseEvent *evento)
{
    if (evento->spontaneous()) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TFrmProgress::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        evento->ignore();
        return;
    }
    QDialog::keyPressEvent(evento);
}
