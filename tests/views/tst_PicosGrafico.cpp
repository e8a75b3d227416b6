// A chart of a million points draws what its pixels can show, and keeps
// every peak: a single-point spike is drawn at full height at the full
// range and after zooms around it, wherever it lies and whichever way it
// points. Read on the rendered image's pixels.
#include "GraficoLinhas.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"

#include <QtTest>
#include <qcustomplot.h>

#include <cmath>

class tst_PicosGrafico : public QObject
{
    Q_OBJECT
private slots:
    void picoDeUmPontoDesenhadoInteiro_data();
    void picoDeUmPontoDesenhadoInteiro();
    void pontosDoDesenhoLimitadosPelaLargura();
    void reducaoPorColunaPontoAPonto_data();
    void reducaoPorColunaPontoAPonto();
    void colunasDensasSemLacunas_data();
    void colunasDensasSemLacunas();
};

namespace {

constexpr int kPontos = 1000000;
constexpr double kInicio = 46000.0;  // a date-time, days
constexpr double kPasso = 2.0 / 86400.0;  // two seconds

// Red pixels in the columns around x: the highest and the lowest row.
struct Extensao
{
    int topo = -1;
    int base = -1;
};

Extensao vermelhoEm(const QImage &imagem, int x)
{
    Extensao e;
    for (int c = std::max(0, x - 1); c <= std::min(imagem.width() - 1, x + 1); ++c) {
        for (int y = 0; y < imagem.height(); ++y) {
            if (imagem.pixel(c, y) != qRgb(255, 0, 0))
                continue;
            e.topo = e.topo < 0 ? y : std::min(e.topo, y);
            e.base = std::max(e.base, y);
        }
    }
    return e;
}

}  // namespace

void tst_PicosGrafico::picoDeUmPontoDesenhadoInteiro_data()
{
    QTest::addColumn<int>("indice");  // of the spike
    QTest::addColumn<double>("base");  // the value elsewhere
    QTest::addColumn<double>("pico");
    QTest::addColumn<int>("zooms");  // rectangles around the spike, each 40 pixels wide
    for (int zooms : { 0, 1, 2 }) {
        const QByteArray z = QByteArray::number(zooms);
        QTest::newRow("upwards in the middle, zooms " + z) << 500001 << 0.0 << 100.0 << zooms;
        QTest::newRow("downwards in the middle, zooms " + z) << 499999 << 100.0 << 0.0 << zooms;
        QTest::newRow("upwards near the start, zooms " + z) << 12345 << 0.0 << 100.0 << zooms;
        QTest::newRow("downwards near the end, zooms " + z) << 998765 << 100.0 << 0.0 << zooms;
    }
}

void tst_PicosGrafico::picoDeUmPontoDesenhadoInteiro()
{
    QFETCH(int, indice);
    QFETCH(double, base);
    QFETCH(double, pico);
    QFETCH(int, zooms);
    GraficoLinhas g;
    g.resize(800, 500);
    SerieLinhas *s = g.adicionaSerie(EixoGrafico::Esquerdo, Qt::red, QStringLiteral("A"));
    s->defineFonte(
        kPontos, [](int i) { return kInicio + i * kPasso; },
        [=](int i) { return i == indice ? pico : base; });
    g.defineAutomatico(EixoGrafico::Esquerdo, false);
    QVERIFY(g.defineFaixa(EixoGrafico::Esquerdo, -10, 110));
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.redesenha();
    const double xPico = kInicio + indice * kPasso;
    for (int z = 0; z < zooms; ++z) {
        const int px = int(std::lround(g.pixelDoValor(EixoGrafico::Inferior, xPico)));
        const QRect area = g.areaGrafico();
        g.zoomRetangulo(QRect(px - 20, area.top(), 40, area.height()));
        // The value axis keeps its range: only the time axis narrows.
        QVERIFY(g.defineFaixa(EixoGrafico::Esquerdo, -10, 110));
        g.redesenha();
    }
    const QImage imagem = g.imagem().toImage();
    const int x = int(std::lround(g.pixelDoValor(EixoGrafico::Inferior, xPico)));
    const int yPico = int(std::lround(g.pixelDoValor(EixoGrafico::Esquerdo, pico)));
    const int yBase = int(std::lround(g.pixelDoValor(EixoGrafico::Esquerdo, base)));
    const Extensao e = vermelhoEm(imagem, x);
    const QString onde = QStringLiteral("spike at x %1, rows %2 to %3 expected, red from %4 to %5")
                             .arg(x)
                             .arg(std::min(yPico, yBase))
                             .arg(std::max(yPico, yBase))
                             .arg(e.topo)
                             .arg(e.base);
    QVERIFY2(e.topo >= 0, qPrintable(onde));
    QVERIFY2(std::abs(e.topo - std::min(yPico, yBase)) <= 1, qPrintable(onde));
    QVERIFY2(std::abs(e.base - std::max(yPico, yBase)) <= 1, qPrintable(onde));
    // Away from the spike, towards the middle of the points, the line lies
    // on the base value only.
    const Extensao longe = vermelhoEm(imagem, indice < kPontos / 2 ? x + 60 : x - 60);
    QVERIFY2(std::abs(longe.topo - yBase) <= 1 && std::abs(longe.base - yBase) <= 1, qPrintable(onde));
}

