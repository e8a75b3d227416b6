#pragma once

#include "CamadaCruz.h"
#include "ConfigRegional.h"
#include "EscalaEixo.h"
#include "PassosZoom.h"

#include <qcustomplot.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class MarcadorTempo;
class MarcadorValores;
class SerieLinhas;

// The line chart of the graph, merged-graph and monitor windows: a title,
// a legend at the top, value axes left and right, a time axis at the bottom
// and a top axis that only carries a title (a formula's result). Each axis
// scales automatically or between a fixed minimum and maximum; the chart
// zooms to a dragged rectangle (dragging leftwards undoes it) and with the
// wheel, pans vertically with the right button, draws a cross-hair over the
// plotted pixels and measurement markers, lays its labels out for its
// present size (smaller fonts when it is small), and renders itself to a
// painter or a bitmap.
class GraficoLinhas : public QCustomPlot
{
    Q_OBJECT
public:
    explicit GraficoLinhas(QWidget *pai = nullptr);
    ~GraficoLinhas() override;

    // Series, in the order they were added. The chart owns them.
    SerieLinhas *adicionaSerie(EixoGrafico vertical, const QColor &cor, const QString &titulo,
        EixoGrafico horizontal = EixoGrafico::Inferior, bool naLegenda = true);
    void removeSerie(SerieLinhas *serie);
    int quantasSeries() const { return int(m_series.size()); }
    SerieLinhas *serie(int i) const { return m_series[size_t(i)].get(); }
    // The series whose labels the time axis shows: the first shown series
    // on that axis that carries labels.
    const SerieLinhas *serieDosRotulos() const;

    // Scales. A refused limit returns false and changes nothing.
    bool automatico(EixoGrafico eixo) const;
    void defineAutomatico(EixoGrafico eixo, bool automatico);
    double minimo(EixoGrafico eixo) const;
    double maximo(EixoGrafico eixo) const;
    bool defineMinimo(EixoGrafico eixo, double valor);
    bool defineMaximo(EixoGrafico eixo, double valor);
    bool defineFaixa(EixoGrafico eixo, double minimo, double maximo);
    EscalaEixo escala(EixoGrafico eixo) const;
    // The range an automatic axis takes while no shown series has data on
    // it (every series hidden, or no points); without one, 0 to 1.
    void defineFaixaSemDados(EixoGrafico eixo, double minimo, double maximo);

    // Axis texts.
    void defineTituloEixo(EixoGrafico eixo, const QString &titulo);
    QString tituloEixo(EixoGrafico eixo) const;
    void defineFormatoValor(EixoGrafico eixo, const QString &padrao);
    QString formatoValor(EixoGrafico eixo) const;
    // The time axis's date-time pattern ("dd/mm/yyyy hh:nn:ss").
    void defineFormatoDataHora(const QString &padrao) { m_formatoDataHora = padrao; }
    QString formatoDataHora() const { return m_formatoDataHora; }
    // The axis's label text for a value: the date-time pattern on the time
    // axis, the number pattern on the others.
    QString textoRotulo(EixoGrafico eixo, double valor) const;
    void defineEspacoRotulos(EixoGrafico eixo, int pixels);
    int espacoRotulos(EixoGrafico eixo) const;
    void defineRegional(const ConfigRegional &regional);

    // The value on an axis at a pixel of the widget, and back.
    double valorNoPixel(EixoGrafico eixo, double pixel) const;
    double pixelDoValor(EixoGrafico eixo, double valor) const;
    // The plot area, in pixels of the widget.
    QRect areaGrafico() const;

    // The value axes show while a shown series uses them; this switches
    // the time axis and the top axis.
    void defineEixoVisivel(EixoGrafico eixo, bool visivel);
    bool eixoVisivel(EixoGrafico eixo) const;
    void defineGrade(EixoGrafico eixo, bool visivel);
    bool grade(EixoGrafico eixo) const;

    void defineTitulo(const QString &titulo);
    // Room kept free on both sides of the title, and the title row's least
    // height (for a control over the chart's corner); the title stays
    // centred, and is left out while it does not fit between.
    void defineFolgaTitulo(QSize folga);
    QString titulo() const;
    void defineLegendaVisivel(bool visivel);
    bool legendaVisivel() const;
    // Margins in percent of the chart's width (left, right) and height.
    void defineMargens(int esquerda, int topo, int direita, int base);
    QMargins margens() const { return m_margens; }

    // Zoom and panning.
    void definePermiteZoom(bool permite) { m_permiteZoom = permite; }
    void definePermiteRolagem(bool permite) { m_permiteRolagem = permite; }
    void definePassosAnimacao(int passos) { m_passosAnimacao = qMax(1, passos); }
    // Notes every axis's scale unless a zoom is already in force; the
    // undo puts them back. Steps of zoom made from outside call it first.
    void guardaEscalas();
    bool zoomAtivo() const { return m_zoomAtivo; }
    // Zooms every axis to a rectangle of widget pixels; raises zoomFeito.
    void zoomRetangulo(const QRect &retangulo);
    // Puts every axis back as it was before the first zoom; raises
    // zoomDesfeito.
    void desfazZoom();
    // Applies zoom steps in their order up to the first refusal (noting
    // the scales first, for the undo); returns how many were applied.
    int aplicaPassosZoom(const QList<PassoZoom> &passos);
    // The wheel's zoom around a pixel: the time axis, or with eixosValor
    // both value axes; positive steps narrow. Raises rodou.
    void zoomRoda(QPoint posicao, int passos, bool eixosValor);

