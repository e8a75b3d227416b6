// The formula rules without widgets: the check of the channels chosen with
// its messages, the visible range (the divisor 120 in half-second mode),
// the entries handed to the library and the top axis's text.
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "Instantes.h"
#include "Real48.h"
#include "RegistroTestes.h"

#include "RegrasFormula.h"
#include "TAquisicao.h"
#include <QtTest>

#include <cstring>

namespace {

TAquisicao documento(double intervalo, int n, int canais = 2)
{
    TAquisicao a;
    a.NumCanais = canais;
    a.SensorCanal1 = 9;
    a.SensorCanal2 = canais == 2 ? 9 : -1;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    for (int i = 0; i < n; ++i)
        a.adicionaLeitura(10.0 + i, 100.0 - i);
    return a;
}

RegrasFormula::TFormula formula(const char *nome, int32_t canais, int32_t numAquisicoes = 0)
{
    RegrasFormula::TFormula f = RegrasFormula::formulaVazia();
    RegrasFormula::defineTexto(f.Nome, QString::fromUtf8(nome));
    f.Canais = canais;
    f.NumAquisicoes = numAquisicoes;
    return f;
}

double real(const unsigned char (&b)[6])
{
    std::array<uint8_t, 6> a;
    std::memcpy(a.data(), b, 6);
    return Real48::deBytes(a);
}

}  // namespace

class tst_RegrasFormula : public QObject
{
    Q_OBJECT
private slots:
    void verificaCanais_data();
    void verificaCanais();
    void semFormulaSelecionada();
    void faixaVisivel_data();
    void faixaVisivel();
    void entradasDaFaixaComOsCanaisEscolhidos_data();
    void entradasDaFaixaComOsCanaisEscolhidos();
    void entradaUnicaSoDentroDasAquisicoes_data();
    void entradaUnicaSoDentroDasAquisicoes();
    void textoDoResultado_data();
    void textoDoResultado();
    void textoCurtoNaPaginaDeCodigo();
};

void tst_RegrasFormula::verificaCanais_data()
{
    QTest::addColumn<int>("precisa");
    QTest::addColumn<bool>("canal1");
    QTest::addColumn<bool>("canal2");
    QTest::addColumn<bool>("valida");
    QTest::addColumn<int>("canais");
    QTest::newRow("needs none: always valid, unchanged") << 0 << false << false << true << 0;
    QTest::newRow("needs 1, channel 1") << 1 << true << false << true << 1;
    QTest::newRow("needs 1, channel 2") << 1 << false << true << true << 2;
    QTest::newRow("needs 1, both") << 1 << true << true << false << 0;
    QTest::newRow("needs 1, none") << 1 << false << false << false << 0;
    QTest::newRow("needs 2, both") << 2 << true << true << true << 3;
    QTest::newRow("needs 2, only channel 1") << 2 << true << false << false << 0;
    QTest::newRow("needs 2, only channel 2") << 2 << false << true << false << 0;
    QTest::newRow("needs 5, channel 2") << 5 << false << true << true << 2;
    QTest::newRow("needs 5, both") << 5 << true << true << true << 3;
}

void tst_RegrasFormula::verificaCanais()
{
    QFETCH(int, precisa);
    QFETCH(bool, canal1);
    QFETCH(bool, canal2);
    QFETCH(bool, valida);
    QFETCH(int, canais);
    const RegrasFormula::TFormula f = formula("Diferença", precisa);
    const RegrasFormula::Verificacao v = RegrasFormula::verifica(&f, canal1, canal2, Catalogo());
    QCOMPARE(v.valida, valida);
    if (valida) {
        QCOMPARE(v.canais, canais);
        QVERIFY(v.mensagem.isEmpty());
    } else {
        QCOMPARE(v.mensagem,
            QString::fromUtf8("Para o cálculo da Fórmula Diferença é necessário selecionar %1 canal(is).")
                .arg(precisa));
    }
}

void tst_RegrasFormula::semFormulaSelecionada()
{
    const RegrasFormula::Verificacao v = RegrasFormula::verifica(nullptr, true, false, Catalogo());
    QVERIFY(!v.valida);
    QCOMPARE(v.mensagem, QString::fromUtf8("Selecione uma fórmula."));
    const RegrasFormula::TFormula f = formula("Média", 1);
    QCOMPARE(RegrasFormula::mensagemAssociada(f, Catalogo()),
        QString::fromUtf8("Fórmula Média associada ao gráfico."));
}

void tst_RegrasFormula::faixaVisivel_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("deSegundos");  // the time axis, seconds after Inicio
    QTest::addColumn<int>("ateSegundos");
    QTest::addColumn<int>("primeira");
    QTest::addColumn<int>("ultima");
    QTest::newRow("10 s, whole recording") << 10.0 << 0 << 190 << 0 << 19;
    QTest::newRow("10 s, 50 to 95 s: entries 5 to 9") << 10.0 << 50 << 95 << 5 << 9;
    QTest::newRow("10.7 s: divisor 10") << 10.7 << 50 << 95 << 5 << 9;
    QTest::newRow("half second: 120 s per entry") << 0.0 << 240 << 600 << 2 << 5;
    QTest::newRow("half second, 119 s is still entry 0") << 0.0 << 0 << 119 << 0 << 0;
    QTest::newRow("zoomed out beyond both ends: held to the entries") << 10.0 << -300 << 900 << 0 << 19;
    QTest::newRow("wholly after the last entry: none") << 10.0 << 300 << 400 << 0 << -1;
}

