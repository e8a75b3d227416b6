#include "TFormDados.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ExportacaoTexto.h"
#include "IMensagens.h"
#include "JanelaFilha.h"
#include "ModeloLeituras.h"
#include "TAquisicao.h"

#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QMdiSubWindow>
#include <QVBoxLayout>

TFormDados::TFormDados(const Ambiente &ambiente, QWidget *parent)
    : QWidget(parent)
    , m_ambiente(ambiente)
    , m_panel(CriaPainelTitulo(this, QColor(128, 0, 0)))
    , m_lista(new QListView(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    marcaJanela(this, TipoJanela::Dados);
    const Catalogo &cat = *ambiente.catalogo;
    m_erroGravacao = cat.texto(171, u"FormDados");
    m_panel->setText(cat.texto(186));
    m_lista->setObjectName(QStringLiteral("ListBoxDados"));
    m_lista->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lista->setUniformItemSizes(true);
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lista->setLayoutMode(QListView::SinglePass);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    m_lista->setFont(f);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    layout->addWidget(m_lista, 1);
}

TFormDados *TFormDados::Abre_Dados(const QString &nome, const ContextoVista &contexto)
{
    auto *vista = new TFormDados(*contexto.ambiente);
    vista->setWindowTitle(nome + contexto.ambiente->catalogo->texto(185));
    vista->setTag(contexto.numeroGrafico);
    if (contexto.aoAtivar)
        connect(vista, &TFormDados::ativada, vista, contexto.aoAtivar);
    vista->Atualiza_Dados(contexto.aquisicao);
    if (contexto.insere)
        contexto.insere(vista);
    else
        vista->show();
    return vista;
}

void TFormDados::MostraLeituras(
    QPointer<TFormDados> &vista, const QString &nomeGrafico, const ContextoVista &contexto)
{
    if (vista)
        TrazParaFrente(vista);
    else
        vista = Abre_Dados(nomeGrafico, contexto);
}

void TFormDados::Atualiza_Dados(std::shared_ptr<const TAquisicao> aquisicao)
{
    auto *anterior = m_modelo;
    m_modelo = new ModeloLeituras(std::move(aquisicao), *m_ambiente.catalogo, *m_ambiente.regional, this);
    m_lista->setModel(m_modelo);
    delete anterior;
}

QString TFormDados::linha(int k) const
{
    return m_modelo ? m_modelo->linhas().linha(k) : QString();
}

int TFormDados::quantidadeLinhas() const
{
    return m_modelo ? m_modelo->rowCount() : 0;
}

bool TFormDados::Grava_Arquivo(const QString &caminho, int primeira, int ultima)
{
    bool ok = false;
    if (m_modelo) {
        const int n = m_modelo->aquisicao().NumLeituras();
        ExportacaoTexto::Faixa f;
        f.primeira = std::max(1, primeira);
        f.ultima = std::min(n, ultima);
        ok = ExportacaoTexto::gravaLeituras(caminho, m_modelo->linhas(), *m_ambiente.catalogo, f);
    }
    if (!ok)
        m_ambiente.mensagens->aviso(m_erroGravacao);
    return ok;
}

bool TFormDados::event(QEvent *evento)
{
    // Every widget of a window hears of that window's activation: inside a
    // frame only the sub-window's own activation counts (ligaSubJanela).
    if (evento->type() == QEvent::WindowActivate && isWindow())
        emit ativada(m_tag);
    else if (evento->type() == QEvent::ParentChange)
        ligaSubJanela();
    return QWidget::event(evento);
}

void TFormDados::ligaSubJanela()
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
