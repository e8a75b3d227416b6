// Reading a graph window: the zoom steps and their refusals, the readouts
// under the mouse, the zoom by dragging in whole seconds, the zoom range
// applied from its dialog, the cross-hair leaving, the time axis without
// shown series and the export that follows it, and the measurement markers.
#include "AmbienteFalso.h"
#include "DataHora.h"
#include "GraficoLinhas.h"
#include "LeituraCursor.h"
#include "NumeracaoGraficos.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"
#include "TFormGrafico.h"
#include "TFrmFaixaZoom.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

const double kUmSegundo = 1.0 / 86400.0;

// Temp (one decimal, 0 to 100) and Umid (one decimal, -100 to 200): the
// fourth entry holds 23.5 and 61.0.
TAquisicao documento(double intervalo = 10, int n = 50, int canais = 2)
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Forno");
    a.NumCanais = canais;
    a.SensorCanal1 = 9;
    a.SensorCanal2 = canais == 2 ? 9 : -1;
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.UnidadeCanal2 = QStringLiteral("%");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 1;
    a.LimInfCanal1 = 0;
    a.LimSupCanal1 = 1000;
    a.LimInfCanal2 = -1000;
    a.LimSupCanal2 = 2000;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    for (int i = 0; i < n; ++i)
        a.adicionaLeitura(20.5 + i, 58.0 + i);
    return a;
}

struct Faixas
{
    double tempoMin, tempoMax, esqMin, esqMax, dirMin, dirMax;
};

Faixas faixas(const GraficoLinhas *g)
{
    return { g->minimo(EixoGrafico::Inferior), g->maximo(EixoGrafico::Inferior),
        g->minimo(EixoGrafico::Esquerdo), g->maximo(EixoGrafico::Esquerdo), g->minimo(EixoGrafico::Direito),
        g->maximo(EixoGrafico::Direito) };
}

bool perto(double a, double b)
{
    return qAbs(a - b) < 1e-9 * (1 + qAbs(a));
}

}  // namespace

class tst_LeituraGrafico : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void passosDeZoom_data();
    void passosDeZoom();
    void leiturasSobOMouse_data();
    void leiturasSobOMouse();
    void cruzSaiComOMouseEComOZoom();
    void arrastoAproximaEmSegundosInteiros();
    void faixaDoDialogoAplicada_data();
    void faixaDoDialogoAplicada();
    void eixoDeTempoSemCanaisGuardaODocumento_data();
    void eixoDeTempoSemCanaisGuardaODocumento();
    void marcadoresMedemEntreAeB();

private:
    TFormGrafico *cria(TAquisicao a);
    QPoint pixelDaEntrada(int i) const;

    AmbienteFalso m_falsos;
    NumeracaoGraficos m_numeracao;
    QPointer<TFormGrafico> m_janela;
    std::function<void(TFrmFaixaZoom &)> m_dialogo;
};

void tst_LeituraGrafico::init()
{
    m_falsos.mensagens = MensagensFalsas();
    m_falsos.regional = ConfigRegional::portuguesBrasil();
    m_dialogo = nullptr;
}

void tst_LeituraGrafico::cleanup()
{
    if (m_janela)
        m_janela->Seta_Modo_Arq(true);
    delete m_janela.data();
}

TFormGrafico *tst_LeituraGrafico::cria(TAquisicao a)
{
    TFormGrafico::Ligacoes l;
    l.numeracao = &m_numeracao;
    l.mostraFaixaZoom = [this](TFrmFaixaZoom &d) {
        if (m_dialogo)
            m_dialogo(d);
    };
    m_janela = new TFormGrafico(m_falsos.ambiente, l);
    m_janela->setWindowTitle(QStringLiteral("Forno - Gráfico"));
    m_janela->resize(900, 600);
    m_janela->Seta_Aquisicao(std::move(a));
    m_janela->show();
    if (!QTest::qWaitForWindowExposed(m_janela))
        return nullptr;
    m_janela->TheChart->redesenha();
    return m_janela;
}

// A pixel a little after entry i's point, half-way down the plot.
QPoint tst_LeituraGrafico::pixelDaEntrada(int i) const
{
    const GraficoLinhas *g = m_janela->TheChart;
    const double x = g->pixelDoValor(EixoGrafico::Inferior, m_janela->Canal1->x(i));
    return QPoint(int(std::ceil(x)) + 1, g->areaGrafico().center().y());
}

