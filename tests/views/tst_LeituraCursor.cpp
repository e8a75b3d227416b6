// The readouts under the mouse without a window: the entry under the
// pointer (truncation, the right edge, the half-second spacing) and the
// texts of the acquisition label, the date label and the channel boxes.
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "LeituraCursor.h"
#include "RegistroTestes.h"

#include "TAquisicao.h"
#include <QtTest>

namespace {

const TDateTime kInicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);

TDateTime segundos(double s)
{
    return kInicio + s / 86400.0;
}

// Temp (4-20 mA, one decimal) and Umid (one decimal): the fourth entry
// holds 23.5 and 61.0.
TAquisicao documento(double intervalo, int canais = 2)
{
    TAquisicao a;
    a.NumCanais = canais;
    a.SensorCanal1 = 9;
    a.SensorCanal2 = canais == 2 ? 9 : -1;
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 1;
    a.defineIntervalo(intervalo);
    a.Inicio = kInicio;
    for (int i = 0; i < 10; ++i)
        a.adicionaLeitura(20.0 + i + 0.5, 58.0 + i);
    a.AjustaFim();
    return a;
}

ConfigRegional regionalPonto()
{
    ConfigRegional r = ConfigRegional::portuguesBrasil();
    r.separadorDecimal = u'.';
    return r;
}

}  // namespace

class tst_LeituraCursor : public QObject
{
    Q_OBJECT
private slots:
    void entradaSobOPonteiro_data();
    void entradaSobOPonteiro();
    void textosDaEntrada_data();
    void textosDaEntrada();
    void valorPelaRegraDoCanal_data();
    void valorPelaRegraDoCanal();
};

void tst_LeituraCursor::entradaSobOPonteiro_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<double>("ponteiro");  // seconds after Inicio
    QTest::addColumn<bool>("borda");
    QTest::addColumn<double>("maximo");  // the axis maximum, seconds after Inicio
    QTest::addColumn<qint64>("k");
    QTest::newRow("on the first point") << 10.0 << 0.0 << false << 90.0 << qint64(0);
    QTest::newRow("just before the next step truncates") << 10.0 << 19.9 << false << 90.0 << qint64(1);
    QTest::newRow("fourth point") << 10.0 << 30.0 << false << 90.0 << qint64(3);
    QTest::newRow("fraction of a second dropped first") << 10.0 << 39.999 << false << 90.0 << qint64(3);
    QTest::newRow("less than a step before the first point") << 10.0 << -9.0 << false << 90.0 << qint64(0);
    QTest::newRow("a step before the first point") << 10.0 << -10.0 << false << 90.0 << qint64(-1);
    QTest::newRow("beyond the last point") << 10.0 << 120.0 << false << 130.0 << qint64(12);
    QTest::newRow("right edge takes the axis maximum") << 10.0 << 5.0 << true << 75.0 << qint64(7);
    QTest::newRow("interval's integer part") << 2.5 << 9.0 << false << 90.0 << qint64(4);
    QTest::newRow("interval under a second steps one second") << 0.4 << 3.0 << false << 90.0 << qint64(3);
    QTest::newRow("half-second: 120 s per entry") << 0.0 << 479.0 << false << 1080.0 << qint64(3);
    QTest::newRow("half-second right edge") << 0.0 << 0.0 << true << 1080.0 << qint64(9);
}

void tst_LeituraCursor::entradaSobOPonteiro()
{
    QFETCH(double, intervalo);
    QFETCH(double, ponteiro);
    QFETCH(bool, borda);
    QFETCH(double, maximo);
    QFETCH(qint64, k);
    const TAquisicao a = documento(intervalo);
    LeituraCursor::Ponteiro p;
    p.naBordaDireita = borda;
    p.instante = segundos(ponteiro);
    p.maximoEixo = segundos(maximo);
    QCOMPARE(LeituraCursor::indice(a, a.Inicio, p), k);
}

