// The graph window under the mouse: the cross-hair, the readouts of the
// entry under the pointer, the zoom by dragging, scrolling and the wheel,
// and the measurement markers.
#include "TFormGrafico.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "GraficoLinhas.h"
#include "LeituraCursor.h"
#include "MedicaoMarcadores.h"
#include "SerieLinhas.h"
#include "TabelaTempo.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>

void TFormGrafico::ligaGrafico()
{
    connect(TheChart, &QCustomPlot::mouseMove, this, &TFormGrafico::TheChartMouseMove);
    connect(TheChart, &QCustomPlot::mousePress, this, &TFormGrafico::TheChartMouseDown);
    connect(TheChart, &QCustomPlot::mouseRelease, this, &TFormGrafico::TheChartMouseUp);
    connect(TheChart, &GraficoLinhas::mouseSaiu, this, &TFormGrafico::TheChartMouseLeave);
    connect(TheChart, &GraficoLinhas::zoomFeito, this, &TFormGrafico::TheChartZoom);
    connect(TheChart, &GraficoLinhas::zoomDesfeito, this, &TFormGrafico::TheChartUndoZoom);
    connect(TheChart, &GraficoLinhas::rolou, this, &TFormGrafico::TheChartScroll);
    connect(TheChart, &GraficoLinhas::rodou, this, &TFormGrafico::TheChartScroll);
    connect(TheChart, &GraficoLinhas::clicado, this, &TFormGrafico::TheChartClick);
    connect(TheChart, &GraficoLinhas::duploClique, this, &TFormGrafico::TheChartClick);
    connect(TheChart, &GraficoLinhas::cliqueMarcador, this, &TFormGrafico::TheChartMarker);
}

// Takes the cross off the screen and notes why: -1 nothing drawn, -2 the
// chart changed under it.
void TFormGrafico::esqueceCruz(int estado)
{
    TheChart->escondeCruz();
    CruzX = estado;
}

void TFormGrafico::DrawCross(int x, int y)
{
    if (CruzAtiva)
        TheChart->defineCruz(QPoint(x, y));
}

void TFormGrafico::TheChartMouseMove(QMouseEvent *evento)
{
    const QPoint p = evento->pos();
    esqueceCruz(-1);
    if (!TheChart->areaGrafico().contains(p))
        return;
    recalculaUnica(p);
    if (CheckBoxCross->isChecked()) {
        DrawCross(p.x(), p.y());
        CruzX = p.x();
        CruzY = p.y();
    }
    mostraLeituras(p);
}

// Where a pixel lies on the time axis: left of the plot area's right edge
// minus one pixel, or at that edge.
LeituraCursor::Ponteiro TFormGrafico::ponteiroEm(QPoint p) const
{
    LeituraCursor::Ponteiro ponteiro;
    ponteiro.naBordaDireita = p.x() >= TheChart->areaGrafico().right() - 1;
    ponteiro.instante = TheChart->valorNoPixel(EixoGrafico::Inferior, p.x());
    ponteiro.maximoEixo = TheChart->maximo(EixoGrafico::Inferior);
    return ponteiro;
}

// The entry under the pointer for a series.
qint64 TFormGrafico::entradaEm(const SerieLinhas *serie, const LeituraCursor::Ponteiro &ponteiro) const
{
    const double primeiroX = serie->quantidade() > 0 ? serie->x(0) : TabelaTempo::x(*m_aquisicao, 0);
    return LeituraCursor::indice(*m_aquisicao, primeiroX, ponteiro);
}

// The acquisition, its instant and each shown channel's value under the
// pointer (the blank forms beyond the entries), with "Cruz" checked or not.
void TFormGrafico::mostraLeituras(QPoint p)
{
    const TAquisicao &a = *m_aquisicao;
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const LeituraCursor::Ponteiro ponteiro = ponteiroEm(p);
    const std::pair<SerieLinhas *, LeituraCursor::Serie> series[] = {
        { Canal1, LeituraCursor::Serie::Primeira },
        { Canal2, LeituraCursor::Serie::Segunda },
    };
    for (const auto &[serie, qual] : series) {
        if (!serie || !serie->visivel())
            continue;
        const qint64 k = entradaEm(serie, ponteiro);
        const bool dentro = k >= 0 && k < serie->quantidade();
        const LeituraCursor::Textos t = LeituraCursor::textos(
            a, qual, k, dentro ? serie->y(int(k)) : 0.0, ponteiro, catalogo, regional);
        Lbl_Aquisicao->setText(t.aquisicao);
        Lbl_data->setText(t.data);
        if (t.caixa1)
            CheckBoxSerie1->setText(*t.caixa1);
        if (t.caixa2)
            CheckBoxSerie2->setText(*t.caixa2);
    }
}

