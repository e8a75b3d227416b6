#pragma once

#include "Ambiente.h"
#include "LeituraLoggers.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// The "Loggers" window: every port's logger at a glance, those needing
// attention first with the reason in words. A thin view over
// core/LeituraLoggers. It reads when it opens, on "Atualizar" and every
// ATUALIZAR_MIN minutes of section LOGGERS while it is open; the window
// stays responsive while a port is read (the link processes window
// messages as it waits) and says which port it reads. Closing it during a
// read stops the read at its next wait, and the window closes then.
class TFormLoggers : public QWidget
{
    Q_OBJECT
public:
    TFormLoggers(const Ambiente &ambiente, LeituraLoggers::LeDestino destino,
        LeituraLoggers::CriaPorta criaPorta, QWidget *parent = nullptr);

    // The main window's link for the port it holds open (see LeituraLoggers).
    void defineLinkAberto(std::function<TDatalogger *(int porta)> link)
    {
        m_leitura.linkAberto = std::move(link);
    }

    void AtualizarClick();
    bool lendo() const { return m_lendo; }

    QTableWidget *Tabela = nullptr;
    QPushButton *BtnAtualizar = nullptr;
    // Shown once something answers coletarTodosPedido().
    QPushButton *BtnColetarTodos = nullptr;
    QLabel *LblSituacao = nullptr;
    QTimer *TimerAtualiza = nullptr;

signals:
    void coletarTodosPedido();

protected:
    void closeEvent(QCloseEvent *evento) override;
    void connectNotify(const QMetaMethod &sinal) override;

private:
    QString texto(int numero) const;
    void mostra(const QList<EstadoLogger> &linhas);
    void TimerAtualizaTimer();

    Ambiente m_ambiente;
    LeituraLoggers m_leitura;
    bool m_lendo = false;
    bool m_fechaAoTerminar = false;
};
