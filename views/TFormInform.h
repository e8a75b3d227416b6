#pragma once

#include "VistaGrafico.h"

#include <QPointer>
#include <QStringList>

#include <functional>

class QPlainTextEdit;
class QPrintPreviewDialog;
class QPrinter;

// The general-parameters view of a graph: a heading panel over a read-only
// text of the document's settings, identity and times.
class TFormInform : public VistaGrafico
{
    Q_OBJECT
public:
    explicit TFormInform(const Ambiente &ambiente, QWidget *parent = nullptr);

    // Creates the view for a graph: caption nome + " - Informações", filled
    // from the document, placed and shown.
    static TFormInform *Abre_Inform(const QString &nome, const ContextoVista &contexto);
    // Brings the view forward, or opens it again with the graph window's
    // caption when the user has closed it.
    static void MostraInformacoes(
        QPointer<TFormInform> &vista, const QString &nomeGrafico, const ContextoVista &contexto);

    void Atualiza_Informacoes(const TAquisicao &aquisicao);
    // Appends one line to the text.
    void SetaInformacoes(const QString &linha);
    QStringList linhas() const;
    // The general-parameters part of the export: creates or truncates the
    // file; a failure shows the view's save error.
    bool Grava_Arquivo(const QString &caminho);
    // The printed report of the text in its print preview; mostra runs the
    // dialog (exec() when empty). A failure shows the view's save error.
    // fim: lines printed after the view's (the provenance block).
    bool Print(QPrinter &impressora, const std::function<void(QPrintPreviewDialog &)> &mostra = {},
        const QStringList &fim = {});
    // The file's integrity, shown after the document's lines; neither the
    // file written nor the report carries it.
    void mostraIntegridade(const QStringList &linhas);

    QLabel *PanelInform() const { return m_panel; }
    QPlainTextEdit *Memo1() const { return m_memo; }

private:
    void preenche();
    // The view's lines without the integrity.
    QStringList linhasDocumento() const;

    QPlainTextEdit *m_memo;
    QStringList m_documento;
    QStringList m_integridade;
};
