// The "&Porta" menu with the device of each port, and the "Portas..." window
// run from it: what it writes reaches the menu and the open port, and its
// "Testar" of the open device does not open that device twice.
#include "BancadaPrinc.h"

#include "RegistroTestes.h"
#include "TFrmPortas.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {

const QString FtdiPorId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");

void adaptadorFtdi(ListaPortasFalsa &lista)
{
    lista.presentes = { { QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"),
        QStringLiteral("FTDI"), QStringLiteral("A50285BI"), 0x0403, 0x6001, FtdiPorId } };
}

QStringList legendas(const BancadaPrinc &b)
{
    QStringList l;
    for (const char *nome : { "ItemCom1", "ItemCOM2", "ItemCOM3", "ItemCOM4" })
        l << b.item(nome)->text();
    return l;
}

// Opens the menu as the user does.
void abreMenu(const BancadaPrinc &b)
{
    auto *menu = qobject_cast<QMenu *>(b.item("ItemCom1")->associatedObjects().value(0));
    QVERIFY(menu);
    Q_EMIT menu->aboutToShow();
}

// Runs "Portas..." and, once its window is up, what the test does in it.
void comJanela(BancadaPrinc &b, const std::function<void(TFrmPortas &)> &acao)
{
    bool rodou = false;
    QTimer::singleShot(0, b.princ.get(), [&] {
        auto *janela = b.princ->findChild<TFrmPortas *>();
        QVERIFY(janela && janela->isVisible());
        acao(*janela);
        rodou = true;
        if (janela->isVisible())
            janela->reject();
    });
    b.item("ItemPortas")->trigger();
    QVERIFY(rodou);
}

}  // namespace

class TestTFormPrincPortas : public QObject
{
    Q_OBJECT
private slots:
    void portItemsShowTheirDevice_data();
    void portItemsShowTheirDevice();
    void savedChoiceReachesTheMenuAndTheOpenPort_data();
    void savedChoiceReachesTheMenuAndTheOpenPort();
    void testOfTheOpenDeviceClosesItMeanwhile();
};

void TestTFormPrincPortas::portItemsShowTheirDevice_data()
{
    QTest::addColumn<QStringList>("ini");
    QTest::addColumn<QStringList>("legendas");
    QTest::newRow("simulator, a path, a by-id name present, a default")
        << QStringList { "[COMUNICACAO]", "PORTA=1", "[PORTAS]", "COM1=simulador", "COM2=/dev/ttyACM0",
               "COM3=" + FtdiPorId }
        << QStringList { "COM&1 (simulador)", "COM&2 (/dev/ttyACM0)", "COM&3 (/dev/ttyUSB0)",
               "COM&4 (/dev/ttyUSB1)" };
    QTest::newRow("no settings file: the system's defaults")
        << QStringList {}
        << QStringList { "COM&1 (/dev/ttyS0)", "COM&2 (/dev/ttyS1)", "COM&3 (/dev/ttyUSB0)",
               "COM&4 (/dev/ttyUSB1)" };
}

void TestTFormPrincPortas::portItemsShowTheirDevice()
{
    QFETCH(QStringList, ini);
    QFETCH(QStringList, legendas);
    BancadaPrinc b(ini);
    adaptadorFtdi(b.listaPortas);
    b.mostra();
    abreMenu(b);
    QCOMPARE(::legendas(b), legendas);
    // The whole name where the caption shows another.
    QCOMPARE(b.item("ItemCOM3")->statusTip(), ini.isEmpty() ? QStringLiteral("/dev/ttyUSB0") : FtdiPorId);
    const int marcada = b.portaMarcada();

    // A change of the file by hand shows the next time the menu opens; the
    // check mark stays.
    b.configuracoes->grava(QStringLiteral("PORTAS"), QStringLiteral("COM4"), QStringLiteral("simulador"));
    abreMenu(b);
    QCOMPARE(b.item("ItemCOM4")->text(), QStringLiteral("COM&4 (simulador)"));
    QCOMPARE(b.portaMarcada(), marcada);
}

