// A whole collection through the link against the simulated Tarvek, in
// virtual time: what it reads, in which order it gives up, the values it
// makes of the logger's memory, and the page trace.

#include "AmbienteFalso.h"
#include "CenariosTarvek.h"
#include "ColetaDados.h"
#include "DataHora.h"
#include "DescricaoTarvek.h"
#include "GeradorAquisicoes.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

const QDateTime Agora(QDate(2026, 12, 7), QTime(9, 30, 0));

// Two channels: a thermocouple with a negative offset and a 4-20 mA input
// with one decimal place and an offset, so that channel order, offsets and
// decimal places all show in the values.
const char *const DoisCanais = R"({
  "firmware": "1.3", "relogio": "2026-12-07T09:30:00", "titulo": "  Forno 3  ",
  "intervalo": "00:00:10", "leiturasPorAquisicao": 3,
  "canais": [
    { "sensor": "K", "tag": "Forno", "unidade": "C", "limites": [0, 1000], "offset": -2,
      "aquisicoes": { "valores": [20, 21, 23, 150, 300] } },
    { "sensor": "4-20mA", "tag": "Pressao", "unidade": "bar", "decimais": 1, "limites": [0, 250],
      "offset": 3, "aquisicoes": { "valores": [2, 4.5, 12.3, 20, 24.9] } }
  ],
  "aquisicoes": { "quantidade": 5, "desdeUltima": 8 }
})";

class Registro : public ColetaDados::Observador
{
public:
    int total = -1;
    QList<int> lidas;
    int completas = 0;
    void iniciaPaginas(int t) override { total = t; }
    void paginaLida(int n) override { lidas << n; }
    void paginasCompletas() override { ++completas; }
};

struct Bancada : AmbienteFalso
{
    TarvekSimulado tarvek;
    TMSCommSimulado porta { tarvek, relogio };
    std::unique_ptr<TDatalogger> link;
    QTemporaryDir pasta;

    explicit Bancada(const QByteArray &json)
        : Bancada(descricao(json))
    {
    }

    explicit Bancada(const DescricaoTarvek &d)
    {
        QString erro;
        if (!d.aplica(tarvek, relogio.tickCount(), Agora, &erro))
            qFatal("%s", qPrintable(erro));
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
    }

    static DescricaoTarvek descricao(const QByteArray &json)
    {
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(json, &erro);
        if (!d)
            qFatal("%s", qPrintable(erro));
        return *d;
    }

    ColetaDados::Resultado coleta(Registro *registro = nullptr)
    {
        return ColetaDados(*link, ambiente).executa(registro, pasta.path());
    }
};

QByteArray comMudanca(const char *json, const char *de, const char *para)
{
    return QByteArray(json).replace(de, para);
}

DescricaoTarvek cenario(const QString &nome)
{
    QString erro;
    const std::optional<DescricaoTarvek> d = CenariosTarvek::descricao(nome, &erro);
    if (!d)
        qFatal("%s", qPrintable(erro));
    return *d;
}

// The commands the logger took: "01 05 65 02/0 ...", a page read with its
// page.
QString comandos(const TarvekSimulado &t)
{
    QStringList l;
    for (const TarvekSimulado::ComandoRecebido &c : t.comandosRecebidos())
        l << (c.pagina < 0 ? QString::asprintf("%02X", c.comando)
                           : QString::asprintf("%02X/%d", c.comando, c.pagina));
    return l.join(u' ');
}

}  // namespace

class TestColetaDados : public QObject
{
    Q_OBJECT
private slots:
    void valoresComOffsetEDecimais();
    void falhasNaOrdem_data();
    void falhasNaOrdem();
    void forcaColetaLidaACadaVez();
    void memoriaCheiaDe32kLe16Paginas();
    void paginaForaDaImagemNaoELida();
    void oQueOTarvekRecebe_data();
    void oQueOTarvekRecebe();
    void circularQueDeuAVoltaDaOsValoresDescritos_data();
    void circularQueDeuAVoltaDaOsValoresDescritos();
    void tracoDaUltimaPagina_data();
    void tracoDaUltimaPagina();
};

