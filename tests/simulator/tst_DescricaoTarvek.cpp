// JSON descriptions of the simulated Tarvek: what they accept and refuse,
// how engineering values become raw counts, and how the acquisitions are
// laid out in the circular memory.

#include "BlocoConfiguracao.h"
#include "BlocoLeituras.h"
#include "CenariosTarvek.h"
#include "ConversaoLeitura.h"
#include "DescricaoTarvek.h"
#include "GeradorAquisicoes.h"
#include "RegistroTestes.h"
#include "TarvekSimulado.h"

namespace {

const QDateTime Agora(QDate(2026, 12, 7), QTime(9, 30, 0));

DescricaoTarvek le(const QByteArray &json)
{
    QString erro;
    const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(json, &erro);
    if (!d)
        qFatal("%s", qPrintable(erro));
    return *d;
}

// Walks the acquisitions as a collection does: from the oldest, a bytes
// each, continuing at address 162 past the end of the memory.
QList<QByteArray> aquisicoesNaMemoria(const QByteArray &memoria, int inicio, int quantas, int a)
{
    const int area = memoria.size() - 162;
    QList<QByteArray> lista;
    for (int j = 0; j < quantas; ++j) {
        QByteArray b;
        for (int i = 0; i < a; ++i)
            b.append(memoria[162 + (inicio + j * a + i) % area]);
        lista.append(b);
    }
    return lista;
}

}  // namespace

class tst_DescricaoTarvek : public QObject
{
    Q_OBJECT

private slots:
    void descricoesInvalidasDizemPorque_data();
    void descricoesInvalidasDizemPorque();
    void camposInterpretados_data();
    void camposInterpretados();
    void contagemInverteAConversao_data();
    void contagemInverteAConversao();
    void memoriaGuardaAsAquisicoes_data();
    void memoriaGuardaAsAquisicoes();
    void canalSemLeituraGuardaFFFF();
    void termoparSozinhoLevaAJuncaoFria();
    void leiturasAtuaisContinuamACurva();
    void blocosBrutosPrevalecem();
    void cenariosCarregam_data();
    void cenariosCarregam();
};

void tst_DescricaoTarvek::descricoesInvalidasDizemPorque_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("motivo");

    QTest::newRow("not JSON") << QByteArray("{ modelo: 1 }") << u"JSON inválido"_qs;
    QTest::newRow("not an object") << QByteArray("[]") << u"objeto"_qs;
    QTest::newRow("a misspelt key") << QByteArray(R"({"sensr": 1})") << u"\"sensr\""_qs;
    QTest::newRow("a misspelt channel key")
        << QByteArray(R"({"canais": [{"sensor": "K", "ofset": 1}]})") << u"\"ofset\""_qs;
    QTest::newRow("an unknown sensor")
        << QByteArray(R"({"canais": [{"sensor": "Termopar X"}]})") << u"sensor desconhecido"_qs;
    QTest::newRow("three channels") << QByteArray(R"({"canais": [{}, {}, {}]})") << u"dois canais"_qs;
    QTest::newRow("a memory too small for acquisitions")
        << QByteArray(R"({"memoria": 162})") << u"memoria"_qs;
    QTest::newRow("a memory larger than the pages") << QByteArray(R"({"memoria": 32769})") << u"memoria"_qs;
    QTest::newRow("an interval that is no time")
        << QByteArray(R"({"intervalo": "00:61:00"})") << u"intervalo"_qs;
    QTest::newRow("an interval below half a second")
        << QByteArray(R"({"intervalo": 0.3})") << u"intervalo"_qs;
    QTest::newRow("a block of the wrong size")
        << QByteArray(R"({"blocos": {"calibracao": "00 01"}})") << u"37 bytes"_qs;
    QTest::newRow("a block that is no hex")
        << QByteArray(R"({"blocos": {"leituras": "zz"}})") << u"hexadecimal"_qs;
    QTest::newRow("an unknown fault") << QByteArray(R"({"falhas": [{"tipo": "fumaça"}]})") << u"fumaça"_qs;
    QTest::newRow("a fault at an unknown command")
        << QByteArray(R"({"falhas": [{"tipo": "silencio", "alvo": "LeTudo"}]})") << u"alvo"_qs;
    QTest::newRow("a page fault aimed at another command")
        << QByteArray(R"({"falhas": [{"tipo": "silencio", "alvo": "LeConfiguracao", "pagina": 3}]})")
        << u"pagina"_qs;
    QTest::newRow("a page beyond a byte")
        << QByteArray(R"({"falhas": [{"tipo": "silencio", "pagina": 256}]})") << u"pagina"_qs;
    QTest::newRow("an unknown curve")
        << QByteArray(R"({"canais": [{"sensor": "K", "aquisicoes": {"forma": "quadrada"}}]})") << u"forma"_qs;
    QTest::newRow("firmware not as major.minor") << QByteArray(R"({"firmware": "1.x"})") << u"firmware"_qs;
    QTest::newRow("four decimal places")
        << QByteArray(R"({"canais": [{"sensor": "4-20mA", "decimais": 4}]})") << u"decimais"_qs;
    QTest::newRow("an offset beyond a signed byte")
        << QByteArray(R"({"canais": [{"sensor": "K", "offset": 128}]})") << u"offset"_qs;
    QTest::newRow("a limit beyond 16 bits")
        << QByteArray(R"({"canais": [{"sensor": "K", "limites": [0, 40000]}]})") << u"limites"_qs;
    QTest::newRow("a clock that is no date") << QByteArray(R"({"relogio": "ontem"})") << u"relogio"_qs;
    QTest::newRow("a serial number beyond 32 bits")
        << QByteArray(R"({"numeroSerie": 4294967296})") << u"numeroSerie"_qs;
}

