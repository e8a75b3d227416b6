#include "GraficoLinhas.h"

#include "CamadaCruz.h"
#include "EscolhaRotulos.h"
#include "FormataDataHora.h"
#include "FormatoNumero.h"
#include "MarcadorTempo.h"
#include "MarcadorValores.h"
#include "SerieLinhas.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPicture>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUmSegundo = 1.0 / 86400.0;
constexpr int kPixelsTitulo = 19;
constexpr int kPixelsRotulos = 11;
// The size at which the fonts are full; smaller charts shrink them, down
// to kEscalaMinima.
constexpr double kLarguraPlena = 560;
constexpr double kAlturaPlena = 380;
constexpr double kEscalaMinima = 0.7;

int indice(EixoGrafico eixo)
{
    return int(eixo);
}

QFont fonteRotulos(double escala = 1.0)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(qMax(7, int(std::lround(kPixelsRotulos * escala))));
    return f;
}

// A limit line: dashed on screen, in the pattern of paper when there is one.
QPen canetaLimite(const QColor &cor, Qt::PenStyle papel)
{
    if (papel != Qt::NoPen)
        return QPen(cor, 1, papel);
    QPen caneta(cor, 1, Qt::CustomDashLine);
    caneta.setDashPattern({ 6, 4 });
    return caneta;
}

}  // namespace

GraficoLinhas::GraficoLinhas(QWidget *pai)
    : QCustomPlot(pai)
{
    setBackground(Qt::white);
    setMouseTracking(true);
    // Fast lines: no antialiasing of the series.
    setNotAntialiasedElements(QCP::aePlottables);
    setAutoAddPlottableToLegend(false);

    QFont fonteTitulo(QStringLiteral("Arial"));
    fonteTitulo.setPixelSize(kPixelsTitulo);
    plotLayout()->setAutoMargins(QCP::msNone);
    plotLayout()->insertRow(0);
    m_titulo = new QCPTextElement(this, QString(), fonteTitulo);
    m_titulo->setTextColor(Qt::black);
    plotLayout()->addElement(0, 0, m_titulo);
    plotLayout()->insertRow(1);
    axisRect()->insetLayout()->take(legend);
    plotLayout()->addElement(1, 0, legend);
    legend->setVisible(true);
    legend->setFillOrder(QCPLegend::foColumnsFirst);
    legend->setWrap(8);
    legend->setBrush(QColor(192, 192, 192));
    legend->setFont(fonteRotulos());
    legend->setMargins(QMargins(4, 2, 4, 2));
    // A graph's sample line runs 5 pixels past its icon: the name starts a
    // clear gap after it (an SVG viewer's font is not the one measured).
    legend->setIconTextPadding(12);
    plotLayout()->setRowStretchFactor(0, 0.001);
    plotLayout()->setRowStretchFactor(1, 0.001);
    plotLayout()->setRowSpacing(2);

    auto texto = [this](double v) { return textoRotulo(EixoGrafico::Inferior, v); };
    m_marcadorTempo.reset(new MarcadorTempo(
        xAxis, [this] { return serieDosRotulos(); }, texto));
    xAxis->setTicker(m_marcadorTempo);
    m_marcadorEsquerdo.reset(new MarcadorValores);
    m_marcadorDireito.reset(new MarcadorValores);
    yAxis->setTicker(m_marcadorEsquerdo);
    yAxis2->setTicker(m_marcadorDireito);
    for (QCPAxis *a : { xAxis, yAxis, yAxis2, xAxis2 }) {
        a->setTickLabelFont(fonteRotulos());
        a->setLabelFont(fonteRotulos());
        a->setSubTicks(false);
    }
    yAxis2->setVisible(true);
    yAxis2->setTickLabels(true);
    // The top axis only carries a title.
    xAxis2->setTicks(false);
    xAxis2->setTickLabels(false);
    xAxis2->setBasePen(Qt::NoPen);
    xAxis2->setVisible(false);
    xAxis2->grid()->setVisible(false);
    defineRegional(m_regional);

    addLayer(QStringLiteral("cruz"), nullptr, QCustomPlot::limAbove);
    m_layerCruz = layer(QStringLiteral("cruz"));
    m_layerCruz->setMode(QCPLayer::lmBuffered);
    m_camada = new CamadaCruz(this, axisRect());
    m_camada->setLayer(m_layerCruz);

    // A replot answers every one asked for; a drawing elsewhere (an image, a
    // page) does not.
    connect(this, &QCustomPlot::beforeReplot, this, [this] {
        m_redesenhoPedido = false;
        preparaDesenho();
    });
}

