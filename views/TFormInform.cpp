#include "TFormInform.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ExportacaoTexto.h"
#include "RelatorioTexto.h"
#include "TAquisicao.h"
#include "TFrmImpressao.h"
#include "TextoInformacoes.h"

#include <QColor>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

TFormInform::TFormInform(const Ambiente &ambiente, QWidget *parent)
    : VistaGrafico(ambiente, TipoJanela::Informacoes, QColor(0, 128, 128), 188, u"FormInform", parent)
    , m_memo(new QPlainTextEdit(this))
{
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setFont(fonte());
    poeConteudo(m_memo);
    resize(360, 335);
}

TFormInform *TFormInform::Abre_Inform(const QString &nome, const ContextoVista &contexto)
{
    auto *vista = new TFormInform(*contexto.ambiente);
    vista->m_memo->hide();
    vista->Atualiza_Informacoes(*contexto.aquisicao);
    vista->m_memo->show();
    vista->coloca(nome + contexto.ambiente->catalogo->texto(187), contexto);
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
    m_documento = ::Atualiza_Informacoes(aquisicao, *m_ambiente.catalogo, *m_ambiente.regional);
    preenche();
}

void TFormInform::mostraIntegridade(const QStringList &linhas)
{
    if (linhas == m_integridade)
        return;
    m_integridade = linhas;
    preenche();
}

void TFormInform::preenche()
{
    m_memo->setPlainText((m_documento + m_integridade).join(u'\n'));
}

QStringList TFormInform::linhasDocumento() const
{
    QStringList l = linhas();
    if (!m_integridade.isEmpty() && l.size() >= m_integridade.size()
        && l.mid(l.size() - m_integridade.size()) == m_integridade)
        l.resize(l.size() - m_integridade.size());
    return l;
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
    if (ExportacaoTexto::gravaInformacoes(caminho, linhasDocumento()))
        return true;
    avisaErroGravacao();
    return false;
}

bool TFormInform::Print(
    QPrinter &impressora, const std::function<void(QPrintPreviewDialog &)> &mostra, const QStringList &fim)
{
    const QStringList texto
        = fim.isEmpty() ? linhasDocumento() : linhasDocumento() << QStringLiteral(" ") << fim;
    const auto grava
        = [&texto](const QString &arquivo) { return RelatorioTexto::gravaInformacoes(arquivo, texto); };
    return imprimeRelatorio(RelatorioTexto::Modo::Informacoes, grava, impressora, mostra);
}
