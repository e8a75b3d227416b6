// The "Portas..." window on a fake list of three adapters: the table of the
// devices present and the simulated Tarvek, its refresh as they come and go
// (the table kept when nothing changed, the selection and what the user
// typed kept when something did), "Testar" with a port that cannot be
// made and one where nothing answers until "Cancela", "Gravar" into a
// settings file that refuses it, and Tab through the window.

#include "AmbienteFalso.h"
#include "PortaRoteirizada.h"
#include "RegistroTestes.h"
#include "Registros.h"
#include "TFrmPortas.h"
#include "TMSComm.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QList<DispositivoSerial> tresAdaptadores()
{
    return {
        { QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"),
            QStringLiteral("A50285BI"), 0x0403, 0x6001,
            QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0") },
        { QStringLiteral("/dev/ttyUSB1"), QStringLiteral("CP2102 USB to UART Bridge Controller"),
            QStringLiteral("Silicon Labs"), QStringLiteral("0001"), 0x10c4, 0xea60,
            QStringLiteral("/dev/serial/by-id/usb-Silicon_Labs_CP2102_USB_to_UART_0001-if00-port0") },
        { QStringLiteral("/dev/ttyACM0"), QStringLiteral("Pico"), QStringLiteral("Raspberry Pi"),
            QStringLiteral("E6614C"), 0x2e8a, 0x000a, QString() },
    };
}

QStringList linha(const QTableWidget &t, int i)
{
    QStringList celulas;
    for (int c = 0; c < t.columnCount(); ++c)
        celulas << t.item(i, c)->text();
    return celulas;
}

}  // namespace

class TestTFrmPortas : public QObject
{
    Q_OBJECT
private slots:
    void listFollowsTheDevicesPresent();
    void testWithoutAPortSaysItCannotOpen();
    void cancelStopsATestNothingAnswers();
    void refusedWriteKeepsTheWindowAndSaysWhy();
    void tabLeavesTheListForThePorts();
};

void TestTFrmPortas::listFollowsTheDevicesPresent()
{
    AmbienteFalso f;
    f.portas.presentes = tresAdaptadores();
    f.configuracoes.valores.insert(QStringLiteral("PORTAS/COM1"), QStringLiteral("simulador"));
    TFrmPortas janela(f.ambiente,
        [&f](int n) {
            return f.configuracoes.le(QStringLiteral("PORTAS"), QStringLiteral("COM%1").arg(n), QString());
        },
        {});
    auto *tabela = janela.findChild<QTableWidget *>(QStringLiteral("TabelaDispositivos"));
    auto *combo3 = janela.findChild<QComboBox *>(QStringLiteral("ComboPorta3"));
    QVERIFY(tabela && combo3);
    QCOMPARE(tabela->rowCount(), 4);
    QCOMPARE(linha(*tabela, 1),
        (QStringList { "/dev/ttyUSB1", "CP2102 USB to UART Bridge Controller", "Silicon Labs", "0001",
            "10c4:ea60", "usb-Silicon_Labs_CP2102_USB_to_UART_0001-if00-port0" }));
    QCOMPARE(tabela->item(1, 5)->toolTip(),
        QStringLiteral("/dev/serial/by-id/usb-Silicon_Labs_CP2102_USB_to_UART_0001-if00-port0"));
    QCOMPARE(linha(*tabela, 3), (QStringList { "simulador", "Tarvek simulado", "", "", "", "" }));
    QCOMPARE(janela.findChild<QComboBox *>(QStringLiteral("ComboPorta1"))->currentText(),
        QStringLiteral("simulador"));
    QCOMPARE(combo3->count(), 4);
    QCOMPARE(janela.timer()->interval(), 1000);
    QVERIFY(janela.timer()->isActive());

    tabela->selectRow(1);
    combo3->setEditText(QStringLiteral("/dev/ttyS7"));
    const QTableWidgetItem *antes = tabela->item(0, 0);
    janela.TimerListaTimer();  // nothing changed: the table is left as it is
    QCOMPARE(tabela->item(0, 0), antes);

    f.portas.presentes.removeFirst();  // unplugged
    janela.TimerListaTimer();
    QCOMPARE(tabela->rowCount(), 3);
    QCOMPARE(tabela->item(0, 0)->text(), QStringLiteral("/dev/ttyUSB1"));
    QCOMPARE(tabela->currentRow(), 0);
    QCOMPARE(combo3->count(), 3);
    QCOMPARE(combo3->currentText(), QStringLiteral("/dev/ttyS7"));
}

void TestTFrmPortas::testWithoutAPortSaysItCannotOpen()
{
    AmbienteFalso f;
    TFrmPortas janela(
        f.ambiente, [](int) { return QStringLiteral("/dev/ttyUSB0"); },
        [](const QString &) { return std::unique_ptr<TMSComm>(); });
    janela.BtnTestarClick(3);
    QVERIFY(!janela.ultimoTeste().sucesso);
    QCOMPARE(janela.findChild<QLabel *>(QStringLiteral("LblResultado"))->text(),
        QString::fromUtf8("/dev/ttyUSB0: Não foi possível abrir porta."));
    QVERIFY(!janela.testando());
}

