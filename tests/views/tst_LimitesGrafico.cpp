// Alarm-limit lines read on the chart's pixels: a dashed line at the
// limit's value on its axis, following a zoom, left out (and the range not
// widened) when the value lies outside the axis's range, and in a saved
// picture.
#include "GraficoLinhas.h"
#include "ImagemGrafico.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

class tst_LimitesGrafico : public QObject
{
    Q_OBJECT
private slots:
    void linhaTracejadaNoValorDoEixo_data();
    void linhaTracejadaNoValorDoEixo();
};

namespace {

constexpr double kInicio = 46000.0;
constexpr double kPasso = 10.0 / 86400.0;

// How a row of the plot area shows a colour: the share of its pixels in
// that colour and the runs they make (a dashed line makes many).
struct Traco
{
    double fracao = 0.0;
    int trechos = 0;
};

Traco tracoNaLinha(const QImage &imagem, const QRect &area, int y, QRgb cor)
{
    Traco melhor;
    // The row of the value, or the one beside it after rounding.
    for (int linha = y - 1; linha <= y + 1; ++linha) {
        if (linha < 0 || linha >= imagem.height())
            continue;
        int n = 0;
        int trechos = 0;
        bool antes = false;
        for (int x = area.left() + 2; x < area.right() - 1; ++x) {
            const bool da = (imagem.pixel(x, linha) & 0xFFFFFF) == (cor & 0xFFFFFF);
            n += da ? 1 : 0;
            trechos += da && !antes ? 1 : 0;
            antes = da;
        }
        const double fracao = double(n) / std::max(1, area.width() - 3);
        if (fracao > melhor.fracao)
            melhor = { fracao, trechos };
    }
    return melhor;
}

}  // namespace

void tst_LimitesGrafico::linhaTracejadaNoValorDoEixo_data()
{
    QTest::addColumn<int>("eixo");
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("zoom");  // a rectangle over the upper part of the plot
    QTest::addColumn<bool>("imagem");  // read from a saved PNG
    QTest::addColumn<bool>("desenhada");
    const int esquerdo = int(EixoGrafico::Esquerdo);
    const int direito = int(EixoGrafico::Direito);
    QTest::newRow("left axis, at 25") << esquerdo << 25.0 << false << false << true;
    QTest::newRow("right axis, at 700") << direito << 700.0 << false << false << true;
    QTest::newRow("left axis, above the range: absent") << esquerdo << 150.0 << false << false << false;
    QTest::newRow("right axis, below the range: absent") << direito << -40.0 << false << false << false;
    QTest::newRow("left axis, after a zoom") << esquerdo << 80.0 << true << false << true;
    QTest::newRow("left axis, zoomed out of view: absent") << esquerdo << 25.0 << true << false << false;
    QTest::newRow("right axis, in a saved picture") << direito << 300.0 << false << true << true;
}

void tst_LimitesGrafico::linhaTracejadaNoValorDoEixo()
{
    QFETCH(int, eixo);
    QFETCH(double, valor);
    QFETCH(bool, zoom);
    QFETCH(bool, imagem);
    QFETCH(bool, desenhada);
    const auto e = EixoGrafico(eixo);
    const QColor cor(0, 128, 0);  // no series of this colour
    GraficoLinhas g;
    g.resize(800, 500);
    SerieLinhas *s1 = g.adicionaSerie(EixoGrafico::Esquerdo, Qt::red, QStringLiteral("A"));
    s1->defineFonte(
        200, [](int i) { return kInicio + i * kPasso; }, [](int i) { return 10.0 + (i % 80); });
    SerieLinhas *s2 = g.adicionaSerie(EixoGrafico::Direito, Qt::blue, QStringLiteral("B"));
    s2->defineFonte(
        200, [](int i) { return kInicio + i * kPasso; }, [](int i) { return 100.0 + 4 * (i % 200); });
    // The left axis scales itself: the line must not widen it.
    QVERIFY(g.defineFaixa(EixoGrafico::Direito, 0, 1000));
    g.defineAutomatico(EixoGrafico::Direito, false);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.redesenha();
    const double esquerdoMin = g.minimo(EixoGrafico::Esquerdo);
    const double esquerdoMax = g.maximo(EixoGrafico::Esquerdo);
    g.defineLinhasLimite({ { e, valor, cor } });
    g.redesenha();
    QCOMPARE(g.minimo(EixoGrafico::Esquerdo), esquerdoMin);
    QCOMPARE(g.maximo(EixoGrafico::Esquerdo), esquerdoMax);
    if (zoom) {
        const QRect area = g.areaGrafico();
        g.zoomRetangulo(QRect(area.left(), area.top(), area.width(), area.height() / 3));
        g.redesenha();
    }
    QImage figura;
    QRect area = g.areaGrafico();
    int y = int(std::lround(g.pixelDoValor(e, valor)));
    if (imagem) {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("limites.png"));
        QVERIFY(ImagemGrafico::grava(g, caminho, g.size()));
        figura = QImage(caminho);
    } else {
        figura = g.imagem().toImage();
    }
    const Traco t = tracoNaLinha(figura, area, y, cor.rgb());
    const QString onde = QStringLiteral("row %1 of %2 to %3: %4 of the row, %5 dashes")
                             .arg(y)
                             .arg(area.top())
                             .arg(area.bottom())
                             .arg(t.fracao)
                             .arg(t.trechos);
    if (!desenhada) {
        QVERIFY2(t.fracao == 0.0, qPrintable(onde));
        // Nowhere else either.
        for (int linha = area.top(); linha <= area.bottom(); ++linha)
            QVERIFY2(tracoNaLinha(figura, area, linha, cor.rgb()).fracao == 0.0, qPrintable(onde));
        return;
    }
    QVERIFY2(y > area.top() && y < area.bottom(), qPrintable(onde));
    // Dashed: more than a third of the row, less than all of it, in many
    // pieces.
    QVERIFY2(t.fracao > 0.35 && t.fracao < 0.85, qPrintable(onde));
    QVERIFY2(t.trechos >= 20, qPrintable(onde));
}

QUORVANE_TEST_MAIN(tst_LimitesGrafico)
#include "tst_LimitesGrafico.moc"
