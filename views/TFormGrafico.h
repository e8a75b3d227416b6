#pragma once

#include "Ambiente.h"
#include "FaixaPerfil.h"
#include "InterfaceFormulas.h"
#include "ResumoCanal.h"
#include "TAquisicao.h"
#include "TNodoJuncao.h"

#include <QColor>
#include <QJsonObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class GraficoLinhas;
class IDialogosArquivo;
class NumeracaoGraficos;
class QCPAbstractItem;
class QCheckBox;
class QLabel;
class QMouseEvent;
class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class SerieLinhas;
class QToolButton;
class TFormDados;
class TFormInform;
class TFrmFaixaZoom;
class TFrmFormula;
class TFrmLimitesAlarme;
class TFrmPerfis;
class TFormResumo;
struct ContextoVista;
namespace LeituraCursor {
struct Ponteiro;
}

// The graph window: one acquisition drawn as a line chart of its channels
// over time, with a strip of controls beneath. The window owns the
// document from Seta_Aquisicao until it closes, and opens its two
// companion views (general parameters and readings list).
class TFormGrafico : public QWidget
{
    Q_OBJECT
public:
    // What the window needs of the main window. Nothing here is owned.
    struct Ligacoes
    {
        NumeracaoGraficos *numeracao = nullptr;
        IDialogosArquivo *dialogos = nullptr;
        // Puts a companion view in the frame and shows it.
        std::function<void(QWidget *)> insere;
        // A companion view was activated: the graph under that number
        // becomes current.
        std::function<void(int numeroGrafico)> vistaAtivada;
        // Opens the help at a keyword.
        std::function<void(const QString &palavraChave)> ajuda;
        // Shows the zoom-range dialog modally; by default exec().
        std::function<void(TFrmFaixaZoom &dialogo)> mostraFaixaZoom;
        // Where the formula library is looked for first (the program's
        // folder), and how the formula dialog is shown (by default exec()).
        QString pastaPrograma;
        std::function<void(TFrmFormula &dialogo)> mostraFormula;
        // Shows the print preview of a view's report modally; by default
        // exec().
        std::function<void(QPrintPreviewDialog &dialogo)> mostraPrevia;
        // Shows the alarm-limits dialog modally; by default exec().
        std::function<void(TFrmLimitesAlarme &dialogo)> mostraLimites;
        // The limits of a logger were written: every graph of that logger
        // reads them again.
        std::function<void(qint32 numeroSerie)> limitesGravados;
        // Shows the profile dialog modally; by default exec().
        std::function<void(TFrmPerfis &dialogo)> mostraPerfis;
        // The profiles or an assignment were written: every graph reads
        // its profile again.
        std::function<void()> perfisGravados;
    };

    TFormGrafico(const Ambiente &ambiente, const Ligacoes &ligacoes, QWidget *parent = nullptr);
    ~TFormGrafico() override;

    void Seta_Aquisicao(TAquisicao aquisicao);
    void Seta_Modo_Arq(bool salvo) { Salvo = salvo; }
    void Abre_Children(const QString &nome);
    // Writes the document; the result is the new Salvo.
    bool Grava_Arquivo(const QString &caminho);
    bool Grava_Arquivo_Exportar(const QString &caminho);
    // The file the document was read from or last saved to: its integrity
    // in the records is shown under the chart and in the general
    // parameters. Empty for a collection not saved yet.
    void defineArquivo(const QString &caminho);
    const QString &arquivo() const { return m_arquivo; }
    void CopyToClipboard();
    // Prints the chart on one landscape page, channel 2 dashed and the
    // limits in a pattern of their own on paper, named in the legend. A
    // printer that does not take it is said; false then.
    bool PrintGrafico(QPrinter &impressora);
    // The same on a painter already begun on the printer's current page
    // (a landscape one), among other pages.
    void PrintGrafico(QPrinter &impressora, QPainter &pintor);
    // The printed reports of the readings list and of the general
    // parameters, each in its print preview.
    void PrintDados(QPrinter &impressora);
    void PrintInform(QPrinter &impressora);
    void MostraInformacoes();
    void MostraLeituras();
    // Places the window and its two views in the frame's visible
    // workspace (rectangle of the frame's viewport): the graph on the
    // left, the views beside it; ordem graphs opened before it.
    void colocaNaArea(const QRect &area, int ordem);
    // The main window's refresh after its commands: repaint, forget the cross.
    void FormAtivado();
    void ZoomIn();
    void ZoomOut();
    void UndoZoom();
    void ConfigFaixaZoom();
    // Draws the cross-hair at a pixel of the chart, while CruzAtiva.
    void DrawCross(int x, int y);

