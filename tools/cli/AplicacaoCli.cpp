#include "AplicacaoCli.h"

#ifdef QUORVANE_CLI_IMPRESSAO
#include <QApplication>

namespace {

// Qt's own notes about the session (no runtime folder, no screen) are
// not failures of the command: only its critical messages reach stderr.
void mensagensQt(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        qt_message_output(tipo, contexto, texto);
}

}  // namespace
#endif

std::unique_ptr<QCoreApplication> CriaAplicacaoCli(int &argc, char **argv)
{
#ifdef QUORVANE_CLI_IMPRESSAO
    if (argc > 1 && (qstrcmp(argv[1], "imprimir") == 0 || qstrcmp(argv[1], "grafico") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(mensagensQt);
        return std::make_unique<QApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}