void TestColetaDados::valoresComOffsetEDecimais()
{
    Bancada b(DoisCanais);
    Registro r;
    const ColetaDados::Resultado res = b.coleta(&r);
    QVERIFY2(res.ok(), qPrintable(res.mensagem));
    const TAquisicao &a = *res.aquisicao;
    QCOMPARE(a.Titulo, QStringLiteral("Forno 3"));
    QCOMPARE(a.NomeCanal1, QStringLiteral("Forno"));
    QCOMPARE(a.UnidadeCanal2, QStringLiteral("bar"));
    QCOMPARE(a.NumCanais, 2);
    QCOMPARE(a.SensorCanal1, 1);
    QCOMPARE(a.SensorCanal2, 9);
    QCOMPARE(a.DecimaisCanal2, 1);
    QCOMPARE(a.OffsetCanal1, -2);
    QCOMPARE(a.IntervaloAquisicoes(), 30.0);
    QCOMPARE(a.NumLeituras(), 5);
    // The simulated logger stores what a collection must show again.
    const double canal1[] = { 20, 21, 23, 150, 300 };
    const double canal2[] = { 2, 4.5, 12.3, 20, 24.9 };
    for (int i = 0; i < 5; ++i) {
        QVERIFY2(qAbs(a.leitura(i).Canal1() - canal1[i]) < 0.5,
            qPrintable(QString::number(a.leitura(i).Canal1())));
        QVERIFY2(qAbs(a.leitura(i).Canal2() - canal2[i]) < 0.1,
            qPrintable(QString::number(a.leitura(i).Canal2())));
    }
    // 4 intervals of 30 s and 8 half seconds before the logger's clock.
    const CamposDataHora inicio = DataHora::decodifica(a.Inicio);
    QCOMPARE(QTime(inicio.hora, inicio.minuto, inicio.segundo), QTime(9, 27, 56));
    QCOMPARE(r.total, 1);
    QCOMPARE(r.lidas, QList<int>({ 1 }));
    QCOMPARE(r.completas, 1);
    // The signal of a finished collection.
    QVERIFY(b.sinal.bips > 0);
}

void TestColetaDados::falhasNaOrdem_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("texto");
    QTest::addColumn<bool>("paginasIniciadas");

    const char *semFalha = R"("aquisicoes": { "quantidade": 5, "desdeUltima": 8 })";
    auto falha = [&](const char *alvo) {
        return comMudanca(DoisCanais, semFalha,
            QByteArray(semFalha)
                .append(R"(, "falhas": [{ "tipo": "silencio", "alvo": ")")
                .append(alvo)
                .append(R"(" }])"));
    };
    QTest::newRow("configuration") << falha("LeConfiguracao") << 136 << false;
    QTest::newRow("non-volatile") << falha("LeNaoVolateis") << 137 << false;
    QTest::newRow("calibration") << falha("LeCalibracao") << 146 << false;
    QTest::newRow("page") << falha("LePagina") << 239 << true;
    QTest::newRow("nothing stored") << comMudanca(DoisCanais, R"("quantidade": 5)", R"("quantidade": 0)")
                                    << 238 << false;
    QTest::newRow("no sensor") << comMudanca(
        comMudanca(DoisCanais, R"("sensor": "K")", R"("sensor": "Nenhum")"), R"("sensor": "4-20mA")",
        R"("sensor": "Nenhum")")
                               << 237 << false;
    QTest::newRow("memory above 32768")
        << comMudanca(DoisCanais, R"("firmware": "1.3")", R"("firmware": "1.3", "memoriaDeclarada": 65535)")
        << 289 << false;
}

void TestColetaDados::falhasNaOrdem()
{
    QFETCH(QByteArray, json);
    QFETCH(int, texto);
    QFETCH(bool, paginasIniciadas);
    Bancada b(json);
    Registro r;
    const ColetaDados::Resultado res = b.coleta(&r);
    QVERIFY(!res.ok());
    QCOMPARE(res.texto, texto);
    QVERIFY(!res.mensagem.isEmpty());
    QCOMPARE(r.total >= 0, paginasIniciadas);
    QVERIFY(r.lidas.isEmpty());
    QCOMPARE(r.completas, 0);
    // No signal of a finished collection (a failing link signals itself).
    if (texto == 237 || texto == 238 || texto == 289)
        QCOMPARE(b.sinal.bips, 0);
    QVERIFY(!b.link->EmUso());
}

