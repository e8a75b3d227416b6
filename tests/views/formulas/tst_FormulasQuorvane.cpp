// The formula library that ships with the program, loaded as the program
// loads it: its list and texts, and its results against values computed
// here from the same 48-bit reals, with a standard deviation of values
// near 1e6 that spread by 0.01.
#include "BibliotecaFormulas.h"
#include "Real48.h"
#include "RegistroTestes.h"

#include "RegrasFormula.h"
#include <QtTest>

#include <cmath>
#include <cstring>

namespace {

using Formulas::TFormula;
using Formulas::TLeitura;

TLeitura entrada(double canal1, double canal2)
{
    TLeitura e;
    const auto b1 = Real48::paraBytes(canal1);
    const auto b2 = Real48::paraBytes(canal2);
    std::memcpy(e.Canal1, b1.data(), 6);
    std::memcpy(e.Canal2, b2.data(), 6);
    return e;
}

// The values as the library sees them.
QList<double> arredondados(const QList<double> &v)
{
    QList<double> r;
    for (double x : v)
        r << Real48::arredonda(x);
    return r;
}

long double mediaDe(const QList<double> &v)
{
    long double s = 0;
    for (double x : v)
        s += x;
    return s / v.size();
}

// Two passes: the mean first, then the squared distances from it.
long double desvioDe(const QList<double> &v)
{
    const long double m = mediaDe(v);
    long double s = 0;
    for (double x : v)
        s += (x - m) * (x - m);
    return std::sqrt(s / (v.size() - 1));
}

}  // namespace

class tst_FormulasQuorvane : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void listaETextos();
    void resultados_data();
    void resultados();
    void desvioPadraoLongeDoZero();
    void formulasNoCursor();

private:
    long double calcula(int indice, const std::vector<TLeitura> &entradas, int32_t canais, int32_t intervalo);
    std::vector<TFormula> m_formulas;
};

void tst_FormulasQuorvane::initTestCase()
{
    BibliotecaFormulas b(QStringLiteral(PASTA_FORMULAS));
    QVERIFY(b.carregada());
    m_formulas = b.formulas();
}

long double tst_FormulasQuorvane::calcula(
    int indice, const std::vector<TLeitura> &entradas, int32_t canais, int32_t intervalo)
{
    TFormula f = m_formulas[size_t(indice)];
    f.Canais = canais;
    if (!RegrasFormula::unica(f))
        f.NumAquisicoes = int32_t(entradas.size());
    f.IntervaloSegundos = intervalo;
    BibliotecaFormulas b(QStringLiteral(PASTA_FORMULAS));
    return b.calcula(f, entradas);
}

void tst_FormulasQuorvane::listaETextos()
{
    QCOMPARE(int(m_formulas.size()), 10);
    QStringList nomes;
    for (int i = 0; i < 10; ++i) {
        const TFormula &f = m_formulas[size_t(i)];
        QCOMPARE(f.Indice, i);
        nomes << RegrasFormula::texto(f.Nome);
        QVERIFY(f.Expressao[0] > 0 && f.Descricao[0] > 0 && f.RotuloResultado[0] > 0
            && f.UnidadeResultado[0] > 0);
    }
    QCOMPARE(nomes,
        QString::fromUtf8(
            "Média|Máximo|Mínimo|Amplitude|Desvio padrão|Integral no tempo|Taxa média de variação|"
            "Valor no cursor|Diferença entre canais no cursor|Média da diferença entre canais")
            .split(u'|'));
    // "Média" in the 8-bit code page: é is one byte.
    QCOMPARE(int(m_formulas[0].Nome[0]), 5);
    QCOMPARE(int(m_formulas[0].Nome[2]), 0xE9);
    QCOMPARE(RegrasFormula::texto(m_formulas[5].UnidadeResultado), QString::fromUtf8("unid.·s"));
    // Channels needed, and which work on the entry under the mouse.
    const int canais[] = { 1, 1, 1, 1, 1, 1, 1, 1, 2, 2 };
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(m_formulas[size_t(i)].Canais, canais[i]);
        QCOMPARE(RegrasFormula::unica(m_formulas[size_t(i)]), i == 7 || i == 8);
    }
}

