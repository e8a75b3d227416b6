#pragma once

#include <QString>
#include <QStringList>

struct Ambiente;
class Catalogo;
class LinhasLeituras;
class TAquisicao;

// The text export: the general-parameters text, a blank line, the readings
// table's title and column heading, then the readings that lie in the time
// range the graph shows. Two independent parts, each with its own error.
namespace ExportacaoTexto {

// Lines of the readings list (1 = first entry) to export for a shown time
// range, held to the entries that exist: nothing (ultima < primeira) when
// the range holds none.
struct Faixa
{
    int primeira = 1;
    int ultima = 0;
    bool vazia() const { return ultima < primeira; }
};
Faixa faixa(const TAquisicao &aquisicao, double minimo, double maximo);

// General-parameters part: creates or truncates the file.
bool gravaInformacoes(const QString &caminho, const QStringList &linhas);
// Readings part: appends the blank line, the title, the column heading and
// the lines primeira to ultima of the readings list.
bool gravaLeituras(
    const QString &caminho, const LinhasLeituras &linhas, const Catalogo &catalogo, Faixa faixa);

// Both parts from the document, with the views' save errors shown through
// the messages seam. Returns true when both parts were written.
bool exporta(const TAquisicao &aquisicao, const QString &caminho, double minimo, double maximo,
    const Ambiente &ambiente);
// The same for given lines of the readings list (the whole recording:
// 1 to NumLeituras).
bool exportaFaixa(const TAquisicao &aquisicao, const QString &caminho, Faixa faixa, const Ambiente &ambiente);
// The lines of every entry.
Faixa tudo(const TAquisicao &aquisicao);

}  // namespace ExportacaoTexto
