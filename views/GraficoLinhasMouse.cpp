// The chart's zoom, the cross-hair, the markers and the mouse: the zoom
// rectangle and its undo, zoom steps from outside, the wheel, vertical
// panning, and the cross-hair drawn over the plotted pixels.
#include "GraficoLinhas.h"

#include "CamadaCruz.h"
#include "PassosZoom.h"

#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kPixelsMinimosZoom = 16;
constexpr int kPassoRoda = 120;  // angle delta of one wheel notch

int indice(EixoGrafico eixo)
{
    return int(eixo);
}

}  // namespace

// ---- zoom -----------------------------------------------------------------

void GraficoLinhas::guardaEscalas()
{
    if (m_zoomAtivo)
        return;
    aplicaEscalas();
    m_guardadas = m_escalas;
    m_zoomAtivo = true;
}

int GraficoLinhas::aplicaPassosZoom(const QList<PassoZoom> &passos)
{
    guardaEscalas();
    aplicaEscalas();
    const int feitos = PassosZoom::aplica(
        passos, [this](EixoGrafico e) -> EscalaEixo & { return m_escalas[size_t(indice(e))]; });
    aplicaEscalas();
    pedeRedesenho();
    return feitos;
}

void GraficoLinhas::animaAte(const std::array<EscalaEixo, 4> &alvo)
{
    aplicaEscalas();
    const std::array<EscalaEixo, 4> origem = m_escalas;
    for (int passo = 1; passo < m_passosAnimacao; ++passo) {
        const double f = double(passo) / m_passosAnimacao;
        for (size_t i = 0; i < alvo.size(); ++i) {
            const double mi = origem[i].minimo() + (alvo[i].minimo() - origem[i].minimo()) * f;
            const double ma = origem[i].maximo() + (alvo[i].maximo() - origem[i].maximo()) * f;
            aplicaFaixaQcp(EixoGrafico(i), mi, ma);
        }
        // The intermediate frames go straight to the screen; the scales
        // themselves change once, below.
        m_animando = true;
        replot(rpImmediateRefresh);
        m_animando = false;
    }
    m_escalas = alvo;
    aplicaEscalas();
}

void GraficoLinhas::zoomRetangulo(const QRect &retangulo)
{
    const QRect r = retangulo.normalized();
    guardaEscalas();
    std::array<EscalaEixo, 4> alvo = m_escalas;
    auto faixa = [&](EixoGrafico e, double p1, double p2) {
        const double a = valorNoPixel(e, p1);
        const double b = valorNoPixel(e, p2);
        EscalaEixo &s = alvo[size_t(indice(e))];
        s.defineAutomatico(false);
        s.defineFaixa(std::min(a, b), std::max(a, b));
    };
    faixa(EixoGrafico::Inferior, r.left(), r.right());
    faixa(EixoGrafico::Esquerdo, r.bottom(), r.top());
    faixa(EixoGrafico::Direito, r.bottom(), r.top());
    animaAte(alvo);
    pedeRedesenho();
    emit zoomFeito();
}

void GraficoLinhas::desfazZoom()
{
    if (m_zoomAtivo) {
        m_zoomAtivo = false;
        animaAte(m_guardadas);
    }
    pedeRedesenho();
    emit zoomDesfeito();
}

void GraficoLinhas::zoomRoda(QPoint posicao, int passos, bool eixosValor)
{
    if (passos == 0)
        return;
    guardaEscalas();
    aplicaEscalas();
    auto aplica = [&](EixoGrafico e, double pixel) {
        EscalaEixo &s = m_escalas[size_t(indice(e))];
        const PassosZoom::Faixa f
            = PassosZoom::roda(s.minimo(), s.maximo(), eixoQcp(e)->pixelToCoord(pixel), passos);
        s.defineAutomatico(false);
        s.defineFaixa(f.minimo, f.maximo);
    };
    if (eixosValor) {
        aplica(EixoGrafico::Esquerdo, posicao.y());
        aplica(EixoGrafico::Direito, posicao.y());
    } else {
        aplica(EixoGrafico::Inferior, posicao.x());
    }
    aplicaEscalas();
    replot(rpImmediateRefresh);
    emit rodou();
}

void GraficoLinhas::rolaVertical(int deslocamento)
{
    for (EixoGrafico e : { EixoGrafico::Esquerdo, EixoGrafico::Direito }) {
        const EscalaEixo &antes = m_escalasNoArrasto[size_t(indice(e))];
        const double porPixel = (antes.maximo() - antes.minimo()) / std::max(1, axisRect()->height());
        const double d = deslocamento * porPixel;
        EscalaEixo &s = m_escalas[size_t(indice(e))];
        s.defineAutomatico(false);
        s.defineFaixa(antes.minimo() + d, antes.maximo() + d);
    }
    aplicaEscalas();
    replot(rpImmediateRefresh);
    emit rolou();
}

// ---- cross-hair and markers -----------------------------------------------

// The strips of the widget that a cross at p covers.
QRegion GraficoLinhas::regiaoCruz(QPoint p) const
{
    const QRect area = areaGrafico();
    return QRegion(QRect(p.x(), area.top(), 1, area.height())) + QRect(area.left(), p.y(), area.width(), 1);
}

void GraficoLinhas::defineCruz(QPoint posicao)
{
    QRegion mudou = regiaoCruz(posicao);
    if (m_camada->temCruz())
        mudou += regiaoCruz(m_camada->cruz());
    m_camada->defineCruz(posicao);
    update(mudou);
}

void GraficoLinhas::escondeCruz()
{
    if (!m_camada->temCruz())
        return;
    update(regiaoCruz(m_camada->cruz()));
    m_camada->escondeCruz();
}

