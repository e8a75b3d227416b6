// The measurement between two markers, the wheel zoom's range and the
// placing of a new graph and its views, without widgets.
#include "ArranjoGrafico.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "MedicaoMarcadores.h"
#include "PassosZoom.h"
#include "RegistroTestes.h"
#include "TAquisicao.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// Channel 1: 10, 12, 14, ...; channel 2: 100, 99, 98, ...
TAquisicao documento(double intervalo, int n, int canais = 2)
{
    TAquisicao a;
    a.NumCanais = canais;
    a.SensorCanal1 = canais == 2 ? 9 : -1;
    a.SensorCanal2 = 9;
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 0;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    a.reservaLeituras(n);
    for (int i = 0; i < n; ++i)
        a.adicionaLeitura(10 + 2 * i, 100 - i);
    a.AjustaFim();
    return a;
}

}  // namespace

class tst_MedicaoMarcadores : public QObject
{
    Q_OBJECT
private slots:
    void medicaoEntreMarcadores_data();
    void medicaoEntreMarcadores();
    void linhasDaFaixa();
    void duracao_data();
    void duracao();
    void faixaInteiraDeUmMilhaoRapida();
    void rodaEmTornoDoPonteiro_data();
    void rodaEmTornoDoPonteiro();
    void novoGraficoDentroDaAreaComVistasAoLado_data();
    void novoGraficoDentroDaAreaComVistasAoLado();
    void cascataEVistaAoLado();
};

void tst_MedicaoMarcadores::medicaoEntreMarcadores_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("canais");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<double>("segundos");
    // channel, A, B, min, max, mean of the first channel measured
    QTest::addColumn<QList<double>>("primeiro");
    QTest::addColumn<int>("quantosCanais");
    QTest::newRow("A before B") << 10.0 << 2 << 2 << 5 << 30.0 << QList<double> { 1, 14, 20, 14, 20, 17 }
                                << 2;
    QTest::newRow("B before A: same span, negative time")
        << 10.0 << 2 << 5 << 2 << -30.0 << QList<double> { 1, 20, 14, 14, 20, 17 } << 2;
    QTest::newRow("same entry") << 10.0 << 2 << 3 << 3 << 0.0 << QList<double> { 1, 16, 16, 16, 16, 16 } << 2;
    QTest::newRow("held to the entries")
        << 10.0 << 2 << -4 << 99 << 90.0 << QList<double> { 1, 10, 28, 10, 28, 19 } << 2;
    QTest::newRow("half-second") << 0.0 << 2 << 1 << 4 << 1.5 << QList<double> { 1, 12, 18, 12, 18, 15 } << 2;
    QTest::newRow("one channel recorded on channel 2")
        << 10.0 << 1 << 0 << 2 << 20.0 << QList<double> { 2, 100, 98, 98, 100, 99 } << 1;
}

void tst_MedicaoMarcadores::medicaoEntreMarcadores()
{
    QFETCH(double, intervalo);
    QFETCH(int, canais);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(double, segundos);
    QFETCH(QList<double>, primeiro);
    QFETCH(int, quantosCanais);
    const MedicaoMarcadores::Medicao m = MedicaoMarcadores::mede(documento(intervalo, 10, canais), a, b);
    QCOMPARE(m.segundos, segundos);
    QCOMPARE(m.canais.size(), quantosCanais);
    const MedicaoMarcadores::Canal &c = m.canais.first();
    QCOMPARE(QList<double>({ double(c.canal), c.valorA, c.valorB, c.minimo, c.maximo, c.media }), primeiro);
}

