// Charts saved as pictures: bitmaps of the asked size in which both series
// are drawn, SVG that parses and carries both series' strokes, PDF, a
// merged chart, refusals, and the window's chart left at its own size.
#include "AmbienteFalso.h"
#include "DataHora.h"
#include "GraficoLinhas.h"
#include "GravacaoTeste.h"
#include "ImagemGrafico.h"
#include "RegistroTestes.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

TAquisicao documento()
{
    TAquisicao a = gravacaoForno();
    a.Titulo = QStringLiteral("Forno Norte");
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.LimSupCanal1 = 100;
    a.LimSupCanal2 = 100;
    return comLeiturasSemFim(a, 200, [](int i) { return ParTeste(20 + (i % 40), 80 - (i % 50)); });
}

// Pixels of a pure colour of the series (red channel 1, blue channel 2).
int pixelsDaCor(const QImage &imagem, QRgb cor)
{
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += (imagem.pixel(x, y) & 0xFFFFFF) == (cor & 0xFFFFFF) ? 1 : 0;
    return n;
}

// The stroke colours of an SVG, which must parse as XML.
QStringList tracosSvg(const QString &caminho, QSize *tamanho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&f);
    QStringList tracos;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto atributos = xml.attributes();
        if (xml.name() == u"svg")
            *tamanho = QSize(
                atributos.value(QLatin1String("width")).toString().remove(QLatin1String("mm")).toInt(),
                atributos.value(QLatin1String("height")).toString().toInt());
        if (atributos.hasAttribute(QLatin1String("stroke")))
            tracos << atributos.value(QLatin1String("stroke")).toString();
    }
    if (xml.hasError())
        return { QStringLiteral("erro: ") + xml.errorString() };
    return tracos;
}

}  // namespace

class tst_ImagemGrafico : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void bitmapOfTheAskedSizeShowsBothSeries_data();
    void bitmapOfTheAskedSizeShowsBothSeries();
    void hiddenSeriesIsNotDrawn();
    void svgParsesAndStrokesBothSeries();
    void pdfHasOnePage();
    void mergedChartIsDrawn();
    void refusalsLeaveNoFile_data();
    void refusalsLeaveNoFile();
    void windowChartKeepsItsSize();

private:
    std::unique_ptr<AmbienteFalso> m_f;
    std::unique_ptr<TFormGrafico> m_janela;
    QTemporaryDir m_pasta;
};

void tst_ImagemGrafico::init()
{
    m_f = std::make_unique<AmbienteFalso>();
    m_janela = std::make_unique<TFormGrafico>(m_f->ambiente, TFormGrafico::Ligacoes {});
    m_janela->Seta_Aquisicao(documento());
}

void tst_ImagemGrafico::bitmapOfTheAskedSizeShowsBothSeries_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("tamanho");
    QTest::newRow("png, small") << "a.png" << QSize(320, 200);
    QTest::newRow("png, large") << "b.png" << QSize(1600, 1000);
    QTest::newRow("png, tall") << "c.PNG" << QSize(400, 900);
    QTest::newRow("bmp by its extension") << "d.bmp" << QSize(500, 300);
}

void tst_ImagemGrafico::bitmapOfTheAskedSizeShowsBothSeries()
{
    QFETCH(QString, nome);
    QFETCH(QSize, tamanho);
    const QString caminho = m_pasta.filePath(nome);
    // The time labels as laid out for the picture: the last layout of its
    // drawing, each label's left and right pixel.
    GraficoLinhas *g = m_janela->TheChart;
    QList<QPair<double, double>> rotulos;
    const auto conexao = connect(g, &QCustomPlot::afterLayout, g, [&] {
        rotulos.clear();
        const QFontMetricsF fm(g->xAxis->tickLabelFont());
        const QVector<double> marcas = g->xAxis->tickVector();
        const QVector<QString> textos = g->xAxis->tickVectorLabels();
        for (int i = 0; i < marcas.size(); ++i) {
            const double centro = g->xAxis->coordToPixel(marcas[i]);
            const double largura = fm.horizontalAdvance(textos[i]);
            rotulos.append({ centro - largura / 2, centro + largura / 2 });
        }
    });
    QVERIFY(ImagemGrafico::grava(*g, caminho, tamanho));
    disconnect(conexao);
    QVERIFY(rotulos.size() >= 2);
    for (int i = 1; i < rotulos.size(); ++i)
        QVERIFY2(rotulos[i].first - rotulos[i - 1].second >= 15 - 1e-6, qPrintable(QString::number(i)));
    const QImage imagem(caminho);
    QCOMPARE(imagem.size(), tamanho);
    // A line across most of the plot's width, whatever the size.
    QVERIFY2(pixelsDaCor(imagem, qRgb(255, 0, 0)) > tamanho.width() / 3, "channel 1 not drawn");
    QVERIFY2(pixelsDaCor(imagem, qRgb(0, 0, 255)) > tamanho.width() / 3, "channel 2 not drawn");
}

