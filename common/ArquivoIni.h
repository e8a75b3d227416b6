#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of an INI file, read and changed one key of one section at a
// time as the Windows profile functions (GetPrivateProfileString,
// WritePrivateProfileString) do:
//
// - "[NAME]" opens a section; "KEY=value" is a key of the section above it;
//   a line whose first non-blank character is ";" is a comment; keys before
//   the first section belong to none.
// - Section and key names are matched without regard to case, trimmed of
//   blanks. The first matching section and, in it, the first matching key
//   win; later duplicates are ignored.
// - A value is the text after the first "=" up to the end of the line,
//   trimmed of blanks, with one pair of enclosing quotes ('...' or "...")
//   removed. Nothing else is special: backslashes and ";" are plain text.
//
// Writing a key changes only that key's line, or adds one line after the
// last key of its section, or adds the section at the end; every other byte
// stays as it was. New lines end as the file's first line does (CR LF or LF,
// LF when there is none). The file's text is UTF-8 when it is valid UTF-8,
// Windows-1252 otherwise; a UTF-8 byte-order mark, which a text editor may
// put first, is skipped and kept.
class ArquivoIni
{
public:
    explicit ArquivoIni(const QByteArray &conteudo = {});

    const QByteArray &conteudo() const { return m_conteudo; }

    // The value, or nothing when the section or the key is missing.
    std::optional<QString> le(const QString &secao, const QString &chave) const;
    // Sets the key. Refused (false, nothing changed) when it cannot be one
    // line: a line break anywhere, "=" in the key or "]" in the section.
    bool grava(const QString &secao, const QString &chave, const QString &valor);

private:
    struct Linha
    {
        enum class Tipo { Outra, Vazia, Secao, Chave };  // Outra: a comment or a line without "="
        Tipo tipo = Tipo::Outra;
        qsizetype inicio = 0;  // first byte
        qsizetype fimTexto = 0;  // first byte of the line end (or the end of the file)
        qsizetype fim = 0;  // first byte of the next line
        QString nome;  // of the section or the key
        qsizetype valor = 0;  // first byte after "=" and the blanks after it
    };
    // The lines of the section: the header's index and the index after the last line.
    struct Trecho
    {
        qsizetype cabecalho = -1;
        qsizetype fim = -1;
    };

    QList<Linha> linhas() const;
    Linha classifica(qsizetype inicio, qsizetype fimTexto, qsizetype fim) const;
    static Trecho procuraSecao(const QList<Linha> &linhas, const QString &secao);
    static qsizetype procuraChave(const QList<Linha> &linhas, Trecho trecho, const QString &chave);
    QString texto(qsizetype inicio, qsizetype fim) const;
    QByteArray bytes(const QString &texto) const;
    QByteArray fimDeLinha() const;

    QByteArray m_conteudo;
    bool m_utf8 = true;
};
