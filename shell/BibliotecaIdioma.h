#pragma once

#include <QString>

class Catalogo;

// The language library: a shared library named "language" (liblanguage.so),
// looked up as BibliotecaExterna does, exporting
//     extern "C" const char *GetStr(int32_t numero);
// which gives the replacement of a catalogue text as a zero-terminated
// Windows-1252 string, or null to keep the default. Every window applies it
// to the catalogue first thing when it is created.
namespace BibliotecaIdioma {

// Loads the library, copies every text it gives into the catalogue and
// releases it. Without the library or without GetStr nothing changes.
// Returns whether GetStr was found.
bool aplica(Catalogo &catalogo, const QString &pastaPrograma);

}  // namespace BibliotecaIdioma
