#pragma once

#include "Ambiente.h"
#include "ArquivoQvj.h"
#include "ConfigRegional.h"
#include "MontagemJuncao.h"

#include <QWidget>

#include <array>
#include <vector>

class GraficoLinhas;
class IDialogosArquivo;
class QCheckBox;
class QLabel;
class QMouseEvent;
class QPrinter;
class SerieLinhas;

// The merged-graph window: the channels of several acquisitions over one
// time axis, the first unit on the left axis and the second on the right.
// It keeps its own copy of the entries; a merge of open windows asks to be
// saved before it closes, one opened from a file does not.
class TFormJuncao : public QWidget
{
    Q_OBJECT
public:
    struct Ligacoes
    {
        IDialogosArquivo *dialogos = nullptr;
    };

    TFormJuncao(const Ambiente &ambiente, const Ligacoes &ligacoes, QWidget *parent = nullptr);
    ~TFormJuncao() override;

    // Builds the chart from the entries (copied): series 1 to 8 take the
    // channels in order, the rest are inactive.
    void MontaGrafico(const std::vector<TNodoJuncao> &entradas, bool doArquivo,
        const QString &unidadeEsquerda, const QString &unidadeDireita);
    // Fills the time line at a value, over InicioFaixa to FimFaixa.
    void LinhaDoTempo(double valor);
    // Writes the merged-graph file; the result is the new Salvo. A failure
    // shows the save error.
    bool Grava_Arquivo(const QString &caminho);
    void DrawCross(int x, int y);
    void ZoomIn();
    void ZoomOut();
    void UndoZoom();
    void CopyToClipboard();
    void FormAtivado();
    // Prints the chart on one landscape page, each channel series in a line
    // of its own; solid lines again on screen afterwards. A printer that
    // does not take it is said; false then.
    bool PrintGrafico(QPrinter &impressora);

    // What the file holds: the units and the window's entries.
    ArquivoQvj::Juncao juncao() const;
    QString nomeParaSalvar() const;
    bool salvo() const { return Salvo; }
    int cruzX() const { return CruzX; }
    double inicioFaixa() const { return InicioFaixa; }
    double fimFaixa() const { return FimFaixa; }
    QSize sizeHint() const override { return QSize(720, 480); }

    // Components, named as in the window's layout: Series[0] is the time
    // line `Linha`, Series[1] to Series[8] the channels.
    GraficoLinhas *ChartJuncao = nullptr;
    std::array<SerieLinhas *, 9> Series {};
    QWidget *Panel1 = nullptr;
    QCheckBox *CheckBoxGrid = nullptr;
    QCheckBox *CheckBoxCross = nullptr;
    QLabel *Label1 = nullptr;

    QString UnidadeEixoEsquerdo;
    QString UnidadeEixoDireito;

signals:
    void tornouAtual(TFormJuncao *janela);
    void fechou(TFormJuncao *janela);
    // Written to a .qvj file.
    void gravou(const QString &caminho);

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    void montaJanela();
    void ligaGrafico();
    void FormCreate();
    void criaSeries(const std::array<EixoGrafico, 9> &eixos);
    bool FormCloseQuery();
    void ChartJuncaoMouseMove(QMouseEvent *evento);
    void ChartJuncaoMouseDown(QMouseEvent *evento);
    void ChartJuncaoMouseUp(QMouseEvent *evento);
    void ChartJuncaoZoom();
    void ChartJuncaoUndoZoom();
    void esqueceCruz(int estado);
    void aplicaPassosZoom(bool aproxima);
    QString texto(int numero) const;
    ConfigRegional regional() const;

    const Ambiente &m_ambiente;
    Ligacoes m_ligacoes;
    std::vector<TNodoJuncao> m_entradas;
    bool m_fechada = false;

    bool Salvo = false;
    double InicioFaixa = 0;
    double FimFaixa = 0;
    int CruzX = -1;
    int CruzY = 0;
};
