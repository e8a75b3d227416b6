#pragma once

#include <QString>

class Catalogo;

// The outcome of one write to the settings file: done, or why not, with the
// file it was meant for, so that a write the user asked for can say both.
struct GravacaoConfiguracao
{
    enum class Falha {
        Nenhuma,
        Leitura,  // the file is there but cannot be read, so it is not replaced
        Pasta,  // its folder cannot be made (a file in the way, no permission)
        Permissao,  // the file or its folder may not be written
        Escrita,  // the write itself failed (disk full, an I/O error)
        Valor,  // the value cannot be one line of the file
    };

    Falha falha = Falha::Nenhuma;
    QString arquivo;

    bool ok() const { return falha == Falha::Nenhuma; }
    // "As configurações não foram gravadas em FILE: REASON"; empty when done.
    QString mensagem(const Catalogo *catalogo) const;
};
