// A recording judged by an alarm profile, against tables worked out by
// hand: the verdict of each rule, what it measured, the excursions that
// break it, the worst window of the mean kinetic temperature and the days.
#include "AvaliacaoPerfil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "GravacaoTeste.h"
#include "Real48.h"
#include "RegistroTestes.h"
#include "TAquisicao.h"
#include "TextoAvaliacao.h"

#include <QtTest>

namespace {

using Valores = QList<double>;

// Channel 1 a Pt100 in °C (one decimal) holding `valores` from `inicio`,
// one entry every `intervalo` seconds (0: half-second mode); channel 2 in
// bar, which no rule for every channel in °C looks at.
TAquisicao documento(const Valores &valores, double intervalo, const QDateTime &inicio)
{
    TAquisicao a = gravacaoTeste();
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::deQDateTime(inicio);
    return comLeituras(a, int(valores.size()), [&](int i) { return ParTeste(valores[i], 1.0); });
}

QDateTime as(int dia, int hora)
{
    return QDateTime(QDate(2024, 1, dia), QTime(hora, 0));
}

RegraAlarme regra(TipoRegra tipo, bool acima, double limite, bool inclui, double segundos = 0,
    JanelaTcm janela = JanelaTcm::Inteira)
{
    return { 0, tipo, acima, limite, inclui, segundos, janela };
}

}  // namespace

Q_DECLARE_METATYPE(RegraAlarme)

class tst_AvaliacaoPerfil : public QObject
{
    Q_OBJECT
private slots:
    void umaRegra_data();
    void umaRegra();
    void janelaTcm_data();
    void janelaTcm();
    void perfilFornecido_data();
    void perfilFornecido();
    void dias();
    void textoDaRegra_data();
    void textoDaRegra();
};

void tst_AvaliacaoPerfil::umaRegra_data()
{
    QTest::addColumn<Valores>("valores");
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<RegraAlarme>("regra");
    QTest::addColumn<bool>("aprovada");
    QTest::addColumn<double>("segundos");
    // Each breaking excursion: first entry, last entry, seconds, peak, peak's entry.
    QTest::addColumn<Valores>("excursoes");

    const RegraAlarme evento = regra(TipoRegra::Evento, true, 8.0, true, 300);
    QTest::newRow("one event exactly D long fails") << Valores { 5, 9, 9.5, 9, 8, 9, 5 } << 60.0 << evento
                                                    << false << 300.0 << Valores { 1, 5, 300, 9.5, 2 };
    QTest::newRow("one entry shorter passes")
        << Valores { 5, 9, 9.5, 9, 8, 5, 9 } << 60.0 << evento << true << 240.0 << Valores {};
    QTest::newRow("cumulative: short events that add up")
        << Valores { 9, 5, 9, 9, 5, 9, 9, 5 } << 60.0 << regra(TipoRegra::Acumulado, true, 8.0, false, 300)
        << false << 300.0 << Valores { 0, 0, 60, 9, 0, 2, 3, 120, 9, 2, 5, 6, 120, 9, 5 };
    QTest::newRow("cumulative: one entry short of T")
        << Valores { 9, 5, 9, 9, 5, 9, 5 } << 60.0 << regra(TipoRegra::Acumulado, true, 8.0, false, 300)
        << true << 240.0 << Valores {};
    // 8,04 reads 8,0 at the channel's one decimal.
    QTest::newRow("equal to a threshold that counts")
        << Valores { 7, 8.04, 7 } << 60.0 << regra(TipoRegra::Instante, true, 8.0, true) << false << 60.0
        << Valores { 1, 1, 60, Real48::arredonda(8.04), 1 };
    QTest::newRow("equal to a threshold that does not count")
        << Valores { 7, 8.04, 7 } << 60.0 << regra(TipoRegra::Instante, true, 8.0, false) << true << 0.0
        << Valores {};
    QTest::newRow("below a threshold: the lowest value is the peak")
        << Valores { 0, -1, -3, -1, 0 } << 60.0 << regra(TipoRegra::Evento, false, -0.5, true, 180) << false
        << 180.0 << Valores { 1, 3, 180, -3, 2 };
    QTest::newRow("half-second mode: half a second an entry")
        << Valores { 9, 9, 9, 5, 9 } << 0.0 << regra(TipoRegra::Evento, true, 8.0, false, 1.5) << false << 1.5
        << Valores { 0, 2, 1.5, 9, 0 };
    QTest::newRow("half-second mode, one entry shorter")
        << Valores { 9, 9, 5, 9, 9 } << 0.0 << regra(TipoRegra::Evento, true, 8.0, false, 1.5) << true << 1.0
        << Valores {};
}

