#include "GravacaoAtomica.h"

#include <QSaveFile>

namespace GravacaoAtomica {

bool grava(const QString &caminho, const QByteArray &bytes, QFileDevice::FileError *erro)
{
    QSaveFile arquivo(caminho);
    const auto falhou = [&arquivo, erro] {
        if (erro)
            *erro = arquivo.error() == QFileDevice::NoError ? QFileDevice::WriteError : arquivo.error();
        return false;
    };
    if (!arquivo.open(QIODevice::WriteOnly))
        return falhou();
    if (arquivo.write(bytes) != bytes.size()) {
        const bool r = falhou();
        // Drops the temporary file; the old file stays.
        arquivo.cancelWriting();
        arquivo.commit();
        return r;
    }
    return arquivo.commit() || falhou();
}

}  // namespace GravacaoAtomica