void TestColetaDados::forcaColetaLidaACadaVez()
{
    Bancada b(DoisCanais);
    QCOMPARE(b.coleta().aquisicao->NumLeituras(), 5);
    b.configuracoes.grava(u"COMUNICACAO"_qs, u"FORCA_COLETA"_qs, u"TRUE"_qs);
    const ColetaDados::Resultado forcada = b.coleta();
    QVERIFY(forcada.ok());
    // The whole 32768-byte memory of 4-byte acquisitions.
    QCOMPARE(forcada.aquisicao->NumLeituras(), (32768 - 162) / 4);
    QCOMPARE(forcada.aquisicao->Capacidade, (32768 - 162) / 4);
    b.configuracoes.grava(u"COMUNICACAO"_qs, u"FORCA_COLETA"_qs, u"true"_qs);
    QCOMPARE(b.coleta().aquisicao->NumLeituras(), 5);
}

void TestColetaDados::memoriaCheiaDe32kLe16Paginas()
{
    Bancada b(comMudanca(DoisCanais, R"("quantidade": 5)", R"("quantidade": 8151)"));
    Registro r;
    const ColetaDados::Resultado res = b.coleta(&r);
    QVERIFY(res.ok());
    QCOMPARE(res.aquisicao->NumLeituras(), 8151);
    QCOMPARE(r.total, 16);
    QCOMPARE(r.lidas.size(), 16);
    QCOMPARE(r.lidas.last(), 16);
    // The values repeat the description's list all the way.
    QVERIFY(qAbs(res.aquisicao->leitura(8150).Canal2() - 2) < 0.1);
}

void TestColetaDados::paginaForaDaImagemNaoELida()
{
    // A plan that asks for one page more than the 32768-byte image holds:
    // the 16 pages that fit are read, the 17th is never asked for, and the
    // collection fails without a document.
    Bancada b(comMudanca(DoisCanais, R"("quantidade": 5)", R"("quantidade": 8151)"));
    QByteArray configuracao, naoVolatil, calibracao;
    QVERIFY(b.link->LeConfiguracao(configuracao) && b.link->LeNaoVolateis(naoVolatil)
        && b.link->LeCalibracao(calibracao));
    DecodificacaoColeta::Plano plano
        = DecodificacaoColeta::planeja(configuracao, naoVolatil, calibracao, false);
    QCOMPARE(plano.paginas, 16);
    plano.paginas = 17;
    Registro r;
    const ColetaDados::Resultado res
        = ColetaDados(*b.link, b.ambiente).coleta(plano, calibracao, &r, b.pasta.path());
    QVERIFY(!res.ok());
    QCOMPARE(res.texto, 239);
    QCOMPARE(res.mensagem, u"Falha no comando de Upload."_qs);
    QCOMPARE(r.lidas.size(), 16);
    QVERIFY(comandos(b.tarvek).endsWith(u"02/15"_qs));
    QCOMPARE(r.completas, 0);
}

void TestColetaDados::oQueOTarvekRecebe_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("texto");
    QTest::addColumn<QString>("recebidos");
    QTest::addColumn<int>("paginas");  // announced to the observer; -1 none
    QTest::addColumn<QList<int>>("lidas");

    QTest::newRow("nothing stored: the three blocks and no page")
        << u"vazio"_qs << 238 << u"01 05 65"_qs << -1 << QList<int>();
    QTest::newRow("page 3 fails its three attempts after pages 0 to 2")
        << u"falha-pagina"_qs << 239 << u"01 05 65 02/0 02/1 02/2 02/3 02/3 02/3"_qs << 6
        << QList<int>({ 1, 2, 3 });
    QTest::newRow("each page once, in order")
        << u"circular-2-bytes"_qs << 0 << u"01 05 65 02/0 02/1 02/2 02/3"_qs << 4
        << QList<int>({ 1, 2, 3, 4 });
}

void TestColetaDados::oQueOTarvekRecebe()
{
    QFETCH(QString, nome);
    QFETCH(int, texto);
    QFETCH(QString, recebidos);
    QFETCH(int, paginas);
    QFETCH(QList<int>, lidas);
    Bancada b(cenario(nome));
    Registro r;
    const ColetaDados::Resultado res = b.coleta(&r);
    QCOMPARE(res.texto, texto);
    QCOMPARE(res.ok(), texto == 0);
    if (texto != 0)
        QCOMPARE(res.mensagem, b.catalogo.texto(texto));
    QCOMPARE(comandos(b.tarvek), recebidos);
    QCOMPARE(r.total, paginas);
    QCOMPARE(r.lidas, lidas);
    QCOMPARE(r.completas, texto == 0 ? 1 : 0);
}

