#include "VistaGrafico.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "IMensagens.h"
#include "ImpressaoGrafico.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

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

VistaGrafico::VistaGrafico(const Ambiente &ambiente, TipoJanela tipo, const QColor &fundoPainel,
    int textoPainel, QStringView nomeJanela, QWidget *parent)
    : QWidget(parent)
    , m_ambiente(ambiente)
    , m_panel(CriaPainelTitulo(this, fundoPainel))
    , m_erroGravacao(ambiente.catalogo->texto(171, nomeJanela))
{
    setAttribute(Qt::WA_DeleteOnClose);
    marcaJanela(this, tipo);
    m_panel->setText(ambiente.catalogo->texto(textoPainel));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    new ObservadorAtivacao(this, [this](bool ativa) {
        if (ativa)
            emit ativada(m_tag);
    });
}

void VistaGrafico::poeConteudo(QWidget *conteudo)
{
    static_cast<QVBoxLayout *>(layout())->addWidget(conteudo, 1);
}

void VistaGrafico::coloca(const QString &titulo, const ContextoVista &contexto)
{
    setWindowTitle(titulo);
    setTag(contexto.numeroGrafico);
    if (contexto.aoAtivar)
        connect(this, &VistaGrafico::ativada, this, contexto.aoAtivar);
    if (contexto.insere)
        contexto.insere(this);
    else
        show();
}

void VistaGrafico::avisaErroGravacao() const
{
    m_ambiente.mensagens->aviso(m_erroGravacao);
}

bool VistaGrafico::imprimeRelatorio(RelatorioTexto::Modo modo,
    const std::function<bool(const QString &)> &grava, QPrinter &impressora,
    const TFrmImpressao::MostraPrevia &mostra)
{
    const TFrmImpressao::Falha falha
        = TFrmImpressao::imprimeVista(m_ambiente, modo, m_panel->text(), grava, impressora, this, mostra);
    if (falha == TFrmImpressao::Falha::Arquivo)
        avisaErroGravacao();
    else if (falha == TFrmImpressao::Falha::Impressora)
        m_ambiente.mensagens->aviso(m_ambiente.catalogo->texto(ImpressaoGrafico::TextoFalha));
    return falha == TFrmImpressao::Falha::Nenhuma;
}

QFont VistaGrafico::fonte()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}
