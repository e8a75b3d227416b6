#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

struct Ambiente;
class QColor;
class QLabel;
class QPlainTextEdit;
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

// The general-parameters view of a graph: a heading panel over a read-only
// text of the document's settings, identity and times.
class TFormInform : public QWidget
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

    int tag() const { return m_tag; }
    void setTag(int numeroGrafico) { m_tag = numeroGrafico; }

    QLabel *PanelInform() const { return m_panel; }
    QPlainTextEdit *Memo1() const { return m_memo; }

signals:
    void ativada(int numeroGrafico);

protected:
    bool event(QEvent *evento) override;

private:
    void ligaSubJanela();

    const Ambiente &m_ambiente;
    QLabel *m_panel;
    QPlainTextEdit *m_memo;
    QString m_erroGravacao;
    int m_tag = 0;
    bool m_ligada = false;
};