GraficoLinhas::~GraficoLinhas() = default;

// ---- series -------------------------------------------------------------

SerieLinhas *GraficoLinhas::adicionaSerie(
    EixoGrafico vertical, const QColor &cor, const QString &titulo, EixoGrafico horizontal, bool naLegenda)
{
    auto *g = addGraph(eixoQcp(horizontal), eixoQcp(vertical));
    g->setPen(QPen(cor, 1));
    g->setName(titulo);
    if (naLegenda)
        g->addToLegend();
    m_series.push_back(std::make_unique<SerieLinhas>(g, horizontal, vertical));
    pedeRedesenho();
    return m_series.back().get();
}

void GraficoLinhas::removeSerie(SerieLinhas *serie)
{
    auto it
        = std::find_if(m_series.begin(), m_series.end(), [serie](const auto &s) { return s.get() == serie; });
    if (it == m_series.end())
        return;
    QCPGraph *g = (*it)->grafico();
    m_series.erase(it);
    removeGraph(g);
    pedeRedesenho();
}

const SerieLinhas *GraficoLinhas::serieDosRotulos() const
{
    for (const auto &s : m_series) {
        if (s->eixoHorizontal() == EixoGrafico::Inferior && s->visivel() && s->temRotulos()
            && s->quantidade() > 0)
            return s.get();
    }
    return nullptr;
}

// ---- scales -------------------------------------------------------------

QCPAxis *GraficoLinhas::eixoQcp(EixoGrafico eixo) const
{
    switch (eixo) {
    case EixoGrafico::Esquerdo:
        return yAxis;
    case EixoGrafico::Direito:
        return yAxis2;
    case EixoGrafico::Inferior:
        return xAxis;
    case EixoGrafico::Superior:
        return xAxis2;
    }
    return xAxis;
}

void GraficoLinhas::faixaDosDados(EixoGrafico eixo, bool &achou, double &menor, double &maior) const
{
    achou = false;
    for (const auto &s : m_series) {
        if (!s->visivel())
            continue;
        double a = 0;
        double b = 0;
        bool tem = false;
        if (s->eixoHorizontal() == eixo)
            tem = s->faixaX(a, b);
        else if (s->eixoVertical() == eixo)
            tem = s->faixaY(a, b);
        if (!tem)
            continue;
        menor = achou ? std::min(menor, a) : a;
        maior = achou ? std::max(maior, b) : b;
        achou = true;
    }
}

void GraficoLinhas::aplicaFaixaQcp(EixoGrafico eixo, double minimo, double maximo) const
{
    // The drawing needs some width; a scale from a value to itself is kept
    // as it is and only drawn a little wider.
    if (!(maximo > minimo)) {
        const double folga = std::max(1e-9, std::abs(minimo) * 1e-9);
        minimo -= folga;
        maximo = minimo + 2 * folga;
    }
    eixoQcp(eixo)->setRange(minimo, maximo);
}

void GraficoLinhas::aplicaEscalas() const
{
    for (EixoGrafico e :
        { EixoGrafico::Esquerdo, EixoGrafico::Direito, EixoGrafico::Inferior, EixoGrafico::Superior }) {
        EscalaEixo &escala = m_escalas[size_t(indice(e))];
        if (escala.automatico()) {
            bool achou = false;
            double menor = 0;
            double maior = 0;
            faixaDosDados(e, achou, menor, maior);
            if (const auto &semDados = m_faixasSemDados[size_t(indice(e))]; !achou && semDados) {
                achou = true;
                menor = semDados->first;
                maior = semDados->second;
            }
            double mi = 0;
            double ma = 0;
            const bool tempo = e == EixoGrafico::Inferior || e == EixoGrafico::Superior;
            FaixaAutomatica(achou, menor, maior, tempo ? kUmSegundo : 1.0, mi, ma);
            escala.defineFaixaAutomatica(mi, ma);
        }
        aplicaFaixaQcp(e, escala.minimo(), escala.maximo());
    }
}

bool GraficoLinhas::automatico(EixoGrafico eixo) const
{
    return m_escalas[size_t(indice(eixo))].automatico();
}

void GraficoLinhas::defineAutomatico(EixoGrafico eixo, bool automatico)
{
    aplicaEscalas();
    m_escalas[size_t(indice(eixo))].defineAutomatico(automatico);
    aplicaEscalas();
    pedeRedesenho();
}

