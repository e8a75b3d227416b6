#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "Instantes.h"
#include "LinhasLeituras.h"
#include "ModeloLeituras.h"
#include "RegistroTestes.h"

#include "TAquisicao.h"
#include <QtTest>

namespace {

TAquisicao documento(
    int canais, int sensor1, int decimais1, int sensor2, int decimais2, double intervalo = 10)
{
    TAquisicao a;
    a.NumCanais = canais;
    a.SensorCanal1 = sensor1;
    a.DecimaisCanal1 = decimais1;
    a.SensorCanal2 = sensor2;
    a.DecimaisCanal2 = decimais2;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value();
    return a;
}

QString linha(const TAquisicao &a, int k, QChar separador = u',')
{
    Catalogo catalogo;
    ConfigRegional r = ConfigRegional::portuguesBrasil();
    r.separadorDecimal = separador;
    return LinhasLeituras(a, catalogo, r).linha(k);
}

}  // namespace

class tst_LinhasLeituras : public QObject
{
    Q_OBJECT
private slots:
    void cabecalhoNasSuasColunas();
    void colunasDeUmaLinha();
    void valoresPorCanal_data();
    void valoresPorCanal();
    void meioSegundoComMarcas_data();
    void meioSegundoComMarcas();
    void separadoresEFormatoDaHoraRegionais();
    void campoLongoNaoEhCortado();
    void modeloFazALinhaQuandoPedida();
    void buscaPorTextoDigitado_data();
    void buscaPorTextoDigitado();
};

void tst_LinhasLeituras::cabecalhoNasSuasColunas()
{
    const QString c = linha(documento(2, 1, 0, 1, 0), 0);
    QCOMPARE(c.indexOf(QStringLiteral("Num. Registro")), 0);
    QCOMPARE(c.indexOf(QStringLiteral("Horário")), 18);
    QCOMPARE(c.indexOf(QStringLiteral("Data")), 38);
    QCOMPARE(c.indexOf(QStringLiteral("Canal 1")), 58);
    QCOMPARE(c.indexOf(QStringLiteral("Canal 2")), 78);
    QCOMPARE(c.size(), 98);
}

void tst_LinhasLeituras::colunasDeUmaLinha()
{
    TAquisicao a = documento(2, 9, 1, 9, 1);
    a.adicionaLeitura(17.5, -3.25);
    a.adicionaLeitura(18, 4);
    const QString l = linha(a, 2);
    QCOMPARE(l.left(22), QStringLiteral("00002") + QString(17, u' '));
    QCOMPARE(l.mid(22, 18), QStringLiteral("10:00:10") + QString(10, u' '));
    QCOMPARE(l.mid(40, 15), QStringLiteral("01/01/2000") + QString(5, u' '));
    QCOMPARE(l.mid(55, 23), QStringLiteral("18,0") + QString(19, u' '));
    QCOMPARE(l.mid(78), QStringLiteral("4,0") + QString(12, u' '));
    QCOMPARE(linha(a, 1).mid(78, 4), QStringLiteral("-3,3"));  // a half rounds away from zero
}