void tst_LeituraCursor::textosDaEntrada_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("canais");
    QTest::addColumn<int>("serie");  // 1 first, 2 second
    QTest::addColumn<qint64>("k");
    QTest::addColumn<bool>("borda");
    QTest::addColumn<QString>("aquisicao");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("caixa1");  // "-" untouched
    QTest::addColumn<QString>("caixa2");
    // The pointer lies at 10:00:35.6.
    QTest::newRow("first series, fourth point") << 10.0 << 2 << 1 << qint64(3) << false << " Aquisição: 4"
                                                << " Data: 01/01/2000 10:00:35"
                                                << "Temp: 23.5"
                                                << "-";
    QTest::newRow("second series, fourth point") << 10.0 << 2 << 2 << qint64(3) << false << " Aquisição: 4"
                                                 << " Data: 01/01/2000 10:00:35"
                                                 << "-"
                                                 << "Umid: 61.0";
    QTest::newRow("at the right edge the point's own instant")
        << 10.0 << 2 << 1 << qint64(3) << true << " Aquisição: 4"
        << " Data: 01/01/2000 10:00:30"
        << "Temp: 23.5"
        << "-";
    QTest::newRow("beyond the last point: blank forms")
        << 10.0 << 2 << 1 << qint64(10) << false << " Aquisição: "
        << "Data: "
        << "Temp: "
        << "-";
    QTest::newRow("before the first point: blank forms")
        << 10.0 << 2 << 2 << qint64(-1) << false << " Aquisição: "
        << "Data: "
        << "-"
        << "Umid: ";
    QTest::newRow("half-second: the entry's mark") << 0.0 << 2 << 1 << qint64(3) << false << " Aquisição: 4"
                                                   << " Data: 01/01/2000 10:00:01 .5"
                                                   << "Temp: 23.5"
                                                   << "-";
    QTest::newRow("half-second: even entry") << 0.0 << 2 << 1 << qint64(4) << false << " Aquisição: 5"
                                             << " Data: 01/01/2000 10:00:02 .0"
                                             << "Temp: 24.5"
                                             << "-";
    QTest::newRow("one channel sets both boxes") << 10.0 << 1 << 1 << qint64(3) << false << " Aquisição: 4"
                                                 << " Data: 01/01/2000 10:00:35"
                                                 << "Temp: 23.5"
                                                 << "Umid: 23.5";
}

void tst_LeituraCursor::textosDaEntrada()
{
    QFETCH(double, intervalo);
    QFETCH(int, canais);
    QFETCH(int, serie);
    QFETCH(qint64, k);
    QFETCH(bool, borda);
    QFETCH(QString, aquisicao);
    QFETCH(QString, data);
    QFETCH(QString, caixa1);
    QFETCH(QString, caixa2);
    const TAquisicao a = documento(intervalo, canais);
    LeituraCursor::Ponteiro p;
    p.naBordaDireita = borda;
    p.instante = segundos(35.6);
    const double y = k >= 0 && k < a.NumLeituras() ? a.leitura(int(k)).canal(serie) : 0.0;
    const auto t = LeituraCursor::textos(a,
        serie == 1 ? LeituraCursor::Serie::Primeira : LeituraCursor::Serie::Segunda, k, y, p, Catalogo(),
        regionalPonto());
    QCOMPARE(t.aquisicao, aquisicao);
    QCOMPARE(t.data, data);
    QCOMPARE(t.caixa1.value_or(QStringLiteral("-")), caixa1);
    QCOMPARE(t.caixa2.value_or(QStringLiteral("-")), caixa2);
}

void tst_LeituraCursor::valorPelaRegraDoCanal_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("decimais");
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("texto");  // "-": the caption stays as it was
    QTest::newRow("Pt100 with one decimal whatever its places") << 8 << 0 << 21.25 << "21,3";
    QTest::newRow("no decimals: shortest text") << 9 << 0 << 61.0 << "61";
    QTest::newRow("no decimals keeps a fraction") << 9 << 0 << 61.25 << "61,25";
    QTest::newRow("one decimal") << 9 << 1 << 61.0 << "61,0";
    QTest::newRow("two decimals") << 9 << 2 << -3.456 << "-3,46";
    QTest::newRow("three decimals") << 9 << 3 << 0.5 << "0,500";
    QTest::newRow("four decimals: unchanged") << 9 << 4 << 1.0 << "-";
}

void tst_LeituraCursor::valorPelaRegraDoCanal()
{
    QFETCH(int, sensor);
    QFETCH(int, decimais);
    QFETCH(double, valor);
    QFETCH(QString, texto);
    TAquisicao a = documento(10);
    a.SensorCanal2 = sensor;
    a.DecimaisCanal2 = decimais;
    QCOMPARE(LeituraCursor::valorCanal(a, 2, valor, u',').value_or(QStringLiteral("-")), texto);
}

QUORVANE_TEST_GUILESS_MAIN(tst_LeituraCursor)
#include "tst_LeituraCursor.moc"