void tst_DescricaoTarvek::descricoesInvalidasDizemPorque()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, motivo);
    QString erro;
    QVERIFY(!DescricaoTarvek::interpreta(json, &erro));
    QVERIFY2(erro.contains(motivo), qPrintable(erro));
}

void tst_DescricaoTarvek::camposInterpretados_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<int>("esperado");

    QTest::newRow("thermocouple by its full name")
        << QByteArray(R"({"canais": [{"sensor": "Termopar K"}]})") << u"sensor1"_qs << 129;
    QTest::newRow("thermocouple by its letter")
        << QByteArray(R"({"canais": [{}, {"sensor": "b"}]})") << u"sensor2"_qs << 135;
    QTest::newRow("Pt100 in any case")
        << QByteArray(R"({"canais": [{"sensor": "PT100"}]})") << u"sensor1"_qs << 136;
    QTest::newRow("0-50 mV by code") << QByteArray(R"({"canais": [{"sensor": 138}]})") << u"sensor1"_qs
                                     << 138;
    QTest::newRow("no sensor") << QByteArray(R"({"canais": [{"sensor": "Nenhum"}]})") << u"sensor1"_qs << 0;
    QTest::newRow("interval as a time")
        << QByteArray(R"({"intervalo": "01:00:00"})") << u"intervalo"_qs << 7199;
    QTest::newRow("interval in seconds") << QByteArray(R"({"intervalo": 10})") << u"intervalo"_qs << 19;
    QTest::newRow("half-second mode")
        << QByteArray(R"({"intervalo": "0,5", "leiturasPorAquisicao": 4})") << u"intervalo"_qs << 0;
    QTest::newRow("half-second mode takes one reading")
        << QByteArray(R"({"intervalo": 0.5, "leiturasPorAquisicao": 4})") << u"leituras"_qs << 1;
    QTest::newRow("circular memory") << QByteArray(R"({"parada": "circular"})") << u"parada"_qs << 0x8000;
    QTest::newRow("stop after n") << QByteArray(R"({"parada": 100})") << u"parada"_qs << 100;
    QTest::newRow("start delay in seconds") << QByteArray(R"({"atrasoInicio": 30})") << u"atraso"_qs << 61;
    QTest::newRow("firmware as text") << QByteArray(R"({"firmware": "1.0"})") << u"firmware"_qs << 0x10;
    QTest::newRow("mode by name, accented")
        << QByteArray(R"({"canais": [{"sensor": "K", "modo": "Mínimo"}]})") << u"modo1"_qs << 2;
    QTest::newRow("limits of a thermocouple default to its range")
        << QByteArray(R"({"canais": [{"sensor": "J"}]})") << u"limiteSuperior1"_qs << 760;
    QTest::newRow("a fault on one page reads that page")
        << QByteArray(R"({"falhas": [{"tipo": "silencio", "pagina": 3}]})") << u"paginaFalha"_qs << 3;
    QTest::newRow("a fault on one page aims at the page reads")
        << QByteArray(R"({"falhas": [{"tipo": "silencio", "pagina": 0}]})") << u"alvoFalha"_qs << 0x02;
    QTest::newRow("a fault without a page spoils any page")
        << QByteArray(R"({"falhas": [{"tipo": "silencio", "alvo": "LePagina"}]})") << u"paginaFalha"_qs << -1;
}

