#pragma once

#include "Ambiente.h"
#include "GravacaoMonitor.h"
#include "MonitorOnLine.h"

#include <QDialog>

class GraficoLinhas;
class IDialogosArquivo;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class SerieLinhas;
class TDatalogger;

// The on-line monitor window: the latest reading of each enabled channel as
// text and the last ten on a chart against the time of day, polled once a
// second, with the number of acquisitions made kept up to date. A view over
// MonitorOnLine, which holds the state and makes the ticks.
//
// Made by the main window's "Monitorar" command: FormCreate() reads the
// logger; the window is shown modally only when that succeeded and a
// channel is enabled. "Gravar..." appends every reading to a file until it
// is pressed again ("Parar Gravação" meanwhile, the file's name beside it)
// or the window closes.
class TFrmMonitor : public QDialog
{
    Q_OBJECT
public:
    // The link, the dialogs and the environment's pointers must outlive the
    // window.
    TFrmMonitor(TDatalogger &datalogger, const Ambiente &ambiente, IDialogosArquivo &dialogos,
        QWidget *parent = nullptr);
    ~TFrmMonitor() override;

    bool FormCreate();
    // Handlers (public so that tests can run them as the timer and the user
    // do).
    void Timer1Timer();
    void CheckBoxEscalaClick();
    void BtnGravarClick();

    MonitorOnLine &monitor() { return m_monitor; }
    const GravacaoMonitor &gravacao() const { return m_gravacao; }
    QTimer *timer() const { return Timer1; }

protected:
    void showEvent(QShowEvent *evento) override;
    void done(int resultado) override;

private:
    void criaControles();
    void Language();
    void MontaGrafico();
    void DefineLimitesEixos();
    void Verifica_Escala();
    void mostraPontos();
    void Limpa();
    // The button's caption and the file's name as the recording stands.
    void mostraGravacao();
    QString texto(int numero) const;

    MonitorOnLine m_monitor;
    GravacaoMonitor m_gravacao;
    Ambiente m_ambiente;
    IDialogosArquivo &m_dialogos;
    GraficoLinhas *TheChart = nullptr;
    SerieLinhas *Canal1 = nullptr;
    SerieLinhas *Canal2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QCheckBox *CheckBoxEscala = nullptr;
    QPushButton *BtnGravar = nullptr;
    QLabel *LabelGravacao = nullptr;
    QTimer *Timer1 = nullptr;
    bool m_montado = false;  // the chart was prepared on the first showing
};
