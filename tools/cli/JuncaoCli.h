#pragma once

#include "ArquivoQvj.h"

#include <QString>

#include <optional>

struct ConfigRegional;
struct Console;
class QTextStream;

// A merged-graph file (.qvj) for the commands that read one.
namespace JuncaoCli {

// Whether the file is a merged graph, by its extension (any case).
bool ehJuncao(const QString &caminho);
// Reads the file as the program opens it; a refused file is reported as a
// failure naming the file and the cause (DocumentoCli::recusa).
std::optional<ArquivoQvj::Juncao> le(
    const QString &caminho, const ConfigRegional &regional, const Console &console);
// The axes' units, the number of entries and each entry's fields with its
// reading count.
void escreveCabecalho(QTextStream &s, const ArquivoQvj::Juncao &juncao, const ConfigRegional &regional);

}  // namespace JuncaoCli
