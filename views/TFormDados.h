#pragma once

#include "VistaGrafico.h"

#include <QPointer>

#include <functional>

class ListaUniforme;
class ModeloLeituras;
class QPrintPreviewDialog;
class QPrinter;

// The readings list of a graph: a heading panel over a list with the column
// heading and one line per entry. Lines are made as they are shown.
class TFormDados : public VistaGrafico
{
    Q_OBJECT
public:
    explicit TFormDados(const Ambiente &ambiente, QWidget *parent = nullptr);

    // Creates the view for a graph: caption nome + " - Lista", filled from
    // the document, placed and shown.
    static TFormDados *Abre_Dados(const QString &nome, const ContextoVista &contexto);
    // Brings the view forward, or opens it again with the graph window's
    // caption when the user has closed it.
    static void MostraLeituras(
        QPointer<TFormDados> &vista, const QString &nomeGrafico, const ContextoVista &contexto);

    void Atualiza_Dados(std::shared_ptr<const TAquisicao> aquisicao);
    // Line k of the list (0 the heading), and how many there are.
    QString linha(int k) const;
    int quantidadeLinhas() const;
    // The readings part of the export: appends the title, the column
    // heading and the lines primeira to ultima (1 the first entry) to the
    // file; a failure shows the view's save error.
    bool Grava_Arquivo(const QString &caminho, int primeira, int ultima);
    // The printed report of the list (every line but the heading) in its
    // print preview; mostra runs the dialog (exec() when empty). A failure
    // shows the view's save error.
    bool Print(QPrinter &impressora, const std::function<void(QPrintPreviewDialog &)> &mostra = {});

    QLabel *PanelDados() const { return m_panel; }
    ListaUniforme *ListBoxDados() const { return m_lista; }

private:
    ListaUniforme *m_lista;
    ModeloLeituras *m_modelo = nullptr;
};
