#pragma once

#include "JanelaFilha.h"
#include "TFrmImpressao.h"

#include <QWidget>

#include <functional>
#include <memory>

struct Ambiente;
class QColor;
class QLabel;
class TAquisicao;

// What a companion view of a graph window needs: the graph's document, its
// number in the graph-window table, how to place a new view in the frame,
// and whom to tell when the view is activated (the graph becomes current).
struct ContextoVista
{
    std::shared_ptr<const TAquisicao> aquisicao;
    int numeroGrafico = 0;
    const Ambiente *ambiente = nullptr;
    // Puts the new view in the frame window and shows it; without one the
    // view shows as a window of its own.
    std::function<void(QWidget *)> insere;
    std::function<void(int numeroGrafico)> aoAtivar;
};

// The heading panel of a view: white bold text on the given colour.
QLabel *CriaPainelTitulo(QWidget *pai, const QColor &fundo);

// Brings a view to the front (its frame sub-window, when it has one).
void TrazParaFrente(QWidget *vista);

// What the companion views of a graph share: a heading panel over the
// view's content, the number of their graph (tag), told when the view is
// activated, their placing in the frame and their save error.
class VistaGrafico : public QWidget
{
    Q_OBJECT
public:
    int tag() const { return m_tag; }
    void setTag(int numeroGrafico) { m_tag = numeroGrafico; }

signals:
    void ativada(int numeroGrafico);

protected:
    // nomeJanela picks the view's variant of the save error.
    VistaGrafico(const Ambiente &ambiente, TipoJanela tipo, const QColor &fundoPainel, int textoPainel,
        QStringView nomeJanela, QWidget *parent);

    // Puts the content under the heading panel.
    void poeConteudo(QWidget *conteudo);
    // Captions the view, ties it to its graph and places it (in the frame,
    // or as a window of its own).
    void coloca(const QString &titulo, const ContextoVista &contexto);
    void avisaErroGravacao() const;
    // The view's lines printed as a report of that kind (grava writes
    // them to the report's file); a failure says whether the file or the
    // printer failed.
    bool imprimeRelatorio(RelatorioTexto::Modo modo, const std::function<bool(const QString &)> &grava,
        QPrinter &impressora, const TFrmImpressao::MostraPrevia &mostra);
    static QFont fonte();

    const Ambiente &m_ambiente;
    QLabel *m_panel;

private:
    QString m_erroGravacao;
    int m_tag = 0;
};
