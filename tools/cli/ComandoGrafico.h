#pragma once

#include "Comando.h"

#include <QCoreApplication>

#include <memory>

// quorvane-cli grafico: draws a recording or a merged graph with the
// program's chart, without a display, into a PNG, SVG or PDF file.
Comando ComandoGrafico();

// The application object for a command line: grafico draws with widgets
// (on Qt's offscreen platform unless QT_QPA_PLATFORM names another); the
// other commands need Qt Core only. A build without the windows has no
// grafico and always makes the core one.
std::unique_ptr<QCoreApplication> AplicacaoDoComando(int &argc, char **argv);
