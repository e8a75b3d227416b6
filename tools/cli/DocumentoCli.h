#pragma once

#include "ConteudoArquivo.h"
#include "TAquisicao.h"

#include <QString>

#include <optional>

struct ConfigRegional;
struct Console;

// An acquisition file for the commands that read one.
namespace DocumentoCli {

// Reads the file as the program opens it; a refused file is reported as a
// failure naming the file and the cause (recusa). A merged graph (.qvj) is
// refused before it is read. With comoAberto the document is given as a
// graph window holds it once opened: Fim at its last entry and the limits
// of thermocouple and Pt100 channels replaced by their sensor's range;
// without, with the file's own values.
std::optional<TAquisicao> le(
    const QString &caminho, const ConfigRegional &regional, const Console &console, bool comoAberto);

// The failure text of a file a reader refused: the file, then why (not
// there, not a regular file, no read permission, empty, a header that does
// not read, or the program's text for entries that do not).
QString recusa(const QString &caminho, ConteudoArquivo::Motivo motivo, bool entradas, bool juncao);

}  // namespace DocumentoCli
