// The Arquivo menu's open formats: the CSV export of the range the current
// graph window shows, and the picture of the current graph or merged
// window's chart. The enabling rules are in TFormPrinc.cpp.
#include "TFormPrinc.h"

#include "Catalogo.h"
#include "CursorEspera.h"
#include "ExportacaoCsv.h"
#include "ExportacaoTexto.h"
#include "GraficoLinhas.h"
#include "IDialogosArquivo.h"
#include "IMensagens.h"
#include "ImagemGrafico.h"
#include "JanelaFilha.h"
#include "NomeArquivoGrafico.h"
#include "SeloGravacao.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"
#include "TFrmTamanhoImagem.h"

void TFormPrinc::ItemExportarCsvClick()
{
    auto *g = qobject_cast<TFormGrafico *>(GraficoAtual());
    if (!g)
        return;
    const QString nome
        = NomeArquivoGrafico::nomeProposto(g->windowTitle(), int(m_catalogo.texto(227).size()));
    const QString caminho
        = dialogos().salvar(this, m_catalogo.texto(294), m_catalogo.texto(293), QStringLiteral("csv"), nome);
    if (caminho.isEmpty())
        return;
    CursorEspera espera;
    // The entries of the time range the graph shows, as the text export
    // takes them.
    const TAquisicao &aquisicao = g->aquisicao();
    const ExportacaoTexto::Faixa faixa = ExportacaoTexto::faixa(
        aquisicao, g->TheChart->minimo(EixoGrafico::Inferior), g->TheChart->maximo(EixoGrafico::Inferior));
    const ExportacaoCsv::Opcoes opcoes = ExportacaoCsv::opcoesRegionais(*m_ambiente.regional);
    if (!ExportacaoCsv::grava(aquisicao, caminho, faixa.primeira - 1, faixa.ultima - 1, opcoes))
        m_ambiente.mensagens->aviso(m_catalogo.texto(171, u"FormGrafico"));
    else
        SeloGravacao::registra(
            m_ambiente, AcaoAuditoria::Exportacao, caminho, QStringLiteral("csv"), &aquisicao);
}

void TFormPrinc::ItemSalvarImagemClick()
{
    GraficoLinhas *grafico = nullptr;
    QWidget *janela = nullptr;
    QString nome;
    if (tipoJanela(filhaAtiva()) == TipoJanela::Juncao) {
        if (auto *j = qobject_cast<TFormJuncao *>(JuncaoAtual())) {
            grafico = j->ChartJuncao;
            janela = j;
            nome = j->nomeParaSalvar();
        }
    } else if (auto *g = qobject_cast<TFormGrafico *>(GraficoAtual())) {
        grafico = g->TheChart;
        janela = g;
        nome = NomeArquivoGrafico::nomeProposto(g->windowTitle(), int(m_catalogo.texto(227).size()));
    }
    if (!grafico)
        return;
    const QString caminho = dialogos().salvar(
        janela, m_catalogo.texto(296), m_catalogo.texto(295), QStringLiteral("png"), nome);
    if (caminho.isEmpty())
        return;
    TFrmTamanhoImagem dialogo(m_catalogo, grafico->size(), this);
    const int resposta = mostraTamanhoImagem ? mostraTamanhoImagem(dialogo) : dialogo.exec();
    if (resposta != QDialog::Accepted)
        return;
    CursorEspera espera;
    if (!ImagemGrafico::grava(*grafico, caminho, dialogo.tamanho()))
        m_ambiente.mensagens->aviso(m_catalogo.texto(300));
}