bool GraficoLinhas::temCruz() const
{
    return m_camada->temCruz();
}

QPoint GraficoLinhas::cruz() const
{
    return m_camada->cruz();
}

void GraficoLinhas::defineCorCruz(const QColor &cor)
{
    m_camada->defineCor(cor);
    if (m_camada->temCruz())
        update(regiaoCruz(m_camada->cruz()));
}

QColor GraficoLinhas::corCruz() const
{
    return m_camada->cor();
}

void GraficoLinhas::defineMarcadores(const QList<Marcador> &marcadores)
{
    QRegion mudou = m_camada->regiaoMarcadores();
    m_camada->defineMarcadores(marcadores);
    update(mudou + m_camada->regiaoMarcadores());
}

QList<GraficoLinhas::Marcador> GraficoLinhas::marcadores() const
{
    return m_camada->marcadores();
}

void GraficoLinhas::paintEvent(QPaintEvent *evento)
{
    // What was asked for is drawn before it is shown (the refresh the replot
    // asks for then only copies the layers again).
    if (m_redesenhoPedido)
        replot(rpQueuedRefresh);
    QCustomPlot::paintEvent(evento);
    QPainter pintor(this);
    if (!m_camada->marcadores().isEmpty())
        m_camada->pintaMarcadores(pintor);
    if (!m_camada->temCruz())
        return;
    // Exclusive-or over what is on the screen: the lines show over the
    // background, the grid and either series alike.
    pintor.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    pintor.setPen(QPen(m_camada->cor(), 1, Qt::SolidLine));
    const QRect area = areaGrafico();
    const QPoint c = m_camada->cruz();
    pintor.drawLine(QPoint(c.x(), area.top()), QPoint(c.x(), area.bottom()));
    pintor.drawLine(QPoint(area.left(), c.y()), QPoint(c.x() - 1, c.y()));
    pintor.drawLine(QPoint(c.x() + 1, c.y()), QPoint(area.right(), c.y()));
}

// ---- mouse ----------------------------------------------------------------

// The chart's own mouse handling is not used: its search for the item under
// the pointer visits every point of a series, which costs a large
// recording a noticeable pause at each click. The signals are raised here.
void GraficoLinhas::mousePressEvent(QMouseEvent *evento)
{
    emit mousePress(evento);
    m_inicioArrasto = evento->pos();
    m_moveu = false;
    m_arrasto = Arrasto::Nenhum;
    if (!areaGrafico().contains(evento->pos()))
        return;
    if (evento->button() == Qt::LeftButton && m_permiteZoom) {
        m_arrasto = Arrasto::Zoom;
    } else if (evento->button() == Qt::RightButton && m_permiteRolagem) {
        aplicaEscalas();
        m_escalasNoArrasto = m_escalas;
        m_arrasto = Arrasto::Rolagem;
    }
}

void GraficoLinhas::mouseMoveEvent(QMouseEvent *evento)
{
    emit mouseMove(evento);
    if (m_arrasto == Arrasto::Nenhum)
        return;
    const QPoint d = evento->pos() - m_inicioArrasto;
    if (!m_moveu && std::abs(d.x()) < 3 && std::abs(d.y()) < 3)
        return;
    // Panning changes the scales as a zoom does: the undo puts them back.
    if (!m_moveu && m_arrasto == Arrasto::Rolagem)
        guardaEscalas();
    m_moveu = true;
    if (m_arrasto == Arrasto::Zoom) {
        m_camada->defineRetangulo(QRect(m_inicioArrasto, evento->pos()).normalized());
        m_layerCruz->replot();
    } else {
        rolaVertical(d.y());
    }
}

void GraficoLinhas::mouseReleaseEvent(QMouseEvent *evento)
{
    emit mouseRelease(evento);
    const Arrasto arrasto = m_arrasto;
    m_arrasto = Arrasto::Nenhum;
    if (arrasto == Arrasto::Zoom) {
        m_camada->escondeRetangulo();
        m_layerCruz->replot();
        const QPoint d = evento->pos() - m_inicioArrasto;
        if (std::abs(d.x()) >= kPixelsMinimosZoom || std::abs(d.y()) >= kPixelsMinimosZoom) {
            // Down and to the right zooms; any other way undoes the zoom.
            if (d.x() > 0 && d.y() > 0)
                zoomRetangulo(QRect(m_inicioArrasto, evento->pos()));
            else
                desfazZoom();
            return;
        }
    }
    if (m_moveu)
        return;
    emit clicado();
    if (evento->button() == Qt::LeftButton && (evento->modifiers() & Qt::ShiftModifier)
        && areaGrafico().contains(evento->pos()))
        emit cliqueMarcador(evento->pos());
}

void GraficoLinhas::mouseDoubleClickEvent(QMouseEvent *evento)
{
    emit mouseDoubleClick(evento);
    emit duploClique();
}

void GraficoLinhas::wheelEvent(QWheelEvent *evento)
{
    const QPoint p = evento->position().toPoint();
    if (!areaGrafico().contains(p)) {
        QCustomPlot::wheelEvent(evento);
        return;
    }
    // Fine-grained wheels send parts of a notch: they add up.
    m_restoRoda += evento->angleDelta().y();
    const int passos = m_restoRoda / kPassoRoda;
    m_restoRoda -= passos * kPassoRoda;
    zoomRoda(p, passos, evento->modifiers() & Qt::ControlModifier);
    evento->accept();
}

void GraficoLinhas::leaveEvent(QEvent *evento)
{
    QCustomPlot::leaveEvent(evento);
    emit mouseSaiu();
}
