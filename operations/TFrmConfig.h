#pragma once

#include "Ambiente.h"
#include "EditorConfiguracao.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <utility>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class TDatalogger;

// The configuration window: the logger's settings to edit and send. A thin
// view over EditorConfiguracao, which holds the fields and their rules:
// every change of a control is given to the editor, the editor's handler
// of that change runs, and the controls are shown again from the editor.
//
// Made by the main window's "Configurar" command: FormCreate() reads the
// logger (the window is shown only when that succeeded), then exec(). OK
// validates, asks and sends; a successful send closes the window, a failed
// one leaves it open to send again. Cancel closes it without any exchange.
class TFrmConfig : public QDialog
{
    Q_OBJECT
public:
    // The link and the environment's pointers must outlive the window.
    TFrmConfig(TDatalogger &datalogger, const Ambiente &ambiente, QWidget *parent = nullptr);
    ~TFrmConfig() override;

    // Reads the logger's three blocks into the fields; false (after its
    // message) when a read failed. Starts the estimate timer on success.
    bool FormCreate();

    // Opens the help at a keyword (the main window's help).
    std::function<void(const QString &palavraChave)> aoPedirAjuda;

    EditorConfiguracao &editor() { return m_editor; }

    // Handlers (public so that tests can run them as the user does).
    void OKBtnClick();
    void HelpBtnClick();
    void TimerHorarioPCTimer();
    void TimerTempTimer();

public slots:
    void reject() override;

protected:
    void done(int resultado) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    struct ControlesCanal
    {
        QLineEdit *EditTag = nullptr;
        QComboBox *ComboBoxSensor = nullptr;
        QLineEdit *MELimLow = nullptr;
        QLineEdit *MELimHi = nullptr;
        QLineEdit *EditUnid = nullptr;
        QLabel *Labelunid = nullptr;
        QComboBox *ComboBoxDec = nullptr;
        QButtonGroup *GrpBx_Media = nullptr;  // by mode value
        QRadioButton *RdBtnMedia = nullptr;
        QRadioButton *RdBtnMin = nullptr;
        QRadioButton *RdBtnMax = nullptr;
    };

    // TFrmConfig.cpp: the controls and their layout.
    void criaControles();
    QGroupBox *criaGrupoSensores();
    QGroupBox *criaGrupoInicio();
    QGroupBox *criaGrupoTarvek();
    QGroupBox *criaGrupoFim();
    QGroupBox *criaGrupoIntervalo();
    void criaCanal(int n);
    void criaModos(int n, QWidget *pai);
    void Language();
    QString texto(int numero, const QString &unidade = QStringLiteral("FrmConfig")) const;

    // TFrmConfigEventos.cpp: the controls to the editor and back.
    void ligaEventos();
    void ligaCanal(int n);
    void mostraCampos();
    void mostraCanal(int n);
    void mostraEstimativa();
    void focaCampo(CampoConfiguracao campo);
    QLineEdit *caixaLimite(int n, bool superior) const;
    // Runs the exit checks of the limit boxes left, in order; false when
    // one refused its value (the focus is back in that box).
    bool saidaLimite();

    EditorConfiguracao m_editor;
    TDatalogger &m_datalogger;
    Ambiente m_ambiente;
    bool m_mostrando = false;  // controls being set from the editor
    bool m_enviando = false;  // the writes are running
    bool m_saindoLimite = false;  // a limit box's exit check is running
    QList<std::pair<int, bool>> m_saidasPendentes;  // limit boxes left: channel, high limit

    QLineEdit *EditTitulo = nullptr;
    ControlesCanal m_canal[2];
    QLabel *LabelDec = nullptr;
    QRadioButton *RadioImediata = nullptr;
    QRadioButton *RadioDiaInicio = nullptr;
    QLineEdit *EditDataInicio = nullptr;
    QLineEdit *EditHoraInicio = nullptr;
    QRadioButton *RadioMemCheia = nullptr;
    QRadioButton *RadioNLeituras = nullptr;
    QRadioButton *RadioDiaFim = nullptr;
    QRadioButton *RadioNaoParar = nullptr;
    QLineEdit *EditNLeituras = nullptr;
    QLineEdit *EditDataFim = nullptr;
    QLineEdit *EditHoraFim = nullptr;
    QRadioButton *RadioButtonTempo = nullptr;
    QRadioButton *RadioButtonMeioSeg = nullptr;
    QLineEdit *EditIntervalo = nullptr;
    QLineEdit *EditMedia = nullptr;
    QLabel *LblBytesMem = nullptr;
    QLabel *LblMaximoLeituras = nullptr;
    QLabel *LblTempoEst = nullptr;
    QLabel *LblNroLeituras = nullptr;
    QLabel *lblNroSerie = nullptr;
    QLabel *lblFirmware = nullptr;
    QLabel *lblNroEfetuadas = nullptr;
    QLabel *lblDataHoraTarvek = nullptr;
    QLabel *LabelHorarioPC = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;
    QTimer *TimerHorarioPC = nullptr;
    QTimer *TimerTemp = nullptr;
    // Captions with their text numbers, applied by Language().
    QList<std::pair<QWidget *, std::pair<int, QString>>> m_legendas;
};
