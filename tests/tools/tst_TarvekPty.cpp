// End to end: quorvane-tarvek-sim serves a pseudo-terminal, and the link
// talks to it through the real serial port class with the real clock.

#include "AmbienteFalso.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "CenariosTarvek.h"
#include "RegistroTestes.h"
#include "RelogioQt.h"
#include "TDatalogger.h"
#include "TMSCommSerial.h"
#include "TarvekSimulado.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#ifndef QUORVANE_TARVEK_SIM
#error "QUORVANE_TARVEK_SIM must name the simulator executable"
#endif

namespace {

struct Simulador
{
    QProcess processo;
    QString dispositivo;

    bool inicia(const QStringList &argumentos)
    {
        processo.setProgram(QStringLiteral(QUORVANE_TARVEK_SIM));
        processo.setArguments(argumentos);
        processo.start();
        if (!processo.waitForStarted(5000))
            return false;
        while (!processo.canReadLine() && processo.waitForReadyRead(5000)) { }
        dispositivo = QString::fromLocal8Bit(processo.readLine()).trimmed();
        return !dispositivo.isEmpty();
    }

    ~Simulador()
    {
        if (processo.state() != QProcess::NotRunning) {
            processo.terminate();
            if (!processo.waitForFinished(5000))
                processo.kill();
        }
    }
};

}  // namespace

class tst_TarvekPty : public QObject
{
    Q_OBJECT

private slots:
    void linkLeConfiguracaoEPaginaPeloTerminal_data();
    void linkLeConfiguracaoEPaginaPeloTerminal();
    void cenarioDesconhecidoNaoAbreTerminal();
};

void tst_TarvekPty::linkLeConfiguracaoEPaginaPeloTerminal_data()
{
    QTest::addColumn<bool>("cadencia");
    QTest::newRow("as fast as it can") << false;
    QTest::newRow("paced at 19200 baud") << true;
}

void tst_TarvekPty::linkLeConfiguracaoEPaginaPeloTerminal()
{
    QFETCH(bool, cadencia);
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString link = pasta.filePath(u"tarvek"_qs);
    QStringList argumentos { u"--cenario"_qs, u"termopar"_qs, u"--link"_qs, link };
    if (cadencia)
        argumentos << u"--pace"_qs;
    Simulador sim;
    QVERIFY2(sim.inicia(argumentos), qPrintable(sim.processo.readAllStandardError()));
    QVERIFY(sim.dispositivo.startsWith(u"/dev/"));
    QCOMPARE(QFileInfo(link).symLinkTarget(), sim.dispositivo);

    AmbienteFalso f;
    RelogioQt relogio;
    f.ambiente.relogio = &relogio;
    f.configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
    TDatalogger tarvek(f.ambiente);
    TMSCommSerial porta(link);
    QVERIFY(tarvek.AbreComunicacao(1, &porta, &f.status));

    QByteArray bloco;
    QVERIFY2(tarvek.LeConfiguracao(bloco), qPrintable(f.status.historico.join(u" / ")));
    const BlocoConfiguracao cfg = BlocoConfiguracao::decodifica(bloco);
    QCOMPARE(cfg.Sensor1, 129);
    QCOMPARE(cfg.Intervalo, 19);
    QCOMPARE(cfg.AquisicoesEfetuadas, 1440);
    QCOMPARE(cfg.Memoria, 32768);

    QByteArray pagina;
    QVERIFY2(tarvek.LePagina(pagina, 1), qPrintable(f.status.historico.join(u" / ")));
    QString erro;
    const std::optional<DescricaoTarvek> d = CenariosTarvek::descricao(u"termopar"_qs, &erro);
    QVERIFY(d);
    const std::unique_ptr<TarvekSimulado> local = CenariosTarvek::criaTarvek(*d, 0, QDateTime(), &erro);
    QCOMPARE(pagina, local->memoria().mid(2048, 2048));

    QVERIFY(tarvek.FimAquisicoes());
#ifndef QUORVANE_SANITIZADO
    // On the real clock the exchange needs no retry at all.
    QVERIFY2(f.status.historico.filter(u"Erro"_qs).isEmpty(), qPrintable(f.status.historico.join(u" / ")));
#endif
    QCOMPARE(f.sinal.bips, 0);
    tarvek.FechaComunicacao();

    sim.processo.terminate();
    QVERIFY(sim.processo.waitForFinished(5000));
    QCOMPARE(sim.processo.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void tst_TarvekPty::cenarioDesconhecidoNaoAbreTerminal()
{
    Simulador sim;
    QVERIFY(!sim.inicia({ u"--cenario"_qs, u"inexistente"_qs }));
    QVERIFY(sim.processo.state() == QProcess::NotRunning || sim.processo.waitForFinished(5000));
    QCOMPARE(sim.processo.exitCode(), 2);
    QVERIFY(sim.processo.readAllStandardError().contains("inexistente"));
}

QUORVANE_TEST_GUILESS_MAIN(tst_TarvekPty)
#include "tst_TarvekPty.moc"