void TFormGrafico::TheChartMouseLeave()
{
    esqueceCruz(-1);
}

// The instant under the pointer in whole seconds, as the time axis writes
// it: where a dragged zoom starts and ends.
void TFormGrafico::TheChartMouseDown(QMouseEvent *evento)
{
    if (const auto t
        = LeituraCursor::segundosInteiros(TheChart->valorNoPixel(EixoGrafico::Inferior, evento->pos().x())))
        TempoMin = *t;
}

void TFormGrafico::TheChartMouseUp(QMouseEvent *evento)
{
    if (const auto t
        = LeituraCursor::segundosInteiros(TheChart->valorNoPixel(EixoGrafico::Inferior, evento->pos().x())))
        TempoMax = *t;
}

void TFormGrafico::TheChartZoom()
{
    esqueceCruz(-2);
    if (TheChart->defineMinimo(EixoGrafico::Inferior, TempoMin))
        TheChart->defineMaximo(EixoGrafico::Inferior, TempoMax);
    recalculaFaixa();
}

void TFormGrafico::TheChartUndoZoom()
{
    esqueceCruz(-2);
    TheChart->defineAutomatico(EixoGrafico::Inferior, true);
    TempoMin = TheChart->minimo(EixoGrafico::Inferior);
    TempoMax = TheChart->maximo(EixoGrafico::Inferior);
    recalculaFaixa();
}

void TFormGrafico::TheChartScroll()
{
    esqueceCruz(-2);
    recalculaFaixa();
}

// Repaints the chart from what it has drawn (nothing is drawn anew).
void TFormGrafico::TheChartClick()
{
    esqueceCruz(-1);
    TheChart->update();
}

// ---- measurement markers ----------------------------------------------------

// A click with Shift places marker A; the next one marker B; the one after
// starts a new measurement at A.
void TFormGrafico::TheChartMarker(QPoint posicao)
{
    const int n = m_aquisicao->NumLeituras();
    const SerieLinhas *serie = Canal1 && Canal1->quantidade() > 0 ? Canal1 : Canal2;
    if (n == 0 || !serie)
        return;
    const int k = int(std::clamp<qint64>(entradaEm(serie, ponteiroEm(posicao)), 0, n - 1));
    if (m_marcadorA < 0 || m_marcadorB >= 0) {
        m_marcadorA = k;
        m_marcadorB = -1;
    } else {
        m_marcadorB = k;
    }
    mostraMedicao();
}

void TFormGrafico::mostraMedicao()
{
    const TAquisicao &a = *m_aquisicao;
    QList<GraficoLinhas::Marcador> marcas;
    if (m_marcadorA >= 0)
        marcas << GraficoLinhas::Marcador { TabelaTempo::x(a, m_marcadorA), QStringLiteral("A") };
    if (m_marcadorB >= 0)
        marcas << GraficoLinhas::Marcador { TabelaTempo::x(a, m_marcadorB), QStringLiteral("B") };
    TheChart->defineMarcadores(marcas);
    if (m_marcadorA < 0) {
        PainelMedicao->hide();
        return;
    }
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const QStringList linhas = m_marcadorB >= 0
        ? MedicaoMarcadores::linhas(
            a, MedicaoMarcadores::mede(a, m_marcadorA, m_marcadorB), catalogo, regional)
        : QStringList { MedicaoMarcadores::linhaMarcadorA(a, m_marcadorA, catalogo, regional) };
    LabelMedicao->setText(linhas.join(u'\n'));
    PainelMedicao->show();
}

void TFormGrafico::limpaMarcadores()
{
    m_marcadorA = -1;
    m_marcadorB = -1;
    mostraMedicao();
}
