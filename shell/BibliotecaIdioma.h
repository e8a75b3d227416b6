#pragma once

#include <QString>

class Catalogo;

// The language library: a shared library named "language" (liblanguage.so),
// looked up as BibliotecaExterna does, exporting
//     extern "C" const char *GetStr(int32_t numero);
// which gives the replacement of a catalogue text as a zero-terminated
// Windows-1252 string, or null to keep the default. Every window applies it
// to the catalogue first thing when it is created. It may also export
//     extern "C" const char *GetIdioma();
// giving the language of its texts as a locale name ("en", "es", "pt_BR"),
// so that Qt's own dialogs speak it too.
namespace BibliotecaIdioma {

// The program's own language.
inline constexpr char IdiomaPrograma[] = "pt_BR";

// Loads the library, copies every text it gives into the catalogue and
// releases it. Without the library or without GetStr nothing changes.
// Returns whether GetStr was found.
bool aplica(Catalogo &catalogo, const QString &pastaPrograma);

// The language the program speaks with the library found from that folder:
// IdiomaPrograma without a usable library (one with GetStr); with one, the
// name GetIdioma gives, or "en" when it gives none.
QString idioma(const QString &pastaPrograma);

}  // namespace BibliotecaIdioma
