#pragma once

#include "DataHora.h"

#include <QString>
#include <QStringList>

#include <functional>

class Catalogo;
struct ConfigRegional;
class LinhasLeituras;

// The printed report of a graph's text views, the readings list or the
// general parameters: one line of the view per printed line, under a page
// header with the view's title, the date and time and, for the readings,
// the column heading, above a footer with the page number. The lines go
// through a temporary file of each kind, which the report reads back one
// line at a time. Heights are in report units of 1/96 inch.
namespace RelatorioTexto {

// What the report prints (its ModoImpressao): the summary prints like the
// general parameters, lines without a column heading; the audit trail has
// a column heading and its columns between tabs.
enum class Modo { Informacoes = 0, Leituras = 1, Resumo = 2, Trilha = 3 };

constexpr double kAlturaLinha = 20;
constexpr double kAlturaRodape = 40;
constexpr double kUnidadesPorPolegada = 96;
// The page: Letter, portrait, these margins on all four sides.
constexpr double kMargemMm = 10;

// The page header's height: 90 with the column heading, 65 without.
double alturaCabecalho(Modo modo);
// The temporary file of each kind: "Temp2.txt" for the readings,
// "Temp1.txt" for the general parameters, "Temp3.txt" for the summary,
// "Temp4.txt" for the trail.
QString nomeTemporario(Modo modo);
// The column heading of the readings (text 119) and of the trail; none for
// the general parameters.
QString cabecalhoColunas(Modo modo, const Catalogo &catalogo);
// Where the text after each tab of a line starts, in report units from the
// page's left edge: the summary's value column, the trail's columns.
QList<double> tabulacoes(Modo modo);
// The footer's "Página:  " (text 120) and the page number.
QString rodape(int pagina, const Catalogo &catalogo);
// The date and time of the header: short date and long time.
QString dataHora(TDateTime agora, const ConfigRegional &regional);

// The temporary file of the readings: every line of the list but its
// heading (line 0), nothing for a list with only its heading.
bool gravaLeituras(const QString &caminho, const LinhasLeituras &linhas);
// The temporary file of the general parameters: every line of the text.
bool gravaInformacoes(const QString &caminho, const QStringList &linhas);

// How many lines fit between header and footer on a page whose printable
// height is alturaUtil report units; at least one.
int linhasPorPagina(Modo modo, double alturaUtil);

// Deals the lines of a report out page by page, as the report asks for
// them one at a time: each page as full as it can be, no page without
// lines after the last, and one page with no lines (header and footer
// only) when there is nothing to print.
class Paginacao
{
public:
    // Gives the next line; false when no more follow.
    using Fonte = std::function<bool(QString &linha)>;

    Paginacao(Fonte fonte, int linhasPorPagina);

    // The lines of the next page; false when the report has ended.
    bool proxima(QStringList &linhas);
    // The number of the page proxima() gave last (1 the first).
    int pagina() const { return m_pagina; }

private:
    Fonte m_fonte;
    int m_porPagina;
    int m_pagina = 0;
    QString m_seguinte;
    bool m_temSeguinte = false;
};

}  // namespace RelatorioTexto