void tst_AvaliacaoPerfil::umaRegra()
{
    QFETCH(Valores, valores);
    QFETCH(double, intervalo);
    QFETCH(RegraAlarme, regra);
    QFETCH(bool, aprovada);
    QFETCH(double, segundos);
    QFETCH(Valores, excursoes);

    const Avaliacao av = avalia(
        documento(valores, intervalo, as(1, 8)), PerfilAlarme { QStringLiteral("p"), {}, false, { regra } });
    QCOMPARE(av.regras.size(), 1);
    const ResultadoRegra &r = av.regras.first();
    QCOMPARE(r.canal, 1);
    QCOMPARE(r.aprovada, aprovada);
    QCOMPARE(av.aprovado, aprovada);
    QCOMPARE(r.segundos, segundos);
    Valores obtidas;
    for (const ExcursaoAlarme &e : r.excursoes)
        obtidas << e.inicio << e.fim << e.segundos << e.pico << e.entradaPico;
    QCOMPARE(obtidas, excursoes);
}

void tst_AvaliacaoPerfil::janelaTcm_data()
{
    QTest::addColumn<Valores>("valores");
    QTest::addColumn<QDateTime>("inicio");
    QTest::addColumn<RegraAlarme>("regra");
    QTest::addColumn<bool>("aprovada");
    QTest::addColumn<double>("tcm");
    QTest::addColumn<int>("primeira");  // of the worst window
    QTest::addColumn<int>("ultima");

    const RegraAlarme dia = regra(TipoRegra::Tcm, true, 25.0, false, 0, JanelaTcm::Dia);
    Valores quente(12, 5.0);
    quente << Valores(24, 30.0) << Valores(12, 5.0);
    // Hourly: the worst 24 h run from 20:00 to 19:00 the next day.
    QTest::newRow("the worst window crosses midnight")
        << quente << as(1, 8) << dia << false << 30.0 << 12 << 35;
    Valores fim(20, 5.0);
    fim << Valores(10, 30.0);
    // 10000 / -ln((14 exp(-10000 / 278.15) + 10 exp(-10000 / 303.15)) / 24) - 273.15
    QTest::newRow("the worst window ends with the recording")
        << fim << as(1, 8) << dia << true << 22.771630760292226 << 6 << 29;
    const Valores curta { 20, 20, 20, 20, 20, 30, 30, 30, 30, 30 };
    QTest::newRow("a recording shorter than the window is one window")
        << curta << as(1, 8) << regra(TipoRegra::Tcm, true, 25.0, false, 0, JanelaTcm::Mes) << false
        << 26.25988691600344 << 0 << 9;
    // 10000 / -ln((24 exp(-10000 / 278.15) + 24 exp(-10000 / 303.15)) / 48) - 273.15
    QTest::newRow("below a limit, over the whole recording")
        << quente << as(1, 8) << regra(TipoRegra::Tcm, false, 24.3, false, 0, JanelaTcm::Inteira) << false
        << 24.2050125980835 << 0 << 47;
}

void tst_AvaliacaoPerfil::janelaTcm()
{
    QFETCH(Valores, valores);
    QFETCH(QDateTime, inicio);
    QFETCH(RegraAlarme, regra);
    QFETCH(bool, aprovada);
    QFETCH(double, tcm);
    QFETCH(int, primeira);
    QFETCH(int, ultima);

    const Avaliacao av = avalia(
        documento(valores, 3600, inicio), PerfilAlarme { QStringLiteral("p"), {}, false, { regra } });
    QCOMPARE(av.regras.size(), 1);
    const ResultadoRegra &r = av.regras.first();
    QVERIFY(r.janela);
    QCOMPARE(r.aprovada, aprovada);
    QVERIFY2(std::fabs(r.janela->tcm - tcm) < 1e-9, qPrintable(QString::number(r.janela->tcm)));
    QCOMPARE(r.janela->inicio, primeira);
    QCOMPARE(r.janela->fim, ultima);
}