// A circular memory that made more acquisitions than it holds keeps the
// latest, the newest written on from where the oldest were; with the
// oldest at a multiple of the acquisition size the collection walks them
// exactly, the one across the end of the memory included.
void TestColetaDados::circularQueDeuAVoltaDaOsValoresDescritos_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("memoria");  // 0: the scenario's
    QTest::addColumn<int>("sobra");  // bytes of the area after the last whole acquisition

    QTest::newRow("2 bytes, one across the end") << u"circular-2-bytes"_qs << 0 << 1;
    QTest::newRow("3 bytes, the cold junction at the area's start") << u"circular-3-bytes"_qs << 0 << 2;
    QTest::newRow("3 bytes, count and cold junction across the end") << u"circular-3-bytes"_qs << 8194 << 1;
    QTest::newRow("4 bytes, the last byte across the end") << u"circular-4-bytes"_qs << 0 << 3;
    QTest::newRow("4 bytes, two bytes across the end") << u"circular"_qs << 0 << 2;
    QTest::newRow("4 bytes, three bytes across the end") << u"circular-4-bytes"_qs << 8191 << 1;
}

void TestColetaDados::circularQueDeuAVoltaDaOsValoresDescritos()
{
    QFETCH(QString, nome);
    QFETCH(int, memoria);
    QFETCH(int, sobra);
    DescricaoTarvek d = cenario(nome);
    if (memoria > 0)
        d.memoria = memoria;
    const int capacidade = d.capacidade();
    QCOMPARE((d.memoria - 162) % d.bytesPorAquisicao(), sobra);
    QVERIFY(d.quantidade > capacidade);
    Bancada b(d);
    Registro r;
    const ColetaDados::Resultado res = b.coleta(&r);
    QVERIFY2(res.ok(), qPrintable(res.mensagem));
    const TAquisicao &a = *res.aquisicao;
    QCOMPARE(a.NumLeituras(), capacidade);
    QCOMPARE(r.total, (d.memoria + 2047) / 2048);
    // Entry j is acquisition quantidade - capacidade + j of the description.
    const GeradorAquisicoes g(d);
    const int primeira = d.quantidade - capacidade;
    for (int j = 0; j < capacidade; ++j) {
        for (int canal = 0; canal < 2; ++canal) {
            if (!d.canais[canal].habilitado())
                continue;
            const double descrito
                = g.valorExibido(canal, g.contagemDaAquisicao(canal, primeira + j, d.quantidade));
            const double coletado = canal == 0 ? a.leitura(j).Canal1() : a.leitura(j).Canal2();
            if (qAbs(coletado - descrito) > 1e-6)
                QFAIL(qPrintable(QStringLiteral("entry %1, channel %2: %3 instead of %4")
                                     .arg(j)
                                     .arg(canal + 1)
                                     .arg(coletado)
                                     .arg(descrito)));
        }
    }
}

void TestColetaDados::tracoDaUltimaPagina_data()
{
    QTest::addColumn<QString>("debug");
    QTest::addColumn<bool>("gravado");
    QTest::newRow("trace on by default") << QString() << true;
    QTest::newRow("DEBUG=FALSE") << QStringLiteral("FALSE") << false;
}

void TestColetaDados::tracoDaUltimaPagina()
{
    QFETCH(QString, debug);
    QFETCH(bool, gravado);
    Bancada b(comMudanca(DoisCanais, R"("quantidade": 5)", R"("quantidade": 600)"));
    if (!debug.isEmpty())
        b.configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, debug);
    QVERIFY(b.coleta().ok());
    QFile traco(b.pasta.filePath(QStringLiteral("DEBUG.TXT")));
    QCOMPARE(traco.exists(), gravado);
    if (!gravado)
        return;
    QVERIFY(traco.open(QIODevice::ReadOnly));
    const QByteArray conteudo = traco.readAll();
    // One entry per byte of the last page (page 1), each with an empty line.
    QCOMPARE(conteudo.count("Byte "), 2048);
    const QByteArray pagina1 = b.tarvek.memoria().mid(2048, 1);
    QVERIFY(conteudo.startsWith(TDatalogger::LinhaTraco(1, uint8_t(pagina1[0])).toLatin1()));
}

QUORVANE_TEST_GUILESS_MAIN(TestColetaDados)
#include "tst_ColetaDados.moc"