void GraficoLinhas::defineFaixaSemDados(EixoGrafico eixo, double minimo, double maximo)
{
    m_faixasSemDados[size_t(indice(eixo))] = std::pair { minimo, maximo };
    aplicaEscalas();
    pedeRedesenho();
}

EscalaEixo GraficoLinhas::escala(EixoGrafico eixo) const
{
    aplicaEscalas();
    return m_escalas[size_t(indice(eixo))];
}

double GraficoLinhas::minimo(EixoGrafico eixo) const
{
    return escala(eixo).minimo();
}

double GraficoLinhas::maximo(EixoGrafico eixo) const
{
    return escala(eixo).maximo();
}

bool GraficoLinhas::defineMinimo(EixoGrafico eixo, double valor)
{
    aplicaEscalas();
    const bool ok = m_escalas[size_t(indice(eixo))].defineMinimo(valor);
    if (ok) {
        aplicaEscalas();
        pedeRedesenho();
    }
    return ok;
}

bool GraficoLinhas::defineMaximo(EixoGrafico eixo, double valor)
{
    aplicaEscalas();
    const bool ok = m_escalas[size_t(indice(eixo))].defineMaximo(valor);
    if (ok) {
        aplicaEscalas();
        pedeRedesenho();
    }
    return ok;
}

bool GraficoLinhas::defineFaixa(EixoGrafico eixo, double minimo, double maximo)
{
    aplicaEscalas();
    const bool ok = m_escalas[size_t(indice(eixo))].defineFaixa(minimo, maximo);
    aplicaEscalas();
    pedeRedesenho();
    return ok;
}

// ---- axis texts -----------------------------------------------------------

void GraficoLinhas::defineTituloEixo(EixoGrafico eixo, const QString &titulo)
{
    m_titulosEixos[size_t(indice(eixo))] = titulo;
    eixoQcp(eixo)->setLabel(titulo);
    pedeRedesenho();
}

QString GraficoLinhas::tituloEixo(EixoGrafico eixo) const
{
    return m_titulosEixos[size_t(indice(eixo))];
}

// A time-axis title wider than the chart breaks into lines at its wide
// gaps (three blanks or more).
void GraficoLinhas::quebraTituloTempo(int largura)
{
    const QString &titulo = m_titulosEixos[size_t(indice(EixoGrafico::Inferior))];
    static const QRegularExpression lacuna(QStringLiteral(" {3,}"));
    const bool cabe = QFontMetrics(xAxis->labelFont()).horizontalAdvance(titulo) <= largura - 8;
    xAxis->setLabel(cabe ? titulo : QString(titulo).replace(lacuna, QStringLiteral("\n")));
}

void GraficoLinhas::defineFolgaTitulo(QSize folga)
{
    m_folgaTitulo = folga;
    m_titulo->setMargins(QMargins(folga.width(), 2, folga.width(), 0));
    m_titulo->setMinimumSize(0, folga.height());
    pedeRedesenho();
}

// The title shows while it fits between the room kept on its sides.
// Without a title and without room asked for over the corner, the title's
// row is left empty: an empty text still takes a line's height.
void GraficoLinhas::ajustaTitulo(int largura)
{
    const int texto = QFontMetrics(m_titulo->font()).horizontalAdvance(m_textoTitulo);
    m_titulo->setText(texto + 2 * m_folgaTitulo.width() <= largura ? m_textoTitulo : QString());
    const bool ocupa = !m_titulo->text().isEmpty() || m_folgaTitulo.height() > 0;
    const bool noLayout = plotLayout()->element(0, 0) == m_titulo;
    if (ocupa && !noLayout)
        plotLayout()->addElement(0, 0, m_titulo);
    else if (!ocupa && noLayout)
        plotLayout()->take(m_titulo);
}

void GraficoLinhas::defineFormatoValor(EixoGrafico eixo, const QString &padrao)
{
    if (eixo == EixoGrafico::Esquerdo)
        m_marcadorEsquerdo->definePadrao(padrao);
    else if (eixo == EixoGrafico::Direito)
        m_marcadorDireito->definePadrao(padrao);
    pedeRedesenho();
}

QString GraficoLinhas::formatoValor(EixoGrafico eixo) const
{
    if (eixo == EixoGrafico::Esquerdo)
        return m_marcadorEsquerdo->padrao();
    if (eixo == EixoGrafico::Direito)
        return m_marcadorDireito->padrao();
    return QString();
}

