#pragma once

#include "TAquisicao.h"

#include <QString>

#include <optional>

struct ConfigRegional;
struct Console;

// An acquisition file for the commands that read one.
namespace DocumentoCli {

// Reads the file as the program opens it; a refused file is reported as a
// failure with the program's message ("Arquivo não existe!", "Formato de
// arquivo inválido. ..."). With comoAberto the document is given as a
// graph window holds it once opened: Fim at its last entry and the limits
// of thermocouple and Pt100 channels replaced by their sensor's range;
// without, with the file's own values.
std::optional<TAquisicao> le(
    const QString &caminho, const ConfigRegional &regional, const Console &console, bool comoAberto);

}  // namespace DocumentoCli
