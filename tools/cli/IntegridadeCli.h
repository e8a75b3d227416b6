#pragma once

#include <QJsonObject>
#include <QString>

class Catalogo;

// A file's integrity as the commands that read a file give it, from the
// records of the data folder: a line for the text, an object for JSON.
namespace IntegridadeCli {

// "Íntegro - gravado em ... por ..., da coleta do logger ...", "Alterado
// depois de gravado - ..." or "Sem registro"; with the reason when the
// records cannot be opened.
QString texto(const QString &arquivo, const Catalogo &catalogo);
// {"estado", "detalhe", "sha256", "gravado", "usuario", "serie"}.
QJsonObject json(const QString &arquivo, const Catalogo &catalogo);

}  // namespace IntegridadeCli
