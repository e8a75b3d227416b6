#pragma once

#include "EstadoLogger.h"

#include <QJsonObject>
#include <QStringList>

class Catalogo;
struct ConfigRegional;

// The texts of the "Loggers" rows, as the window's table and quorvane-cli
// status show them, and a row as JSON.
namespace TextoLoggers {

// The reasons for attention come second, so that they are seen at once.
enum Coluna { Porta, Atencao, Serie, Titulo, Estado, Memoria, Previsao, Bateria, Coleta, Colunas };

QStringList cabecalhos(const Catalogo &catalogo);
// One text per column; a port that did not answer has its reason after
// its attention text.
QStringList colunas(const EstadoLogger &e, const Catalogo &catalogo, const ConfigRegional &regional,
    int vidaBateriaMeses, const QDateTime &agora);
QJsonObject json(
    const EstadoLogger &e, const Catalogo &catalogo, int vidaBateriaMeses, const QDateTime &agora);

}  // namespace TextoLoggers
