#include "GravacaoAtomica.h"

#include <QSaveFile>

bool GravacaoAtomica(const QString &caminho, const QByteArray &bytes)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    if (arquivo.write(bytes) != bytes.size()) {
        arquivo.cancelWriting();
        arquivo.commit();
        return false;
    }
    return arquivo.commit();
}
