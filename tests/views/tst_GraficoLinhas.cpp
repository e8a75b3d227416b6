// The line-chart component: scales from the data and refused limits, the
// zoom rectangle, the wheel and their undo, vertical panning, the time-axis
// labels after a resize, the fonts of a small chart, the cross-hair over
// the plotted pixels and the output to a painter.
#include "CamadaCruz.h"
#include "EscolhaRotulos.h"
#include "GraficoLinhas.h"
#include "PdfTeste.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"

#include <QPdfWriter>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>
#include <qcustomplot.h>

class tst_GraficoLinhas : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void escalaAutomaticaSegueDados_data();
    void escalaAutomaticaSegueDados();
    void limiteRecusadoNaoMudaEixo_data();
    void limiteRecusadoNaoMudaEixo();
    void zoomRetanguloEDesfazRestauramTudo();
    void arrastoParaEsquerdaDesfazZoom();
    void rolagemSoVertical();
    void rotulosDoTempoAoMenos15PixelsApart_data();
    void rotulosDoTempoAoMenos15PixelsApart();
    void rotulosSeguemORedimensionamento_data();
    void rotulosSeguemORedimensionamento();
    void fontesMenoresEmGraficoPequeno();
    void rotulosDeValorExatosEDistintos_data();
    void rotulosDeValorExatosEDistintos();
    void legendaInteiraEmGraficoEstreito();
    void eixoDeTempoSemSeriesVisiveisGuardaAFaixa();
    void rodaAproximaEmTornoDoPonteiro_data();
    void rodaAproximaEmTornoDoPonteiro();
    void textoRotuloPorEixo();
    void cruzNaoRedesenhaGrafico();
    void cruzInverteOsPixelsSobEla();
    void desenhaEmPintorEImagem();
    void desenhaInteiroEmPdfDeQualquerResolucao_data();
    void desenhaInteiroEmPdfDeQualquerResolucao();
    void redesenhosPedidosSaoUm_data();
    void redesenhosPedidosSaoUm();

private:
    GraficoLinhas *m_g = nullptr;
    SerieLinhas *m_s1 = nullptr;
    SerieLinhas *m_s2 = nullptr;
};

void tst_GraficoLinhas::init()
{
    m_g = new GraficoLinhas;
    m_g->resize(800, 500);
    m_s1 = m_g->adicionaSerie(EixoGrafico::Esquerdo, Qt::red, QStringLiteral("A"));
    m_s2 = m_g->adicionaSerie(EixoGrafico::Direito, Qt::blue, QStringLiteral("B"));
    for (int i = 0; i < 100; ++i) {
        m_s1->adiciona(36526.0 + i / 1440.0, 10 + i, QStringLiteral("r%1").arg(i));
        m_s2->adiciona(36526.0 + i / 1440.0, -5 - i);
    }
    m_g->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_g));
    m_g->redesenha();
}

void tst_GraficoLinhas::cleanup()
{
    delete m_g;
    m_g = nullptr;
}

void tst_GraficoLinhas::escalaAutomaticaSegueDados_data()
{
    QTest::addColumn<int>("eixo");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::newRow("left") << int(EixoGrafico::Esquerdo) << 10.0 << 109.0;
    QTest::newRow("right") << int(EixoGrafico::Direito) << -104.0 << -5.0;
    QTest::newRow("time") << int(EixoGrafico::Inferior) << 36526.0 << 36526.0 + 99 / 1440.0;
}

void tst_GraficoLinhas::escalaAutomaticaSegueDados()
{
    QFETCH(int, eixo);
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    QVERIFY(m_g->automatico(EixoGrafico(eixo)));
    QCOMPARE(m_g->minimo(EixoGrafico(eixo)), minimo);
    QCOMPARE(m_g->maximo(EixoGrafico(eixo)), maximo);
}