QString GraficoLinhas::textoRotulo(EixoGrafico eixo, double valor) const
{
    switch (eixo) {
    case EixoGrafico::Esquerdo:
        return m_marcadorEsquerdo->texto(valor);
    case EixoGrafico::Direito:
        return m_marcadorDireito->texto(valor);
    case EixoGrafico::Inferior:
    case EixoGrafico::Superior:
        break;
    }
    return FormataDataHora(m_formatoDataHora, valor, m_regional);
}

void GraficoLinhas::defineEspacoRotulos(EixoGrafico eixo, int pixels)
{
    m_espacos[size_t(indice(eixo))] = pixels;
    if (eixo == EixoGrafico::Inferior)
        m_marcadorTempo->defineEspaco(pixels);
    pedeRedesenho();
}

int GraficoLinhas::espacoRotulos(EixoGrafico eixo) const
{
    return m_espacos[size_t(indice(eixo))];
}

void GraficoLinhas::defineRegional(const ConfigRegional &regional)
{
    m_regional = regional;
    const QChar milhar = FormatoNumero::separadorMilharPara(regional.separadorDecimal);
    m_marcadorEsquerdo->defineSeparadores(regional.separadorDecimal, milhar);
    m_marcadorDireito->defineSeparadores(regional.separadorDecimal, milhar);
}

// ---- geometry -------------------------------------------------------------

double GraficoLinhas::valorNoPixel(EixoGrafico eixo, double pixel) const
{
    aplicaEscalas();
    return eixoQcp(eixo)->pixelToCoord(pixel);
}

double GraficoLinhas::pixelDoValor(EixoGrafico eixo, double valor) const
{
    aplicaEscalas();
    return eixoQcp(eixo)->coordToPixel(valor);
}

QRect GraficoLinhas::areaGrafico() const
{
    return axisRect()->rect();
}

void GraficoLinhas::defineEixoVisivel(EixoGrafico eixo, bool visivel)
{
    eixoQcp(eixo)->setVisible(visivel);
    pedeRedesenho();
}

bool GraficoLinhas::eixoVisivel(EixoGrafico eixo) const
{
    return eixoQcp(eixo)->visible();
}

void GraficoLinhas::defineGrade(EixoGrafico eixo, bool visivel)
{
    eixoQcp(eixo)->grid()->setVisible(visivel);
    pedeRedesenho();
}

bool GraficoLinhas::grade(EixoGrafico eixo) const
{
    return eixoQcp(eixo)->grid()->visible();
}

void GraficoLinhas::defineTitulo(const QString &titulo)
{
    m_textoTitulo = titulo;
    m_titulo->setText(titulo);
    pedeRedesenho();
}

QString GraficoLinhas::titulo() const
{
    return m_textoTitulo;
}

void GraficoLinhas::defineLegendaVisivel(bool visivel)
{
    legend->setVisible(visivel);
    pedeRedesenho();
}

bool GraficoLinhas::legendaVisivel() const
{
    return legend->visible();
}

void GraficoLinhas::defineMargens(int esquerda, int topo, int direita, int base)
{
    m_margens = QMargins(esquerda, topo, direita, base);
    pedeRedesenho();
}

// ---- limit lines -----------------------------------------------------------

void GraficoLinhas::defineLinhasLimite(const QList<LinhaLimite> &linhas)
{
    if (linhas == m_linhasLimite)
        return;
    for (QCPItemLine *item : std::as_const(m_itensLimite))
        removeItem(item);
    m_itensLimite.clear();
    m_linhasLimite = linhas;
    for (const LinhaLimite &l : linhas) {
        auto *item = new QCPItemLine(this);
        item->setSelectable(false);
        // Pure colour on every pixel it takes, as the series are drawn.
        item->setAntialiased(false);
        item->setPen(canetaLimite(l.cor, m_estiloLimitesPapel));
        // Across the plot area at the value: the ends are fractions of the
        // area's width, the height a value of the line's own axis. The
        // item is clipped to the plot area, so that a value outside the
        // range is not drawn.
        for (QCPItemPosition *p : { item->start, item->end }) {
            p->setAxes(xAxis, eixoQcp(l.eixo));
            p->setAxisRect(axisRect());
            p->setTypeX(QCPItemPosition::ptAxisRectRatio);
            p->setTypeY(QCPItemPosition::ptPlotCoords);
        }
        item->start->setCoords(0, l.valor);
        item->end->setCoords(1, l.valor);
        m_itensLimite.append(item);
    }
    pedeRedesenho();
}