void TestTFormPrincPortas::savedChoiceReachesTheMenuAndTheOpenPort_data()
{
    QTest::addColumn<int>("porta");
    QTest::addColumn<QString>("dispositivo");
    QTest::addColumn<int>("marcada");
    QTest::addColumn<QStringList>("avisos");
    QTest::newRow("the open port's device changed: reopened there, which fails")
        << 1 << DispositivoInexistente << 0
        << QStringList { QString::fromUtf8(
               "Não foi possível abrir porta.\nO dispositivo %1 não está conectado. "
               "Nenhum dispositivo serial está presente.")
                             .arg(DispositivoInexistente) };
    QTest::newRow("another port's device changed: the open port is left alone")
        << 2 << DispositivoInexistente << 1 << QStringList {};
    QTest::newRow("the open port given the same device: nothing happens")
        << 1 << "Simulador" << 1 << QStringList {};
}

void TestTFormPrincPortas::savedChoiceReachesTheMenuAndTheOpenPort()
{
    QFETCH(int, porta);
    QFETCH(QString, dispositivo);
    QFETCH(int, marcada);
    QFETCH(QStringList, avisos);
    BancadaPrinc b({ "[COMUNICACAO]", "PORTA=1", "[PORTAS]", "COM1=simulador", "COM2=simulador" });
    b.mostra();
    b.mensagens.registro.clear();  // the formula library's absence
    QCOMPARE(b.portaMarcada(), 1);
    const TMSComm *backend = b.porta->backend();
    const QString antes = b.arquivoIni();
    comJanela(b, [&](TFrmPortas &janela) {
        janela.findChild<QComboBox *>(QStringLiteral("ComboPorta%1").arg(porta))->setEditText(dispositivo);
        janela.findChild<QPushButton *>(QStringLiteral("BtnGravar"))->click();
    });
    QCOMPARE(b.portaMarcada(), marcada);
    QCOMPARE(b.mensagens.textos(), avisos);
    const bool mudou = dispositivo == DispositivoInexistente;
    QCOMPARE(b.arquivoIni() == antes, !mudou);
    // The menu follows at once.
    QCOMPARE(b.item(porta == 1 ? "ItemCom1" : "ItemCOM2")->text(),
        mudou ? QStringLiteral("COM&%1 (%2)").arg(porta).arg(dispositivo)
              : QStringLiteral("COM&%1 (simulador)").arg(porta));
    if (marcada)
        QCOMPARE(b.porta->backend(), backend);
}

void TestTFormPrincPortas::testOfTheOpenDeviceClosesItMeanwhile()
{
    BancadaPrinc b({ "[COMUNICACAO]", "PORTA=2", "[PORTAS]", "COM2=simulador" });
    b.mostra();
    b.mensagens.registro.clear();
    QCOMPARE(b.portaMarcada(), 2);
    bool abertaDurante = true;
    bool botoesDurante = true;
    TestePorta::Resultado resultado;
    comJanela(b, [&](TFrmPortas &janela) {
        auto *gravar = janela.findChild<QPushButton *>(QStringLiteral("BtnGravar"));
        b.relogio.aoProcessarMensagens = [&] {
            abertaDurante = abertaDurante && b.princ->EstadoPorta == 0;
            botoesDurante = botoesDurante && gravar->isEnabled();
        };
        janela.findChild<QPushButton *>(QStringLiteral("BtnTestar2"))->click();
        b.relogio.aoProcessarMensagens = nullptr;
        resultado = janela.ultimoTeste();
        QVERIFY(gravar->isEnabled());
    });
    QVERIFY2(resultado.sucesso, qPrintable(resultado.motivo));
    QVERIFY(!abertaDurante);
    QVERIFY(!botoesDurante);
    // Open again afterwards, checked, with the device commands.
    QCOMPARE(b.portaMarcada(), 2);
    QCOMPARE(b.comandosDispositivo(), 1);
    QVERIFY(b.porta->PortOpen());
    QCOMPARE(b.mensagens.textos(), QStringList {});
}

QUORVANE_TEST_MAIN(TestTFormPrincPortas)
#include "tst_TFormPrincPortas.moc"
