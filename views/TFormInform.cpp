#include "TFormInform.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ExportacaoTexto.h"
#include "IMensagens.h"
#include "JanelaFilha.h"
#include "TAquisicao.h"
#include "TextoInformacoes.h"

#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

QFont fonteVista()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}

}  // namespace

QLabel *CriaPainelTitulo(QWidget *pai, const QColor &fundo)
{
    auto *painel = new QLabel(pai);
    painel->setAutoFillBackground(true);
    QPalette p = painel->palette();
    p.setColor(QPalette::Window, fundo);
    p.setColor(QPalette::WindowText, Qt::white);
    painel->setPalette(p);
    QFont f = painel->font();
    f.setBold(true);
    painel->setFont(f);
    painel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    painel->setMinimumHeight(20);
    return painel;
}

void TrazParaFrente(QWidget *vista)
{
    if (!vista)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(vista->parentWidget())) {
        if (sub->isMinimized())
            sub->showNormal();
        if (QMdiArea *area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        sub->raise();
        return;
    }
    vista->show();
    vista->raise();
    vista->activateWindow();
}

TFormInform::TFormInform(const Ambiente &ambiente, QWidget *parent)
    : QWidget(parent)
    , m_ambiente(ambiente)
    , m_panel(CriaPainelTitulo(this, QColor(0, 128, 128)))
    , m_memo(new QPlainTextEdit(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    marcaJanela(this, TipoJanela::Informacoes);
    const Catalogo &cat = *ambiente.catalogo;
    m_erroGravacao = cat.texto(171, u"FormInform");
    m_panel->setText(cat.texto(188));
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setFont(fonteVista());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    layout->addWidget(m_memo, 1);
    resize(360, 335);
}

TFormInform *TFormInform::Abre_Inform(const QString &nome, const ContextoVista &contexto)
{
    auto *vista = new TFormInform(*contexto.ambiente);
    vista->setWindowTitle(nome + contexto.ambiente->catalogo->texto(187));
    vista->setTag(contexto.numeroGrafico);
    if (contexto.aoAtivar)
        connect(vista, &TFormInform::ativada, vista, contexto.aoAtivar);
    vista->m_memo->hide();
    vista->Atualiza_Informacoes(*contexto.aquisicao);
    vista->m_memo->show();
    if (contexto.insere)
        contexto.insere(vista);
    else
        vista->show();
    return vista;
}

void TFormInform::MostraInformacoes(
    QPointer<TFormInform> &vista, const QString &nomeGrafico, const ContextoVista &contexto)
{
    if (vista)
        TrazParaFrente(vista);
    else
        vista = Abre_Inform(nomeGrafico, contexto);
}

void TFormInform::Atualiza_Informacoes(const TAquisicao &aquisicao)
{
    const QStringList texto = ::Atualiza_Informacoes(aquisicao, *m_ambiente.catalogo, *m_ambiente.regional);
    m_memo->setPlainText(texto.join(u'\n'));
}

void TFormInform::SetaInformacoes(const QString &linha)
{
    m_memo->appendPlainText(linha);
}

QStringList TFormInform::linhas() const
{
    QStringList l;
    for (QTextBlock b = m_memo->document()->begin(); b.isValid(); b = b.next())
        l << b.text();
    if (l.size() == 1 && l.front().isEmpty())
        l.clear();
    return l;
}

bool TFormInform::Grava_Arquivo(const QString &caminho)
{
    if (ExportacaoTexto::gravaInformacoes(caminho, linhas()))
        return true;
    m_ambiente.mensagens->aviso(m_erroGravacao);
    return false;
}

bool TFormInform::event(QEvent *evento)
{
    // Every widget of a window hears of that window's activation: inside a
    // frame only the sub-window's own activation counts (ligaSubJanela).
    if (evento->type() == QEvent::WindowActivate && isWindow())
        emit ativada(m_tag);
    else if (evento->type() == QEvent::ParentChange)
        ligaSubJanela();
    return QWidget::event(evento);
}

// Inside a frame, the sub-window is what gets activated.
void TFormInform::ligaSubJanela()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub || m_ligada)
        return;
    m_ligada = true;
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
        [this](Qt::WindowStates antes, Qt::WindowStates agora) {
            if (agora.testFlag(Qt::WindowActive) && !antes.testFlag(Qt::WindowActive))
                emit ativada(m_tag);
        });
}
