#include "Fakes.h"
#include "PortaRoteirizada.h"
#include "PseudoTerminal.h"
#include "RegistroTestes.h"
#include "TMSCommRoteador.h"
#include "TMSCommSerial.h"

namespace {

// Leaves its record behind when the router drops it.
class PortaAnotada : public PortaRoteirizada
{
public:
    PortaAnotada(const IRelogio &relogio, QStringList &registro)
        : PortaRoteirizada(relogio)
        , m_registro(registro)
    {
    }
    ~PortaAnotada() override { m_registro = eventos; }

private:
    QStringList &m_registro;
};

// A router whose backends are scripted ports; it notes what it was asked
// to make.
struct Montagem
{
    RelogioVirtual relogio;
    ConfiguracoesMemoria configuracoes;
    QStringList feitos;  // device names, or "simulador"
    PortaRoteirizada *ultimo = nullptr;  // gone once the router drops it
    QStringList eventosDescartado;
    bool recusa = false;
    TMSCommRoteador roteador { &configuracoes, [this] { return cria("simulador"); },
        [this](const QString &d) { return cria(d); } };

    std::unique_ptr<TMSComm> cria(const QString &nome)
    {
        feitos << nome;
        auto p = std::make_unique<PortaAnotada>(relogio, eventosDescartado);
        p->recusaAbertura = recusa;
        ultimo = p.get();
        return p;
    }
    void prepara(int porta)
    {
        roteador.setCommPort(porta);
        roteador.setSettings("19200,e,8,1");
        roteador.setInputMode(TMSComm::ModoEntrada::Binario);
        roteador.setInBufferSize(4096);
        roteador.setInputLen(0);
    }
};

}  // namespace

class TestTMSCommRoteador : public QObject
{
    Q_OBJECT
private slots:
    void portNumberMapsThroughTheSettings_data();
    void portNumberMapsThroughTheSettings();
    void openingGivesTheLineToTheBackendFirst_data();
    void openingGivesTheLineToTheBackendFirst();
    void simulatorWithoutFactoryFailsToOpen();
    void closedRouterHasNothingWaiting();
    void pseudoTerminalNamedInTheSettingsOpens();
};

void TestTMSCommRoteador::portNumberMapsThroughTheSettings_data()
{
    QTest::addColumn<int>("porta");
    QTest::addColumn<QString>("valor");  // null: key missing
    QTest::addColumn<QString>("destino");
#ifdef Q_OS_WIN
    QTest::newRow("COM1 by default") << 1 << QString() << "COM1";
    QTest::newRow("COM4 by default") << 4 << QString() << "COM4";
#else
    QTest::newRow("COM1 by default") << 1 << QString() << "/dev/ttyS0";
    QTest::newRow("COM2 by default") << 2 << QString() << "/dev/ttyS1";
    QTest::newRow("COM3 by default") << 3 << QString() << "/dev/ttyUSB0";
    QTest::newRow("COM4 by default") << 4 << QString() << "/dev/ttyUSB1";
    QTest::newRow("blank value keeps the default") << 2 << "  "
                                                   << "/dev/ttyS1";
#endif
    QTest::newRow("device named") << 2 << " /dev/pts/7 "
                                  << "/dev/pts/7";
    QTest::newRow("simulated logger") << 4 << "Simulador"
                                      << "Simulador";
    QTest::newRow("no port 0") << 0 << "/dev/x" << QString();
    QTest::newRow("no port 5") << 5 << QString() << QString();
}

void TestTMSCommRoteador::portNumberMapsThroughTheSettings()
{
    QFETCH(int, porta);
    QFETCH(QString, valor);
    QFETCH(QString, destino);
    Montagem m;
    if (!valor.isNull())
        m.configuracoes.grava("PORTAS", QStringLiteral("COM%1").arg(porta), valor);

    QCOMPARE(m.roteador.Destino(porta), destino);

    m.prepara(porta);
    QCOMPARE(m.roteador.setPortOpen(true), !destino.isEmpty());
    const QString esperado = TMSCommRoteador::EhSimulador(destino) ? QStringLiteral("simulador") : destino;
    QCOMPARE(m.feitos, destino.isEmpty() ? QStringList() : QStringList { esperado });
    QCOMPARE(m.roteador.erro().isEmpty(), !destino.isEmpty());
}

