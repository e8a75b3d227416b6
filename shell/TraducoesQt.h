#pragma once

#include <QString>

class QTranslator;

// Qt's own texts (file dialogs, message-box buttons) in the language the
// program speaks, from Qt's translation files (qtbase_<language>.qm) in
// Qt's translations folder. A language "pt_BR" is looked up as qtbase_pt_BR
// and then as qtbase_pt; no file leaves Qt's own English.
namespace TraducoesQt {

// The translation file of that language in that folder, or empty.
QString arquivo(const QString &idioma, const QString &pasta);

// Loads the file of that language from Qt's translations folder into the
// translator and installs it in the application; to be done before any
// window is created. Returns whether a file was found and installed (Qt's
// English file holds no texts and is not installed).
bool instala(QTranslator &tradutor, const QString &idioma);

}  // namespace TraducoesQt
