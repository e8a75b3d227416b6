#pragma once

#include <QLibrary>
#include <QString>

// An optional shared library that the program loads by name: first from the
// program's own folder, then from lib/quorvane beside it when installed
// (bin/../lib/quorvane), then through the system's library search path
// (LD_LIBRARY_PATH, the linker cache). The name is given without prefix and
// suffix: "language" finds liblanguage.so (the language library), "equation"
// libequation.so (the formula library). The library is released when the
// object goes away, loaded or not.
class BibliotecaExterna
{
public:
    BibliotecaExterna(const QString &nome, const QString &pastaPrograma);
    ~BibliotecaExterna();
    BibliotecaExterna(const BibliotecaExterna &) = delete;
    BibliotecaExterna &operator=(const BibliotecaExterna &) = delete;

    bool carregada() const { return m_carregada; }
    // The export of that name, or null (also when nothing was loaded).
    QFunctionPointer funcao(const char *nome);

private:
    QLibrary m_biblioteca;
    bool m_carregada = false;
};

// The base name of the language library (the formula library's is
// BibliotecaFormulas::nome()).
inline constexpr char NomeBibliotecaIdioma[] = "language";