    // Formulas (TFormGraficoFormula.cpp): runs the formula dialog and
    // returns whether the window has a formula; bibliotecaCarregada tells
    // whether the library was found. ApresentaCalculo shows the result on
    // the top axis, which the other two show and hide.
    bool FormulaAssociada(bool *bibliotecaCarregada = nullptr);
    void ApresentaCalculo();
    void HabilitaLabelsCalculo();
    void DesabilitaLabelsCalculo();
    bool formulaAtiva() const { return FormulaAtiva; }
    const Formulas::TFormula &formulaGrafico() const { return FormulaGrafico; }

    // Alarm limits (TFormGraficoLimites.cpp): the limits of the document's
    // logger, read from the settings file, drawn as dashed lines in each
    // shown channel's colour on its axis while MostraLimites is on; the
    // dialog that sets them, which writes them and tells the other graphs
    // of that logger; the summary window, which follows the range shown.
    void AtualizaLimites();
    void MostraLimites(bool mostra);
    bool limitesVisiveis() const { return m_mostraLimites; }
    const std::array<LimitesCanal, 2> &limites() const { return m_limites; }
    void ConfigLimites();
    // The profile of the document's logger (its own, else the one its
    // limits make) judges the recording: its band and the excursions that
    // break it are drawn with the limits; the dialog sets the profiles.
    const FaixaPerfil::Geometria &faixaPerfil() const { return m_faixaPerfil; }
    void ConfigPerfis();
    void registraLimites(qint32 serie, const QJsonObject &mudancas);
    void MostraResumo();
    TFormResumo *resumo() const;
    void PrintResumo(QPrinter &impressora);
    // The entries of the time range the chart shows, [primeira, ultima]
    // from 0 (ultima < primeira when it holds none).
    std::pair<int, int> entradasMostradas() const;

    // The window's entry of a merge: its document with the common range.
    TNodoJuncao PreencheNodoJuncao() const;

    // The text of the save question and the file name proposed for saving.
    QString perguntaSalvar() const;
    QString nomeParaSalvar() const;

    const TAquisicao &aquisicao() const { return *m_aquisicao; }
    int numeroGrafico() const { return m_numero; }
    bool salvo() const { return Salvo; }
    double escalaMin() const { return EscalaMin; }
    double escalaMax() const { return EscalaMax; }
    bool cruzAtiva() const { return CruzAtiva; }
    int cruzX() const { return CruzX; }
    QColor corCruz() const { return CorCruz; }
    double tempoMin() const { return TempoMin; }
    double tempoMax() const { return TempoMax; }
    // The entries of the measurement markers (-1: not placed).
    int marcadorA() const { return m_marcadorA; }
    int marcadorB() const { return m_marcadorB; }
    QSize sizeHint() const override { return QSize(640, 440); }