void tst_LinhasLeituras::valoresPorCanal_data()
{
    QTest::addColumn<int>("canais");
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("decimais1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<int>("decimais2");
    QTest::addColumn<QString>("canal1");
    QTest::addColumn<QString>("canal2");
    // The entry holds 12.3456 on channel 1 and 7 on channel 2.
    QTest::newRow("general text without the 48-bit real's noise") << 2 << 9 << 0 << 9 << 0 << "12,3456"
                                                                  << "7";
    QTest::newRow("two channels, 2 and 3 decimals") << 2 << 9 << 2 << 10 << 3 << "12,35"
                                                    << "7,000";
    QTest::newRow("Pt100 with one decimal whatever its decimals") << 2 << 8 << 3 << 8 << 0 << "12,3"
                                                                  << "7,0";
    QTest::newRow("other decimals: empty column") << 2 << 9 << 4 << 9 << -1 << ""
                                                  << "";
    QTest::newRow("one channel on channel 1") << 1 << 1 << 0 << -1 << 0 << "12,3456"
                                              << "0";
    QTest::newRow("one channel on channel 2") << 1 << -1 << 0 << 9 << 1 << "0"
                                              << "7,0";
    QTest::newRow("0 channels count as two") << 0 << -1 << 0 << 9 << 1 << "12,3456"
                                             << "7,0";
    QTest::newRow("negative channels count as two") << -1 << 1 << 0 << -1 << 2 << "12,3456"
                                                    << "7,00";
}

void tst_LinhasLeituras::valoresPorCanal()
{
    QFETCH(int, canais);
    QFETCH(int, sensor1);
    QFETCH(int, decimais1);
    QFETCH(int, sensor2);
    QFETCH(int, decimais2);
    QFETCH(QString, canal1);
    QFETCH(QString, canal2);
    TAquisicao a = documento(canais, sensor1, decimais1, sensor2, decimais2);
    a.adicionaLeitura(12.3456, 7);
    const QString l = linha(a, 1);
    QCOMPARE(l.mid(55, 23).trimmed(), canal1);
    QCOMPARE(l.mid(78).trimmed(), canal2);
}

void tst_LinhasLeituras::meioSegundoComMarcas_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("hora");
    QTest::newRow("first") << 1 << "10:00:00 .0";
    QTest::newRow("second") << 2 << "10:00:00 .5";
    QTest::newRow("fourth") << 4 << "10:00:01 .5";
    QTest::newRow("fifth") << 5 << "10:00:02 .0";
}

void tst_LinhasLeituras::meioSegundoComMarcas()
{
    QFETCH(int, k);
    QFETCH(QString, hora);
    TAquisicao a = documento(2, 9, 1, 9, 1, 0);
    for (int i = 0; i < 5; ++i)
        a.adicionaLeitura(i, i);
    const QString l = linha(a, k);
    QCOMPARE(l.mid(22, 18), hora + QString(7, u' '));
    QCOMPARE(l.mid(40, 15), QStringLiteral("01/01/2000") + QString(5, u' '));
    QCOMPARE(l.mid(55, 3), QStringLiteral("%1,0").arg(k - 1));
}

void tst_LinhasLeituras::separadoresEFormatoDaHoraRegionais()
{
    Catalogo catalogo;
    ConfigRegional r = ConfigRegional::portuguesBrasil();
    r.separadorData = u'-';
    r.separadorHora = u'.';
    r.separadorDecimal = u'.';
    TAquisicao meio = documento(2, 9, 1, 9, 1, 0);
    meio.adicionaLeitura(1, 2);
    meio.adicionaLeitura(1, 2);
    const QString texto = TextoInstante(1, meio.Inicio, r);
    const QString l = LinhasLeituras(meio, catalogo, r).linha(2);
    QCOMPARE(l.mid(22, 11), texto.mid(11, 11));
    QCOMPARE(l.mid(40, 10), texto.left(10));
    QCOMPARE(l.mid(55, 3), QStringLiteral("1.0"));
    r.formatoHoraLonga = QStringLiteral("h:nn:ss");  // no leading zero
    TAquisicao a = documento(2, 9, 1, 9, 1);
    a.adicionaLeitura(1, 2);
    const QString la = LinhasLeituras(a, catalogo, r).linha(1);
    QCOMPARE(la.mid(22, 18), QStringLiteral("10.00.00") + QString(10, u' '));
    a.Inicio = DataHora::codifica(2000, 1, 1, 9, 5, 0).value();
    QCOMPARE(
        LinhasLeituras(a, catalogo, r).linha(1).mid(22, 18), QStringLiteral("9.05.00") + QString(11, u' '));
}

