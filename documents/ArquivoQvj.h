#pragma once

#include "TNodoJuncao.h"

#include "ConteudoArquivo.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct ConfigRegional;

// The merged-graph file (.qvj): text, one value per line, CR LF, 8-bit
// characters. The left and right units, the number of entries, then per
// entry its channel count, names, units, interval (integer part), common
// range, first and last instants ("dd/mm/yyyy", "hh:nn:ss"), the number of
// readings and two value lines per reading. Values carry two decimals with
// the regional decimal separator and are read with either "." or ",".
namespace ArquivoQvj {

// A merged graph has at most this many channels.
constexpr int kMaxCanais = 8;

struct Juncao
{
    QString UnidadeEixoEsquerdo;
    QString UnidadeEixoDireito;
    std::vector<TNodoJuncao> entradas;

    bool operator==(const Juncao &) const = default;
};

// What refuses a file: ArquivoNaoExiste when it cannot be opened or a
// header or entry line does not convert; FormatoInvalido when a reading
// count or a value does not, or the file announces more than it can hold.
enum class Erro { Nenhum, ArquivoNaoExiste, FormatoInvalido };

struct Resultado
{
    Erro erro = Erro::Nenhum;
    // Why a file was not taken at all (Nenhum when its bytes were read).
    ConteudoArquivo::Motivo arquivo = ConteudoArquivo::Motivo::Nenhum;
    Juncao juncao;
};

QByteArray conteudo(const Juncao &juncao, const ConfigRegional &regional);
// Writes through a temporary file in the same folder: a write that fails
// leaves whatever was at the path untouched.
bool grava(const Juncao &juncao, const QString &caminho, const ConfigRegional &regional);

// Reads a merged graph. Entries get their sensors from their units
// (TNodoJuncao::defineSensoresPorUnidade).
Resultado le(const char *dados, qsizetype tamanho, const ConfigRegional &regional);
Resultado le(const QByteArray &conteudo, const ConfigRegional &regional);
// Reads a file as ArquivoQvg::leArquivo does.
Resultado leArquivo(const QString &caminho, const ConfigRegional &regional);

}  // namespace ArquivoQvj
