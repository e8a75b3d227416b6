#include "ConfigRegional.h"
#include "DataHora.h"
#include "MontagemJuncao.h"
#include "RegistroTestes.h"

#include <QtTest>

using namespace MontagemJuncao;

namespace {

double instante(int dia, int hora = 0, int minuto = 0, int segundo = 0)
{
    return DataHora::codifica(2024, 3, dia, hora, minuto, segundo).value();
}

// An entry of one or two channels in the given units; a one-channel entry
// given only a second unit uses channel 2.
TNodoJuncao entrada(int canais, const QString &unidade1, const QString &unidade2 = QString())
{
    TNodoJuncao e;
    e.NumCanais = canais;
    e.NomeCanal1 = QStringLiteral("A");
    e.NomeCanal2 = QStringLiteral("B");
    e.UnidadeCanal1 = unidade1;
    e.UnidadeCanal2 = unidade2;
    e.IntervaloAquisicoes = 60;
    e.Inicio = instante(5, 8);
    e.Fim = instante(5, 9);
    e.Leituras = { TLeitura(10, 20), TLeitura(11, 21) };
    e.defineSensoresPorUnidade();
    return e;
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<TNodoJuncao>)

class tst_MontagemJuncao : public QObject
{
    Q_OBJECT

private slots:
    void verifica_data();
    void verifica();
    void tresEntradasDeUmCanalNasSeries1a3();
    void quatroEntradasDeDoisCanaisNasSeries1a8();
    void passosDaLinhaDoTempo_data();
    void passosDaLinhaDoTempo();
    void linhaDoTempoPassaDoFim();
    void pontosComIntervalo();
    void pontosDeMeioSegundo();
    void entradaSemLeiturasNaoQuebra();
};

void tst_MontagemJuncao::verifica_data()
{
    QTest::addColumn<int>("janelas");
    QTest::addColumn<std::vector<TNodoJuncao>>("entradas");
    QTest::addColumn<Recusa>("recusa");
    QTest::addColumn<QString>("esquerda");
    QTest::addColumn<QString>("direita");
    const QString c = QStringLiteral("°C");
    const QString p = QStringLiteral("%");
    const TNodoJuncao c2 = entrada(2, c, c);
    QTest::newRow("uma janela") << 1 << std::vector { entrada(1, c) } << Recusa::GraficosInsuficientes
                                << QString() << QString();
    QTest::newRow("duas janelas") << 2 << std::vector { entrada(1, c), entrada(1, c) } << Recusa::Nenhuma << c
                                  << QString();
    QTest::newRow("°C, °C e %") << 3 << std::vector { entrada(1, c), c2, entrada(1, QString(), p) }
                                << Recusa::Nenhuma << c << p;
    QTest::newRow("uma quarta unidade")
        << 4 << std::vector { entrada(1, c), c2, entrada(1, p), entrada(1, "bar") } << Recusa::UnidadesExcedem
        << c << "bar";
    QTest::newRow("unidades diferem só na caixa")
        << 3 << std::vector { entrada(1, c), entrada(1, p), entrada(1, "°c") } << Recusa::UnidadesExcedem << c
        << "°c";
    QTest::newRow("oito canais") << 4 << std::vector { c2, c2, c2, c2 } << Recusa::Nenhuma << c << QString();
    QTest::newRow("nove canais") << 5 << std::vector { c2, c2, c2, c2, entrada(1, c) }
                                 << Recusa::CanaisExcedem << c << QString();
}

void tst_MontagemJuncao::verifica()
{
    QFETCH(int, janelas);
    QFETCH(std::vector<TNodoJuncao>, entradas);
    QFETCH(Recusa, recusa);
    QFETCH(QString, esquerda);
    QFETCH(QString, direita);
    Unidades u;
    QCOMPARE(MontagemJuncao::verifica(janelas, entradas, u), recusa);
    if (recusa != Recusa::GraficosInsuficientes) {
        QCOMPARE(u.esquerda, esquerda);
        QCOMPARE(u.direita, direita);
    }
}

void tst_MontagemJuncao::tresEntradasDeUmCanalNasSeries1a3()
{
    const std::vector<TNodoJuncao> e { entrada(1, "°C"), entrada(1, QString(), "%"), entrada(1, "°C") };
    const Unidades u = VerificaExcessoUnidades(e);
    const auto s = series(e, u);
    QCOMPARE(s.size(), size_t(3));
    QCOMPARE(s[0].indice, 1);
    QCOMPARE(s[1].indice, 2);
    QCOMPARE(s[2].indice, 3);
    QCOMPARE(s[1].canal, 2);
    QCOMPARE(s[1].titulo, QStringLiteral("B(%)"));
    QCOMPARE(s[0].eixo, EixoGrafico::Esquerdo);
    QCOMPARE(s[1].eixo, EixoGrafico::Direito);
    QCOMPARE(s[2].eixo, EixoGrafico::Esquerdo);
}

void tst_MontagemJuncao::quatroEntradasDeDoisCanaisNasSeries1a8()
{
    const std::vector<TNodoJuncao> e(4, entrada(2, "°C", "%"));
    const auto s = series(e, VerificaExcessoUnidades(e));
    QCOMPARE(s.size(), size_t(8));
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(s[size_t(i)].indice, i + 1);
        QCOMPARE(s[size_t(i)].entrada, i / 2);
        QCOMPARE(s[size_t(i)].canal, i % 2 + 1);
        QCOMPARE(s[size_t(i)].eixo, i % 2 ? EixoGrafico::Direito : EixoGrafico::Esquerdo);
    }
    QCOMPARE(s[1].titulo, QStringLiteral("B(%)"));
}