void tst_FormulasQuorvane::resultados_data()
{
    QTest::addColumn<int>("canais");
    QTest::addColumn<int>("intervalo");
    QTest::newRow("channel 1, 10 s") << 1 << 10;
    QTest::newRow("channel 2, 10 s") << 2 << 10;
    QTest::newRow("channel 1, half second") << 1 << 0;
}

void tst_FormulasQuorvane::resultados()
{
    QFETCH(int, canais);
    QFETCH(int, intervalo);
    const QList<double> c1 = arredondados({ 20.5, 22.25, 19.75, 30.0, 25.1, 18.3 });
    const QList<double> c2 = arredondados({ -3.5, 4.0, 8.25, -1.0, 0.5, 2.2 });
    std::vector<TLeitura> e;
    for (int i = 0; i < c1.size(); ++i)
        e.push_back(entrada(c1[i], c2[i]));
    const QList<double> &v = canais == 2 ? c2 : c1;
    const double t = intervalo > 0 ? intervalo : 0.5;
    long double trapezios = 0;
    for (int i = 1; i < v.size(); ++i)
        trapezios += (static_cast<long double>(v[i - 1]) + v[i]) * t / 2;
    QList<double> diferencas;
    for (int i = 0; i < c1.size(); ++i)
        diferencas << c1[i] - c2[i];
    const long double esperado[] = {
        mediaDe(v),
        *std::max_element(v.begin(), v.end()),
        *std::min_element(v.begin(), v.end()),
        *std::max_element(v.begin(), v.end()) - *std::min_element(v.begin(), v.end()),
        desvioDe(v),
        trapezios,
        (static_cast<long double>(v.last()) - v.first()) / ((v.size() - 1) * t / 60),
    };
    for (int i = 0; i < 7; ++i)
        QVERIFY2(
            std::fabs(calcula(i, e, canais, intervalo) - esperado[i]) < 1e-12L * (1 + std::fabs(esperado[i])),
            qPrintable(QString::number(i)));
    QVERIFY(std::fabs(calcula(9, e, 3, intervalo) - mediaDe(diferencas)) < 1e-12L);
}

void tst_FormulasQuorvane::desvioPadraoLongeDoZero()
{
    // 10,000 values near 1e6 spread by about 0.01: a sum of squares would
    // lose every digit of the deviation.
    QList<double> v;
    for (int i = 0; i < 10000; ++i)
        v << Real48::arredonda(1e6 + 0.01 * std::sin(i * 0.37));
    std::vector<TLeitura> e;
    for (double x : v)
        e.push_back(entrada(x, 0));
    const long double esperado = desvioDe(v);
    QVERIFY(esperado > 0.005L && esperado < 0.01L);
    const long double r = calcula(4, e, 1, 1);
    QVERIFY2(std::fabs(r - esperado) < 1e-9L * esperado, qPrintable(QString::number(double(r), 'g', 17)));
}

void tst_FormulasQuorvane::formulasNoCursor()
{
    const std::vector<TLeitura> e { entrada(21.5, 7.25) };
    QCOMPARE(double(calcula(7, e, 1, 10)), 21.5);
    QCOMPARE(double(calcula(7, e, 2, 10)), 7.25);
    QCOMPARE(double(calcula(8, e, 3, 10)), 14.25);
    // A single entry in a range: no spread, no rate, no area.
    QCOMPARE(double(calcula(4, e, 1, 10)), 0.0);
    QCOMPARE(double(calcula(6, e, 1, 10)), 0.0);
    QCOMPARE(double(calcula(5, e, 1, 10)), 0.0);
}

QUORVANE_TEST_GUILESS_MAIN(tst_FormulasQuorvane)
#include "tst_FormulasQuorvane.moc"