void tst_LeituraGrafico::passosDeZoom_data()
{
    QTest::addColumn<int>("limSup1");  // channel 1's upper limit, tenths
    QTest::addColumn<bool>("aproxima");
    // How far each end moves inwards: the time axis (both ends), the left
    // minimum and maximum, the right minimum and maximum.
    QTest::addColumn<QList<double>>("mudanca");
    QTest::newRow("in: a second and 50 units at each end")
        << 2000 << true << QList<double> { kUmSegundo, 50, 50, 50, 50 };
    QTest::newRow("out: the same outwards")
        << 2000 << false << QList<double> { -kUmSegundo, -50, -50, -50, -50 };
    // 0 to 100 would become 50 to 50, an axis without a span: the maximum
    // is refused as a maximum below the minimum is.
    QTest::newRow("in: 0 to 100, the maximum refused")
        << 1000 << true << QList<double> { kUmSegundo, 50, 0, 0, 0 };
    // 0 to 80: the minimum becomes 50, the maximum 30 is refused, and the
    // left maximum and the whole right axis stay.
    QTest::newRow("in: 0 to 80, the maximum refused")
        << 800 << true << QList<double> { kUmSegundo, 50, 0, 0, 0 };
}

void tst_LeituraGrafico::passosDeZoom()
{
    QFETCH(int, limSup1);
    QFETCH(bool, aproxima);
    QFETCH(QList<double>, mudanca);
    TAquisicao a = documento();
    a.LimSupCanal1 = limSup1;
    TFormGrafico *j = cria(a);
    QVERIFY(j);
    const Faixas antes = faixas(j->TheChart);
    aproxima ? j->ZoomIn() : j->ZoomOut();
    const Faixas depois = faixas(j->TheChart);
    QVERIFY(perto(depois.tempoMin, antes.tempoMin + mudanca[0]));
    QVERIFY(perto(depois.tempoMax, antes.tempoMax - mudanca[0]));
    QCOMPARE(depois.esqMin, antes.esqMin + mudanca[1]);
    QCOMPARE(depois.esqMax, antes.esqMax - mudanca[2]);
    QCOMPARE(depois.dirMin, antes.dirMin + mudanca[3]);
    QCOMPARE(depois.dirMax, antes.dirMax - mudanca[4]);
    QCOMPARE(j->cruzX(), -2);
    // The opposite step undoes it exactly; "100%" puts the start back.
    if (mudanca[2] != 0) {
        aproxima ? j->ZoomOut() : j->ZoomIn();
        const Faixas volta = faixas(j->TheChart);
        QVERIFY(perto(volta.tempoMin, antes.tempoMin) && perto(volta.tempoMax, antes.tempoMax));
        QCOMPARE(volta.esqMin, antes.esqMin);
        QCOMPARE(volta.dirMax, antes.dirMax);
    }
    j->UndoZoom();
    const Faixas desfeito = faixas(j->TheChart);
    QCOMPARE(desfeito.esqMax, antes.esqMax);
    QVERIFY(perto(desfeito.tempoMin, antes.tempoMin) && perto(desfeito.tempoMax, antes.tempoMax));
}

void tst_LeituraGrafico::leiturasSobOMouse_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("canais");
    QTest::addColumn<QChar>("separador");
    QTest::addColumn<bool>("cruz");
    QTest::addColumn<int>("entrada");  // -1: beyond the last point after zooming out
    QTest::addColumn<QString>("aquisicao");
    QTest::addColumn<QString>("data");  // the start of it
    QTest::addColumn<QString>("caixa1");
    QTest::addColumn<QString>("caixa2");
    QTest::newRow("fourth point") << 10.0 << 2 << QChar(u'.') << true << 3 << " Aquisição: 4"
                                  << " Data: 01/01/2000 10:00:3"
                                  << "Temp: 23.5"
                                  << "Umid: 61.0";
    QTest::newRow("regional comma") << 10.0 << 2 << QChar(u',') << true << 3 << " Aquisição: 4"
                                    << " Data: 01/01/2000 10:00:3"
                                    << "Temp: 23,5"
                                    << "Umid: 61,0";
    QTest::newRow("cross unchecked: the readouts still follow")
        << 10.0 << 2 << QChar(u'.') << false << 3 << " Aquisição: 4"
        << " Data: 01/01/2000 10:00:3"
        << "Temp: 23.5"
        << "Umid: 61.0";
    QTest::newRow("beyond the last point") << 10.0 << 2 << QChar(u'.') << true << -1 << " Aquisição: "
                                           << "Data: "
                                           << "Temp: "
                                           << "Umid: ";
    QTest::newRow("half-second mark") << 0.0 << 2 << QChar(u'.') << true << 3 << " Aquisição: 4"
                                      << " Data: 01/01/2000 10:00:01 .5"
                                      << "Temp: 23.5"
                                      << "Umid: 61.0";
    QTest::newRow("one channel") << 10.0 << 1 << QChar(u'.') << true << 3 << " Aquisição: 4"
                                 << " Data: 01/01/2000 10:00:3"
                                 << "Temp: 23.5"
                                 << "Umid: 23.5";  // hidden, set by channel 2's rule
}

