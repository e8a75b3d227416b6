// Appends N events to the trail of a records folder, or of a server, as
// another copy of the program would: anexa_trilha FOLDER N NAME [URL].
#include "Registros.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5)
        return 2;
    Registros registros(QString::fromLocal8Bit(argv[1]), AutorEventos::doSistema(),
        argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString());
    if (!registros.disponivel()) {
        std::fprintf(stderr, "%s\n", qPrintable(registros.motivo()));
        return 1;
    }
    const int n = QByteArray(argv[2]).toInt();
    for (int i = 0; i < n; ++i) {
        EventoAuditoria e { QStringLiteral("teste"), i, {} };
        e.detalhes.insert(QStringLiteral("programa"), QString::fromLocal8Bit(argv[3]));
        if (!registros.registra(e)) {
            std::fprintf(stderr, "%s\n", qPrintable(registros.erro()));
            return 1;
        }
    }
    return 0;
}
