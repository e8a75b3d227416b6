#include "Fakes.h"
#include "MotivoPorta.h"
#include "RegistroTestes.h"

using Erro = MotivoPorta::Erro;

Q_DECLARE_METATYPE(MotivoPorta::Erro)
Q_DECLARE_METATYPE(SituacaoDispositivo)

class TestMotivoPorta : public QObject
{
    Q_OBJECT
private slots:
    void reasonNamesTheDeviceAndWhatToDo_data();
    void reasonNamesTheDeviceAndWhatToDo();
};

namespace {

SituacaoDispositivo situacao(bool permitido, const QString &grupo, bool grupoPodeUsar, bool grupoDoUsuario)
{
    SituacaoDispositivo s;
    s.existe = true;
    s.caminhoReal = QStringLiteral("/dev/ttyUSB0");
    s.permitido = permitido;
    s.grupo = grupo;
    s.grupoPodeUsar = grupoPodeUsar;
    s.grupoDoUsuario = grupoDoUsuario;
    s.usuario = QStringLiteral("tecnico");
    return s;
}

}  // namespace

void TestMotivoPorta::reasonNamesTheDeviceAndWhatToDo_data()
{
    QTest::addColumn<Erro>("erro");
    QTest::addColumn<SituacaoDispositivo>("situacao");
    QTest::addColumn<bool>("outrosPresentes");
    QTest::addColumn<QString>("motivo");
    const SituacaoDispositivo ausente;
    QTest::newRow("no permission: join the device's group")
        << Erro::SemPermissao << situacao(false, "dialout", true, false) << true
        << "Sem permissão para abrir o dispositivo /dev/ttyUSB0. Para obtê-la, entre no grupo dialout "
           "(sudo usermod -aG dialout tecnico) e entre de novo na sessão.";
    QTest::newRow("no permission: in the group, not yet in this session")
        << Erro::SemPermissao << situacao(false, "uucp", true, true) << true
        << "Sem permissão para abrir o dispositivo /dev/ttyUSB0. Você já está no grupo uucp, mas a sessão "
           "atual foi aberta antes disso: saia e entre de novo na sessão.";
    QTest::newRow("no permission: the group may not use it either")
        << Erro::SemPermissao << situacao(false, "root", false, false) << true
        << "Sem permissão para abrir o dispositivo /dev/ttyUSB0. Peça ao administrador permissão de leitura "
           "e escrita nele.";
    QTest::newRow("busy: permitted, yet refused (locked by another program)")
        << Erro::SemPermissao << situacao(true, "dialout", true, true) << true
        << "O dispositivo /dev/ttyUSB0 está ocupado: outro programa o está usando. Feche esse programa e "
           "tente "
           "de novo.";
    QTest::newRow("absent, others present")
        << Erro::NaoEncontrado << ausente << true
        << "O dispositivo /dev/ttyUSB0 não está conectado. Dispositivos presentes: /dev/ttyUSB1 (FT232R USB "
           "UART), /dev/ttyACM0.";
    QTest::newRow("absent, none present")
        << Erro::NaoEncontrado << ausente << false
        << "O dispositivo /dev/ttyUSB0 não está conectado. Nenhum dispositivo "
           "serial está presente.";
    QTest::newRow("gone by the time it is looked at")
        << Erro::Outro << ausente << false
        << "O dispositivo /dev/ttyUSB0 não está conectado. Nenhum dispositivo serial está presente.";
    QTest::newRow("anything else: the system's words")
        << Erro::Outro << situacao(true, "dialout", true, true) << false
        << "O dispositivo /dev/ttyUSB0 não abriu: Invalid argument";
}

void TestMotivoPorta::reasonNamesTheDeviceAndWhatToDo()
{
    QFETCH(Erro, erro);
    QFETCH(SituacaoDispositivo, situacao);
    QFETCH(bool, outrosPresentes);
    QFETCH(QString, motivo);
    ListaPortasFalsa portas;
    if (situacao.existe)
        portas.situacoes.insert(QStringLiteral("/dev/ttyUSB0"), situacao);
    if (outrosPresentes) {
        DispositivoSerial ftdi;
        ftdi.dispositivo = QStringLiteral("/dev/ttyUSB1");
        ftdi.descricao = QStringLiteral("FT232R USB UART");
        DispositivoSerial acm;
        acm.dispositivo = QStringLiteral("/dev/ttyACM0");
        portas.presentes = { ftdi, acm };
    }

    QCOMPARE(MotivoPorta::abertura(
                 erro, QStringLiteral("/dev/ttyUSB0"), &portas, nullptr, QStringLiteral("Invalid argument")),
        motivo);
}

QUORVANE_TEST_GUILESS_MAIN(TestMotivoPorta)
#include "tst_MotivoPorta.moc"
