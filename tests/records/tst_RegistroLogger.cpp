// The record of the writes to a logger, on the simulated Tarvek in virtual
// time: the intent is in the trail before a byte is sent, and a write whose
// intent cannot be recorded never reaches the logger.

#include "AmbienteFalso.h"
#include "BancoTeste.h"
#include "BlocoNaoVolatil.h"
#include "CenariosTarvek.h"
#include "RegistroLogger.h"
#include "RegistroTestes.h"
#include "Registros.h"
#include "TDatalogger.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Bancada : AmbienteFalso
{
    std::unique_ptr<TarvekSimulado> tarvek;
    std::unique_ptr<TMSCommSimulado> porta;
    Registros registros;
    RegistroLogger observador { registros, &catalogo };
    TDatalogger link { comObservador() };

    explicit Bancada(const QString &pasta, const QString &banco = BancoTeste::novo())
        : registros(pasta, { QStringLiteral("tecnico"), QStringLiteral("pc"), QStringLiteral("1.14") }, banco)
    {
        QString erro;
        const std::optional<DescricaoTarvek> d = CenariosTarvek::descricao(CenariosTarvek::Padrao, &erro);
        tarvek = CenariosTarvek::criaTarvek(
            *d, relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 0)), &erro);
        porta = std::make_unique<TMSCommSimulado>(*tarvek, relogio);
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        if (!link.AbreComunicacao(1, porta.get(), &status))
            qFatal("port did not open");
    }

    Ambiente comObservador()
    {
        Ambiente a = ambiente;
        a.observadorLogger = &observador;
        return a;
    }

    QByteArray naoVolateis()
    {
        QByteArray b;
        return link.LeNaoVolateis(b) ? b : QByteArray();
    }
};

}  // namespace

class tst_RegistroLogger : public QObject
{
    Q_OBJECT

private slots:
    void escritaRegistradaComoQueMudou_data();
    void escritaRegistradaComoQueMudou();
    void semTrilhaNadaEEnviado();
};

void tst_RegistroLogger::escritaRegistradaComoQueMudou_data()
{
    QTest::addColumn<QString>("mudanca");
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QString>("campo");
    QTest::newRow("data da bateria") << "bateria"
                                     << "bateria"
                                     << "data_bateria";
    QTest::newRow("offset do canal 2") << "offset"
                                       << "offset"
                                       << "offset2";
    QTest::newRow("título") << "titulo"
                            << "configuracao"
                            << "titulo";
    QTest::newRow("parada") << "parada"
                            << "parada"
                            << "";
}

void tst_RegistroLogger::escritaRegistradaComoQueMudou()
{
    QFETCH(QString, mudanca);
    QFETCH(QString, acao);
    QFETCH(QString, campo);
    QTemporaryDir pasta;
    Bancada b(pasta.path());
    QByteArray calibracao;
    QVERIFY(b.link.LeCalibracao(calibracao));
    const QByteArray lido = b.naoVolateis();
    BlocoNaoVolatil nv = BlocoNaoVolatil::decodifica(lido);
    bool ok = false;
    if (mudanca == QLatin1String("parada")) {
        ok = b.link.FimAquisicoes();
    } else {
        BlocoNaoVolatil::Campos campos;
        if (mudanca == QLatin1String("bateria")) {
            nv.defineDataBateria(QDateTime(QDate(2026, 12, 1), QTime(8, 0)));
            campos = BlocoNaoVolatil::Campo::DataBateria;
        } else if (mudanca == QLatin1String("offset")) {
            nv.Offset2 += 3;
            campos = BlocoNaoVolatil::Campo::Offsets;
        } else {
            nv.Titulo = QStringLiteral("Camara fria 3");
            campos = BlocoNaoVolatil::Campo::Textos;
        }
        ok = b.link.EscreveNaoVolateis(nv.atualiza(lido, campos));
    }
    QVERIFY(ok);
    const QList<LinhaTrilha> linhas = b.registros.trilha()->lista();
    QCOMPARE(linhas.size(), 2);
    QCOMPARE(linhas[0].acao, acao + QStringLiteral(".intencao"));
    QCOMPARE(linhas[1].acao, acao + QStringLiteral(".resultado"));
    QCOMPARE(linhas[0].serie, b.observador.serie());
    QVERIFY(linhas[0].serie && *linhas[0].serie > 0);
    const QJsonObject campos
        = QJsonDocument::fromJson(linhas[0].detalhes.toUtf8()).object().value(u"campos"_qs).toObject();
    QCOMPARE(campos.keys(), campo.isEmpty() ? QStringList() : QStringList { campo });
    if (!campo.isEmpty())
        QVERIFY(campos.value(campo)[u"antes"_qs] != campos.value(campo)[u"depois"_qs]);
    QVERIFY(linhas[1].detalhes.contains(u"\"sucesso\":true"_qs));
    QVERIFY(b.registros.trilha()->verifica().integra);
}

void tst_RegistroLogger::semTrilhaNadaEEnviado()
{
    QTemporaryDir pasta;
    QFile arquivo(pasta.filePath(u"ocupa"_qs));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.close();
    // A data folder that cannot be made, a server that does not answer:
    // the trail cannot be written.
    Bancada b(arquivo.fileName() + u"/dados"_qs,
        BancoTeste::postgres() ? BancoTeste::inalcancavel(pasta.path()) : QString());
    const QByteArray lido = b.naoVolateis();
    BlocoNaoVolatil nv = BlocoNaoVolatil::decodifica(lido);
    nv.Offset1 += 5;
    QVERIFY(!b.link.EscreveNaoVolateis(nv.atualiza(lido, BlocoNaoVolatil::Campo::Offsets)));
    QVERIFY(b.link.EscritaRecusada());
    QVERIFY2(
        b.link.TextoRecusa().startsWith(u"Nada foi enviado ao logger"_qs), qPrintable(b.link.TextoRecusa()));
    QCOMPARE(b.link.TextoRecusa().contains(u"servidor dos registros"_qs), BancoTeste::postgres());
    QVERIFY(!b.link.FimAquisicoes());
    QCOMPARE(b.naoVolateis(), lido);
    QVERIFY(!b.tarvek->aquisicoesEncerradas());
}

QUORVANE_TEST_GUILESS_MAIN(tst_RegistroLogger)
#include "tst_RegistroLogger.moc"
