#pragma once

#include "EventoAuditoria.h"
#include "ExportacaoCsv.h"
#include "SelosArquivo.h"
#include "TrilhaAuditoria.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Catalogo;
struct ConfigRegional;
class Registros;

// The texts of the "Registros" window: the columns of its two tables, the
// integrity of a recording now, the names of the trail's actions, the
// filters its fields make, and the trail's CSV and printed lines.
namespace TextoRegistros {

// ---- recordings ---------------------------------------------------------

enum class ColunaGravacao { Serie, Titulo, Primeiro, Ultimo, Entradas, Excedeu, Integridade, Caminho, Total };

// The state of a sealed recording's file now, at its path: the same bytes
// (Integro), bytes sealed later by another save to that path (Substituido),
// other bytes (Alterado), no file (Ausente); Verificando until it was read.
enum class Integridade { Verificando, Integro, Alterado, Substituido, Ausente };

// shaAtual: the file's SHA-256 now, empty when it cannot be read;
// seladoDepois: whether those bytes are the seal of a later save.
Integridade integridade(const SeloArquivo &selo, const QString &shaAtual, bool seladoDepois);
// Reads the file and asks the records.
Integridade verificaArquivo(const SeloArquivo &selo, SelosArquivo &selos);

QString textoIntegridade(Integridade estado, const Catalogo &catalogo);
// "sim", "não", or "—" when unknown.
QString textoExcedeu(std::optional<bool> excedeu, const Catalogo &catalogo);
QString cabecalhoGravacao(ColunaGravacao coluna, const Catalogo &catalogo);
// A column's text for a seal; the integrity column is textoIntegridade's.
QString textoGravacao(
    const SeloArquivo &selo, ColunaGravacao coluna, const Catalogo &catalogo, const ConfigRegional &regional);

// ---- the trail ----------------------------------------------------------

enum class ColunaTrilha { Linha, Instante, Usuario, Host, Acao, Serie, Detalhes, Total };

// The actions in the order of their names in the catalogue.
QStringList acoes();
// "Configuração (intenção)" for "configuracao.intencao"; an unknown action
// as stored.
QString nomeAcao(const QString &acao, const Catalogo &catalogo);
// The instant of an event in the local time it was recorded in, with its
// offset: "01/06/2024 14:03:07 (UTC-03:00)".
QString textoInstante(const LinhaTrilha &linha, const ConfigRegional &regional);
// The same as ISO 8601 with the offset, "2024-06-01T14:03:07.250-03:00".
QString instanteIso(const LinhaTrilha &linha);
QString cabecalhoTrilha(ColunaTrilha coluna, const Catalogo &catalogo);
QString textoTrilha(
    const LinhaTrilha &linha, ColunaTrilha coluna, const Catalogo &catalogo, const ConfigRegional &regional);

// The trail's CSV: a heading line, then one line per event (row, instant
// with its offset, user, host, version, action, logger, details, hash), with
// the separators, mark and line ends of the recordings' export.
QByteArray csvTrilha(
    const QList<LinhaTrilha> &linhas, const Catalogo &catalogo, const ExportacaoCsv::Opcoes &opcoes);
// The printed report's heading and an event's lines: the columns between
// tabs; details longer than a column's line go on in that column on the
// lines that follow, cut every `largura` characters.
QString cabecalhoImpressao(const Catalogo &catalogo);
QStringList linhasImpressas(
    const LinhaTrilha &linha, const Catalogo &catalogo, const ConfigRegional &regional, int largura = 40);

// ---- filters ------------------------------------------------------------

// What the window's fields give: a logger (none for all), a period of whole
// days (an invalid date leaves that side open) and, for the trail, an
// action (empty for all).
struct Campos
{
    std::optional<qint64> serie;
    QDate de;
    QDate ate;
    QString acao;
};
FiltroSelos filtroGravacoes(const Campos &campos);
FiltroTrilha filtroTrilha(const Campos &campos);

}  // namespace TextoRegistros