void tst_GraficoLinhas::limiteRecusadoNaoMudaEixo_data()
{
    QTest::addColumn<bool>("minimo");
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("aceito");
    QTest::newRow("minimum above the data's maximum") << true << 200.0 << false;
    QTest::newRow("maximum below the data's minimum") << false << 0.0 << false;
    QTest::newRow("minimum inside") << true << 50.0 << true;
}

void tst_GraficoLinhas::limiteRecusadoNaoMudaEixo()
{
    QFETCH(bool, minimo);
    QFETCH(double, valor);
    QFETCH(bool, aceito);
    const bool r = minimo ? m_g->defineMinimo(EixoGrafico::Esquerdo, valor)
                          : m_g->defineMaximo(EixoGrafico::Esquerdo, valor);
    QCOMPARE(r, aceito);
    QCOMPARE(m_g->automatico(EixoGrafico::Esquerdo), !aceito);
    QCOMPARE(m_g->minimo(EixoGrafico::Esquerdo), aceito ? valor : 10.0);
    QCOMPARE(m_g->maximo(EixoGrafico::Esquerdo), 109.0);
}

void tst_GraficoLinhas::zoomRetanguloEDesfazRestauramTudo()
{
    QVERIFY(m_g->defineFaixa(EixoGrafico::Esquerdo, 0, 200));
    const EscalaEixo esquerdo = m_g->escala(EixoGrafico::Esquerdo);
    const EscalaEixo direito = m_g->escala(EixoGrafico::Direito);
    const EscalaEixo tempo = m_g->escala(EixoGrafico::Inferior);
    QSignalSpy zoom(m_g, &GraficoLinhas::zoomFeito);
    QSignalSpy desfeito(m_g, &GraficoLinhas::zoomDesfeito);
    const QRect a = m_g->areaGrafico();
    const QPoint de = a.topLeft() + QPoint(a.width() / 4, a.height() / 4);
    const QPoint ate = a.topLeft() + QPoint(a.width() / 2, a.height() / 2);
    QTest::mousePress(m_g, Qt::LeftButton, {}, de);
    QTest::mouseMove(m_g, ate);
    QTest::mouseRelease(m_g, Qt::LeftButton, {}, ate);
    QCOMPARE(zoom.count(), 1);
    QVERIFY(m_g->zoomAtivo());
    QVERIFY(!m_g->automatico(EixoGrafico::Inferior));
    QVERIFY(m_g->minimo(EixoGrafico::Esquerdo) > 0 && m_g->maximo(EixoGrafico::Esquerdo) < 200);
    QVERIFY(m_g->minimo(EixoGrafico::Inferior) > tempo.minimo());
    // A second zoom, then the undo goes back to before the first.
    m_g->zoomRetangulo(QRect(de, ate));
    m_g->desfazZoom();
    QCOMPARE(desfeito.count(), 1);
    QVERIFY(!m_g->zoomAtivo());
    QCOMPARE(m_g->escala(EixoGrafico::Esquerdo), esquerdo);
    QCOMPARE(m_g->escala(EixoGrafico::Direito), direito);
    QCOMPARE(m_g->escala(EixoGrafico::Inferior), tempo);
}

void tst_GraficoLinhas::arrastoParaEsquerdaDesfazZoom()
{
    const EscalaEixo tempo = m_g->escala(EixoGrafico::Inferior);
    m_g->zoomRetangulo(m_g->areaGrafico().adjusted(100, 50, -100, -50));
    QSignalSpy desfeito(m_g, &GraficoLinhas::zoomDesfeito);
    const QPoint c = m_g->areaGrafico().center();
    QTest::mousePress(m_g, Qt::LeftButton, {}, c);
    QTest::mouseMove(m_g, c - QPoint(60, 0));
    QTest::mouseRelease(m_g, Qt::LeftButton, {}, c - QPoint(60, 0));
    QCOMPARE(desfeito.count(), 1);
    QCOMPARE(m_g->escala(EixoGrafico::Inferior), tempo);
}

