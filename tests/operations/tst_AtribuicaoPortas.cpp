// The rules of the "Portas..." window on a fake list of three adapters: the
// listing with the simulated Tarvek, the value stored for a choice (the
// by-id name preferred), what is written when, the settings file changed
// only in the keys written, and the captions of the "&Porta" menu.

#include "AtribuicaoPortas.h"
#include "ConfiguracoesIni.h"
#include "Fakes.h"
#include "RegistroTestes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ById = QStringLiteral("/dev/serial/by-id/");
const QString FtdiPorId = ById + QStringLiteral("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
const QString Cp210xPorId = ById + QStringLiteral("usb-Silicon_Labs_CP2102_USB_to_UART_0001-if00-port0");

// Two USB adapters with by-id names and a built-in port without USB ids.
ListaPortasFalsa tresAdaptadores()
{
    ListaPortasFalsa lista;
    lista.presentes = {
        { QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"),
            QStringLiteral("A50285BI"), 0x0403, 0x6001, FtdiPorId },
        { QStringLiteral("/dev/ttyUSB1"), QStringLiteral("CP2102 USB to UART Bridge Controller"),
            QStringLiteral("Silicon Labs"), QStringLiteral("0001"), 0x10c4, 0xea60, Cp210xPorId },
        { QStringLiteral("/dev/ttyS0"), QString(), QString(), QString(), -1, -1, QString() },
    };
    return lista;
}

// The destinations as the router reads them: section PORTAS, else the
// system's default of each port.
AtribuicaoPortas::LeDestino destinos(const IConfiguracoes &c)
{
    return [&c](int n) {
        static const char *const padroes[] = { "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyUSB1" };
        const QString padrao = QString::fromLatin1(padroes[n - 1]);
        const QString v = c.le(QStringLiteral("PORTAS"), QStringLiteral("COM%1").arg(n), padrao).trimmed();
        return v.isEmpty() ? padrao : v;
    };
}

}  // namespace

class TestAtribuicaoPortas : public QObject
{
    Q_OBJECT
private slots:
    void listsThePresentDevicesThenTheSimulator();
    void listChangesOnlyWhenTheDevicesDo();
    void storedValueOfAChoice_data();
    void storedValueOfAChoice();
    void writesOnlyThePortsWhoseDeviceChanged_data();
    void writesOnlyThePortsWhoseDeviceChanged();
    void settingsFileChangesOnlyInTheKeysWritten();
    void menuCaptionShowsThePortsDevice_data();
    void menuCaptionShowsThePortsDevice();
};

void TestAtribuicaoPortas::listsThePresentDevicesThenTheSimulator()
{
    const ListaPortasFalsa lista = tresAdaptadores();
    ConfiguracoesMemoria c;
    const AtribuicaoPortas a(&lista, &c, destinos(c));
    const auto &linhas = a.linhas();
    QCOMPARE(linhas.size(), 4);
    QCOMPARE(linhas[0].dispositivo, lista.presentes[0]);
    QCOMPARE(linhas[0].usb(), QStringLiteral("0403:6001"));
    QCOMPARE(linhas[1].usb(), QStringLiteral("10c4:ea60"));
    QCOMPARE(linhas[2].usb(), QString());
    QVERIFY(!linhas[2].simulador);
    QVERIFY(linhas[3].simulador);
    QCOMPARE(linhas[3].dispositivo.dispositivo, QStringLiteral("simulador"));
    // Without a list, the simulator alone.
    QCOMPARE(AtribuicaoPortas(nullptr, &c, destinos(c)).linhas().size(), 1);
}