void tst_LeituraGrafico::leiturasSobOMouse()
{
    QFETCH(double, intervalo);
    QFETCH(int, canais);
    QFETCH(QChar, separador);
    QFETCH(bool, cruz);
    QFETCH(int, entrada);
    QFETCH(QString, aquisicao);
    QFETCH(QString, data);
    QFETCH(QString, caixa1);
    QFETCH(QString, caixa2);
    m_falsos.regional.separadorDecimal = separador;
    TFormGrafico *j = cria(documento(intervalo, 50, canais));
    QVERIFY(j);
    if (!cruz)
        j->CheckBoxCross->click();
    QPoint p;
    if (entrada >= 0) {
        p = pixelDaEntrada(entrada);
    } else {
        for (int i = 0; i < 30; ++i)
            j->ZoomOut();
        p = QPoint(j->TheChart->areaGrafico().right() - 4, j->TheChart->areaGrafico().center().y());
    }
    QTest::mouseMove(j->TheChart, QPoint(1, 1));
    QTest::mouseMove(j->TheChart, p);
    QCOMPARE(j->Lbl_Aquisicao->text(), aquisicao);
    QVERIFY2(j->Lbl_data->text().startsWith(data), qPrintable(j->Lbl_data->text()));
    QCOMPARE(j->CheckBoxSerie1->text(), caixa1);
    QCOMPARE(j->CheckBoxSerie2->text(), caixa2);
    QCOMPARE(j->TheChart->temCruz(), cruz);
    QCOMPARE(j->cruzX(), cruz ? p.x() : -1);
}

void tst_LeituraGrafico::cruzSaiComOMouseEComOZoom()
{
    TFormGrafico *j = cria(documento());
    QVERIFY(j);
    QCOMPARE(j->corCruz(), QColor(255, 255, 255));
    const QPoint c = j->TheChart->areaGrafico().center();
    QTest::mouseMove(j->TheChart, c);
    QVERIFY(j->TheChart->temCruz());
    // Leaving the chart takes the cross away.
    QEvent sai(QEvent::Leave);
    QCoreApplication::sendEvent(j->TheChart, &sai);
    QVERIFY(!j->TheChart->temCruz());
    QCOMPARE(j->cruzX(), -1);
    // So does a zoom, and a move outside the plot area.
    QTest::mouseMove(j->TheChart, c);
    j->ZoomIn();
    QVERIFY(!j->TheChart->temCruz());
    QCOMPARE(j->cruzX(), -2);
    QTest::mouseMove(j->TheChart, c);
    QTest::mouseMove(j->TheChart, QPoint(2, 2));
    QVERIFY(!j->TheChart->temCruz());
    QCOMPARE(j->cruzX(), -1);
}

void tst_LeituraGrafico::arrastoAproximaEmSegundosInteiros()
{
    TFormGrafico *j = cria(documento());
    QVERIFY(j);
    const Faixas antes = faixas(j->TheChart);
    const QRect a = j->TheChart->areaGrafico();
    const QPoint de = a.topLeft() + QPoint(a.width() / 5 + 3, a.height() / 4);
    const QPoint ate = a.topLeft() + QPoint(a.width() * 3 / 5 + 7, a.height() * 3 / 4);
    QTest::mousePress(j->TheChart, Qt::LeftButton, {}, de);
    QTest::mouseMove(j->TheChart, ate);
    QTest::mouseRelease(j->TheChart, Qt::LeftButton, {}, ate);
    const auto inteiro = [](double t) { return LeituraCursor::segundosInteiros(t).value_or(-1); };
    // The time axis runs between the whole seconds under the press and the release.
    QCOMPARE(j->tempoMin(),
        inteiro(antes.tempoMin + (antes.tempoMax - antes.tempoMin) * (de.x() - a.left()) / (a.width() - 1)));
    QCOMPARE(j->TheChart->minimo(EixoGrafico::Inferior), j->tempoMin());
    QCOMPARE(j->TheChart->maximo(EixoGrafico::Inferior), j->tempoMax());
    QCOMPARE(inteiro(j->tempoMax()), j->tempoMax());
    QVERIFY(j->tempoMax() > j->tempoMin());
    // The value axes take the rectangle's height.
    QVERIFY(j->TheChart->minimo(EixoGrafico::Esquerdo) > antes.esqMin);
    QVERIFY(j->TheChart->maximo(EixoGrafico::Esquerdo) < antes.esqMax);
    QCOMPARE(j->cruzX(), -2);
    // "100%": everything back, and the saved range is the axis's again.
    j->UndoZoom();
    QVERIFY(perto(j->TheChart->minimo(EixoGrafico::Inferior), antes.tempoMin));
    QCOMPARE(j->tempoMin(), j->TheChart->minimo(EixoGrafico::Inferior));
    QCOMPARE(j->tempoMax(), j->TheChart->maximo(EixoGrafico::Inferior));
    QCOMPARE(j->TheChart->maximo(EixoGrafico::Esquerdo), antes.esqMax);
}

