// "Testar" of the "Portas..." window in virtual time: the simulated Tarvek
// names itself, a port that stays silent, one that does not open and a
// logger that stops answering give their reasons, without a message box,
// and the port is closed again in every case.

#include "AmbienteFalso.h"
#include "DescricaoTarvek.h"
#include "PortaRoteirizada.h"
#include "RegistroTestes.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"
#include "TestePorta.h"

#include <QTest>

#include <memory>

namespace {

enum class Porta { Simulada, Calada, Recusada, SemCalibracao, SemNaoVolateis };

}  // namespace

Q_DECLARE_METATYPE(Porta)

class TestTestePorta : public QObject
{
    Q_OBJECT
private slots:
    void loggerNamesItselfOrTheReasonIsGiven_data();
    void loggerNamesItselfOrTheReasonIsGiven();
};

void TestTestePorta::loggerNamesItselfOrTheReasonIsGiven_data()
{
    QTest::addColumn<Porta>("porta");
    QTest::addColumn<QString>("numeroSerie");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("simulated Tarvek") << Porta::Simulada << "00010002"
                                      << "Caldeira 3" << QString();
    QTest::newRow("silent port") << Porta::Calada << QString() << QString()
                                 << QString::fromUtf8(
                                        "Nenhum Tarvek respondeu em /dev/ttyS2. Verifique se ele está "
                                        "ligado e se o cabo está conectado a esse dispositivo.");
    QTest::newRow("port that does not open")
        << Porta::Recusada << QString() << QString()
        << QString::fromUtf8("Não foi possível abrir porta. porta ocupada");
    QTest::newRow("logger silent on the calibration")
        << Porta::SemCalibracao << QString() << QString()
        << QString::fromUtf8("Falhou leitura dos parâmetros de calibração. Erro de timeout na reflexão!");
    QTest::newRow("logger silent on the non-volatile read")
        << Porta::SemNaoVolateis << QString() << QString()
        << QString::fromUtf8("Falhou leitura dos parâmetros não-voláteis. Erro de timeout na recepção!");
}

void TestTestePorta::loggerNamesItselfOrTheReasonIsGiven()
{
    QFETCH(Porta, porta);
    QFETCH(QString, numeroSerie);
    QFETCH(QString, titulo);
    QFETCH(QString, motivo);
    AmbienteFalso f;
    TarvekSimulado tarvek;
    QString erro;
    const auto d = DescricaoTarvek::interpreta(R"({ "titulo": "Caldeira 3", "numeroSerie": 65538 })", &erro);
    QVERIFY2(
        d && d->aplica(tarvek, f.relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)), &erro),
        qPrintable(erro));
    if (porta == Porta::SemCalibracao)
        tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, TarvekSimulado::CmdLeCalibracao });
    if (porta == Porta::SemNaoVolateis)
        tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, TarvekSimulado::CmdLeNaoVolateis });
    std::unique_ptr<TMSComm> comm;
    if (porta != Porta::Calada && porta != Porta::Recusada) {
        comm = std::make_unique<TMSCommSimulado>(tarvek, f.relogio);
    } else {
        auto roteirizada = std::make_unique<PortaRoteirizada>(f.relogio);
        roteirizada->recusaAbertura = porta == Porta::Recusada;
        comm = std::move(roteirizada);
    }

    const TestePorta::Resultado r = TestePorta(f.ambiente).testa(*comm, 3, QStringLiteral("/dev/ttyS2"));
    QCOMPARE(r.sucesso, motivo.isEmpty());
    QCOMPARE(r.numeroSerie, numeroSerie);
    QCOMPARE(r.titulo, titulo);
    QCOMPARE(r.motivo, motivo);
    QVERIFY(!comm->PortOpen());
    QCOMPARE(comm->CommPort(), 3);
    // The window tells the outcome: no box, and nothing in the main
    // window's status line.
    QCOMPARE(f.mensagens.registro.size(), 0);
    QCOMPARE(f.status.historico, QStringList {});
}

QUORVANE_TEST_GUILESS_MAIN(TestTestePorta)
#include "tst_TestePorta.moc"