void TestTMSCommRoteador::openingGivesTheLineToTheBackendFirst_data()
{
    QTest::addColumn<bool>("recusa");
    QTest::newRow("backend opens") << false;
    QTest::newRow("backend refuses") << true;
}

void TestTMSCommRoteador::openingGivesTheLineToTheBackendFirst()
{
    QFETCH(bool, recusa);
    Montagem m;
    m.recusa = recusa;
    m.prepara(3);

    QCOMPARE(m.roteador.setPortOpen(true), !recusa);

    QCOMPARE(recusa ? m.eventosDescartado : m.ultimo->eventos,
        (QStringList { "CommPort=3", "Settings=19200,e,8,1", "InputMode=binario", "InBufferSize=4096",
            "InputLen=0", "PortOpen=true" }));
    QCOMPARE(m.roteador.PortOpen(), !recusa);
    QCOMPARE(m.roteador.CommPort(), 3);
    QCOMPARE(m.roteador.backend() == nullptr, recusa);
    QCOMPARE(m.roteador.erro(), recusa ? QStringLiteral("porta ocupada") : QString());
    if (recusa)
        return;
    // Calls go to the backend; bytes that arrive come back.
    m.roteador.Output("\x08");
    QCOMPARE(m.ultimo->bytesEscritos(), QByteArray("\x08"));
    m.ultimo->chega("\x08\xF0", m.relogio.agora);
    QCOMPARE(m.roteador.InBufferCount(), 2);
    m.roteador.setInputLen(2);
    QCOMPARE(m.roteador.Input(), QByteArray("\x08\xF0"));
}

void TestTMSCommRoteador::simulatorWithoutFactoryFailsToOpen()
{
    ConfiguracoesMemoria configuracoes;
    configuracoes.grava("PORTAS", "COM1", "simulador");
    TMSCommRoteador roteador(&configuracoes);
    roteador.setCommPort(1);

    QVERIFY(!roteador.setPortOpen(true));

    QVERIFY(!roteador.erro().isEmpty());
    QVERIFY(!roteador.PortOpen());
}

void TestTMSCommRoteador::closedRouterHasNothingWaiting()
{
    Montagem m;
    m.prepara(1);
    QVERIFY(m.roteador.setPortOpen(true));
    m.ultimo->chega("\x01\x02", m.relogio.agora);

    QVERIFY(m.roteador.setPortOpen(false));

    QVERIFY(!m.roteador.PortOpen());
    QCOMPARE(m.roteador.backend(), nullptr);
    QCOMPARE(m.roteador.InBufferCount(), 0);
    QCOMPARE(m.roteador.Input(), QByteArray());
    m.roteador.Output("\x08");  // lost, harmless
    m.roteador.setInBufferCount(0);
    // Reopening makes a fresh backend and reads the mapping again.
    m.configuracoes.grava("PORTAS", "COM1", "simulador");
    QVERIFY(m.roteador.setPortOpen(true));
    QCOMPARE(m.feitos.last(), QStringLiteral("simulador"));
}

void TestTMSCommRoteador::pseudoTerminalNamedInTheSettingsOpens()
{
    PseudoTerminal pty;
    if (!pty.valido())
        QSKIP(qPrintable("no pseudo-terminal: " + pty.erro()));
    ConfiguracoesMemoria configuracoes;
    configuracoes.grava("PORTAS", "COM2", pty.escravo());
    TMSCommRoteador roteador(&configuracoes);
    roteador.setCommPort(2);
    roteador.setSettings("19200,e,8,1");

    QVERIFY2(roteador.setPortOpen(true), qPrintable(roteador.erro()));

    auto *serial = dynamic_cast<TMSCommSerial *>(roteador.backend());
    QVERIFY(serial);
    QCOMPARE(serial->dispositivo(), pty.escravo());
    roteador.Output("\x65");
    QCOMPARE(pty.le(1, 2000), QByteArray("\x65"));
}

QUORVANE_TEST_GUILESS_MAIN(TestTMSCommRoteador)
#include "tst_TMSCommRoteador.moc"