// What the plot is given to draw stays within four points per pixel column
// (plus the points on both sides of the range), whatever the series holds.
void tst_PicosGrafico::pontosDoDesenhoLimitadosPelaLargura()
{
    GraficoLinhas g;
    g.resize(800, 500);
    SerieLinhas *s = g.adicionaSerie(EixoGrafico::Esquerdo, Qt::red, QStringLiteral("A"));
    s->defineFonte(
        kPontos, [](int i) { return kInicio + i * kPasso; }, [](int i) { return std::sin(i * 0.01) * 50; });
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.redesenha();
    const int desenhados = s->grafico()->data()->size();
    QVERIFY2(desenhados > g.areaGrafico().width(), qPrintable(QString::number(desenhados)));
    QVERIFY2(desenhados <= 4 * g.areaGrafico().width() + 2, qPrintable(QString::number(desenhados)));
    QCOMPARE(s->quantidade(), kPontos);
    QCOMPARE(s->y(kPontos - 1), std::sin((kPontos - 1) * 0.01) * 50);
}

// The reduction keeps, per pixel column, the first point, the first of the
// lowest, the first of the highest and the last, in their order, NaN values
// counting as absent; the points on both sides of the range stay. Checked
// against a walk over every point, with few distinct values (many equals),
// NaN values, and ranges that start and end inside blocks of points.
void tst_PicosGrafico::reducaoPorColunaPontoAPonto_data()
{
    QTest::addColumn<int>("pontos");
    QTest::addColumn<double>("menor");
    QTest::addColumn<double>("maior");
    QTest::addColumn<int>("colunas");
    QTest::addColumn<int>("niveis");
    QTest::addColumn<bool>("comNaN");
    // Column edges at a quarter between two points: x are the indices.
    QTest::newRow("whole range, wide columns") << 100003 << -0.25 << 100002.75 << 500 << 7 << false;
    QTest::newRow("whole range, NaN values") << 100003 << -0.25 << 100002.75 << 500 << 7 << true;
    QTest::newRow("inside, columns of 37.5") << 100003 << 1000.25 << 19750.25 << 500 << 3 << false;
    QTest::newRow("inside, columns of 200.5, NaN") << 50000 << 77.25 << 40177.25 << 200 << 1000 << true;
    QTest::newRow("every value equal") << 20000 << 10.25 << 19610.25 << 98 << 1 << false;
    QTest::newRow("columns under a block") << 20000 << 5.25 << 19205.25 << 600 << 5 << false;
}

void tst_PicosGrafico::reducaoPorColunaPontoAPonto()
{
    QFETCH(int, pontos);
    QFETCH(double, menor);
    QFETCH(double, maior);
    QFETCH(int, colunas);
    QFETCH(int, niveis);
    QFETCH(bool, comNaN);
    QVector<double> valores(pontos);
    QRandomGenerator aleatorio(pontos + colunas);
    for (double &v : valores)
        v = comNaN && aleatorio.bounded(10) == 0 ? qQNaN() : double(aleatorio.bounded(niveis));
    GraficoLinhas g;
    SerieLinhas *s = g.adicionaSerie(EixoGrafico::Esquerdo, Qt::red, QStringLiteral("A"));
    s->defineFonte(
        pontos, [](int i) { return double(i); }, [&valores](int i) { return valores[i]; });
    s->amostra(menor, maior, colunas);

    const double largura = (maior - menor) / colunas;
    const int inicio = std::max(0, int(std::ceil(menor)) - 1);
    const int fim = std::min(pontos, int(std::floor(maior)) + 2);
    QVector<int> esperados;
    for (int i = inicio; i < fim;) {
        const int coluna = int(std::floor((i - menor) / largura));
        int proximo = i + 1;
        while (coluna >= 0 && coluna < colunas && proximo < fim
            && int(std::floor((proximo - menor) / largura)) == coluna)
            ++proximo;
        int baixo = i;
        int alto = i;
        for (int k = i; k < proximo; ++k) {
            const double v = valores[k];
            if (!std::isnan(v) && (std::isnan(valores[baixo]) || v < valores[baixo]))
                baixo = k;
            if (!std::isnan(v) && (std::isnan(valores[alto]) || v > valores[alto]))
                alto = k;
        }
        for (int k : { i, std::min(baixo, alto), std::max(baixo, alto), proximo - 1 })
            if (esperados.isEmpty() || esperados.last() != k)
                esperados.append(k);
        i = proximo;
    }
    // A point inside a column is drawn at the column's centre.
    const auto ponto = [&](int k) {
        const double coluna = std::floor((k - menor) / largura);
        const double x = coluna >= 0 && coluna < colunas ? menor + (coluna + 0.5) * largura : k;
        return QStringLiteral("%1:%2").arg(x, 0, 'f', 6).arg(valores[k]);
    };
    QStringList esperadosTexto;
    for (int k : esperados)
        esperadosTexto.append(ponto(k));
    QStringList desenhados;
    for (const QCPGraphData &d : *s->grafico()->data())
        desenhados.append(QStringLiteral("%1:%2").arg(d.key, 0, 'f', 6).arg(d.value));
    QCOMPARE(desenhados, esperadosTexto);
}