void tst_GraficoLinhas::rolagemSoVertical()
{
    const EscalaEixo tempo = m_g->escala(EixoGrafico::Inferior);
    const double esquerdo = m_g->minimo(EixoGrafico::Esquerdo);
    QSignalSpy rolou(m_g, &GraficoLinhas::rolou);
    const QPoint c = m_g->areaGrafico().center();
    QTest::mousePress(m_g, Qt::RightButton, {}, c);
    QTest::mouseMove(m_g, c + QPoint(80, 40));
    QTest::mouseRelease(m_g, Qt::RightButton, {}, c + QPoint(80, 40));
    QVERIFY(rolou.count() >= 1);
    QCOMPARE(m_g->escala(EixoGrafico::Inferior), tempo);
    // Dragging down moves the data down: the scale moves up.
    QVERIFY(m_g->minimo(EixoGrafico::Esquerdo) > esquerdo);
    // The undo puts the panned scale back.
    m_g->desfazZoom();
    QCOMPARE(m_g->minimo(EixoGrafico::Esquerdo), esquerdo);
    QVERIFY(m_g->automatico(EixoGrafico::Esquerdo));
}

void tst_GraficoLinhas::rotulosDoTempoAoMenos15PixelsApart_data()
{
    QTest::addColumn<int>("largura");
    QTest::newRow("wide chart") << 1200;
    QTest::newRow("narrow chart") << 300;
}

void tst_GraficoLinhas::rotulosDoTempoAoMenos15PixelsApart()
{
    QFETCH(int, largura);
    m_g->resize(largura, 400);
    m_g->redesenha();
    m_g->redesenha();
    const QVector<double> marcas = m_g->xAxis->tickVector();
    const QVector<QString> textos = m_g->xAxis->tickVectorLabels();
    QVERIFY(marcas.size() >= 2);
    QCOMPARE(marcas.size(), textos.size());
    const QFontMetricsF fm(m_g->xAxis->tickLabelFont());
    for (int i = 1; i < marcas.size(); ++i) {
        const double fimAnterior = m_g->pixelDoValor(EixoGrafico::Inferior, marcas[i - 1])
            + fm.horizontalAdvance(textos[i - 1]) / 2;
        const double inicio
            = m_g->pixelDoValor(EixoGrafico::Inferior, marcas[i]) - fm.horizontalAdvance(textos[i]) / 2;
        QVERIFY2(inicio - fimAnterior >= 15 - 1e-6, qPrintable(textos[i]));
        QVERIFY(textos[i].startsWith(u'r'));  // the points' own labels
    }
}

void tst_GraficoLinhas::rotulosSeguemORedimensionamento_data()
{
    QTest::addColumn<int>("de");
    QTest::addColumn<int>("para");
    QTest::newRow("restored after a maximise") << 1400 << 500;
    QTest::newRow("maximised") << 400 << 1300;
}

void tst_GraficoLinhas::rotulosSeguemORedimensionamento()
{
    QFETCH(int, de);
    QFETCH(int, para);
    m_g->resize(de, 500);
    QCoreApplication::processEvents();
    // The resize replots once, as a window being maximised or restored does.
    m_g->resize(para, 400);
    QCoreApplication::processEvents();
    const QVector<double> marcas = m_g->xAxis->tickVector();
    const QVector<QString> textos = m_g->xAxis->tickVectorLabels();
    QVERIFY(marcas.size() >= 2);
    const QFontMetricsF fm(m_g->xAxis->tickLabelFont());
    double fim = 0;
    double largura = 0;
    for (int i = 0; i < marcas.size(); ++i) {
        largura = fm.horizontalAdvance(textos[i]);
        const double centro = m_g->xAxis->coordToPixel(marcas[i]);
        if (i > 0)
            QVERIFY2(centro - largura / 2 - fim >= 15 - 1e-6, qPrintable(textos[i]));
        fim = centro + largura / 2;
    }
    // The labels reach the axis's end: no room for another one after the last.
    const QRect area = m_g->areaGrafico();
    QVERIFY2(fim > area.right() - 2 * (largura + 15), qPrintable(QString::number(fim)));
    // The value axes hold as many labels as their present height allows.
    QCOMPARE(m_g->yAxis->ticker()->tickCount(),
        EscolhaRotulos::marcasValor(std::max(area.height(), m_g->viewport().height() / 2),
            QFontMetricsF(m_g->yAxis->tickLabelFont()).height(), 20));
}

