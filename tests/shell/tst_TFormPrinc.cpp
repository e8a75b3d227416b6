#include "BancadaPrinc.h"

#include "LinhaStatus.h"
#include "PseudoTerminal.h"
#include "RegistroTestes.h"
#include "TDatalogger.h"
#include "TFormSplash.h"

#include <QLabel>
#include <QMenuBar>
#include <QTimer>

class TestTFormPrinc : public QObject
{
    Q_OBJECT
private slots:
    void startupOpensThePortOfTheSettingsFile_data();
    void startupOpensThePortOfTheSettingsFile();
    void choosingAPort_data();
    void choosingAPort();
    void lostDeviceLeavesNoPortOpen_data();
    void lostDeviceLeavesNoPortOpen();
    void captionsAndHintsAreTheCatalogueDefaults_data();
    void captionsAndHintsAreTheCatalogueDefaults();
    void englishLibrarySwitchesTheMainWindow();
    void formulaLibraryIsCheckedOnceAtFirstShow_data();
    void formulaLibraryIsCheckedOnceAtFirstShow();
    void stopReportsItsResult_data();
    void stopReportsItsResult();
    void deviceCommandsWaitWhileTheLinkIsBusy();
    void closingTheWindowClosesThePort();
    void splashAppearsAfterOneSecondForThree_data();
    void splashAppearsAfterOneSecondForThree();
};

void TestTFormPrinc::startupOpensThePortOfTheSettingsFile_data()
{
    QTest::addColumn<QStringList>("ini");
    QTest::addColumn<int>("porta");
    QTest::addColumn<int>("avisos");
    QTest::addColumn<int>("erros");
    QTest::addColumn<bool>("textosDialogos");
    const QString com3 = QStringLiteral("COM3=simulador");
    QTest::newRow("PORTA 3 on the simulator")
        << QStringList { "[COMUNICACAO]", "PORTA=3", "[PORTAS]", com3 } << 3 << 0 << 0 << true;
    QTest::newRow("PORTA 0") << QStringList { "[COMUNICACAO]", "PORTA=0", "[PORTAS]", com3 } << 0 << 0 << 0
                             << true;
    QTest::newRow("PORTA 5") << QStringList { "[COMUNICACAO]", "PORTA=5", "[PORTAS]", com3 } << 0 << 0 << 0
                             << true;
    QTest::newRow("no PORTA key") << QStringList { "[PORTAS]", com3 } << 0 << 0 << 0 << true;
    QTest::newRow("no settings file") << QStringList {} << 0 << 0 << 0 << true;
    QTest::newRow("PORTA with leading blank")
        << QStringList { "[COMUNICACAO]", "PORTA= 3", "[PORTAS]", com3 } << 3 << 0 << 0 << true;
    QTest::newRow("PORTA not a number: error box, dialog texts skipped")
        << QStringList { "[COMUNICACAO]", "PORTA=tres", "[PORTAS]", com3 } << 0 << 0 << 1 << false;
    QTest::newRow("PORTA empty: error box")
        << QStringList { "[COMUNICACAO]", "PORTA=", "[PORTAS]", com3 } << 0 << 0 << 1 << false;
    QTest::newRow("PORTA 3 cannot be opened")
        << QStringList { "[COMUNICACAO]", "PORTA=3", "[PORTAS]", "COM3=" + DispositivoInexistente } << 0 << 1
        << 0 << true;
}

void TestTFormPrinc::startupOpensThePortOfTheSettingsFile()
{
    QFETCH(QStringList, ini);
    QFETCH(int, porta);
    QFETCH(int, avisos);
    QFETCH(int, erros);
    QFETCH(bool, textosDialogos);
    BancadaPrinc b(ini, pastaBibliotecaTeste("formulas_teste"));
    QCOMPARE(b.comandosDispositivo(), 0);
    b.mostra();
    QCOMPARE(b.portaMarcada(), porta);
    QCOMPARE(b.comandosDispositivo(), porta ? 1 : 0);
    QCOMPARE(b.princ->EstadoPorta, porta ? 0 : -1);
    QCOMPARE(b.porta->PortOpen(), porta != 0);
    int nAvisos = 0, nErros = 0;
    for (const auto &m : std::as_const(b.mensagens.registro)) {
        nAvisos += m.tipo == MensagemRegistrada::Tipo::Aviso;
        nErros += m.tipo == MensagemRegistrada::Tipo::Erro;
    }
    QCOMPARE(nAvisos, avisos);
    QCOMPARE(nErros, erros);
    // With the port's reason: the device it maps to is not there.
    if (avisos)
        QVERIFY(b.mensagens.registro.last().texto.startsWith(
            QString::fromUtf8("Não foi possível abrir porta.\nO dispositivo %1 não está conectado.")
                .arg(DispositivoInexistente)));
    QCOMPARE(b.princ->FiltroAbrir,
        textosDialogos
            ? QString::fromUtf8("Arquivos Quorvane (*.qvg)|*.qvg|Arquivos Junção Quorvane (*.qvj)|*.qvj")
            : QString());
    QCOMPARE(
        b.princ->TituloExportar, textosDialogos ? QStringLiteral("Exportar Arquivo Quorvane") : QString());
}

