// The on-line monitor without its window, against the simulated Tarvek in
// virtual time: the reads made when it opens and their messages, the chart's
// series, titles, formats and limits, the single scale, the tick cycle, the
// ten points of a series (in order across midnight), the offsets and the
// closing after a failed readings request.

#include "AmbienteFalso.h"
#include "BlocoLeituras.h"
#include "DescricaoTarvek.h"
#include "MonitorOnLine.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QRegularExpression>

#include <memory>

namespace {

const QString Nenhum = QStringLiteral(R"({ "sensor": "Nenhum" })");

struct Bancada : AmbienteFalso
{
    TarvekSimulado tarvek;
    TMSCommSimulado porta { tarvek, relogio };
    std::unique_ptr<TDatalogger> link;
    std::unique_ptr<MonitorOnLine> monitor;

    Bancada(const QString &canal1, const QString &canal2,
        const QDateTime &agora = { QDate(2026, 12, 7), QTime(9, 30) })
    {
        const QString descricao = QStringLiteral(R"({ "relogio": "%3", "titulo": "Caldeira 2 ",
            "intervalo": "00:00:02", "parada": "circular", "canais": [ %1, %2 ],
            "aquisicoes": { "quantidade": 40, "desdeUltima": 0 } })")
                                      .arg(canal1, canal2, agora.toString(Qt::ISODate));
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(descricao.toUtf8(), &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), agora, &erro))
            qFatal("%s", qPrintable(erro));
        relogio.defineDataHora(DataHora::deQDateTime(agora));
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
        monitor = std::make_unique<MonitorOnLine>(*link, ambiente);
    }
    void silencia(quint8 comando) { tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, comando }); }
    // One tick one second after the last, as the timer gives them.
    MonitorOnLine::Passo tick()
    {
        relogio.avanca(1000);
        return monitor->Timer1Timer();
    }
};

}  // namespace

class TestMonitorOnLine : public QObject
{
    Q_OBJECT
private slots:
    void leituraInicialFalhaNaOrdem_data();
    void leituraInicialFalhaNaOrdem();
    void semCanalHabilitadoNaoAbre();
    void cicloDeNoveTicks();
    void umCanalGuardaOsDezUltimos();
    void canal2SozinhoNoEixoEsquerdo();
    void escalaUnica_data();
    void escalaUnica();
    void offsetSomadoAoValor_data();
    void offsetSomadoAoValor();
    void falhaDasLeiturasPara();
    void falhaDaConfiguracaoFicaParado();
    void pontosEmOrdemNaMeiaNoite();
};

void TestMonitorOnLine::leituraInicialFalhaNaOrdem_data()
{
    QTest::addColumn<int>("comando");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("configuration") << 0x01 << "Falhou leitura dos parâmetros de configuração.";
    QTest::newRow("calibration") << 0x65 << "Falhou leitura dos parâmetros de calibração.";
    QTest::newRow("non-volatile") << 0x05 << "Falhou leitura dos parâmetros não-voláteis.";
}

void TestMonitorOnLine::leituraInicialFalhaNaOrdem()
{
    QFETCH(int, comando);
    QFETCH(QString, mensagem);
    Bancada b(R"({ "sensor": "K" })", Nenhum);
    b.silencia(quint8(comando));
    QVERIFY(!b.monitor->FormCreate());
    QVERIFY(b.monitor->parado());
    QCOMPARE(b.mensagens.textos(), QStringList { mensagem });
    QCOMPARE(b.monitor->Timer1Timer(), MonitorOnLine::Passo::Parado);
}

void TestMonitorOnLine::semCanalHabilitadoNaoAbre()
{
    Bancada b(Nenhum, Nenhum);
    QVERIFY(!b.monitor->FormCreate());
    QCOMPARE(b.mensagens.textos(), QStringList { u"Nenhum sensor está habilitado!"_qs });
    QCOMPARE(b.monitor->Timer1Timer(), MonitorOnLine::Passo::Parado);
}

