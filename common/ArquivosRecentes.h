#pragma once

#include <QString>
#include <QStringList>

class IConfiguracoes;

// The last files opened or saved, most recent first, kept in section
// ARQUIVOS_RECENTES of the settings file under the keys ARQUIVO1 to
// ARQUIVO8. Each path is written between double quotes, so that blanks at
// its ends survive the settings file's trimming; a hand-written value
// without quotes is read as well. The list is read again at every call, so
// that two programs running at once do not undo each other's entries.
class ArquivosRecentes
{
public:
    static constexpr int Maximo = 8;

    // What a file name opens as, by its extension (without regard to case).
    enum class Tipo { Nenhum, Grafico, Juncao };
    static Tipo tipo(const QString &caminho);

    explicit ArquivosRecentes(IConfiguracoes *configuracoes);

    // The paths, most recent first: empty values and repeats skipped, at
    // most Maximo.
    QStringList lista() const;
    // Puts the file first (as an absolute, clean path), removing an earlier
    // entry for it and dropping the oldest beyond Maximo. A path that
    // cannot be kept on one line is ignored.
    void registra(const QString &caminho);
    // Removes the file from the list (a file that no longer exists).
    void remove(const QString &caminho);

    // The menu captions of a list: "&1 name.qvg" (the file name only, or
    // the whole path when two entries share a file name), with any "&" of
    // the name doubled so that it is shown and not taken as a mnemonic.
    static QStringList legendas(const QStringList &caminhos);

private:
    static QString normaliza(const QString &caminho);
    void grava(const QStringList &caminhos);

    IConfiguracoes *m_configuracoes;
};