    // The cross-hair, drawn over the plot's pixels by an exclusive-or;
    // moving it repaints only the lines it leaves and the lines it takes.
    void defineCruz(QPoint posicao);
    void escondeCruz();
    bool temCruz() const;
    QPoint cruz() const;
    void defineCorCruz(const QColor &cor);
    QColor corCruz() const;
    CamadaCruz *camadaCruz() const { return m_camada; }

    // Measurement markers: vertical lines at x values of the time axis.
    using Marcador = CamadaCruz::Marcador;
    void defineMarcadores(const QList<Marcador> &marcadores);
    QList<Marcador> marcadores() const;

    // Dashed horizontal lines at values of a value axis (alarm limits),
    // across the plot area. They follow the axis through zooms and scale
    // changes, are left out while their value lies outside the axis's
    // range, and take no part in the range an automatic axis takes.
    struct LinhaLimite
    {
        EixoGrafico eixo = EixoGrafico::Esquerdo;
        double valor = 0.0;
        QColor cor;
        QString nome;  // the legend's entry on paper; lines of one name share it
        bool operator==(const LinhaLimite &) const = default;
    };
    void defineLinhasLimite(const QList<LinhaLimite> &linhas);
    QList<LinhaLimite> linhasLimite() const { return m_linhasLimite; }
    // On paper the limit lines take a pattern no series takes (estilo) and
    // the legend names them; Qt::NoPen goes back to the screen's dashes
    // without legend entries.
    void defineLimitesNoPapel(Qt::PenStyle estilo);
    Qt::PenStyle estiloLimites() const;

    // The factor of the fonts for the present size (1 at full size).
    double escalaFontes() const { return m_escalaFontes; }

    // Draws the scales it takes from the data and replots.
    void redesenha();
    // Asks for a replot after the events of the moment: one however many
    // ask, and none while the chart is hidden (it is drawn when shown).
    void pedeRedesenho();
    // The whole chart into a rectangle of any painter, as vectors.
    void desenha(QPainter &pintor, const QRectF &alvo);
    // The chart as a bitmap of its own size, without the cross-hair.
    QPixmap imagem();
    void copiaParaAreaTransferencia();

signals:
    void zoomFeito();
    void zoomDesfeito();
    void rolou();
    void clicado();
    void duploClique();
    // A click with Shift inside the plot area (after clicado).
    void cliqueMarcador(QPoint posicao);
    void rodou();
    void mouseSaiu();

protected:
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
    void wheelEvent(QWheelEvent *evento) override;
    void leaveEvent(QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void updateLayout() override;

private:
    QCPAxis *eixoQcp(EixoGrafico eixo) const;
    void aplicaEscalas() const;
    void faixaDosDados(EixoGrafico eixo, bool &achou, double &menor, double &maior) const;
    void preparaDesenho();
    void preparaMarcas();
    // Each shown series hands the plot what its pixels can show.
    void amostraSeries();
    void aplicaFaixaQcp(EixoGrafico eixo, double minimo, double maximo) const;
    void animaAte(const std::array<EscalaEixo, 4> &alvo);
    void rolaVertical(int deslocamento);
    QRegion regiaoCruz(QPoint p) const;
    void ajustaFontes(int largura, int altura);
    void quebraTituloTempo(int largura);
    void ajustaTitulo(int largura);
    void ajustaLegenda(int largura);

    std::vector<std::unique_ptr<SerieLinhas>> m_series;
    mutable std::array<EscalaEixo, 4> m_escalas;
    std::array<EscalaEixo, 4> m_guardadas;
    bool m_zoomAtivo = false;
    bool m_permiteZoom = true;
    bool m_permiteRolagem = true;
    int m_passosAnimacao = 1;
    bool m_animando = false;
    // A replot asked for and not made yet.
    bool m_redesenhoPedido = false;
    QString m_formatoDataHora = QStringLiteral("dd/mm/yyyy hh:nn:ss");
    ConfigRegional m_regional = ConfigRegional::portuguesBrasil();
    QMargins m_margens;
    std::array<int, 4> m_espacos = { 20, 20, 15, 20 };
    std::array<std::optional<std::pair<double, double>>, 4> m_faixasSemDados;
    double m_escalaFontes = 1.0;
    std::array<QString, 4> m_titulosEixos;
    QString m_textoTitulo;
    QSize m_folgaTitulo;
    int m_restoRoda = 0;

    QList<LinhaLimite> m_linhasLimite;
    QList<QCPItemLine *> m_itensLimite;
    QList<QCPGraph *> m_legendaLimites;
    Qt::PenStyle m_estiloLimitesPapel = Qt::NoPen;

    QCPTextElement *m_titulo = nullptr;
    CamadaCruz *m_camada = nullptr;
    QCPLayer *m_layerCruz = nullptr;
    QSharedPointer<MarcadorTempo> m_marcadorTempo;
    QSharedPointer<MarcadorValores> m_marcadorEsquerdo;
    QSharedPointer<MarcadorValores> m_marcadorDireito;

    // Mouse drags.
    enum class Arrasto { Nenhum, Zoom, Rolagem } m_arrasto = Arrasto::Nenhum;
    QPoint m_inicioArrasto;
    bool m_moveu = false;
    std::array<EscalaEixo, 4> m_escalasNoArrasto;
};
