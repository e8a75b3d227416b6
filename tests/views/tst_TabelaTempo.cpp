// The time axis of a graph without widgets: x values and point labels of
// interval and half-second documents, the axis title, and the names and
// filters of the graph's file dialogs.
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "NomeArquivoGrafico.h"
#include "RegistroTestes.h"

#include "TAquisicao.h"
#include "TabelaTempo.h"
#include <QtTest>

class tst_TabelaTempo : public QObject
{
    Q_OBJECT
private slots:
    void rotulos_data();
    void rotulos();
    void valoresX_data();
    void valoresX();
    void tituloDoEixo_data();
    void tituloDoEixo();
    void caractereProibido_data();
    void caractereProibido();
    void filtros_data();
    void filtros();

private:
    ConfigRegional m_regional = ConfigRegional::portuguesBrasil();
};

namespace {

TAquisicao documento(double intervalo, int n, int ano = 2000, int mes = 1, int dia = 1)
{
    TAquisicao a;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(ano, mes, dia, 10, 0, 0).value_or(0);
    for (int i = 0; i < n; ++i)
        a.adicionaLeitura(i, -i);
    a.AjustaFim();
    return a;
}

}  // namespace

void tst_TabelaTempo::rotulos_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("largura");
    QTest::addColumn<QString>("primeira");
    QTest::addColumn<QString>("segunda");
    QTest::newRow("first entry carries the year") << 10.0 << 0 << 8 << "10:00:00  01/01/00"
                                                  << "10:00:00";
    QTest::newRow("seconds form padded to the width") << 10.0 << 1 << 8 << "10:00:10  01/01"
                                                      << "10 s    ";
    QTest::newRow("minute changes") << 10.0 << 6 << 11 << "10:01:00  01/01"
                                    << "01:00 s    ";
    QTest::newRow("hourly") << 3600.0 << 2 << 11 << "12:00:00  01/01"
                            << "12 h       ";
    QTest::newRow("half-second first has the year") << 0.0 << 0 << 8 << "10:00:00 .0 01/01/00"
                                                    << "10:00:00 .0 01/01";
    QTest::newRow("half-second odd entry") << 0.0 << 3 << 8 << "10:00:01 .5 01/01"
                                           << "10:00:01 .5 01/01";
}

void tst_TabelaTempo::rotulos()
{
    QFETCH(double, intervalo);
    QFETCH(int, i);
    QFETCH(int, largura);
    QFETCH(QString, primeira);
    QFETCH(QString, segunda);
    const TAquisicao a = documento(intervalo, 10);
    QCOMPARE(TabelaTempo::rotulo(a, TabelaTempo::Serie::Primeira, i, largura, m_regional), primeira);
    QCOMPARE(TabelaTempo::rotulo(a, TabelaTempo::Serie::Segunda, i, largura, m_regional), segunda);
}

void tst_TabelaTempo::valoresX_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("i");
    QTest::addColumn<qint64>("segundos");
    QTest::newRow("interval 10, entry 3") << 10.0 << 3 << qint64(30);
    QTest::newRow("interval 2.7 cut to whole seconds") << 2.7 << 3 << qint64(8);
    QTest::newRow("negative interval taken by its size") << -10.0 << 3 << qint64(30);
    QTest::newRow("half-second spread 120 s per entry") << 0.0 << 3 << qint64(360);
    QTest::newRow("half-second across a day") << 0.0 << 1000 << qint64(120000);
    QTest::newRow("half-second past the range of an int")
        << 0.0 << 17895698 << qint64(17895698) * TabelaTempo::PassoMeioSegundo;
}

void tst_TabelaTempo::valoresX()
{
    QFETCH(double, intervalo);
    QFETCH(int, i);
    QFETCH(qint64, segundos);
    const TAquisicao a = documento(intervalo, 2);
    QCOMPARE(qRound64((TabelaTempo::x(a, i) - a.Inicio) * 86400), segundos);
}

void tst_TabelaTempo::tituloDoEixo_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("ultima");
    QTest::newRow("interval: last instant") << 10.0 << 4 << "01/01/2000 10:00:30";
    QTest::newRow("half-second: mark of the last entry") << 0.0 << 5 << "01/01/2000 10:00:02 .0";
    QTest::newRow("half-second, no entries") << 0.0 << 0 << "01/01/2000 10:00:00 .0";
}

void tst_TabelaTempo::tituloDoEixo()
{
    QFETCH(double, intervalo);
    QFETCH(int, n);
    QFETCH(QString, ultima);
    const Catalogo catalogo;
    QCOMPARE(TabelaTempo::tituloEixo(documento(intervalo, n), catalogo, m_regional),
        QStringLiteral("Primeira aquisição: 01/01/2000 10:00:00   Última aquisição: ") + ultima);
}

void tst_TabelaTempo::caractereProibido_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("primeiro");
    QTest::newRow("none") << "Forno 1"
                          << "";
    QTest::newRow("backslash tried before slash") << "a/b\\c"
                                                  << "\\";
    QTest::newRow("colon before asterisk") << "a*b:c"
                                           << ":";
    QTest::newRow("vertical bar alone") << "a|b"
                                        << "|";
}

void tst_TabelaTempo::caractereProibido()
{
    QFETCH(QString, texto);
    QFETCH(QString, primeiro);
    const QChar c = NomeArquivoGrafico::HasInvalidChar(texto);
    QCOMPARE(c.isNull() ? QString() : QString(c), primeiro);
}

void tst_TabelaTempo::filtros_data()
{
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QStringList>("esperado");
    QTest::newRow("one pair with its mask shown")
        << "Arquivo Quorvane (*.qvg)|*.qvg" << QStringList { "Arquivo Quorvane (*.qvg)" };
    QTest::newRow("mask added") << "Arquivos ASCII|*.txt" << QStringList { "Arquivos ASCII (*.txt)" };
    QTest::newRow("two pairs") << "A (*.qvg)|*.qvg|B (*.qvj)|*.qvj"
                               << QStringList { "A (*.qvg)", "B (*.qvj)" };
}

void tst_TabelaTempo::filtros()
{
    QFETCH(QString, filtro);
    QFETCH(QStringList, esperado);
    QCOMPARE(NomeArquivoGrafico::filtros(filtro), esperado);
}

QUORVANE_TEST_GUILESS_MAIN(tst_TabelaTempo)
#include "tst_TabelaTempo.moc"