void TestTFormPrinc::choosingAPort_data()
{
    QTest::addColumn<QStringList>("ini");
    QTest::addColumn<QString>("escolha");
    QTest::addColumn<int>("marcada");
    QTest::addColumn<QString>("portaGravada");
    QTest::addColumn<int>("avisos");
    const QStringList portas { "[PORTAS]", "COM1=simulador", "COM2=simulador",
        "COM4=" + DispositivoInexistente };
    QTest::newRow("COM2 from none is written as PORTA=2") << portas << "ItemCOM2" << 2 << "2" << 0;
    QTest::newRow("COM1 to COM2") << QStringList { "[COMUNICACAO]", "PORTA=1" } + portas << "ItemCOM2" << 2
                                  << "2" << 0;
    QTest::newRow("the open port again reopens it")
        << QStringList { "[COMUNICACAO]", "PORTA=1" } + portas << "ItemCom1" << 1 << "1" << 0;
    QTest::newRow("failing port after an open one leaves none")
        << QStringList { "[COMUNICACAO]", "PORTA=1" } + portas << "ItemCOM4" << 0 << "1" << 1;
    QTest::newRow("failing port from none") << portas << "ItemCOM4" << 0 << "" << 1;
}

void TestTFormPrinc::choosingAPort()
{
    QFETCH(QStringList, ini);
    QFETCH(QString, escolha);
    QFETCH(int, marcada);
    QFETCH(QString, portaGravada);
    QFETCH(int, avisos);
    BancadaPrinc b(ini, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    b.item(escolha.toLatin1().constData())->trigger();
    QCOMPARE(b.portaMarcada(), marcada);
    QCOMPARE(b.comandosDispositivo(), marcada ? 1 : 0);
    QCOMPARE(b.princ->EstadoPorta, marcada ? 0 : -1);
    QCOMPARE(b.porta->PortOpen(), marcada != 0);
    QCOMPARE(
        b.configuracoes->le(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QString()), portaGravada);
    if (!portaGravada.isEmpty()) {
        const QString arquivo = b.arquivoIni();
        const qsizetype secao = arquivo.indexOf(QStringLiteral("[COMUNICACAO]"));
        QVERIFY(secao >= 0);
        QVERIFY(arquivo.indexOf(QStringLiteral("PORTA=") + portaGravada, secao) > secao);
    }
    QCOMPARE(b.mensagens.registro.size(), avisos);
}

void TestTFormPrinc::lostDeviceLeavesNoPortOpen_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("durante");  // pulled once the command has started its exchange
    QTest::newRow("collection") << "ItemColetarDados" << false;
    QTest::newRow("stop") << "ItemParar" << false;
    QTest::newRow("monitor") << "ItemMonitorar" << false;
    QTest::newRow("configuration") << "ItemConfigurar" << false;
    QTest::newRow("collection, during its exchange") << "ItemColetarDados" << true;
    QTest::newRow("monitor, during its exchange") << "ItemMonitorar" << true;
    QTest::newRow("configuration, during its exchange") << "ItemConfigurar" << true;
}