void TestMonitorOnLine::cicloDeNoveTicks()
{
    Bancada b(R"({ "sensor": "K", "tag": "Forno", "leituraAtual": 300 })", Nenhum);
    QVERIFY(b.monitor->FormCreate());
    QCOMPARE(b.monitor->tituloEixoTempo(), u"Aquisições realizadas: 40"_qs);
    QList<MonitorOnLine::Passo> passos;
    QStringList titulos;
    for (int i = 0; i < 9; ++i) {
        passos << b.tick();
        titulos << b.monitor->tituloEixoTempo();
    }
    using P = MonitorOnLine::Passo;
    QCOMPARE(passos,
        (QList<P> { P::Leitura, P::Leitura, P::Configuracao, P::Leitura, P::Leitura, P::Configuracao,
            P::Leitura, P::Leitura, P::Configuracao }));
    QCOMPARE(b.monitor->pontos(0).size(), 6);
    // The logger goes on acquiring (one every 2 s): the title follows it on
    // each configuration tick only.
    QCOMPARE(titulos.at(0), u"Aquisições realizadas: 40"_qs);
    QVERIFY(titulos.at(2) != titulos.at(1));
    QCOMPARE(titulos.at(3), titulos.at(2));
    QVERIFY(b.mensagens.registro.isEmpty());
}

void TestMonitorOnLine::umCanalGuardaOsDezUltimos()
{
    Bancada b(R"({ "sensor": "Termopar K", "tag": "Forno", "leituraAtual": 300 })", Nenhum);
    QVERIFY(b.monitor->FormCreate());
    QCOMPARE(b.monitor->quantasSeries(), 1);
    QCOMPARE(b.monitor->canalDaSerie(0), 1);
    QList<double> instantes;
    while (instantes.size() < 12) {
        if (b.tick() == MonitorOnLine::Passo::Leitura)
            instantes << b.monitor->ultimaLeitura().instante;
    }
    const QList<QPointF> &pontos = b.monitor->pontos(0);
    QCOMPARE(pontos.size(), 10);
    QCOMPARE(pontos.first().x(), instantes.at(2));
    QCOMPARE(pontos.last().x(), instantes.at(11));
    QCOMPARE(b.monitor->textoCanal(1), u"Forno: 300"_qs);
    QCOMPARE(b.monitor->textoDataHora().left(17), u"07/12/2026 09:30:"_qs);
}

void TestMonitorOnLine::canal2SozinhoNoEixoEsquerdo()
{
    Bancada b(Nenhum,
        R"({ "sensor": "4-20mA", "tag": "Pressao", "unidade": "bar", "decimais": 2, "limites": [0, 9999],
             "leituraAtual": 12.34 })");
    QVERIFY(b.monitor->FormCreate());
    QCOMPARE(b.monitor->quantasSeries(), 1);
    QCOMPARE(b.monitor->canalDaSerie(0), 2);
    QCOMPARE(b.monitor->tituloSerie(0), u"Pressao"_qs);
    QCOMPARE(b.monitor->tituloEixo(0), u"Pressao (bar )"_qs);
    QCOMPARE(b.monitor->formatoEixo(0), u"##,##00.00"_qs);
    QCOMPARE(b.monitor->limitesEixo(0, false), (MonitorOnLine::Limites { 0, 99.99 }));
    QCOMPARE(b.monitor->tituloGrafico(), u"Caldeira 2"_qs);
    QCOMPARE(b.tick(), MonitorOnLine::Passo::Leitura);
    // Two decimals (12.34 is as near as the logger's counts come).
    QVERIFY2(QRegularExpression(u"^Pressao: 12,3\\d$"_qs).match(b.monitor->textoCanal(2)).hasMatch(),
        qPrintable(b.monitor->textoCanal(2)));
    QCOMPARE(b.monitor->textoCanal(1), u" "_qs);
}

void TestMonitorOnLine::escalaUnica_data()
{
    QTest::addColumn<bool>("unica");
    QTest::addColumn<double>("esquerdoInf");
    QTest::addColumn<double>("esquerdoSup");
    QTest::addColumn<double>("direitoInf");
    QTest::addColumn<double>("direitoSup");
    QTest::newRow("checked: one range for both") << true << -50.0 << 760.0 << -50.0 << 760.0;
    QTest::newRow("unchecked: each its own") << false << 0.0 << 100.0 << -50.0 << 760.0;
}

void TestMonitorOnLine::escalaUnica()
{
    QFETCH(bool, unica);
    QFETCH(double, esquerdoInf);
    QFETCH(double, esquerdoSup);
    QFETCH(double, direitoInf);
    QFETCH(double, direitoSup);
    Bancada b(R"({ "sensor": "4-20mA", "decimais": 1, "limites": [0, 1000] })",
        R"({ "sensor": "Termopar J", "limites": [0, 150] })");
    QVERIFY(b.monitor->FormCreate());
    QCOMPARE(b.monitor->quantasSeries(), 2);
    QCOMPARE(b.monitor->limitesEixo(0, unica), (MonitorOnLine::Limites { esquerdoInf, esquerdoSup }));
    QCOMPARE(b.monitor->limitesEixo(1, unica), (MonitorOnLine::Limites { direitoInf, direitoSup }));
    QCOMPARE(b.monitor->tituloSerie(0), u"Canal 1"_qs);
    QCOMPARE(b.monitor->tituloSerie(1), u"Canal 2"_qs);
    QCOMPARE(b.monitor->formatoEixo(0), u"###,#000.0"_qs);
    QCOMPARE(b.monitor->formatoEixo(1), u"####0"_qs);
}