void tst_GraficoLinhas::fontesMenoresEmGraficoPequeno()
{
    m_g->resize(800, 500);
    m_g->redesenha();
    QCOMPARE(m_g->xAxis->tickLabelFont().pixelSize(), 11);
    QCOMPARE(m_g->escalaFontes(), 1.0);
    m_g->resize(300, 220);
    m_g->redesenha();
    QVERIFY(m_g->escalaFontes() < 1.0);
    QVERIFY(m_g->xAxis->tickLabelFont().pixelSize() < 11);
    QVERIFY(m_g->yAxis2->tickLabelFont().pixelSize() < 11);
    // Both value axes and their labels still lie inside the widget.
    QVERIFY(m_g->yAxis2->visible());
    QVERIFY(m_g->axisRect()->outerRect().right() <= m_g->width());
    QVERIFY(m_g->axisRect()->rect().width() > 100);
}

// Every value label is the exact value of its tick, written with the
// axis's pattern, and no two are alike, at any height of the chart (the
// number of labels follows the height).
void tst_GraficoLinhas::rotulosDeValorExatosEDistintos_data()
{
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::newRow("no decimals, 30 to 40") << "####0" << 30.0 << 40.0;
    QTest::newRow("no decimals, zoomed to 50 to 60") << "####0" << 50.0 << 60.0;
    QTest::newRow("one decimal, 0 to 1") << "###,#000.0" << 0.0 << 1.0;
    QTest::newRow("two decimals, 0 to 0.1") << "##,##00.00" << 0.0 << 0.1;
    QTest::newRow("no decimals, 0 to 3") << "####0" << 0.0 << 3.0;
}

void tst_GraficoLinhas::rotulosDeValorExatosEDistintos()
{
    QFETCH(QString, padrao);
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    m_g->defineFormatoValor(EixoGrafico::Esquerdo, padrao);
    QVERIFY(m_g->defineFaixa(EixoGrafico::Esquerdo, minimo, maximo));
    for (int altura = 150; altura <= 1000; altura += 25) {
        m_g->resize(600, altura);
        m_g->redesenha();
        const QVector<double> marcas = m_g->yAxis->tickVector();
        const QVector<QString> textos = m_g->yAxis->tickVectorLabels();
        const QString onde = QStringLiteral("height %1: %2").arg(altura).arg(textos.join(u' '));
        QVERIFY2(!marcas.isEmpty(), qPrintable(onde));
        QCOMPARE(QSet<QString>(textos.begin(), textos.end()).size(), textos.size());
        for (int i = 0; i < marcas.size(); ++i) {
            const double lido = QString(textos[i]).remove(u'.').replace(u',', u'.').toDouble();
            QVERIFY2(std::abs(lido - marcas[i]) < 1e-9, qPrintable(onde));
        }
    }
}