void TestTFormPrinc::lostDeviceLeavesNoPortOpen()
{
    QFETCH(QString, comando);
    QFETCH(bool, durante);
    PseudoTerminal pty;
    if (!pty.valido())
        QSKIP(qPrintable("no pseudo-terminal: " + pty.erro()));
    const QString dispositivo = pty.escravo();
    BancadaPrinc b({ "[COMUNICACAO]", "PORTA=2", "[PORTAS]", "COM2=" + dispositivo });
    b.mostra();
    QCOMPARE(b.portaMarcada(), 2);
    b.mensagens.registro.clear();
    const int64_t inicio = b.relogio.agora;

    // Unplugged before the command, or once its first bytes reached the
    // device and the link waits for the answer.
    if (durante)
        b.relogio.aoAvancar = [&pty](int64_t) {
            if (!pty.le(1, 1).isEmpty())
                pty.fecha();
        };
    else
        pty.fecha();
    b.item(comando.toLatin1().constData())->trigger();
    b.relogio.aoAvancar = nullptr;

    // The command ends at once, says so in one box, and the port is left as
    // one that did not open: nothing checked, the device commands off, no
    // graph.
    QVERIFY2(b.relogio.agora - inicio < 2000, qPrintable(QString::number(b.relogio.agora - inicio)));
    QVERIFY2(b.mensagens.registro.size() == 1, qPrintable(b.mensagens.textos().join(" | ")));
    QCOMPARE(b.mensagens.registro.last().texto,
        QString::fromUtf8("A porta %1 foi perdida: o dispositivo foi desconectado.\nReconecte-o e escolha a "
                          "porta de novo no menu Porta.")
            .arg(dispositivo));
    QCOMPARE(b.portaMarcada(), 0);
    QCOMPARE(b.comandosDispositivo(), 0);
    QCOMPARE(b.princ->EstadoPorta, -1);
    QVERIFY(!b.porta->PortOpen());
    QCOMPARE(b.janelas(TipoJanela::Grafico), 0);

    // Back (on another pseudo-terminal), the menu opens it again.
    PseudoTerminal devolta;
    b.configuracoes->grava(QStringLiteral("PORTAS"), QStringLiteral("COM2"), devolta.escravo());
    b.item("ItemCOM2")->trigger();
    QCOMPARE(b.portaMarcada(), 2);
    QCOMPARE(b.comandosDispositivo(), 1);
}

void TestTFormPrinc::captionsAndHintsAreTheCatalogueDefaults_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("texto");
    const char *const tabela[][2] = {
        { "ItemAbrir", "&Abrir Arquivo" },
        { "ItemSalvar", "Sal&var Arquivo" },
        { "ItemConfigImp", "&Configurar Impressora" },
        { "ItemImprimir", "&Imprimir" },
        { "ItemExportar", "&Exportar" },
        { "ItemSair", "&Sair" },
        { "ItemCopiar", "&Copiar" },
        { "ItemGrafico", "Gráfico" },
        { "ItemPropriedades", "&Propriedades do Gráfico" },
        { "ItemDados", "&Leituras" },
        { "ItemParametrosGerais", "Parâmetros &Gerais" },
        { "ItemResumo", "&Resumo" },
        { "ItemLimitesAlarme", "Limites de &Alarme" },
        { "ItemJuncao", "&Junção de Gráficos" },
        { "ItemBateria", "&Bateria" },
        { "ItemColetarDados", "Coletar &Dados" },
        { "ItemConfigurar", "&Configurar" },
        { "ItemMonitorar", "&Monitorar" },
        { "ItemParar", "&Parar" },
        { "ItemAjusteOffset", "&Ajuste Offset" },
        { "ItemCom1", "COM&1 (/dev/ttyS0)" },
        { "ItemCOM4", "COM&4 (/dev/ttyUSB1)" },
        { "ItemPortas", "&Portas..." },
        { "ItemCascata", "&Cascata" },
        { "ItemOrganizarIcones", "Organizar &Ícones" },
        { "ItemVerticalmente", "Organizar &Verticalmente" },
        { "ItemHorizontalmente", "Organizar &Horizontalmente" },
        { "ItemRestaurar", "&Restaurar Todas as Janelas" },
        { "ItemMinimizar", "&Minimizar Todas as Janelas" },
        { "ItemFecharTodas", "&Fechar Todas as Janelas" },
        { "ItemConteudo", "&Conteúdo" },
        { "ItemSobre", "&Sobre" },
        { "ItemFaixaZoom", "Faixa &Zoom " },
        { "ItemFormula", "&Fórmula" },
        { "ItemZoomMais", "Zoom &Mais" },
        { "ItemZoomMenos", "Zoom Me&nos" },
        { "ItemZoom100", "100&%" },
        { "SpeedButtonAbrir", "Abrir arquivo" },
        { "SpeedButtonSalvar", "Salvar arquivo" },
        { "SpeedButtonImprimir", "Imprimir " },
        { "SpeedButtonExportar", "Exportar arquivo para outro formato" },
        { "SpeedButtonCopiar", "Copiar para área de transferência" },
        { "SpeedButtonInformacoes", "Visualização dos parâmetros gerais" },
        { "SpeedButtonGrafico", "Visualização do gráfico" },
        { "SpeedButtonDados", "Visualização dos Dados de Aquisição" },
        { "SpeedButtonResumo", "Resumo da aquisição" },
        { "SpeedButtonFaixaZoom", "Faixa de zoom" },
        { "SpeedButtonZoomMais", "Zoom mais" },
        { "SpeedButtonZoomMenos", "Zoom menos" },
        { "SpeedButtonZoom100", "Gráfico original" },
        { "SpeedButtonSobreporGraficos", "Junção de gráficos" },
        { "SpeedButtonConectar", "Configurar aquisição de dados" },
        { "SpeedButtonParar", "Parar aquisição de dados" },
        { "SpeedButtonColetar", "Coletar aquisições" },
        { "SpeedButtonMonitorar", "Monitorar leituras" },
        { "SpeedButtonHelp", "Arquivos de Ajuda" },
    };
    for (const auto &linha : tabela)
        QTest::newRow(linha[0]) << QString::fromLatin1(linha[0]) << QString::fromUtf8(linha[1]);
}

