#include "GravacaoAtomica.h"

#include <QSaveFile>

namespace GravacaoAtomica {

bool grava(const QString &caminho, const QByteArray &bytes)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    if (arquivo.write(bytes) != bytes.size()) {
        // Drops the temporary file; the old file stays.
        arquivo.cancelWriting();
        arquivo.commit();
        return false;
    }
    return arquivo.commit();
}

}  // namespace GravacaoAtomica