void TestAtribuicaoPortas::listChangesOnlyWhenTheDevicesDo()
{
    ListaPortasFalsa lista = tresAdaptadores();
    ConfiguracoesMemoria c;
    AtribuicaoPortas a(&lista, &c, destinos(c));
    QVERIFY(!a.atualizaLista());
    lista.presentes.removeAt(1);  // unplugged
    QVERIFY(a.atualizaLista());
    QCOMPARE(a.linhas().size(), 3);
    QVERIFY(!a.atualizaLista());
    lista.presentes[0].numeroSerie = QStringLiteral("B1");  // another adapter in the same socket
    QVERIFY(a.atualizaLista());
    QCOMPARE(a.linhas()[0].dispositivo.numeroSerie, QStringLiteral("B1"));
}

void TestAtribuicaoPortas::storedValueOfAChoice_data()
{
    QTest::addColumn<QString>("escolha");
    QTest::addColumn<QString>("gravado");
    QTest::newRow("listed device under its by-id name") << "/dev/ttyUSB1" << Cp210xPorId;
    QTest::newRow("by-id name kept") << FtdiPorId << FtdiPorId;
    QTest::newRow("device without a by-id name by its path") << "/dev/ttyS0"
                                                             << "/dev/ttyS0";
    QTest::newRow("typed path of an absent device, trimmed") << "  /dev/ttyACM3 "
                                                             << "/dev/ttyACM3";
    QTest::newRow("simulator in any case") << "Simulador"
                                           << "simulador";
}

void TestAtribuicaoPortas::storedValueOfAChoice()
{
    QFETCH(QString, escolha);
    QFETCH(QString, gravado);
    const ListaPortasFalsa lista = tresAdaptadores();
    ConfiguracoesMemoria c;
    AtribuicaoPortas a(&lista, &c, destinos(c));
    QCOMPARE(a.valorGravado(escolha), gravado);
    // Written so when it is a change.
    a.escolhe(2, escolha);
    QCOMPARE(a.grava(), QList<int> { 2 });
    QCOMPARE(c.valores.value(QStringLiteral("PORTAS/COM2")), gravado);
}

void TestAtribuicaoPortas::writesOnlyThePortsWhoseDeviceChanged_data()
{
    QTest::addColumn<QStringList>("ini");  // "COMn=value" of section PORTAS
    QTest::addColumn<QStringList>("escolhas");  // "n=choice"
    QTest::addColumn<QStringList>("gravadas");  // "COMn=value" written

    QTest::newRow("nothing chosen") << QStringList { "COM1=simulador" } << QStringList {} << QStringList {};
    QTest::newRow("every port as it is")
        << QStringList { "COM1=simulador", "COM3=" + FtdiPorId }
        << QStringList { "1=simulador", "2=/dev/ttyS1", "3=" + FtdiPorId, "4=/dev/ttyUSB1" }
        << QStringList {};
    QTest::newRow("by-id device chosen by its kernel name")
        << QStringList { "COM3=" + FtdiPorId } << QStringList { "3=/dev/ttyUSB0" } << QStringList {};
    QTest::newRow("simulator chosen in capitals")
        << QStringList { "COM1=simulador" } << QStringList { "1=SIMULADOR" } << QStringList {};
    QTest::newRow("one port of two changed")
        << QStringList { "COM1=simulador" } << QStringList { "1=simulador", "4=/dev/ttyUSB0" }
        << QStringList { "COM4=" + FtdiPorId };
    QTest::newRow("device to simulator and back") << QStringList { "COM1=/dev/ttyS0", "COM2=simulador" }
                                                  << QStringList { "1=simulador", "2=/dev/ttyS0" }
                                                  << QStringList { "COM1=simulador", "COM2=/dev/ttyS0" };
}