void TestTFormPrinc::captionsAndHintsAreTheCatalogueDefaults()
{
    QFETCH(QString, nome);
    QFETCH(QString, texto);
    BancadaPrinc b({}, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    if (nome.startsWith(QStringLiteral("Item"))) {
        QAction *a = b.princ->findChild<QAction *>(nome);
        QVERIFY(a);
        QCOMPARE(a->text(), texto);
    } else {
        QToolButton *botao = b.princ->findChild<QToolButton *>(nome);
        QVERIFY(botao);
        QCOMPARE(botao->toolTip(), texto);
    }
    QStringList menus;
    for (QAction *a : b.princ->menuBar()->actions())
        menus << a->text();
    QCOMPARE(
        menus.join(u'|'), QString::fromUtf8("&Arquivo|&Editar|&Visualizar|&Tarvek|&Porta|&Janela|Aju&da"));
    QCOMPARE(b.princ->windowTitle(), QStringLiteral("Quorvane"));
}

void TestTFormPrinc::englishLibrarySwitchesTheMainWindow()
{
    BancadaPrinc b({}, QStringLiteral(PASTA_IDIOMA_INGLES));
    b.mostra();
    QStringList menus;
    for (QAction *a : b.princ->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus.join(u'|'), QStringLiteral("&File|&Edit|&View|&Tarvek|&Port|&Window|&Help"));
    QCOMPARE(b.item("ItemColetarDados")->text(), QStringLiteral("Collect &Data"));
    QCOMPARE(b.botao("SpeedButtonAbrir")->toolTip(), QStringLiteral("Open file"));
    QCOMPARE(b.princ->TituloAbrir, QStringLiteral("Open File"));
    // The formula warning came before the catalogue: still Portuguese.
    QCOMPARE(b.mensagens.textos(),
        QStringList { QString::fromUtf8("Não foi possível localizar libequation.so. Verifique.") });
}

void TestTFormPrinc::formulaLibraryIsCheckedOnceAtFirstShow_data()
{
    QTest::addColumn<QString>("pastaPrograma");
    QTest::addColumn<bool>("disponivel");
    QTest::newRow("library in the program's folder") << pastaBibliotecaTeste("formulas_teste") << true;
    QTest::newRow("no library") << QString() << false;
}

void TestTFormPrinc::formulaLibraryIsCheckedOnceAtFirstShow()
{
    QFETCH(QString, pastaPrograma);
    QFETCH(bool, disponivel);
    BancadaPrinc b({}, pastaPrograma);
    b.mostra();
    b.princ->hide();
    b.mostra();
    QCOMPARE(b.princ->FormulaDisponivel, disponivel);
    const QStringList esperado = disponivel
        ? QStringList {}
        : QStringList { QString::fromUtf8("Não foi possível localizar libequation.so. Verifique.") };
    QCOMPARE(b.mensagens.textos(), esperado);
}

void TestTFormPrinc::stopReportsItsResult_data()
{
    QTest::addColumn<bool>("falha");
    QTest::addColumn<QString>("pastaPrograma");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("status");
    QTest::newRow("stopped") << false << QString() << QString::fromUtf8("Aquisições finalizadas.")
                             << QString();
    QTest::newRow("no acknowledgement")
        << true << QString() << QString::fromUtf8("Falha no fim de aquisições.")
        << QStringLiteral("Erro de ACK!");
    QTest::newRow("no acknowledgement, text from the language library")
        << true << pastaBibliotecaTeste("idioma_ack") << QString::fromUtf8("Falha no fim de aquisições.")
        << QString::fromUtf8("Sem confirmação do Tarvek!");
}

void TestTFormPrinc::stopReportsItsResult()
{
    QFETCH(bool, falha);
    QFETCH(QString, pastaPrograma);
    QFETCH(QString, mensagem);
    QFETCH(QString, status);
    BancadaPrinc b({ "[COMUNICACAO]", "PORTA=1", "[PORTAS]", "COM1=simulador" }, pastaPrograma);
    b.mostra();
    if (falha) {
        FalhaSimulada f;
        f.tipo = FalhaSimulada::Tipo::AckErrado;
        f.alvo = TarvekSimulado::CmdFimAquisicoes;
        b.tarvek.injetaFalha(f);
    }
    b.mensagens.registro.clear();
    b.sinal.bips = 0;
    b.botao("SpeedButtonParar")->click();
    QCOMPARE(b.mensagens.textos().value(0), mensagem);
    QCOMPARE(b.princ->EditStatus()->text(), status);
    QCOMPARE(b.princ->EditStatus()->cor(), falha ? ILinhaStatus::Cor::Vermelho : ILinhaStatus::Cor::Preto);
    if (!falha)
        QCOMPARE(b.sinal.bips, 8);
}

void TestTFormPrinc::deviceCommandsWaitWhileTheLinkIsBusy()
{
    BancadaPrinc b(
        { "[COMUNICACAO]", "PORTA=1", "[PORTAS]", "COM1=simulador" }, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    QList<int> duranteComando;
    bool portasDurante = false;  // "Portas...", which may close the port
    bool repetiu = false;
    b.relogio.aoProcessarMensagens = [&] {
        if (!b.princ->Datalogger().EmUso())
            return;
        duranteComando.append(b.comandosDispositivo());
        portasDurante = portasDurante || b.item("ItemPortas")->isEnabled();
        if (!repetiu) {
            // The user clicks stop again while the first one waits.
            repetiu = true;
            b.item("ItemParar")->trigger();
        }
    };
    b.item("ItemParar")->trigger();
    b.relogio.aoProcessarMensagens = nullptr;
    QVERIFY(!duranteComando.isEmpty());
    QVERIFY(std::all_of(duranteComando.begin(), duranteComando.end(), [](int c) { return c == 0; }));
    QVERIFY(!portasDurante);
    QCOMPARE(b.comandosDispositivo(), 1);
    QVERIFY(b.item("ItemPortas")->isEnabled());
    QCOMPARE(b.mensagens.textos(), QStringList { QString::fromUtf8("Aquisições finalizadas.") });
}

void TestTFormPrinc::closingTheWindowClosesThePort()
{
    BancadaPrinc b(
        { "[COMUNICACAO]", "PORTA=1", "[PORTAS]", "COM1=simulador" }, pastaBibliotecaTeste("formulas_teste"));
    b.mostra();
    QVERIFY(b.porta->PortOpen());
    b.princ->close();
    QVERIFY(!b.porta->PortOpen());
    QVERIFY(!b.princ->EditStatus()->TimerStatus()->isActive());
}

void TestTFormPrinc::splashAppearsAfterOneSecondForThree_data()
{
    QTest::addColumn<QString>("pastaPrograma");
    QTest::addColumn<QString>("versao");
    QTest::addColumn<QString>("data");
    QTest::newRow("Portuguese") << pastaBibliotecaTeste("formulas_teste") << QStringLiteral("Versão: 1.13")
                                << QStringLiteral("Julho 2000");
    QTest::newRow("English") << QStringLiteral(PASTA_IDIOMA_INGLES) << QStringLiteral("Version 1.14")
                             << QStringLiteral("July 2000");
}

void TestTFormPrinc::splashAppearsAfterOneSecondForThree()
{
    QFETCH(QString, pastaPrograma);
    QFETCH(QString, versao);
    QFETCH(QString, data);
    BancadaPrinc b({}, pastaPrograma);
    b.mostra();
    auto *timerSplash = b.princ->findChild<QTimer *>(QStringLiteral("TimerSplash"));
    QVERIFY(timerSplash);
    QVERIFY(timerSplash->isActive());
    QVERIFY(timerSplash->isSingleShot());
    QCOMPARE(timerSplash->interval(), 1000);
    QVERIFY(!b.princ->findChild<TFormSplash *>());
    QMetaObject::invokeMethod(timerSplash, "timeout");
    auto *splash = b.princ->findChild<TFormSplash *>();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QCOMPARE(splash->size(), QSize(467, 260));
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("LabelNome"))->width(), 230);
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("LabelVersao"))->text(), versao);
    QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("LabelData"))->text(), data);
    QCOMPARE(splash->Timer1()->interval(), 3000);
    QVERIFY(splash->Timer1()->isActive());
    QMetaObject::invokeMethod(splash->Timer1(), "timeout");
    QVERIFY(!splash->isVisible());
}

QUORVANE_TEST_MAIN(TestTFormPrinc)
#include "tst_TFormPrinc.moc"