// A legend of long names in a narrow chart takes more rows: every entry
// gets its whole width, inside the chart, no empty band lies above it and
// no value label lies under it.
void tst_GraficoLinhas::legendaInteiraEmGraficoEstreito()
{
    for (int i = 0; i < 6; ++i)
        m_g->adicionaSerie(EixoGrafico::Esquerdo, Qt::gray, QStringLiteral("Saida(%1) do forno (°C)").arg(i));
    // A tick at the top of the axis.
    QVERIFY(m_g->defineFaixa(EixoGrafico::Esquerdo, 0, 100));
    for (int largura : { 900, 500, 300 }) {
        m_g->resize(largura, 400);
        m_g->redesenha();
        const QString onde = QString::number(largura);
        for (int i = 0; i < m_g->legend->elementCount(); ++i) {
            const QCPLayoutElement *item = m_g->legend->elementAt(i);
            if (!item)
                continue;
            QVERIFY2(item->outerRect().width() >= item->minimumOuterSizeHint().width(), qPrintable(onde));
            QVERIFY2(item->outerRect().right() <= largura, qPrintable(onde));
        }
        QVERIFY2(m_g->legend->outerRect().top() <= 4, qPrintable(onde));
        // No value label reaches up under the legend.
        const double meia = QFontMetricsF(m_g->yAxis->tickLabelFont()).height() / 2;
        for (double marca : m_g->yAxis->tickVector())
            QVERIFY2(m_g->yAxis->coordToPixel(marca) - meia >= m_g->legend->outerRect().bottom(),
                qPrintable(onde));
    }
}

void tst_GraficoLinhas::eixoDeTempoSemSeriesVisiveisGuardaAFaixa()
{
    m_g->defineFaixaSemDados(EixoGrafico::Inferior, 36526.0, 36526.0 + 99 / 1440.0);
    m_s1->defineVisivel(false);
    m_s2->defineVisivel(false);
    QCOMPARE(m_g->minimo(EixoGrafico::Inferior), 36526.0);
    QCOMPARE(m_g->maximo(EixoGrafico::Inferior), 36526.0 + 99 / 1440.0);
    // A value axis without one falls back to 0 to 1.
    QCOMPARE(m_g->maximo(EixoGrafico::Esquerdo), 1.0);
}

void tst_GraficoLinhas::rodaAproximaEmTornoDoPonteiro_data()
{
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<int>("delta");
    QTest::newRow("wheel towards: time narrows") << false << 120;
    QTest::newRow("wheel away: time widens") << false << -120;
    QTest::newRow("ctrl: value axes narrow") << true << 240;
}

void tst_GraficoLinhas::rodaAproximaEmTornoDoPonteiro()
{
    QFETCH(bool, ctrl);
    QFETCH(int, delta);
    const EscalaEixo tempo = m_g->escala(EixoGrafico::Inferior);
    const EscalaEixo esquerdo = m_g->escala(EixoGrafico::Esquerdo);
    const QRect a = m_g->areaGrafico();
    const QPoint p = a.topLeft() + QPoint(a.width() / 4, a.height() / 3);
    const double tempoNoPonteiro = m_g->valorNoPixel(EixoGrafico::Inferior, p.x());
    const double valorNoPonteiro = m_g->valorNoPixel(EixoGrafico::Esquerdo, p.y());
    QSignalSpy rodou(m_g, &GraficoLinhas::rodou);
    QWheelEvent roda(p, m_g->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
        ctrl ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_g, &roda);
    QCOMPARE(rodou.count(), 1);
    const double fator = std::pow(PassosZoom::FatorRoda, delta / 120);
    const EscalaEixo mudou = m_g->escala(ctrl ? EixoGrafico::Esquerdo : EixoGrafico::Inferior);
    const EscalaEixo antes = ctrl ? esquerdo : tempo;
    QVERIFY(qAbs((mudou.maximo() - mudou.minimo()) - (antes.maximo() - antes.minimo()) * fator)
        < 1e-9 * (1 + qAbs(antes.maximo())));
    // The value under the pointer stays under it.
    if (ctrl)
        QVERIFY(qAbs(m_g->valorNoPixel(EixoGrafico::Esquerdo, p.y()) - valorNoPonteiro) < 1e-6);
    else
        QVERIFY(qAbs(m_g->valorNoPixel(EixoGrafico::Inferior, p.x()) - tempoNoPonteiro) < 1e-9);
    // The other axes stay; the undo puts everything back.
    QCOMPARE(m_g->escala(ctrl ? EixoGrafico::Inferior : EixoGrafico::Esquerdo), ctrl ? tempo : esquerdo);
    m_g->desfazZoom();
    QCOMPARE(m_g->escala(EixoGrafico::Inferior), tempo);
    QCOMPARE(m_g->escala(EixoGrafico::Esquerdo), esquerdo);
}