void GraficoLinhas::defineLimitesNoPapel(Qt::PenStyle estilo)
{
    m_estiloLimitesPapel = estilo;
    for (int i = 0; i < m_itensLimite.size(); ++i)
        m_itensLimite[i]->setPen(canetaLimite(m_linhasLimite[i].cor, estilo));
    for (QCPGraph *g : std::as_const(m_legendaLimites))
        removeGraph(g);
    m_legendaLimites.clear();
    if (estilo != Qt::NoPen) {
        // An empty graph of the lines' pen is their legend entry.
        QStringList nomes;
        for (const LinhaLimite &l : std::as_const(m_linhasLimite)) {
            if (l.nome.isEmpty() || nomes.contains(l.nome))
                continue;
            nomes.append(l.nome);
            QCPGraph *g = addGraph(xAxis, eixoQcp(l.eixo));
            g->setPen(canetaLimite(l.cor, estilo));
            g->setName(l.nome);
            g->addToLegend();
            m_legendaLimites.append(g);
        }
    }
    pedeRedesenho();
}

Qt::PenStyle GraficoLinhas::estiloLimites() const
{
    return m_itensLimite.isEmpty() ? m_estiloLimitesPapel : m_itensLimite.first()->pen().style();
}

void GraficoLinhas::amostraSeries()
{
    const int colunas = std::max(1, axisRect()->width());
    for (const auto &s : m_series) {
        if (!s->visivel())
            continue;
        const QCPRange faixa = eixoQcp(s->eixoHorizontal())->range();
        s->amostra(faixa.lower, faixa.upper, colunas);
    }
}

void GraficoLinhas::preparaDesenho()
{
    if (m_animando) {
        amostraSeries();
        return;
    }
    aplicaEscalas();
    // A value axis is drawn while a shown series uses it.
    for (EixoGrafico e : { EixoGrafico::Esquerdo, EixoGrafico::Direito }) {
        const bool usado = std::any_of(m_series.begin(), m_series.end(),
            [e](const auto &s) { return s->visivel() && s->eixoVertical() == e; });
        eixoQcp(e)->setVisible(usado);
    }
    const int w = viewport().width();
    const int h = viewport().height();
    ajustaFontes(w, h);
    ajustaTitulo(w);
    quebraTituloTempo(w);
    const QMargins margens(w * m_margens.left() / 100, h * m_margens.top() / 100, w * m_margens.right() / 100,
        h * m_margens.bottom() / 100);
    plotLayout()->setMargins(margens);
    ajustaLegenda(w - margens.left() - margens.right());
}

// The legend's entries in as many columns as the width holds whole, so
// that no name is cut short (eight at most, one column at the least).
void GraficoLinhas::ajustaLegenda(int largura)
{
    // The grid may hold empty cells after its last entry.
    QList<int> larguras;
    for (int i = 0; i < legend->elementCount(); ++i) {
        if (const QCPLayoutElement *e = legend->elementAt(i))
            larguras.append(e->minimumOuterSizeHint().width());
    }
    const int quantos = int(larguras.size());
    int colunas = std::clamp(quantos, 1, 8);
    for (; colunas > 1; --colunas) {
        int total
            = legend->margins().left() + legend->margins().right() + (colunas - 1) * legend->columnSpacing();
        for (int c = 0; c < colunas; ++c) {
            int maior = 0;
            for (int i = c; i < quantos; i += colunas)
                maior = std::max(maior, larguras[i]);
            total += maior;
        }
        if (total <= largura)
            break;
    }
    if (legend->wrap() != colunas) {
        legend->setWrap(colunas);
        legend->setFillOrder(QCPLegend::foColumnsFirst, true);
    }
}

// A layout makes the ticks first and then the margins and the plot area
// from their labels: the ticks are chosen for the plot area of the layout
// before, which at a first drawing or after a resize is not the one they
// are drawn on. So the layout runs again while the plot area moves (it
// settles after one more pass, two when the value labels change width).
void GraficoLinhas::updateLayout()
{
    for (int passe = 0; passe < 4; ++passe) {
        const QRect antes = axisRect()->rect();
        preparaMarcas();
        QCustomPlot::updateLayout();
        if (axisRect()->rect() == antes)
            break;
    }
    amostraSeries();
}

