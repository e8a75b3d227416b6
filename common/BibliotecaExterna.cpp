#include "BibliotecaExterna.h"

#include <QDir>

BibliotecaExterna::BibliotecaExterna(const QString &nome, const QString &pastaPrograma)
{
    if (!pastaPrograma.isEmpty()) {
        m_biblioteca.setFileName(QDir(pastaPrograma).filePath(nome));
        m_carregada = m_biblioteca.load();
    }
#ifdef QUORVANE_PASTA_BIBLIOTECAS
    // Installed: lib/quorvane beside the program's bin/.
    if (!m_carregada && !pastaPrograma.isEmpty()) {
        m_biblioteca.setFileName(
            QDir(pastaPrograma).filePath(QStringLiteral(QUORVANE_PASTA_BIBLIOTECAS "/") + nome));
        m_carregada = m_biblioteca.load();
    }
#endif
    if (!m_carregada) {
        m_biblioteca.setFileName(nome);
        m_carregada = m_biblioteca.load();
    }
}

BibliotecaExterna::~BibliotecaExterna()
{
    if (m_carregada)
        m_biblioteca.unload();
}

QFunctionPointer BibliotecaExterna::funcao(const char *nome)
{
    return m_carregada ? m_biblioteca.resolve(nome) : nullptr;
}
