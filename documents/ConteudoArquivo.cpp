#include "ConteudoArquivo.h"

#include <QFileInfo>

#include <algorithm>

ConteudoArquivo::ConteudoArquivo(const QString &caminho)
    : m_arquivo(caminho)
{
    // The kind of file is looked at before it is opened: the open itself is
    // what blocks on a FIFO.
    const QFileInfo info(caminho);
    if (!info.exists()) {
        m_motivo = Motivo::NaoExiste;
        return;
    }
    if (!info.isFile()) {
        m_motivo = Motivo::NaoRegular;
        return;
    }
    if (!m_arquivo.open(QIODevice::ReadOnly)) {
        m_motivo = m_arquivo.error() == QFileDevice::PermissionsError || !info.isReadable()
            ? Motivo::SemPermissao
            : Motivo::Ilegivel;
        return;
    }
    const qint64 tamanho = std::min(m_arquivo.size(), kTamanhoMaximo);
    if (tamanho <= 0) {
        m_motivo = Motivo::Vazio;
        return;
    }
    m_mapa = m_arquivo.map(0, tamanho);
    if (m_mapa) {
        m_dados = reinterpret_cast<const char *>(m_mapa);
        m_tamanho = qsizetype(tamanho);
        return;
    }
    m_copia = m_arquivo.read(tamanho);
    if (m_copia.isEmpty()) {
        m_motivo = Motivo::Ilegivel;
        return;
    }
    m_dados = m_copia.constData();
    m_tamanho = m_copia.size();
}

ConteudoArquivo::~ConteudoArquivo()
{
    if (m_mapa)
        m_arquivo.unmap(m_mapa);
}