void tst_ImagemGrafico::hiddenSeriesIsNotDrawn()
{
    m_janela->CheckBoxSerie2->setChecked(false);
    const QString caminho = m_pasta.filePath(QStringLiteral("so1.png"));
    QVERIFY(ImagemGrafico::grava(*m_janela->TheChart, caminho, QSize(640, 400)));
    const QImage imagem(caminho);
    QVERIFY(pixelsDaCor(imagem, qRgb(255, 0, 0)) > 200);
    // Only its legend entry's short line is left.
    QVERIFY(pixelsDaCor(imagem, qRgb(0, 0, 255)) < 40);
}

void tst_ImagemGrafico::svgParsesAndStrokesBothSeries()
{
    const QString caminho = m_pasta.filePath(QStringLiteral("g.svg"));
    QVERIFY(ImagemGrafico::grava(*m_janela->TheChart, caminho, QSize(800, 500)));
    QSize tamanho;
    const QStringList tracos = tracosSvg(caminho, &tamanho);
    QVERIFY2(!tracos.isEmpty() && !tracos.first().startsWith(u"erro"), qPrintable(tracos.value(0)));
    QVERIFY(tracos.contains(QStringLiteral("#ff0000")));
    QVERIFY(tracos.contains(QStringLiteral("#0000ff")));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray svg = f.readAll();
    QVERIFY(svg.contains("viewBox=\"0 0 800 500\""));
    QVERIFY(svg.contains("Forno Norte"));
}

void tst_ImagemGrafico::pdfHasOnePage()
{
    const QString caminho = m_pasta.filePath(QStringLiteral("g.pdf"));
    QVERIFY(ImagemGrafico::grava(*m_janela->TheChart, caminho, QSize(800, 500)));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    QVERIFY(pdf.contains("/MediaBox [0 0 800.000000 500.000000]"));
}

void tst_ImagemGrafico::mergedChartIsDrawn()
{
    TNodoJuncao e;
    e.NumCanais = 2;
    e.NomeCanal1 = QStringLiteral("Forno");
    e.NomeCanal2 = QStringLiteral("Estufa");
    e.UnidadeCanal1 = QStringLiteral("°C");
    e.UnidadeCanal2 = QStringLiteral("%");
    e.IntervaloAquisicoes = 60;
    e.Inicio = DataHora::codifica(2024, 3, 5, 8, 0, 0).value();
    for (int i = 0; i <= 60; ++i)
        e.Leituras.emplace_back(i, 60 - i);
    e.defineSensoresPorUnidade();
    TFormJuncao juncao(m_f->ambiente, TFormJuncao::Ligacoes {});
    juncao.MontaGrafico({ e }, true, QStringLiteral("°C"), QStringLiteral("%"));
    const QString caminho = m_pasta.filePath(QStringLiteral("j.png"));
    QVERIFY(ImagemGrafico::grava(*juncao.ChartJuncao, caminho, QSize(700, 450)));
    const QImage imagem(caminho);
    QCOMPARE(imagem.size(), QSize(700, 450));
    // Everything not white, grey or black is a series' colour.
    int coloridos = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QColor c = imagem.pixelColor(x, y);
            coloridos += c.saturation() > 200 ? 1 : 0;
        }
    QVERIFY(coloridos > 2 * 350);
}

void tst_ImagemGrafico::refusalsLeaveNoFile_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("tamanho");
    QTest::newRow("too narrow") << "r1.png" << QSize(15, 400);
    QTest::newRow("too tall") << "r2.png" << QSize(400, 10001);
    QTest::newRow("folder missing") << "nao-existe/r3.png" << QSize(400, 300);
    QTest::newRow("unknown bitmap format") << "r4.xyz" << QSize(400, 300);
}

void tst_ImagemGrafico::refusalsLeaveNoFile()
{
    QFETCH(QString, nome);
    QFETCH(QSize, tamanho);
    const QString caminho = m_pasta.filePath(nome);
    QVERIFY(!ImagemGrafico::grava(*m_janela->TheChart, caminho, tamanho));
    QVERIFY(!QFile::exists(caminho));
}

void tst_ImagemGrafico::windowChartKeepsItsSize()
{
    m_janela->resize(640, 440);
    m_janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_janela.get()));
    const QSize antes = m_janela->TheChart->size();
    QVERIFY(ImagemGrafico::grava(
        *m_janela->TheChart, m_pasta.filePath(QStringLiteral("w.png")), QSize(1000, 700)));
    QCOMPARE(m_janela->TheChart->size(), antes);
    QCOMPARE(QImage(m_pasta.filePath(QStringLiteral("w.png"))).size(), QSize(1000, 700));
    // Drawn afterwards at its own size, it still fills it.
    const QImage propria = m_janela->TheChart->imagem().toImage();
    QCOMPARE(propria.size(), antes * propria.devicePixelRatio());
}

QUORVANE_TEST_MAIN(tst_ImagemGrafico)
#include "tst_ImagemGrafico.moc"