void tst_MontagemJuncao::passosDaLinhaDoTempo_data()
{
    QTest::addColumn<double>("fim");
    QTest::addColumn<qint64>("passo");
    QTest::addColumn<QString>("rotulo");  // of the first instant
    QTest::newRow("12 horas") << instante(5, 20) << qint64(1) << "08:00:00";
    QTest::newRow("um dia menos um segundo") << instante(6, 7, 59, 59) << qint64(1) << "08:00:00";
    QTest::newRow("um dia") << instante(6, 8) << qint64(3600) << "05/03/24 08:00";
    QTest::newRow("10 dias") << instante(15, 8) << qint64(3600) << "05/03/24 08:00";
    QTest::newRow("30 dias") << instante(5, 8) + 30 << qint64(3600) << "05/03/24 08:00";
    QTest::newRow("40 dias") << instante(5, 8) + 40 << qint64(86400) << "05/03/2024";
    QTest::newRow("mil séculos de um arquivo editado")
        << instante(5, 8) + 3.6e6 << qint64(86400 * 36) << "05/03/2024";
}

void tst_MontagemJuncao::passosDaLinhaDoTempo()
{
    QFETCH(double, fim);
    QFETCH(qint64, passo);
    QFETCH(QString, rotulo);
    QCOMPARE(passoLinhaDoTempo(instante(5, 8), fim), passo);
    QCOMPARE(rotuloLinhaDoTempo(instante(5, 8), passo, ConfigRegional::portuguesBrasil()), rotulo);
}

// From the first instant in steps, the last one past the end.
void tst_MontagemJuncao::linhaDoTempoPassaDoFim()
{
    const QVector<double> t = instantesLinhaDoTempo(instante(5, 8), instante(15, 8, 30));
    QCOMPARE(t.size(), 10 * 24 + 2);
    QCOMPARE(t.front(), instante(5, 8));
    QCOMPARE(qRound64(t.back() * 86400), qRound64(instante(15, 9) * 86400));
    // An end on a step is still reached, and one step more follows it.
    QCOMPARE(instantesLinhaDoTempo(instante(5, 8), instante(15, 8)).size(), 10 * 24 + 2);
}

void tst_MontagemJuncao::pontosComIntervalo()
{
    TNodoJuncao e = entrada(1, "°C");
    e.Leituras.assign(3, TLeitura(1, 2));
    e.IntervaloAquisicoes = 90.9;
    e.Fim = 0;
    const auto p = pontos(e, ConfigRegional::portuguesBrasil());
    QCOMPARE(p.x.size(), 3);
    QCOMPARE(qRound64(p.x[2] * 86400), qRound64(instante(5, 8, 3) * 86400));
    QCOMPARE(qRound64(p.fim * 86400), qRound64(instante(5, 8, 3) * 86400));
    QCOMPARE(p.rotulo(0, ConfigRegional::portuguesBrasil()), QStringLiteral("08:00:00"));
}

// Two readings per second share one x; the last reading's whole second is
// the entry's end.
void tst_MontagemJuncao::pontosDeMeioSegundo()
{
    TNodoJuncao e = entrada(1, "°C");
    e.Leituras.assign(5, TLeitura(1, 2));
    e.IntervaloAquisicoes = 0;
    const auto p = pontos(e, ConfigRegional::portuguesBrasil());
    QCOMPARE(p.x[0], p.x[1]);
    QCOMPARE(p.x[2], p.x[3]);
    QVERIFY(p.x[2] > p.x[1]);
    QCOMPARE(qRound64(p.fim * 86400), qRound64(instante(5, 8, 0, 2) * 86400));
    QVERIFY(p.rotulo(1, ConfigRegional::portuguesBrasil()).startsWith(QStringLiteral("08:00:00")));
}

void tst_MontagemJuncao::entradaSemLeiturasNaoQuebra()
{
    TNodoJuncao e = entrada(2, "°C", "°C");
    e.Leituras.clear();
    const auto p = pontos(e, ConfigRegional::portuguesBrasil());
    QVERIFY(p.x.isEmpty());
    QCOMPARE(p.fim, e.Inicio);
    const ValorLinha v = valorLinhaDoTempo({ e }, VerificaExcessoUnidades({ e }));
    QCOMPARE(v.valor, 0.0);
}

QUORVANE_TEST_GUILESS_MAIN(tst_MontagemJuncao)
#include "tst_MontagemJuncao.moc"
