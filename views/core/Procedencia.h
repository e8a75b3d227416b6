#pragma once

#include "SelosArquivo.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class Catalogo;
class Registros;

// Where a printed recording came from, for the block that ends its report:
// the source file and its SHA-256, its integrity, who collected it and
// when (the trail's collection of that logger up to the file's seal), who
// printed it and when.
struct Procedencia
{
    QString arquivo;  // the file's name; empty for a recording not read from a file
    QString sha256;
    EstadoIntegridade estado;
    QString coletadoPor;  // empty when the records do not know
    QString coletadoEm;  // UTC, ISO 8601, as the records keep it
    QString impressoPor;
    QDateTime impressoEm;

    // Looks the file up in the records (none: nothing known of it).
    static Procedencia de(Registros *registros, const QString &caminho, const QDateTime &agora);

    // The block's lines, a tab between label and value, ending with the
    // signature block: "Revisado por", "Data" and "Assinatura", each with
    // a line to sign on.
    QStringList linhas(const Catalogo &catalogo) const;
};