void TestTFrmPortas::cancelStopsATestNothingAnswers()
{
    AmbienteFalso f;
    TFrmPortas janela(
        f.ambiente, [](int) { return QStringLiteral("/dev/ttyUSB0"); },
        [&f](const QString &) { return std::make_unique<PortaRoteirizada>(f.relogio); });
    auto *cancela = janela.findChild<QPushButton *>(QStringLiteral("CancelBtn"));
    const int64_t inicio = f.relogio.tickCount();
    int64_t pedido = -1;
    int bips = 0;
    f.relogio.aoProcessarMensagens = [&] {
        if (pedido < 0 && f.relogio.tickCount() - inicio >= 2000 && cancela->isEnabled()) {
            pedido = f.relogio.tickCount();
            bips = f.sinal.bips;
            cancela->click();
        }
    };
    janela.BtnTestarClick(2);
    QVERIFY(pedido > 0);
    QVERIFY(f.relogio.tickCount() - pedido < 100);
    QVERIFY(janela.ultimoTeste().cancelado);
    QCOMPARE(janela.findChild<QLabel *>(QStringLiteral("LblResultado"))->text(),
        QStringLiteral("Teste de /dev/ttyUSB0 cancelado."));
    QCOMPARE(janela.result(), int(QDialog::Rejected));
    QCOMPARE(f.sinal.bips, bips);  // no failure signal
    // Without a cancel, the test ends by saying that no logger is there.
    f.relogio.aoProcessarMensagens = nullptr;
    janela.BtnTestarClick(2);
    QVERIFY(janela.ultimoTeste().semResposta);
    QVERIFY(janela.findChild<QLabel *>(QStringLiteral("LblResultado"))
                ->text()
                .startsWith(QStringLiteral("Nenhum Tarvek respondeu em /dev/ttyUSB0.")));
}

void TestTFrmPortas::refusedWriteKeepsTheWindowAndSaysWhy()
{
    AmbienteFalso f;
    f.configuracoes.falha = GravacaoConfiguracao::Falha::Permissao;
    f.configuracoes.arquivo = QStringLiteral("/etc/quorvane/QUORVANE.INI");
    QTemporaryDir pasta;
    Registros registros(pasta.path());
    f.ambiente.registros = &registros;
    TFrmPortas janela(f.ambiente, [](int) { return QStringLiteral("simulador"); }, {});
    janela.findChild<QComboBox *>(QStringLiteral("ComboPorta2"))->setEditText(QStringLiteral("/dev/ttyS9"));
    janela.BtnGravarClick();
    QCOMPARE(f.mensagens.textos(),
        QStringList {
            QString::fromUtf8("As configurações não foram gravadas em /etc/quorvane/QUORVANE.INI: não "
                              "há permissão para gravá-lo (o arquivo ou a pasta é somente leitura).") });
    QCOMPARE(janela.result(), int(QDialog::Rejected));
    QVERIFY(janela.portasGravadas().isEmpty());
    // Once the file takes it, the same choice is written.
    f.configuracoes.falha = GravacaoConfiguracao::Falha::Nenhuma;
    janela.BtnGravarClick();
    QCOMPARE(janela.portasGravadas(), QList<int> { 2 });
    QCOMPARE(janela.result(), int(QDialog::Accepted));
    // Only the write that took is in the trail, with the port's device before and after.
    const QList<LinhaTrilha> linhas = registros.trilha()->lista();
    QCOMPARE(linhas.size(), 1);
    QCOMPARE(linhas[0].acao, AcaoAuditoria::Portas);
    QCOMPARE(
        linhas[0].detalhes, QStringLiteral("{\"COM2\":{\"antes\":\"simulador\",\"depois\":\"/dev/ttyS9\"}}"));
}

void TestTFrmPortas::tabLeavesTheListForThePorts()
{
    AmbienteFalso f;
    f.portas.presentes = tresAdaptadores();
    TFrmPortas janela(f.ambiente, [](int) { return QString(); }, {});
    janela.show();
    QVERIFY(QTest::qWaitForWindowActive(&janela));
    auto *tabela = janela.findChild<QTableWidget *>(QStringLiteral("TabelaDispositivos"));
    tabela->setFocus();
    tabela->setCurrentCell(0, 0);
    QTest::keyClick(tabela, Qt::Key_Tab);
    QVERIFY(janela.findChild<QComboBox *>(QStringLiteral("ComboPorta1"))->hasFocus());
}

QUORVANE_TEST_MAIN(TestTFrmPortas)
#include "tst_TFrmPortas.moc"
