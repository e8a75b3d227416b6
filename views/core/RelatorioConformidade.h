#pragma once

#include "AvaliacaoPerfil.h"

#include <QList>
#include <QString>
#include <QStringList>

class Catalogo;
struct ConfigRegional;
struct Procedencia;
class TAquisicao;

// The compliance report of a recording judged by a profile: a first page
// with the verdict in large letters, the recording (title, file, serial
// number, period) and the profile's rules above the chart, the excursions
// that break a rule and the provenance with its signature block under it;
// then the day table, a part per channel, over as many pages as it takes,
// each page that continues a part repeating its title and column heading.
// Excursions that leave the chart less than its least height go to the
// pages after the first, ahead of the day table. Heights are in report
// units of 1/96 inch (RelatorioTexto's), on Letter or A4 pages.
namespace RelatorioConformidade {

// How a line is drawn and where its tab stops are.
enum class Estilo { Texto, Titulo, Colunas };  // titles and column headings in bold
enum class Tabs { Rotulo, Excursoes, Dias };

struct Linha
{
    QString texto;  // columns separated by tabs
    Estilo estilo = Estilo::Texto;
    Tabs tabs = Tabs::Rotulo;
    bool operator==(const Linha &) const = default;
};

constexpr double kAlturaLinha = 15;  // 9 pt lines
constexpr double kAlturaVeredito = 54;  // the verdict's band under the header
constexpr double kGraficoMinimo = 200;  // the chart never gets less
constexpr double kEspaco = 6;  // between the first page's blocks

struct PrimeiraPagina
{
    QString veredito;  // "APROVADO" or "REPROVADO"
    bool aprovado = true;
    QList<Linha> acima;  // the recording and the rules, above the chart
    double alturaGrafico = kGraficoMinimo;
    QList<Linha> abaixo;  // the excursions and the provenance
};

struct Relatorio
{
    PrimeiraPagina primeira;
    QList<QList<Linha>> seguintes;  // each page after the first
};

// Where the text after each tab starts, in report units from the left.
QList<double> tabulacoes(Tabs tabs);

// A threshold as a day table's column heading: "> 8,0 °C", "≤ -0,5 °C".
QString limiar(
    const TAquisicao &aquisicao, const RegraAlarme &regra, int canal, const ConfigRegional &regional);

// The excursions' table: its heading, then one row per excursion that
// breaks a rule, numbered as the rules are listed.
QList<Linha> excursoes(const TAquisicao &aquisicao, const Avaliacao &avaliacao, const Catalogo &catalogo,
    const ConfigRegional &regional);

// A channel's day table: its title, its column heading (day, minimum,
// maximum, mean, and the time beyond each threshold of the channel's rules
// that count entries) and a row per local calendar day; a table for each
// channel the profile judged.
struct TabelaDias
{
    QList<Linha> cabecalho;
    QList<Linha> linhas;
};
QList<TabelaDias> dias(const TAquisicao &aquisicao, const Avaliacao &avaliacao, const Catalogo &catalogo,
    const ConfigRegional &regional);

// Lines dealt out onto pages of `porPagina` lines (at least 4): loose
// lines first, then each table after a blank line, on a new page when its
// heading and a row do not fit; a page a table continues on starts with
// its heading again, the title followed by `continuacao`.
QList<QList<Linha>> paginas(
    const QList<Linha> &soltas, const QList<TabelaDias> &tabelas, int porPagina, const QString &continuacao);

// The whole report for a page whose printable height is alturaUtil and
// whose header is alturaCabecalho high (footer RelatorioTexto's).
Relatorio monta(const TAquisicao &aquisicao, const Avaliacao &avaliacao, const QString &arquivo,
    const Procedencia &procedencia, const Catalogo &catalogo, const ConfigRegional &regional,
    double alturaUtil, double alturaCabecalho);

}  // namespace RelatorioConformidade
