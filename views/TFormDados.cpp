#include "TFormDados.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ExportacaoTexto.h"
#include "ListaUniforme.h"
#include "ModeloLeituras.h"
#include "RelatorioTexto.h"
#include "TAquisicao.h"
#include "TFrmImpressao.h"

#include <QColor>
#include <QFontDatabase>
#include <QLabel>

TFormDados::TFormDados(const Ambiente &ambiente, QWidget *parent)
    : VistaGrafico(ambiente, TipoJanela::Dados, QColor(128, 0, 0), 186, u"FormDados", parent)
    , m_lista(new ListaUniforme(this))
{
    m_lista->setObjectName(QStringLiteral("ListBoxDados"));
    m_lista->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed pitch, so that the columns of the lines stand one under the other.
    QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixa.setStyleHint(QFont::TypeWriter);
    fixa.setFixedPitch(true);
    fixa.setPixelSize(fonte().pixelSize());
    m_lista->setFont(fixa);
    poeConteudo(m_lista);
}

TFormDados *TFormDados::Abre_Dados(const QString &nome, const ContextoVista &contexto)
{
    auto *vista = new TFormDados(*contexto.ambiente);
    vista->Atualiza_Dados(contexto.aquisicao);
    vista->coloca(nome + contexto.ambiente->catalogo->texto(185), contexto);
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
    QItemSelectionModel *selecaoAnterior = m_lista->selectionModel();
    m_modelo = new ModeloLeituras(std::move(aquisicao), *m_ambiente.catalogo, *m_ambiente.regional, this);
    m_lista->setModel(m_modelo);
    // The view makes a selection model for each model and keeps the old one.
    delete selecaoAnterior;
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
        avisaErroGravacao();
    return ok;
}

bool TFormDados::Print(QPrinter &impressora, const std::function<void(QPrintPreviewDialog &)> &mostra)
{
    const auto grava = [this](const QString &arquivo) {
        return m_modelo && RelatorioTexto::gravaLeituras(arquivo, m_modelo->linhas());
    };
    return imprimeRelatorio(RelatorioTexto::Modo::Leituras, grava, impressora, mostra);
}
