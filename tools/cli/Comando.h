#pragma once

#include "Console.h"

#include <QString>
#include <QStringList>

#include <functional>

// One sub-command of quorvane-cli. Each lives in its own file and gives
// its description through a function registered in main.cpp.
struct Comando
{
    QString nome;
    QString resumo;  // one line for the list of commands
    QString uso;  // "info --porta <porta> [--json]"
    QString ajuda;  // the options and what the command does, several lines
    // Takes the arguments after the command's name; returns the exit code.
    std::function<int(const QStringList &argumentos, Console &console)> executa;
};

// Exit codes shared by the commands.
namespace Saida {
constexpr int Sucesso = 0;
constexpr int Falha = 1;  // the operation failed (link, file)
constexpr int Uso = 2;  // the command line is wrong
}  // namespace Saida