// The value axes hold as many labels as their height allows; the time
// axis keeps room at its ends for half its first and last labels, so that
// the first and the last instant show.
void GraficoLinhas::preparaMarcas()
{
    const int h = viewport().height();
    const double altura = QFontMetricsF(yAxis->tickLabelFont()).height();
    const double comprimento = std::max(axisRect()->height(), h / 2);
    m_marcadorEsquerdo->setTickCount(
        EscolhaRotulos::marcasValor(comprimento, altura, espacoRotulos(EixoGrafico::Esquerdo)));
    m_marcadorDireito->setTickCount(
        EscolhaRotulos::marcasValor(comprimento, altura, espacoRotulos(EixoGrafico::Direito)));
    // Half a value label above the plot: the label of the top tick is not
    // hidden under the legend.
    QMargins folga(0, int(std::ceil(altura / 2)), 0, 0);
    if (const SerieLinhas *s = xAxis->visible() ? serieDosRotulos() : nullptr) {
        const QFontMetricsF fm(xAxis->tickLabelFont());
        folga.setLeft(int(std::ceil(fm.horizontalAdvance(s->rotulo(0).trimmed()) / 2)) + 1);
        folga.setRight(
            int(std::ceil(fm.horizontalAdvance(s->rotulo(s->quantidade() - 1).trimmed()) / 2)) + 1);
    }
    axisRect()->setMinimumMargins(folga);
}

void GraficoLinhas::ajustaFontes(int largura, int altura)
{
    const double escala
        = std::clamp(std::min(largura / kLarguraPlena, altura / kAlturaPlena), kEscalaMinima, 1.0);
    if (escala == m_escalaFontes)
        return;
    m_escalaFontes = escala;
    QFont titulo = m_titulo->font();
    titulo.setPixelSize(int(std::lround(kPixelsTitulo * escala)));
    m_titulo->setFont(titulo);
    legend->setFont(fonteRotulos(escala));
    for (QCPAxis *a : { xAxis, yAxis, yAxis2, xAxis2 }) {
        a->setTickLabelFont(fonteRotulos(escala));
        a->setLabelFont(fonteRotulos(escala));
    }
}

void GraficoLinhas::redesenha()
{
    replot(rpImmediateRefresh);
}

void GraficoLinhas::pedeRedesenho()
{
    if (m_redesenhoPedido)
        return;
    m_redesenhoPedido = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_redesenhoPedido && isVisible())
                replot();
        },
        Qt::QueuedConnection);
}

// A new size is drawn once, when it is painted or asked for, whichever
// comes first; the chart's own handling replots at every step of a resize,
// hidden or not.
void GraficoLinhas::resizeEvent(QResizeEvent *)
{
    setViewport(rect());
    pedeRedesenho();
}

// ---- output ---------------------------------------------------------------

void GraficoLinhas::desenha(QPainter &pintor, const QRectF &alvo)
{
    const int w = width() > 0 ? width() : int(alvo.width());
    const int h = height() > 0 ? height() : int(alvo.height());
    if (w <= 0 || h <= 0)
        return;
    preparaDesenho();
    const bool cruz = m_layerCruz->visible();
    m_layerCruz->setVisible(false);
    QPicture figura;
    {
        QCPPainter p(&figura);
        p.setMode(QCPPainter::pmVectorized);
        toPainter(&p, w, h);
    }
    m_layerCruz->setVisible(cruz);
    // Playing a picture back on a device of another resolution scales it by
    // the ratio of the two; that ratio is taken out of the scale to the
    // target, which is in the device's own pixels.
    const QPaintDevice *dispositivo = pintor.device();
    const double rx = dispositivo ? double(figura.logicalDpiX()) / dispositivo->logicalDpiX() : 1.0;
    const double ry = dispositivo ? double(figura.logicalDpiY()) / dispositivo->logicalDpiY() : 1.0;
    pintor.save();
    pintor.translate(alvo.topLeft());
    pintor.scale(alvo.width() / w * rx, alvo.height() / h * ry);
    pintor.drawPicture(0, 0, figura);
    pintor.restore();
}

QPixmap GraficoLinhas::imagem()
{
    preparaDesenho();
    const bool cruz = m_layerCruz->visible();
    m_layerCruz->setVisible(false);
    const QPixmap r = toPixmap(width(), height());
    m_layerCruz->setVisible(cruz);
    pedeRedesenho();
    return r;
}

void GraficoLinhas::copiaParaAreaTransferencia()
{
    QGuiApplication::clipboard()->setPixmap(imagem());
}