void tst_GraficoLinhas::textoRotuloPorEixo()
{
    m_g->defineFormatoValor(EixoGrafico::Esquerdo, QStringLiteral("###,#000.0"));
    QCOMPARE(m_g->textoRotulo(EixoGrafico::Esquerdo, 1234.56), QStringLiteral("1.234,6"));
    QCOMPARE(m_g->textoRotulo(EixoGrafico::Direito, 7.4), QStringLiteral("7"));
    QCOMPARE(m_g->textoRotulo(EixoGrafico::Inferior, 36526.0 + 0.5 + 1.0 / 86400),
        QStringLiteral("01/01/2000 12:00:01"));
}

void tst_GraficoLinhas::cruzNaoRedesenhaGrafico()
{
    QSignalSpy replots(m_g, &QCustomPlot::beforeReplot);
    const QRect a = m_g->areaGrafico();
    for (int i = 0; i < 20; ++i)
        m_g->defineCruz(a.topLeft() + QPoint(10 + i * 5, 10 + i * 3));
    QVERIFY(m_g->temCruz());
    QCOMPARE(m_g->cruz(), a.topLeft() + QPoint(105, 67));
    QCoreApplication::processEvents();
    QCOMPARE(replots.count(), 0);
    m_g->escondeCruz();
    QVERIFY(!m_g->temCruz());
}

void tst_GraficoLinhas::cruzInverteOsPixelsSobEla()
{
    // A cross through the middle of both series: every pixel under its
    // lines is inverted (background, grid and either series), none beside.
    const QImage antes = m_g->grab().toImage();
    const QRect a = m_g->areaGrafico();
    const QPoint c(int(m_g->pixelDoValor(EixoGrafico::Inferior, 36526.0 + 50 / 1440.0)),
        int(m_g->pixelDoValor(EixoGrafico::Esquerdo, 60)));
    m_g->defineCruz(c);
    const QImage depois = m_g->grab().toImage();
    auto invertido = [](QRgb p) { return qRgb(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p)); };
    QSet<QRgb> cores;
    for (int y = a.top(); y <= a.bottom(); ++y) {
        QCOMPARE(depois.pixel(c.x(), y), invertido(antes.pixel(c.x(), y)));
        if (y != c.y())
            QCOMPARE(depois.pixel(c.x() + 1, y), antes.pixel(c.x() + 1, y));
        cores.insert(antes.pixel(c.x(), y));
    }
    for (int x = a.left(); x <= a.right(); ++x) {
        if (x != c.x())
            QCOMPARE(depois.pixel(x, c.y()), invertido(antes.pixel(x, c.y())));
    }
    // The vertical line crossed the background and both series.
    QVERIFY(cores.contains(qRgb(255, 255, 255)));
    QVERIFY(cores.contains(qRgb(255, 0, 0)));
    QVERIFY(cores.contains(qRgb(0, 0, 255)));
    m_g->escondeCruz();
    QCOMPARE(m_g->grab().toImage(), antes);
}

void tst_GraficoLinhas::desenhaEmPintorEImagem()
{
    m_g->defineCruz(m_g->areaGrafico().center());
    QImage folha(1600, 1000, QImage::Format_RGB32);
    folha.fill(Qt::white);
    {
        QPainter p(&folha);
        m_g->desenha(p, QRectF(0, 0, 1600, 1000));
    }
    // The red series lies somewhere on the page.
    bool vermelho = false;
    for (int y = 0; y < folha.height() && !vermelho; y += 2)
        for (int x = 0; x < folha.width() && !vermelho; ++x)
            vermelho = folha.pixel(x, y) == qRgb(255, 0, 0);
    QVERIFY(vermelho);
    const QPixmap imagem = m_g->imagem();
    QCOMPARE(imagem.size(), m_g->size());
    // The cross stays on screen after the picture.
    QVERIFY(m_g->temCruz());
}

