// The merge of graphs in the main window: the merge command, opening a
// merged-graph file and saving the active merged window.
#include "TFormPrinc.h"

#include "ArquivoQvj.h"
#include "Catalogo.h"
#include "CursorEspera.h"
#include "IDialogosArquivo.h"
#include "IMensagens.h"
#include "JanelaFilha.h"
#include "MontagemJuncao.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

void TFormPrinc::NovaJuncao(const std::vector<TNodoJuncao> &entradas, bool doArquivo,
    const QString &unidadeEsquerda, const QString &unidadeDireita)
{
    TFormJuncao::Ligacoes ligacoes;
    ligacoes.dialogos = &dialogos();
    auto *juncao = new TFormJuncao(m_ambiente, ligacoes);
    connect(juncao, &TFormJuncao::tornouAtual, this, [this](TFormJuncao *j) { defineJuncaoAtual(j); });
    connect(juncao, &TFormJuncao::gravou, this, &TFormPrinc::RegistraRecente);
    connect(juncao, &TFormJuncao::fechou, this,
        [this] { QTimer::singleShot(0, this, &TFormPrinc::UpdateMenuItems); });
    defineJuncaoAtual(juncao);
    juncao->MontaGrafico(entradas, doArquivo, unidadeEsquerda, unidadeDireita);
    insereFilha(juncao);
    const QSize area = m_mdi->viewport()->size();
    auto *sub = qobject_cast<QMdiSubWindow *>(juncao->parentWidget());
    (sub ? static_cast<QWidget *>(sub) : juncao)
        ->resize(qMax(720, area.width() * 3 / 4), qMax(480, area.height() * 3 / 4));
    UpdateMenuItems();
}

void TFormPrinc::ItemJuncaoClick()
{
    std::vector<TNodoJuncao> entradas;
    const auto filhas = m_mdi->subWindowList();
    for (QMdiSubWindow *filha : filhas) {
        if (auto *g = qobject_cast<TFormGrafico *>(filha->widget()))
            entradas.push_back(g->PreencheNodoJuncao());
    }
    MontagemJuncao::Unidades unidades;
    switch (MontagemJuncao::verifica(int(entradas.size()), entradas, unidades)) {
    case MontagemJuncao::Recusa::GraficosInsuficientes:
        m_ambiente.mensagens->erro(m_catalogo.texto(244));
        return;
    case MontagemJuncao::Recusa::UnidadesExcedem:
        m_ambiente.mensagens->aviso(m_catalogo.texto(242));
        return;
    case MontagemJuncao::Recusa::CanaisExcedem:
        m_ambiente.mensagens->aviso(m_catalogo.texto(243));
        return;
    case MontagemJuncao::Recusa::Nenhuma:
        break;
    }
    NovaJuncao(entradas, false, unidades.esquerda, unidades.direita);
}

void TFormPrinc::Abrir_Juncao(const QString &caminho)
{
    CursorEspera espera;
    ArquivoQvj::Resultado r = ArquivoQvj::leArquivo(caminho, *m_ambiente.regional);
    switch (r.erro) {
    case ArquivoQvj::Erro::ArquivoNaoExiste:
        m_ambiente.mensagens->aviso(m_catalogo.texto(235));
        return;
    case ArquivoQvj::Erro::FormatoInvalido:
        m_ambiente.mensagens->aviso(m_catalogo.texto(234));
        return;
    case ArquivoQvj::Erro::Nenhum:
        break;
    }
    NovaJuncao(r.juncao.entradas, true, r.juncao.UnidadeEixoEsquerdo, r.juncao.UnidadeEixoDireito);
    RegistraRecente(caminho);
}

void TFormPrinc::SalvaJuncao(TFormJuncao &juncao)
{
    const QString caminho = dialogos().salvar(&juncao, m_catalogo.texto(274), m_catalogo.texto(273),
        QStringLiteral("qvj"), juncao.nomeParaSalvar());
    if (caminho.isEmpty())
        return;
    CursorEspera espera;
    juncao.Grava_Arquivo(caminho);
}