void tst_DescricaoTarvek::camposInterpretados()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, campo);
    QFETCH(int, esperado);
    const DescricaoTarvek d = le(json);
    const QMap<QString, int> campos = {
        { u"sensor1"_qs, d.canais[0].sensor },
        { u"sensor2"_qs, d.canais[1].sensor },
        { u"intervalo"_qs, d.intervalo },
        { u"leituras"_qs, d.leiturasPorAquisicao },
        { u"parada"_qs, d.parada },
        { u"atraso"_qs, d.atrasoInicio },
        { u"firmware"_qs, d.firmware },
        { u"modo1"_qs, d.canais[0].modo },
        { u"limiteSuperior1"_qs, d.canais[0].limiteSuperior },
        { u"paginaFalha"_qs, d.falhas.value(0).pagina },
        { u"alvoFalha"_qs, d.falhas.value(0).alvo },
    };
    QCOMPARE(campos.value(campo, -999), esperado);
}

void tst_DescricaoTarvek::contagemInverteAConversao_data()
{
    QTest::addColumn<QByteArray>("canal");
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("tolerancia");

    QTest::newRow("J at 142 degrees") << QByteArray(R"({"sensor": "J"})") << 142.0 << 0.0;
    QTest::newRow("K at 1000 degrees") << QByteArray(R"({"sensor": "K"})") << 1000.0 << 0.0;
    QTest::newRow("T below zero") << QByteArray(R"({"sensor": "T"})") << -50.0 << 0.0;
    QTest::newRow("B, coarse at its low end") << QByteArray(R"({"sensor": "B"})") << 700.0 << 1.0;
    QTest::newRow("K with an offset") << QByteArray(R"({"sensor": "K", "offset": -3})") << 250.0 << 0.0;
    QTest::newRow("Pt100 with an offset of tenths")
        << QByteArray(R"({"sensor": "Pt100", "offset": 5})") << 25.3 << 0.06;
    QTest::newRow("4-20 mA with one decimal and an offset")
        << QByteArray(R"({"sensor": "4-20mA", "decimais": 1, "offset": 3, "limites": [0, 1000]})") << 50.3
        << 0.0;
    QTest::newRow("0-50 mV with two decimals")
        << QByteArray(R"({"sensor": "0-50mV", "decimais": 2, "limites": [-100, 900]})") << 4.56 << 0.005;
    QTest::newRow("above the range the count saturates")
        << QByteArray(R"({"sensor": "4-20mA", "limites": [0, 100]})") << 250.0 << 150.0;
}

void tst_DescricaoTarvek::contagemInverteAConversao()
{
    QFETCH(QByteArray, canal);
    QFETCH(double, valor);
    QFETCH(double, tolerancia);
    const DescricaoTarvek d = le("{\"canais\": [" + canal + "]}");
    const GeradorAquisicoes g(d);
    const int contagem = g.contagemPara(0, valor);
    const double obtido = g.valorExibido(0, contagem);
    QVERIFY2(std::abs(obtido - valor) <= tolerancia + 1e-9,
        qPrintable(QStringLiteral("count %1 shows %2").arg(contagem).arg(obtido)));
    // No neighbour count shows a nearer value.
    for (int vizinho : { contagem - 1, contagem + 1 })
        if (vizinho >= 0 && vizinho <= 4095)
            QVERIFY(std::abs(g.valorExibido(0, vizinho) - valor) >= std::abs(obtido - valor) - 1e-9);
}