void tst_GraficoLinhas::desenhaInteiroEmPdfDeQualquerResolucao_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("1200 dpi") << 1200;
}

// The whole chart on the page, at any resolution of the device: the title,
// the legend and the axis texts are there, and the drawing spans the page.
void tst_GraficoLinhas::desenhaInteiroEmPdfDeQualquerResolucao()
{
    if (!PdfTeste::ferramentas())
        QSKIP("poppler-utils (pdftotext, pdftoppm) not installed");
    QFETCH(int, dpi);
    m_g->defineTitulo(QStringLiteral("Forno Norte"));
    m_g->defineTituloEixo(EixoGrafico::Esquerdo, QStringLiteral("Temperatura"));
    m_g->redesenha();
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("g.pdf"));
    {
        QPdfWriter escritor(pdf);
        escritor.setResolution(dpi);
        escritor.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter p(&escritor);
        m_g->desenha(p, QRectF(0, 0, escritor.width(), escritor.height()));
    }
    const QString texto = PdfTeste::texto(pdf);
    for (const char *t : { "Forno Norte", "Temperatura", "A", "B" })
        QVERIFY2(texto.contains(QLatin1String(t)), t);
    const QImage pagina = PdfTeste::pagina(pdf);
    const QRect ocupado = PdfTeste::ocupado(pagina);
    QVERIFY2(ocupado.width() > pagina.width() * 9 / 10,
        qPrintable(QStringLiteral("%1 of %2").arg(ocupado.width()).arg(pagina.width())));
    QVERIFY(ocupado.height() > pagina.height() * 8 / 10);
    QVERIFY(PdfTeste::temCor(pagina, qRgb(255, 0, 0)));
}

// Replots asked for, by a change, a resize or directly, make one replot
// after the events of the moment, none while the chart is hidden (it is
// drawn when shown), and a drawing into an image in between does not take
// their place.
void tst_GraficoLinhas::redesenhosPedidosSaoUm_data()
{
    QTest::addColumn<bool>("escondido");
    QTest::addColumn<bool>("imagemNoMeio");
    QTest::addColumn<int>("antesDeMostrar");
    QTest::newRow("shown") << false << false << 1;
    QTest::newRow("shown, a drawing into an image in between") << false << true << 1;
    QTest::newRow("hidden") << true << false << 0;
}

void tst_GraficoLinhas::redesenhosPedidosSaoUm()
{
    QFETCH(bool, escondido);
    QFETCH(bool, imagemNoMeio);
    QFETCH(int, antesDeMostrar);
    m_g->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_g));
    QCoreApplication::processEvents();
    if (escondido)
        m_g->hide();
    QSignalSpy replots(m_g, &QCustomPlot::afterReplot);
    m_g->defineTitulo(QStringLiteral("Outro"));
    m_g->defineGrade(EixoGrafico::Esquerdo, false);
    m_s1->adiciona(36526.0 + 100 / 1440.0, 3);
    m_g->resize(700, 450);
    m_g->pedeRedesenho();
    QCOMPARE(replots.size(), 0);
    if (imagemNoMeio) {
        QImage imagem(400, 300, QImage::Format_ARGB32);
        QPainter pintor(&imagem);
        m_g->desenha(pintor, QRectF(0, 0, 400, 300));
    }
    const int depoisDaImagem = int(replots.size());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(replots.size() - depoisDaImagem, antesDeMostrar);
    if (escondido) {
        m_g->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_g));
        QTRY_COMPARE(replots.size(), 1);
    }
    QCOMPARE(m_s1->grafico()->data()->size(), 101);
}

QUORVANE_TEST_MAIN(tst_GraficoLinhas)
#include "tst_GraficoLinhas.moc"