void TestMonitorOnLine::offsetSomadoAoValor_data()
{
    QTest::addColumn<QString>("canal");
    QTest::addColumn<int>("offset");
    QTest::addColumn<double>("somado");
    QTest::newRow("Pt100 +5 tenths") << R"({ "sensor": "Pt100" })" << 5 << 0.5;
    QTest::newRow("thermocouple -3 degrees") << R"({ "sensor": "K" })" << -3 << -3.0;
    QTest::newRow("4-20mA code 2, +7 hundredths")
        << R"({ "sensor": "4-20mA", "decimais": 2, "limites": [0, 9999] })" << 7 << 0.07;
}

void TestMonitorOnLine::offsetSomadoAoValor()
{
    QFETCH(QString, canal);
    QFETCH(int, offset);
    QFETCH(double, somado);
    Bancada b(R"({ "sensor": "J" })", canal);
    const QByteArray c = b.tarvek.configuracao(), k = b.tarvek.calibracao();
    QByteArray n = b.tarvek.naoVolatil();
    BlocoLeituras leituras;
    leituras.LeituraCanal2 = 2100;
    leituras.JuncaoFria = 122;
    n[75] = 0;
    b.monitor->preenche(c, k, n);
    const double sem = b.monitor->valor(2, leituras);
    n[75] = char(offset);
    b.monitor->preenche(c, k, n);
    QVERIFY(qAbs(b.monitor->valor(2, leituras) - sem - somado) < 1e-9);
}

void TestMonitorOnLine::falhaDasLeiturasPara()
{
    Bancada b(R"({ "sensor": "K", "leituraAtual": 300 })", Nenhum);
    QVERIFY(b.monitor->FormCreate());
    QCOMPARE(b.tick(), MonitorOnLine::Passo::Leitura);
    b.silencia(0x03);
    QCOMPARE(b.tick(), MonitorOnLine::Passo::FalhaLeitura);
    QVERIFY(b.monitor->parado());
    QCOMPARE(b.mensagens.textos().last(), u"Falhou leitura dos valores analógicos."_qs);
    b.tarvek.limpaFalhas();
    QCOMPARE(b.tick(), MonitorOnLine::Passo::Parado);
    QCOMPARE(b.monitor->pontos(0).size(), 1);
}

void TestMonitorOnLine::falhaDaConfiguracaoFicaParado()
{
    Bancada b(R"({ "sensor": "K", "leituraAtual": 300 })", Nenhum);
    QVERIFY(b.monitor->FormCreate());
    b.tick();
    b.tick();
    b.silencia(0x01);
    QCOMPARE(b.tick(), MonitorOnLine::Passo::FalhaConfiguracao);
    QCOMPARE(b.mensagens.textos().last(), u"Falhou leitura dos parâmetros de configuração."_qs);
    QCOMPARE(b.tick(), MonitorOnLine::Passo::Parado);
    QCOMPARE(b.monitor->pontos(0).size(), 2);
}

void TestMonitorOnLine::pontosEmOrdemNaMeiaNoite()
{
    Bancada b(R"({ "sensor": "K", "leituraAtual": 300 })", Nenhum,
        QDateTime(QDate(2026, 12, 7), QTime(23, 59, 50)));
    QVERIFY(b.monitor->FormCreate());
    for (int i = 0; i < 15; ++i)
        b.tick();
    const QList<QPointF> &pontos = b.monitor->pontos(0);
    QCOMPARE(pontos.size(), 10);
    QVERIFY(DataHora::paraQDate(pontos.first().x()) == QDate(2026, 12, 7));
    QVERIFY(DataHora::paraQDate(pontos.last().x()) == QDate(2026, 12, 8));
    for (int i = 1; i < pontos.size(); ++i)
        QVERIFY2(pontos.at(i).x() > pontos.at(i - 1).x(), qPrintable(QString::number(i)));
}

QUORVANE_TEST_GUILESS_MAIN(TestMonitorOnLine)
#include "tst_MonitorOnLine.moc"