void tst_LeituraGrafico::faixaDoDialogoAplicada_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<bool>("cancela");
    QTest::addColumn<bool>("escalaUnica");
    QTest::addColumn<QString>("horas");  // start and end time typed
    QTest::addColumn<QList<double>>("valores");  // typed left min/max, right min/max
    QTest::addColumn<QList<double>>("tempo");  // seconds after Inicio the axis runs between
    QTest::addColumn<QList<double>>("eixos");  // left min/max, right min/max shown
    QTest::newRow("interval") << 10.0 << false << false << "10:01:00 10:05:00"
                              << QList<double> { 10, 60, 30, 70 } << QList<double> { 60, 300 }
                              << QList<double> { 10, 60, 30, 70 };
    QTest::newRow("right range wholly above the present one is applied")
        << 10.0 << false << false << "10:01:00 10:05:00" << QList<double> { 10, 60, 5000, 6000 }
        << QList<double> { 60, 300 } << QList<double> { 10, 60, 5000, 6000 };
    QTest::newRow("left range wholly above")
        << 10.0 << false << false << "10:01:00 10:05:00" << QList<double> { 500, 600, 30, 70 }
        << QList<double> { 60, 300 } << QList<double> { 500, 600, 30, 70 };
    // Entries 2 and 6 lie at 1 s and 3 s; their x values 240 s and 720 s.
    QTest::newRow("half-second: the entries' x values")
        << 0.0 << false << false << "10:00:01 10:00:03" << QList<double> { 10, 60, 30, 70 }
        << QList<double> { 240, 720 } << QList<double> { 10, 60, 30, 70 };
    QTest::newRow("single scale replaces the value ranges")
        << 10.0 << false << true << "10:01:00 10:05:00" << QList<double> { 10, 60, 30, 70 }
        << QList<double> { 60, 300 } << QList<double> { -100, 200, -100, 200 };
    QTest::newRow("cancelled: nothing changes")
        << 10.0 << true << false << "10:01:00 10:05:00" << QList<double> { 10, 60, 30, 70 }
        << QList<double> { 0, 490 } << QList<double> { 0, 100, -100, 200 };
}

void tst_LeituraGrafico::faixaDoDialogoAplicada()
{
    QFETCH(double, intervalo);
    QFETCH(bool, cancela);
    QFETCH(bool, escalaUnica);
    QFETCH(QString, horas);
    QFETCH(QList<double>, valores);
    QFETCH(QList<double>, tempo);
    QFETCH(QList<double>, eixos);
    TFormGrafico *j = cria(documento(intervalo, 50));
    QVERIFY(j);
    if (escalaUnica)
        j->CheckBoxEscala->click();
    const Faixas antes = faixas(j->TheChart);
    int mostrado = 0;
    m_dialogo = [&](TFrmFaixaZoom &d) {
        ++mostrado;
        d.show();
        QCOMPARE(d.NumFaixas, 2);
        d.MEHoraInicial->setText(horas.section(u' ', 0, 0));
        d.MEHoraFinal->setText(horas.section(u' ', 1, 1));
        d.MEValorDe->setText(QString::number(valores[0]));
        d.MEValorAte->setText(QString::number(valores[1]));
        d.MEValor2De->setText(QString::number(valores[2]));
        d.MEValor2Ate->setText(QString::number(valores[3]));
        cancela ? d.CancelBtn->click() : d.OKBtn->click();
    };
    j->ConfigFaixaZoom();
    QCOMPARE(mostrado, 1);
    QVERIFY(m_falsos.mensagens.registro.isEmpty());
    const Faixas f = faixas(j->TheChart);
    const double inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    QCOMPARE(qRound((f.tempoMin - inicio) * 86400), qRound(tempo[0]));
    QCOMPARE(qRound((f.tempoMax - inicio) * 86400), qRound(tempo[1]));
    QCOMPARE(QList<double>({ f.esqMin, f.esqMax, f.dirMin, f.dirMax }), eixos);
    // "100%" goes back to the graph as it was.
    j->UndoZoom();
    const Faixas desfeito = faixas(j->TheChart);
    QVERIFY(perto(desfeito.tempoMin, antes.tempoMin) && perto(desfeito.tempoMax, antes.tempoMax));
    QCOMPARE(desfeito.esqMin, antes.esqMin);
    QCOMPARE(desfeito.dirMax, antes.dirMax);
}

