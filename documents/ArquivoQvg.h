#pragma once

#include "TAquisicao.h"

#include "ConteudoArquivo.h"

#include <QByteArray>
#include <QString>

struct Ambiente;
struct ConfigRegional;
class NumeracaoGraficos;

// The acquisition file (.qvg): text, one value per line, CR LF, 8-bit
// characters. 31 + 2N lines: the header (21 lines), two lines per entry,
// ten closing integers, the last one 113. Dates and times are written and
// read as "dd/mm/yyyy" and "hh:nn:ss"; entry values carry two decimals with
// the regional decimal separator and are read with either "." or ",".
namespace ArquivoQvg {

enum class Erro { Nenhum, ArquivoNaoExiste, FormatoInvalido };

struct Resultado
{
    Erro erro = Erro::Nenhum;
    // Why a file was not taken at all (Nenhum when its bytes were read).
    ConteudoArquivo::Motivo arquivo = ConteudoArquivo::Motivo::Nenhum;
    TAquisicao aquisicao;
};

// The bytes of the file for a document.
QByteArray conteudo(const TAquisicao &aquisicao, const ConfigRegional &regional);
// Writes the file through a temporary file in the same folder: a write that
// fails leaves whatever was at the path untouched.
bool grava(const TAquisicao &aquisicao, const QString &caminho, const ConfigRegional &regional);

// Reads a document from the bytes of a file. Number lines outside the
// entries are read leniently; a date or time that does not convert gives
// ArquivoNaoExiste, an entry that does not convert FormatoInvalido.
Resultado le(const char *dados, qsizetype tamanho, const ConfigRegional &regional);
Resultado le(const QByteArray &conteudo, const ConfigRegional &regional);
// Reads a file through ConteudoArquivo (a regular file, its first 16 MiB);
// one that is not taken gives ArquivoNaoExiste and the reason in arquivo.
Resultado leArquivo(const QString &caminho, const ConfigRegional &regional);

// The window name of a file: its name without the folder.
QString nomeJanela(const QString &caminho);

// Opening a file for a new graph window: refuses while no graph window may
// open, reads the file and shows the refusal through the messages seam.
// Returns true and fills aquisicao when a window may open with it.
bool abre(const QString &caminho, const NumeracaoGraficos &numeracao, const Ambiente &ambiente,
    TAquisicao &aquisicao);
// Saving from a graph window: writes, and on failure shows the window's
// save error. Returns the new value of the window's Salvo flag.
bool salva(const TAquisicao &aquisicao, const QString &caminho, const Ambiente &ambiente);

}  // namespace ArquivoQvg