void tst_LinhasLeituras::campoLongoNaoEhCortado()
{
    TAquisicao a = documento(2, 9, 0, 9, 0);
    a.adicionaLeitura(1.5e25, 2);
    const QString l = linha(a, 1, u'.');
    QCOMPARE(l.mid(55, 6), QStringLiteral("1.5E25"));
    TAquisicao b = documento(2, 9, 3, 9, 0);
    b.adicionaLeitura(-12345678901234567890.0, 2);
    const QString lb = linha(b, 1);
    QVERIFY(lb.mid(55).startsWith(QStringLiteral("-123456789012")));
    QVERIFY(lb.size() > 55 + 23 + 15);
}

void tst_LinhasLeituras::modeloFazALinhaQuandoPedida()
{
    auto a = std::make_shared<TAquisicao>(documento(2, 9, 1, 9, 1));
    for (int i = 0; i < 3; ++i)
        a->adicionaLeitura(i, i);
    Catalogo catalogo;
    const ConfigRegional r = ConfigRegional::portuguesBrasil();
    ModeloLeituras modelo(a, catalogo, r);
    QCOMPARE(modelo.rowCount(), 4);
    QCOMPARE(modelo.data(modelo.index(0)).toString(), LinhasLeituras(*a, catalogo, r).cabecalho());
    QVERIFY(modelo.data(modelo.index(3)).toString().startsWith(QStringLiteral("00003")));
    QVERIFY(!modelo.data(modelo.index(3), Qt::DecorationRole).isValid());
    QVERIFY(!modelo.data(modelo.index(4)).isValid());
}

// The search by typed text in a long list finds a line within the lines it
// looks at, from the start row on and round the end, and no further; a
// short list is searched whole.
void tst_LinhasLeituras::buscaPorTextoDigitado_data()
{
    QTest::addColumn<int>("entradas");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("alvo");  // the line whose start is typed
    QTest::addColumn<int>("achada");  // -1: none
    const int longa = 100000;
    const int alcance = ModeloLeituras::kLinhasProcuradas;
    QTest::newRow("a little ahead") << longa << 10 << 1000 << 1000;
    QTest::newRow("the last line looked at") << longa << 10 << 10 + alcance - 1 << 10 + alcance - 1;
    QTest::newRow("one past the lines looked at") << longa << 10 << 10 + alcance << -1;
    QTest::newRow("far ahead") << longa << 0 << 90000 << -1;
    QTest::newRow("round the end") << longa << longa - 5 << 7 << 7;
    // From row longa - 5, rows longa - 5 to longa (the heading is row 0),
    // then 0 on.
    QTest::newRow("round the end, the last line looked at")
        << longa << longa - 5 << alcance - 7 << alcance - 7;
    QTest::newRow("round the end, one past") << longa << longa - 5 << alcance - 6 << -1;
    QTest::newRow("a short list, whole") << 3000 << 2900 << 100 << 100;
}

void tst_LinhasLeituras::buscaPorTextoDigitado()
{
    QFETCH(int, entradas);
    QFETCH(int, inicio);
    QFETCH(int, alvo);
    QFETCH(int, achada);
    auto a = std::make_shared<TAquisicao>(documento(2, 9, 1, 9, 1));
    for (int i = 0; i < entradas; ++i)
        a->adicionaLeitura(i % 100, i % 50);
    Catalogo catalogo;
    const ConfigRegional r = ConfigRegional::portuguesBrasil();
    ModeloLeituras modelo(a, catalogo, r);
    // The entry number, as wide as the list writes it, is the line's start.
    const QString linha = modelo.linhas().linha(alvo);
    const QString texto = linha.left(linha.indexOf(u' '));
    const QModelIndexList r1 = modelo.match(modelo.index(inicio), Qt::DisplayRole, texto);
    QCOMPARE(r1.isEmpty() ? -1 : r1.first().row(), achada);
}

QUORVANE_TEST_GUILESS_MAIN(tst_LinhasLeituras)
#include "tst_LinhasLeituras.moc"