void tst_RegrasFormula::faixaVisivel()
{
    QFETCH(double, intervalo);
    QFETCH(int, deSegundos);
    QFETCH(int, ateSegundos);
    QFETCH(int, primeira);
    QFETCH(int, ultima);
    const TAquisicao a = documento(intervalo, 20);
    const RegrasFormula::Faixa f = RegrasFormula::faixaVisivel(
        a, SomaSegundos(deSegundos, a.Inicio), SomaSegundos(ateSegundos, a.Inicio));
    QCOMPARE(f.quantas(), ultima >= primeira ? ultima - primeira + 1 : 0);
    if (f.quantas() > 0) {
        QCOMPARE(f.primeira, primeira);
        QCOMPARE(f.ultima, ultima);
    }
}

void tst_RegrasFormula::entradasDaFaixaComOsCanaisEscolhidos_data()
{
    QTest::addColumn<int>("canais");
    QTest::addColumn<bool>("temCanal1");
    QTest::addColumn<bool>("temCanal2");
    QTest::newRow("channel 1") << 1 << true << false;
    QTest::newRow("channel 2") << 2 << false << true;
    QTest::newRow("both") << 3 << true << true;
}

void tst_RegrasFormula::entradasDaFaixaComOsCanaisEscolhidos()
{
    QFETCH(int, canais);
    QFETCH(bool, temCanal1);
    QFETCH(bool, temCanal2);
    const TAquisicao a = documento(10.9, 20);
    RegrasFormula::TFormula f = formula("Soma", canais);
    const std::vector<RegrasFormula::TLeitura> e = RegrasFormula::entradasFaixa(a, f, { 3, 7 });
    QCOMPARE(int(e.size()), 5);
    QCOMPARE(f.NumAquisicoes, 5);
    QCOMPARE(f.IntervaloSegundos, 10);
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(real(e[size_t(k)].Canal1), temCanal1 ? 13.0 + k : 0.0);
        QCOMPARE(real(e[size_t(k)].Canal2), temCanal2 ? 97.0 - k : 0.0);
    }
    // Nothing visible: no entries, and the record says so.
    QVERIFY(RegrasFormula::entradasFaixa(a, f, {}).empty());
    QCOMPARE(f.NumAquisicoes, 0);
}

void tst_RegrasFormula::entradaUnicaSoDentroDasAquisicoes_data()
{
    QTest::addColumn<qint64>("sob");
    QTest::addColumn<bool>("ha");
    QTest::newRow("first") << qint64(0) << true;
    QTest::newRow("last") << qint64(19) << true;
    QTest::newRow("before the first") << qint64(-1) << false;
    QTest::newRow("after the last") << qint64(20) << false;
}

void tst_RegrasFormula::entradaUnicaSoDentroDasAquisicoes()
{
    QFETCH(qint64, sob);
    QFETCH(bool, ha);
    const TAquisicao a = documento(0, 20);
    RegrasFormula::TFormula f = formula("Ponto", 2, -1);
    const std::vector<RegrasFormula::TLeitura> e = RegrasFormula::entradaUnica(a, f, sob);
    QCOMPARE(f.NumAquisicoes, -1);
    QCOMPARE(f.IntervaloSegundos, 0);
    QCOMPARE(e.size(), size_t(ha ? 1 : 0));
    if (ha) {
        QCOMPARE(real(e[0].Canal1), 0.0);
        QCOMPARE(real(e[0].Canal2), 100.0 - double(sob));
    }
    QVERIFY(RegrasFormula::entradaUnica(a, f, std::nullopt).empty());
}

void tst_RegrasFormula::textoDoResultado_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("ha");
    QTest::addColumn<QString>("texto");
    QTest::newRow("eight positions, three decimals, comma")
        << 23.4567 << true << QString::fromUtf8("Média:   23,457 °C");
    QTest::newRow("negative") << -1.5 << true << QString::fromUtf8("Média:   -1,500 °C");
    QTest::newRow("wider than eight") << 1234567.0 << true << QString::fromUtf8("Média: 1234567,000 °C");
    QTest::newRow("nothing to calculate on") << 0.0 << false << QString::fromUtf8("Média:        - °C");
}

void tst_RegrasFormula::textoDoResultado()
{
    QFETCH(double, valor);
    QFETCH(bool, ha);
    QFETCH(QString, texto);
    RegrasFormula::TFormula f = formula("Média", 1);
    RegrasFormula::defineTexto(f.RotuloResultado, QString::fromUtf8("Média"));
    RegrasFormula::defineTexto(f.UnidadeResultado, QString::fromUtf8("°C"));
    const std::optional<long double> r = ha ? std::optional<long double>(valor) : std::nullopt;
    QCOMPARE(RegrasFormula::textoResultado(f, r, ConfigRegional::portuguesBrasil()), texto);
}

void tst_RegrasFormula::textoCurtoNaPaginaDeCodigo()
{
    RegrasFormula::TFormula f = RegrasFormula::formulaVazia();
    RegrasFormula::defineTexto(f.Nome, QString::fromUtf8("Média °C €"));
    QCOMPARE(int(f.Nome[0]), 10);
    QCOMPARE(int(f.Nome[2]), 0xE9);
    QCOMPARE(int(f.Nome[7]), 0xB0);
    QCOMPARE(int(f.Nome[10]), 0x80);
    QCOMPARE(RegrasFormula::texto(f.Nome), QString::fromUtf8("Média °C €"));
    RegrasFormula::defineTexto(f.Descricao, QString(300, u'x'));
    QCOMPARE(int(f.Descricao[0]), 255);
    QCOMPARE(RegrasFormula::texto(f.Descricao).size(), 255);
}

QUORVANE_TEST_GUILESS_MAIN(tst_RegrasFormula)
#include "tst_RegrasFormula.moc"