void tst_MedicaoMarcadores::linhasDaFaixa()
{
    const TAquisicao a = documento(10, 10);
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    const Catalogo catalogo;
    const QStringList l = MedicaoMarcadores::linhas(a, MedicaoMarcadores::mede(a, 2, 5), catalogo, regional);
    QCOMPARE(l.size(), 3);
    QCOMPARE(l[0], QStringLiteral("A: 01/01/2000 10:00:20    B: 01/01/2000 10:00:50    B - A: 00:00:30"));
    QCOMPARE(l[1], QStringLiteral("Temp:  A 14,0   B 20,0   B - A 6,0    mín 14,0   máx 20,0   média 17,00"));
    QCOMPARE(l[2], QStringLiteral("Umid:  A 98   B 95   B - A -3    mín 95   máx 98   média 96,5"));
    QCOMPARE(MedicaoMarcadores::linhaMarcadorA(a, 2, catalogo, regional),
        QStringLiteral("A: 01/01/2000 10:00:20    B: Shift + clique no gráfico"));
    // The wording is the catalogue's, which a language library replaces.
    Catalogo ingles;
    ingles.substitui(305, QStringLiteral("A %1, B: Shift + click"));
    ingles.substitui(306, QStringLiteral("%1 to %2: %3"));
    ingles.substitui(307, QStringLiteral("%1 %2 %3 %4 min %5 max %6 mean %7"));
    QCOMPARE(MedicaoMarcadores::linhas(a, MedicaoMarcadores::mede(a, 2, 5), ingles, regional),
        QStringList({ QStringLiteral("01/01/2000 10:00:20 to 01/01/2000 10:00:50: 00:00:30"),
            QStringLiteral("Temp 14,0 20,0 6,0 min 14,0 max 20,0 mean 17,00"),
            QStringLiteral("Umid 98 95 -3 min 95 max 98 mean 96,5") }));
    QCOMPARE(MedicaoMarcadores::linhaMarcadorA(a, 2, ingles, regional),
        QStringLiteral("A 01/01/2000 10:00:20, B: Shift + click"));
    // Nothing to show without entries.
    QVERIFY(MedicaoMarcadores::linhas(a, MedicaoMarcadores::mede(documento(10, 0), 0, 0), catalogo, regional)
                .isEmpty());
}

void tst_MedicaoMarcadores::duracao_data()
{
    QTest::addColumn<double>("segundos");
    QTest::addColumn<QString>("texto");
    QTest::newRow("seconds") << 30.0 << "00:00:30";
    QTest::newRow("hours") << 3725.0 << "01:02:05";
    QTest::newRow("half second") << 1.5 << "00:00:01,5";
    QTest::newRow("days") << 2 * 86400.0 + 3 * 3600 << "2d 03:00:00";
    QTest::newRow("exactly one day") << 86400.0 << "1d 00:00:00";
    QTest::newRow("negative") << -90.0 << "-00:01:30";
}

void tst_MedicaoMarcadores::duracao()
{
    QFETCH(double, segundos);
    QFETCH(QString, texto);
    QCOMPARE(MedicaoMarcadores::textoDuracao(segundos, u','), texto);
}

void tst_MedicaoMarcadores::faixaInteiraDeUmMilhaoRapida()
{
    const TAquisicao a = documento(1, 1000000);
    QElapsedTimer t;
    t.start();
    const MedicaoMarcadores::Medicao m = MedicaoMarcadores::mede(a, 0, 999999);
    // Far under the 20 ms the window allows itself (the benchmark measures it).
    QVERIFY(t.elapsed() < 500);
    QCOMPARE(m.canais[0].maximo, 10.0 + 2 * 999999);
    QCOMPARE(m.canais[1].minimo, 100.0 - 999999);
}

void tst_MedicaoMarcadores::rodaEmTornoDoPonteiro_data()
{
    QTest::addColumn<double>("ancora");
    QTest::addColumn<int>("passos");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::newRow("in around the middle") << 50.0 << 1 << 10.0 << 90.0;
    QTest::newRow("in around the left end") << 0.0 << 1 << 0.0 << 80.0;
    QTest::newRow("out undoes in") << 50.0 << -1 << -12.5 << 112.5;
    QTest::newRow("two steps in") << 100.0 << 2 << 36.0 << 100.0;
}

void tst_MedicaoMarcadores::rodaEmTornoDoPonteiro()
{
    QFETCH(double, ancora);
    QFETCH(int, passos);
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    const PassosZoom::Faixa f = PassosZoom::roda(0, 100, ancora, passos);
    QCOMPARE(f.minimo, minimo);
    QCOMPARE(f.maximo, maximo);
    const PassosZoom::Faixa volta = PassosZoom::roda(f.minimo, f.maximo, ancora, -passos);
    QVERIFY(qAbs(volta.minimo) < 1e-9 && qAbs(volta.maximo - 100) < 1e-9);
}