void tst_AvaliacaoPerfil::perfilFornecido_data()
{
    QTest::addColumn<QString>("perfil");
    QTest::addColumn<Valores>("valores");
    QTest::addColumn<QList<bool>>("regras");  // each rule's verdict, in the profile's order

    // Ten minutes an entry.
    QTest::newRow("refrigerator: 8,0 and 2,0 are inside")
        << "geladeira" << Valores { 8.0, 2.0, 5.0 } << QList<bool> { true, true };
    QTest::newRow("refrigerator: 8,1 is beyond")
        << "geladeira" << Valores { 8.1, 5.0 } << QList<bool> { false, true };
    QTest::newRow("freezer: -15,0 is inside, -14,9 beyond")
        << "congelador" << Valores { -15.0, -14.9 } << QList<bool> { false };
    QTest::newRow("vaccines: 45,0 for an hour in one event")
        << "vacina-transporte" << Valores(6, 45.0) << QList<bool> { false, true, true };
    QTest::newRow("vaccines: 45 for 50 minutes, twice, and -0,5 for an hour")
        << "vacina-transporte" << (Valores(5, 45.0) << 20.0 << Valores(5, 45.0) << Valores(6, -0.5))
        << QList<bool> { true, true, false };
    QTest::newRow("vaccines: 30,0 for ten hours in all")
        << "vacina-transporte" << (Valores(30, 30.0) << 5.0 << Valores(30, 30.0))
        << QList<bool> { true, false, true };
    QTest::newRow("room: inside, the mean kinetic temperature too")
        << "ambiente" << Valores { 15.0, 25.0, 20.0 } << QList<bool> { true, true, true };
}

void tst_AvaliacaoPerfil::perfilFornecido()
{
    QFETCH(QString, perfil);
    QFETCH(Valores, valores);
    QFETCH(QList<bool>, regras);

    const auto p = PerfisAlarme::procura(PerfisAlarme::fornecidos(), perfil);
    QVERIFY(p && p->somenteLeitura);
    const Avaliacao av = avalia(documento(valores, 600, as(1, 8)), *p);
    QList<bool> obtidas;
    for (const ResultadoRegra &r : av.regras)
        obtidas << r.aprovada;
    QCOMPARE(obtidas, regras);
    QCOMPARE(av.aprovado, !regras.contains(false));
}

// Hourly from 22:00: two entries on the first day, three on the next; each
// day's time at or above 2,0 and below 1,5.
void tst_AvaliacaoPerfil::dias()
{
    const PerfilAlarme p { QStringLiteral("p"), {}, false,
        { regra(TipoRegra::Acumulado, true, 2.0, true, 86400),
            regra(TipoRegra::Instante, false, 1.5, false) } };
    const Avaliacao av = avalia(documento({ 1, 2, 3, 4, 1.5 }, 3600, as(1, 22)), p);
    // Channel 2's days follow channel 1's.
    QCOMPARE(av.dias.size(), 4);
    QCOMPARE(av.dias[2].canal, 2);
    const DiaCanal &d1 = av.dias[0];
    const DiaCanal &d2 = av.dias[1];
    QCOMPARE(DataHora::paraQDate(double(d1.dia)), QDate(2024, 1, 1));
    QCOMPARE(DataHora::paraQDate(double(d2.dia)), QDate(2024, 1, 2));
    QCOMPARE((Valores { double(d1.primeira), double(d1.entradas), d1.minimo, d1.maximo, d1.media }),
        (Valores { 0, 2, 1, 2, 1.5 }));
    QCOMPARE((Valores { double(d2.primeira), double(d2.entradas), d2.minimo, d2.maximo, d2.media }),
        (Valores { 2, 3, 1.5, 4, 8.5 / 3 }));
    QCOMPARE(d1.segundosAlem, (Valores { 3600, 3600 }));
    QCOMPARE(d2.segundosAlem, (Valores { 7200, 0 }));
}

QUORVANE_TEST_GUILESS_MAIN(tst_AvaliacaoPerfil)
#include "tst_AvaliacaoPerfil.moc"

void tst_AvaliacaoPerfil::textoDaRegra_data()
{
    QTest::addColumn<RegraAlarme>("regra");
    QTest::addColumn<QString>("texto");
    // Channel 1 shows one decimal: a threshold with more keeps them.
    QTest::newRow("à resolução") << regra(TipoRegra::Instante, true, 8.0, true)
                                 << QStringLiteral("a partir de 8,0 °C em qualquer leitura");
    QTest::newRow("mais casas") << regra(TipoRegra::Evento, false, -0.25, true, 3600)
                                << QStringLiteral("até -0,25 °C por 1:00:00 em um evento");
}

void tst_AvaliacaoPerfil::textoDaRegra()
{
    QFETCH(RegraAlarme, regra);
    QFETCH(QString, texto);
    const TAquisicao a = documento({ 5 }, 60.0, as(1, 0));
    QCOMPARE(TextoAvaliacao::regra(a, regra, 1, Catalogo(), ConfigRegional::portuguesBrasil()), texto);
}
