// Program entry: Qt's own translations, the real seams (message boxes,
// clock, beep, settings file, regional settings, text catalogue, the serial
// devices present), the port
// that maps COM1..COM4 to a serial device or the simulated Tarvek, and the
// main window.
#include "Ambiente.h"
#include "BibliotecaIdioma.h"
#include "Catalogo.h"
#include "CenariosTarvek.h"
#include "ConfigRegional.h"
#include "ConfiguracoesIni.h"
#include "ListaPortasSistema.h"
#include "MensagensQt.h"
#include "RegistroLogger.h"
#include "Registros.h"
#include "RelogioQt.h"
#include "SinalSonoroQt.h"
#include "TFormPrinc.h"
#include "TMSCommRoteador.h"
#include "TraducoesQt.h"

#include <QApplication>
#include <QScreen>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    // No display name of its own: the platform would append it to every
    // window title, so a maximised child's "Quorvane - [...]" would end in
    // the program's name a second time. Dialogs still show "Quorvane", the
    // application name.
    QApplication::setApplicationVersion(QStringLiteral("1.14"));

    // Qt's own dialogs in the language of the program's texts, before any
    // window exists.
    QTranslator traducaoQt;
    TraducoesQt::instala(traducaoQt, BibliotecaIdioma::idioma(QCoreApplication::applicationDirPath()));

    MensagensQt mensagens;
    RelogioQt relogio;
    SinalSonoroQt sinal;
    ConfiguracoesIni configuracoes;
    Catalogo catalogo;
    const ConfigRegional regional = ConfigRegional::doSistema();
    const ListaPortasSistema portas;
    Ambiente ambiente;
    ambiente.mensagens = &mensagens;
    ambiente.relogio = &relogio;
    ambiente.sinal = &sinal;
    ambiente.configuracoes = &configuracoes;
    ambiente.catalogo = &catalogo;
    ambiente.regional = &regional;
    ambiente.portas = &portas;
    // The records of the data folder, or of the server the settings name:
    // every write to a logger is recorded before it is sent, and refused
    // when it cannot be.
    Registros registros(configuracoes);
    RegistroLogger registroLogger(registros, &catalogo);
    ambiente.registros = &registros;
    ambiente.observadorLogger = &registroLogger;

    // QUORVANE_SIMULADOR names the simulated logger's scenario or a
    // description file; the default scenario otherwise.
    TMSCommRoteador porta(&configuracoes,
        CenariosTarvek::fabricaPorta(relogio, qEnvironmentVariable("QUORVANE_SIMULADOR")), {}, &ambiente);

    TFormPrinc princ(ambiente, catalogo, porta, QCoreApplication::applicationDirPath());
    mensagens.defineJanela(&princ);
    // Where it was last closed; centred on the first run.
    if (const QScreen *tela = QGuiApplication::primaryScreen()) {
        if (!princ.RestauraGeometria(tela->availableGeometry()))
            princ.move(tela->availableGeometry().center() - princ.rect().center());
    }
    // Recordings named on the command line (a double click in a file
    // manager) open once the window is shown.
    QStringList arquivos = QCoreApplication::arguments();
    arquivos.removeFirst();
    princ.AbreNaPartida(arquivos);
    princ.show();
    // Records that cannot be written are said at once, not at the first
    // write to a logger.
    if (!registros.disponivel())
        mensagens.aviso(catalogo.texto(448).arg(registros.motivo()));
    return app.exec();
}