// A channel that swings over its whole range within every pixel column (a
// sawtooth of about 800 entries per swing, a million entries) is drawn as a
// solid band: every column of the plot is red from the highest to the
// lowest value, on the screen, in an image of another size and on a page
// of three times the resolution.
void tst_PicosGrafico::colunasDensasSemLacunas_data()
{
    QTest::addColumn<QString>("onde");
    QTest::newRow("screen") << "screen";
    QTest::newRow("page at three times") << "page";
}

void tst_PicosGrafico::colunasDensasSemLacunas()
{
    QFETCH(QString, onde);
    GraficoLinhas g;
    g.resize(800, 500);
    SerieLinhas *s = g.adicionaSerie(EixoGrafico::Esquerdo, Qt::red, QStringLiteral("A"));
    s->defineFonte(
        kPontos, [](int i) { return kInicio + i * kPasso; },
        [](int i) { return std::fmod(i * 0.00123, 1.0) * 96; });
    g.defineAutomatico(EixoGrafico::Esquerdo, false);
    QVERIFY(g.defineFaixa(EixoGrafico::Esquerdo, -10, 106));
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.redesenha();
    QImage imagem;
    double escala = 1;
    if (onde == u"screen") {
        imagem = g.grab().toImage();
    } else {
        escala = 3;
        imagem = QImage(g.size() * 3, QImage::Format_RGB32);
        imagem.fill(Qt::white);
        QPainter pintor(&imagem);
        g.desenha(pintor, QRectF(QPointF(0, 0), QSizeF(g.size() * 3)));
    }
    imagem = imagem.convertToFormat(QImage::Format_RGB32);
    // The band's rows: the usual highest and lowest red rows of a column
    // (the legend's sample is red too, in a few columns only).
    QVector<int> topos;
    QVector<int> bases;
    for (int x = 0; x < imagem.width(); ++x) {
        int t = -1;
        int b = -1;
        for (int y = 0; y < imagem.height(); ++y) {
            if (imagem.pixel(x, y) == qRgb(255, 0, 0)) {
                t = t < 0 ? y : t;
                b = y;
            }
        }
        if (t >= 0) {
            topos.append(t);
            bases.append(b);
        }
    }
    QVERIFY(topos.size() > 100);
    std::sort(topos.begin(), topos.end());
    std::sort(bases.begin(), bases.end());
    const int topo = topos[topos.size() / 2];
    const int base = bases[bases.size() / 2];
    QVERIFY(base - topo > imagem.height() / 3);
    // The columns of the band: red between its top and its base.
    int primeiraColuna = -1;
    int ultimaColuna = -1;
    for (int x = 0; x < imagem.width(); ++x) {
        for (int y = topo + 1; y < base; ++y) {
            if (imagem.pixel(x, y) == qRgb(255, 0, 0)) {
                primeiraColuna = primeiraColuna < 0 ? x : primeiraColuna;
                ultimaColuna = x;
                break;
            }
        }
    }
    const int margem = int(3 * escala);
    const int x0 = primeiraColuna + margem;
    const int x1 = ultimaColuna - margem;
    int lacunas = 0;
    QString primeira;
    // A gap shows the background or the grid; the axes' tick marks (black)
    // are drawn over the series.
    for (int x = x0; x <= x1; ++x) {
        for (int y = topo + 1; y < base; ++y) {
            const QRgb p = imagem.pixel(x, y);
            if (p != qRgb(255, 0, 0) && p != qRgb(0, 0, 0)) {
                if (lacunas++ == 0)
                    primeira = QStringLiteral("column %1 row %2").arg(x).arg(y);
                break;
            }
        }
    }
    QVERIFY2(lacunas == 0,
        qPrintable(QStringLiteral("%1 columns with gaps of %2, first at %3")
                       .arg(lacunas)
                       .arg(x1 - x0 + 1)
                       .arg(primeira)));
}

QUORVANE_TEST_MAIN(tst_PicosGrafico)
#include "tst_PicosGrafico.moc"