void tst_DescricaoTarvek::memoriaGuardaAsAquisicoes_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("efetuadas");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("primeiraContagem");

    // 1000 bytes: an area of 838, 209 acquisitions of 4 bytes, 2 left over.
    const QByteArray canais = R"("memoria": 1000, "canais": [
        {"sensor": "4-20mA", "aquisicoes": {"contagens": [0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,
          21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51,52,53,54,
          55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,80,81,82,83,84,85,86,87,88,
          89,90,91,92,93,94,95,96,97,98,99]}},
        {"sensor": "Pt100", "aquisicoes": {"contagens": [4000]}}])";
    QTest::newRow("a few acquisitions from the start")
        << "{" + canais + R"(, "aquisicoes": {"quantidade": 50}})" << 50 << 0 << 0;
    QTest::newRow("a stopping memory keeps the first ones")
        << "{" + canais + R"(, "parada": 209, "aquisicoes": {"quantidade": 300}})" << 209 << 0 << 0;
    QTest::newRow("a wrapped circular memory keeps the latest") << "{" + canais
            + R"(, "parada": "circular", "aquisicoes": {"quantidade": 300, "inicioCircular": 500}})"
                                                                << 209 << 500 << 91;
    QTest::newRow("a wrapped memory written on from address 162")
        << "{" + canais + R"(, "parada": "circular", "aquisicoes": {"quantidade": 300}})" << 209 << 364 << 91;
}

void tst_DescricaoTarvek::memoriaGuardaAsAquisicoes()
{
    QFETCH(QByteArray, json);
    QFETCH(int, efetuadas);
    QFETCH(int, inicio);
    QFETCH(int, primeiraContagem);
    const DescricaoTarvek d = le(json);
    TarvekSimulado t;
    QString erro;
    QVERIFY2(d.aplica(t, 0, Agora, &erro), qPrintable(erro));
    const BlocoConfiguracao cfg = BlocoConfiguracao::decodifica(t.configuracaoEm(0));
    QCOMPARE(cfg.Memoria, 1000);
    QCOMPARE(cfg.AquisicoesEfetuadas, efetuadas);
    QCOMPARE(cfg.InicioCircular, inicio);
    const QList<QByteArray> aq = aquisicoesNaMemoria(t.memoria(), inicio, efetuadas, 4);
    for (int j = 0; j < aq.size(); ++j) {
        const QByteArray &b = aq[j];
        QCOMPARE(ContagemDosBytes(uint8_t(b[0]), uint8_t(b[1])), (primeiraContagem + j) % 100);
        QCOMPARE(ContagemDosBytes(uint8_t(b[2]), uint8_t(b[3])), 4000);
    }
    QVERIFY(t.memoria().left(162).count('\0') == 162);
}

void tst_DescricaoTarvek::canalSemLeituraGuardaFFFF()
{
    const DescricaoTarvek d = le(R"({"canais": [{"sensor": "K", "aquisicoes": {"valores": [20, null, 40]}},
        {"sensor": "Pt100", "aquisicoes": {"contagens": [100]}}], "juncaoFria": 171,
        "aquisicoes": {"quantidade": 3}})");
    const GeradorAquisicoes::Memoria m = GeradorAquisicoes(d).geraMemoria();
    const QList<QByteArray> aq = aquisicoesNaMemoria(m.imagem, 0, 3, 4);
    QCOMPARE(aq[1].left(2).toHex(), QByteArray("ffff"));
    QCOMPARE(aq[1].mid(2).toHex(), QByteArray("b064"));  // the cold junction's low nibble, then 100
    QCOMPARE(JuncaoFriaDoisCanais(uint8_t(aq[0][0]), uint8_t(aq[0][2])), 171);
    QCOMPARE(JuncaoFriaDoisCanais(uint8_t(aq[2][0]), uint8_t(aq[2][2])), 171);
}

void tst_DescricaoTarvek::termoparSozinhoLevaAJuncaoFria()
{
    const DescricaoTarvek d = le(R"({"canais": [{}, {"sensor": "S", "aquisicoes": {"contagens": [1234]}}],
        "juncaoFria": 99, "aquisicoes": {"quantidade": 2}})");
    QCOMPARE(d.bytesPorAquisicao(), 3);
    const GeradorAquisicoes::Memoria m = GeradorAquisicoes(d).geraMemoria();
    QCOMPARE(m.imagem.mid(162, 7).toHex(' '), QByteArray("04 d2 63 04 d2 63 ff"));
}

