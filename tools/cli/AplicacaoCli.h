#pragma once

#include <QCoreApplication>

#include <memory>

// The application object of quorvane-cli: a plain core application, or,
// for the commands that draw (grafico, imprimir), a widget application on
// Qt's offscreen platform (unless QT_QPA_PLATFORM names another), so that
// they run without a screen like the others.
std::unique_ptr<QCoreApplication> CriaAplicacaoCli(int &argc, char **argv);