void TestAtribuicaoPortas::writesOnlyThePortsWhoseDeviceChanged()
{
    QFETCH(QStringList, ini);
    QFETCH(QStringList, escolhas);
    QFETCH(QStringList, gravadas);
    const ListaPortasFalsa lista = tresAdaptadores();
    ConfiguracoesMemoria c;
    for (const QString &linha : ini)
        c.valores.insert(QStringLiteral("PORTAS/") + linha.section(u'=', 0, 0), linha.section(u'=', 1));
    const auto antes = c.valores;
    AtribuicaoPortas a(&lista, &c, destinos(c));
    for (const QString &e : escolhas)
        a.escolhe(e.section(u'=', 0, 0).toInt(), e.section(u'=', 1));
    QList<int> esperadas;
    auto esperado = antes;
    for (const QString &g : gravadas) {
        esperadas.append(g.mid(3, 1).toInt());
        esperado.insert(QStringLiteral("PORTAS/") + g.section(u'=', 0, 0), g.section(u'=', 1));
    }
    QCOMPARE(a.grava(), esperadas);
    QCOMPARE(c.valores, esperado);
}

void TestAtribuicaoPortas::settingsFileChangesOnlyInTheKeysWritten()
{
    const QByteArray antes = "; Quorvane\r\n"
                             "[COMUNICACAO]\r\n"
                             "PORTA=3\r\n"
                             "DEBUG = FALSE\r\n"
                             "\r\n"
                             "[PORTAS]\r\n"
                             "; o adaptador da bancada\r\n"
                             "COM1 = simulador\r\n"
                             "COM3=/dev/ttyUSB9\r\n"
                             "\r\n"
                             "[JANELA]\r\n"
                             "X=10\r\n";
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("QUORVANE.INI"));
    {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(antes);
    }
    ConfiguracoesIni ini(caminho);
    const ListaPortasFalsa lista = tresAdaptadores();
    AtribuicaoPortas a(&lista, &ini, destinos(ini));
    a.escolhe(1, QStringLiteral("simulador"));
    a.escolhe(3, QStringLiteral("/dev/ttyUSB0"));
    a.escolhe(4, QStringLiteral("/dev/ttyACM0"));
    QCOMPARE(a.grava(), (QList<int> { 3, 4 }));
    QByteArray depois = antes;
    depois.replace("COM3=/dev/ttyUSB9\r\n", "COM3=" + FtdiPorId.toLatin1() + "\r\nCOM4=/dev/ttyACM0\r\n");
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), depois);
}

void TestAtribuicaoPortas::menuCaptionShowsThePortsDevice_data()
{
    QTest::addColumn<int>("porta");
    QTest::addColumn<QString>("destino");
    QTest::addColumn<QString>("legenda");
    QTest::newRow("simulator") << 1 << "simulador"
                               << "COM&1 (simulador)";
    QTest::newRow("device path") << 3 << "/dev/ttyUSB0"
                                 << "COM&3 (/dev/ttyUSB0)";
    QTest::newRow("by-id name of a present device as its kernel name")
        << 2 << Cp210xPorId << "COM&2 (/dev/ttyUSB1)";
    QTest::newRow("by-id name of an absent device by its last part, shortened")
        << 4 << ById + "usb-Prolific_Technology_Inc._USB-Serial_Controller_D-if00-port0"
        << QString::fromUtf8("COM&4 (usb-Prolific_Te…ler_D-if00-port0)");
    QTest::newRow("name of 32 characters whole") << 4 << "/dev/ttyUSB_bancada_da_sala_3_B1"
                                                 << "COM&4 (/dev/ttyUSB_bancada_da_sala_3_B1)";
    QTest::newRow("ampersand shown as itself") << 2 << "/dev/tty&1"
                                               << "COM&2 (/dev/tty&&1)";
    QTest::newRow("no device") << 1 << QString() << "COM&1";
}

void TestAtribuicaoPortas::menuCaptionShowsThePortsDevice()
{
    QFETCH(int, porta);
    QFETCH(QString, destino);
    QFETCH(QString, legenda);
    const ListaPortasFalsa lista = tresAdaptadores();
    QCOMPARE(AtribuicaoPortas::legendaMenu(porta, destino, &lista), legenda);
}

QUORVANE_TEST_GUILESS_MAIN(TestAtribuicaoPortas)
#include "tst_AtribuicaoPortas.moc"
