#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>

class QMdiSubWindow;
class QWidget;

// The kinds of child window the main window tells apart when it enables its
// commands. Each child window class marks itself with marcaJanela() in its
// constructor.
enum class TipoJanela { Outra, Grafico, Juncao, Dados, Informacoes, Resumo };

void marcaJanela(QWidget *janela, TipoJanela tipo);
// The kind of a child window (of the widget itself or, for a QMdiSubWindow,
// of the widget it holds).
TipoJanela tipoJanela(const QWidget *janela);

// Tells a child window when it becomes the active window and when it stops
// being it. Every widget of a window hears of that window's activation, so
// only a window of its own takes those events as its own; inside a frame,
// the sub-window holding it is what gets activated.
class ObservadorAtivacao : public QObject
{
public:
    // Whether changes while the frame is going away (no longer visible) are
    // told: a closing frame deactivates its children on the way out.
    enum class QuadroFechando { Avisa, Ignora };

    // Owned by janela; aviso(true) on activation, aviso(false) on
    // deactivation.
    ObservadorAtivacao(QWidget *janela, std::function<void(bool ativa)> aviso,
        QuadroFechando quadroFechando = QuadroFechando::Avisa);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void ligaSubJanela();

    QWidget *m_janela;
    std::function<void(bool ativa)> m_aviso;
    QuadroFechando m_quadroFechando;
    QPointer<QMdiSubWindow> m_subJanela;
    QMetaObject::Connection m_ligacao;
};