void tst_MedicaoMarcadores::novoGraficoDentroDaAreaComVistasAoLado_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("ordem");
    QTest::addColumn<bool>("aoLado");
    QTest::newRow("wide workspace, first graph") << QRect(0, 0, 1000, 600) << 0 << true;
    QTest::newRow("wide workspace, sixth graph") << QRect(0, 0, 1000, 600) << 5 << true;
    QTest::newRow("wide workspace, fourth graph") << QRect(0, 0, 1000, 600) << 3 << true;
    QTest::newRow("scrolled workspace") << QRect(300, 200, 900, 500) << 2 << true;
    QTest::newRow("narrow workspace: views over the graph") << QRect(0, 0, 500, 400) << 1 << false;
    QTest::newRow("tiny workspace") << QRect(0, 0, 120, 80) << 1 << false;
}

void tst_MedicaoMarcadores::novoGraficoDentroDaAreaComVistasAoLado()
{
    QFETCH(QRect, area);
    QFETCH(int, ordem);
    QFETCH(bool, aoLado);
    const ArranjoGrafico::Arranjo r = ArranjoGrafico::calcula(area, ordem, 24);
    for (const QRect &j : { r.grafico, r.informacoes, r.leituras }) {
        QVERIFY(area.contains(j));
        QVERIFY(j.width() > 0 && j.height() > 0);
    }
    // The views one above the other, touching; beside the graph when there is room.
    QCOMPARE(r.informacoes.bottom() + 1, r.leituras.top());
    QCOMPARE(r.informacoes.left(), r.leituras.left());
    QCOMPARE(!r.grafico.intersects(r.informacoes) && !r.grafico.intersects(r.leituras), aoLado);
    if (aoLado)
        QVERIFY(r.informacoes.left() - r.grafico.right() <= 1);
    // Each graph opens a step below and right of the one before, five places round.
    const ArranjoGrafico::Arranjo antes = ArranjoGrafico::calcula(area, ordem - 1, 24);
    if (ordem % 5 != 0)
        QVERIFY(r.grafico.top() > antes.grafico.top());
    else
        QCOMPARE(r.grafico.topLeft(), area.topLeft());
}

// A cascade keeps every title bar in sight inside the area; a view opened
// over a cascaded graph narrows it to its own left edge.
void tst_MedicaoMarcadores::cascataEVistaAoLado()
{
    const QRect area(0, 0, 1000, 600);
    for (int n : { 1, 3, 12 }) {
        const QList<QRect> c = ArranjoGrafico::cascata(area, n, 24);
        QCOMPARE(c.size(), n);
        for (int i = 0; i < n; ++i) {
            QVERIFY(area.contains(c[i]));
            QCOMPARE(c[i].size(), c.first().size());
            if (i > 0 && c[i].top() > c[i - 1].top())
                QCOMPARE(c[i].topLeft(), c[i - 1].topLeft() + QPoint(24, 24));
            else if (i > 0)
                QCOMPARE(c[i].topLeft(), area.topLeft());
        }
        QVERIFY(c.last().width() >= area.width() * 2 / 3);
    }
    const QRect grafico(48, 48, 952, 552);
    QCOMPARE(ArranjoGrafico::aoLadoDe(grafico, QRect(620, 0, 380, 600)), QRect(48, 48, 572, 552));
    QCOMPARE(ArranjoGrafico::aoLadoDe(QRect(0, 0, 600, 600), QRect(620, 0, 380, 600)), QRect(0, 0, 600, 600));
    QCOMPARE(
        ArranjoGrafico::aoLadoDe(QRect(500, 0, 500, 600), QRect(620, 0, 380, 600)), QRect(500, 0, 500, 600));
}

QUORVANE_TEST_GUILESS_MAIN(tst_MedicaoMarcadores)
#include "tst_MedicaoMarcadores.moc"