void tst_LeituraGrafico::eixoDeTempoSemCanaisGuardaODocumento_data()
{
    QTest::addColumn<int>("entradas");
    QTest::addColumn<bool>("desmarca");
    QTest::addColumn<int>("linhasExportadas");
    QTest::newRow("every channel box unchecked") << 50 << true << 50;
    QTest::newRow("no entries") << 0 << false << 0;
}

void tst_LeituraGrafico::eixoDeTempoSemCanaisGuardaODocumento()
{
    QFETCH(int, entradas);
    QFETCH(bool, desmarca);
    QFETCH(int, linhasExportadas);
    TFormGrafico *j = cria(documento(10, entradas));
    QVERIFY(j);
    if (desmarca) {
        j->CheckBoxSerie1->click();
        j->CheckBoxSerie2->click();
    }
    const TAquisicao &a = j->aquisicao();
    QVERIFY(j->TheChart->minimo(EixoGrafico::Inferior) <= a.Inicio);
    QVERIFY(j->TheChart->maximo(EixoGrafico::Inferior) >= a.Fim);
    QVERIFY(j->TheChart->maximo(EixoGrafico::Inferior) - a.Fim < 2 * kUmSegundo);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("x.txt"));
    QVERIFY(j->Grava_Arquivo_Exportar(caminho));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = f.readAll().split('\n');
    const auto leituras = std::count_if(
        linhas.begin(), linhas.end(), [](const QByteArray &l) { return l.contains("01/01/2000"); });
    // The readings, plus the first and last dates of the general parameters.
    QCOMPARE(int(leituras), linhasExportadas + 2);
}

void tst_LeituraGrafico::marcadoresMedemEntreAeB()
{
    TFormGrafico *j = cria(documento());
    QVERIFY(j);
    QVERIFY(j->PainelMedicao->isHidden());
    QTest::mouseClick(j->TheChart, Qt::LeftButton, Qt::ShiftModifier, pixelDaEntrada(2));
    QCOMPARE(j->marcadorA(), 2);
    QCOMPARE(j->marcadorB(), -1);
    QVERIFY(j->PainelMedicao->isVisible());
    QVERIFY(j->LabelMedicao->text().startsWith(QStringLiteral("A: 01/01/2000 10:00:20")));
    QTest::mouseClick(j->TheChart, Qt::LeftButton, Qt::ShiftModifier, pixelDaEntrada(5));
    QCOMPARE(j->marcadorB(), 5);
    const QStringList linhas = j->LabelMedicao->text().split(u'\n');
    QCOMPARE(linhas.size(), 3);
    QCOMPARE(
        linhas[0], QStringLiteral("A: 01/01/2000 10:00:20    B: 01/01/2000 10:00:50    B - A: 00:00:30"));
    QVERIFY(linhas[1].startsWith(QStringLiteral("Temp:  A 22,5   B 25,5   B - A 3,0")));
    QCOMPARE(j->TheChart->marcadores().size(), 2);
    // A plain click places nothing; a third Shift click starts over.
    QTest::mouseClick(j->TheChart, Qt::LeftButton, {}, pixelDaEntrada(8));
    QCOMPARE(j->marcadorB(), 5);
    QTest::mouseClick(j->TheChart, Qt::LeftButton, Qt::ShiftModifier, pixelDaEntrada(8));
    QCOMPARE(j->marcadorA(), 8);
    QCOMPARE(j->marcadorB(), -1);
    j->BotaoFechaMedicao->click();
    QVERIFY(j->PainelMedicao->isHidden());
    QVERIFY(j->TheChart->marcadores().isEmpty());
}

QUORVANE_TEST_MAIN(tst_LeituraGrafico)
#include "tst_LeituraGrafico.moc"