    // Components, named as in the window's layout.
    GraficoLinhas *TheChart = nullptr;
    SerieLinhas *Series1 = nullptr;
    SerieLinhas *Canal1 = nullptr;
    SerieLinhas *Canal2 = nullptr;  // null once removed (one channel)
    QCheckBox *CheckBoxGrid = nullptr;
    QCheckBox *CheckBoxSerie1 = nullptr;
    QCheckBox *CheckBoxSerie2 = nullptr;
    QCheckBox *CheckBoxEscala = nullptr;
    QCheckBox *CheckBoxCross = nullptr;
    QLabel *Lbl_Aquisicao = nullptr;
    QLabel *Lbl_data = nullptr;
    // The measurement between the markers, under the chart.
    QWidget *PainelMedicao = nullptr;
    QLabel *LabelMedicao = nullptr;
    QToolButton *BotaoFechaMedicao = nullptr;
    // The file's integrity, under the strip; hidden without a file.
    QLabel *LabelIntegridade = nullptr;

signals:
    // Activated or deactivated: it becomes the current graph window.
    void tornouAtual(TFormGrafico *janela);
    // Closed: the main window updates its commands.
    void fechou(TFormGrafico *janela);
    // Its document was written to a .qvg file.
    void gravou(const QString &caminho);

protected:
    void closeEvent(QCloseEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    // The lines as paper takes them, or as the screen does again.
    void noPapel(bool papel);
    void FormCreate();
    void montaJanela();
    void FormActivate();
    void FormDeactivate();
    bool FormCloseQuery();
    void FormClose();
    void DefineLimitesEixos();
    void VerificaEscala();
    void CheckBoxSerie1Click();
    void CheckBoxSerie2Click();
    void CheckBoxEscalaClick();
    void CheckBoxGridClick();
    void CheckBoxCrossClick();
    void FormResize();
    void TheChartMouseMove(QMouseEvent *evento);
    void TheChartMouseDown(QMouseEvent *evento);
    void TheChartMouseUp(QMouseEvent *evento);
    void TheChartMouseLeave();
    void TheChartZoom();
    void TheChartUndoZoom();
    void TheChartScroll();
    void TheChartClick();
    void TheChartMarker(QPoint posicao);
    void ligaGrafico();
    void montaFaixa();
    void montaMedicao();
    void mostraLeituras(QPoint posicao);
    LeituraCursor::Ponteiro ponteiroEm(QPoint posicao) const;
    qint64 entradaEm(const SerieLinhas *serie, const LeituraCursor::Ponteiro &ponteiro) const;
    void mostraMedicao();
    void limpaMarcadores();
    void esqueceCruz(int estado);
    void preencheSeries();
    void preencheSerie(SerieLinhas *serie, int canal, bool primeira);
    bool defineEscalaCanal(int eixo, int canal);
    void aplicaPassosZoom(bool aproxima);
    ContextoVista contexto() const;
    QString texto(int numero) const;
    std::vector<Formulas::TLeitura> PreencheValores();
    void desenhaLimites();
    void atualizaResumo();
    void atualizaIntegridade();
    // After the time axis changed: a range formula is calculated again.
    void recalculaFaixa();
    // On a mouse move inside the plot area: a single formula is.
    void recalculaUnica(QPoint posicao);

    const Ambiente &m_ambiente;
    Ligacoes m_ligacoes;
    std::shared_ptr<TAquisicao> m_aquisicao;
    QPointer<TFormInform> m_inform;
    QPointer<TFormDados> m_dados;
    QPointer<TFormResumo> m_resumo;
    std::array<LimitesCanal, 2> m_limites;
    bool m_mostraLimites = true;
    FaixaPerfil::Geometria m_faixaPerfil;
    QList<QCPAbstractItem *> m_itensPerfil;
    int m_numero = -1;
    bool m_fechada = false;

    bool Salvo = false;
    double EscalaMin = 0;
    double EscalaMax = 0;
    int CruzX = -1;
    int CruzY = 0;
    bool CruzAtiva = true;
    // The pen of the cross, drawn by exclusive-or: white inverts the
    // pixels under it, so it shows over the background and both series.
    QColor CorCruz = QColor(255, 255, 255);
    double TempoMin = 0;
    double TempoMax = 0;
    int m_marcadorA = -1;
    int m_marcadorB = -1;
    QWidget *m_faixa = nullptr;  // the strip of controls under the chart
    QString m_arquivo;
    QStringList m_integridade;  // the general parameters' lines of it
    bool FormulaAtiva = false;
    Formulas::TFormula FormulaGrafico {};
    // The entry under the mouse for a single formula (none before the
    // first move over the plot area).
    std::optional<qint64> m_entradaFormula;
};