void tst_DescricaoTarvek::leiturasAtuaisContinuamACurva()
{
    const DescricaoTarvek d = le(R"({"intervalo": 10, "relogio": "2026-12-07T09:30:00",
        "canais": [{"sensor": "4-20mA", "aquisicoes": {"contagens": [100, 200, 300, 400, 500]}},
                   {"sensor": "Pt100", "contagemAtual": 1111}],
        "aquisicoes": {"quantidade": 3, "desdeUltima": 4}})");
    TarvekSimulado t;
    QString erro;
    QVERIFY(d.aplica(t, 0, Agora, &erro));
    // The latest acquisition (300) was 2 s before the clock; 8 s later
    // comes the fourth, 400.
    auto leitura = [&](int64_t instante) {
        int64_t i = instante;
        t.recebe(QByteArray("\x08\x03", 2), i);
        return BlocoLeituras::decodifica(t.transmite(i + 10).mid(3, 11));
    };
    QCOMPARE(leitura(1000).LeituraCanal1, 300);
    QCOMPARE(leitura(9000).LeituraCanal1, 400);
    QCOMPARE(leitura(29000).LeituraCanal1, 100);
    QCOMPARE(leitura(29000).LeituraCanal2, 1111);
}

void tst_DescricaoTarvek::blocosBrutosPrevalecem()
{
    const QByteArray leituras = "00 01 02 03 04 05 06 07 08 09 0a";
    const QByteArray cfg
        = "81 00 00 00 13 00 00 00 80 00 1c 0c 07 09 1e 00 01 01 02 00 00 40 00 00 07 00 10 00 00 "
          "2a 00 05";
    const DescricaoTarvek d = le(R"({"blocos": {"leituras": ")" + leituras + R"(", "configuracao": ")" + cfg
        + R"("}, "memoriaBytes": [{"endereco": 162, "hex": "0a 0b"}]})");
    TarvekSimulado t;
    QString erro;
    QVERIFY(d.aplica(t, 0, Agora, &erro));
    QCOMPARE(t.leituras(), QByteArray::fromHex(leituras.simplified().replace(" ", "")));
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(t.configuracaoEm(0));
    QCOMPARE(c.Memoria, 0x4000);  // as the block says, whatever the memory
    QCOMPARE(c.AquisicoesEfetuadas, 7);
    QCOMPARE(c.InicioCircular, 0x10);
    QCOMPARE(c.DesdeUltima, 42);
    QCOMPARE(t.memoria().mid(162, 2).toHex(), QByteArray("0a0b"));
}

void tst_DescricaoTarvek::cenariosCarregam_data()
{
    QTest::addColumn<QString>("nome");
    for (const QString &n : CenariosTarvek::nomes())
        QTest::newRow(qPrintable(n)) << n;
}

void tst_DescricaoTarvek::cenariosCarregam()
{
    QFETCH(QString, nome);
    QString erro;
    const std::optional<DescricaoTarvek> d = CenariosTarvek::descricao(nome, &erro);
    QVERIFY2(d, qPrintable(erro));
    const std::unique_ptr<TarvekSimulado> t = CenariosTarvek::criaTarvek(*d, 0, Agora, &erro);
    QVERIFY2(t, qPrintable(erro));
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(t->configuracaoEm(0));
    QVERIFY(c.Sensor1 >= 128 || c.Sensor2 >= 128);
    // Only the empty logger holds nothing.
    QCOMPARE(c.AquisicoesEfetuadas == 0, nome == u"vazio"_qs);
    if (c.AquisicoesEfetuadas == 0)
        return;
    QVERIFY(c.AquisicoesEfetuadas <= c.capacidade());
    // Every acquisition a collection would read carries a reading.
    QVERIFY(!t->memoria().mid(162 + c.InicioCircular, 2).startsWith("\xff\xff"));
}

QUORVANE_TEST_GUILESS_MAIN(tst_DescricaoTarvek)
#include "tst_DescricaoTarvek.moc"
