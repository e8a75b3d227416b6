#pragma once

#include "EventoAuditoria.h"
#include "ResumoCanal.h"
#include "SelosArquivo.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct Ambiente;
class Catalogo;
class IConfiguracoes;
class TAquisicao;

// What the program records of a file it writes or prints, and how it tells
// the integrity of a file it opens. The file itself is never touched: a
// failure to record leaves it saved and is told once through the message
// seam, naming the reason.
namespace SeloGravacao {

// Whether a recording left its logger's alarm limits: some entry of a
// channel with a sensor beyond a limit of that channel. Nothing when no
// limit is set for either channel.
std::optional<bool> excedeu(const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites);
// The same with the limits stored for the recording's logger.
std::optional<bool> excedeu(const TAquisicao &aquisicao, IConfiguracoes *configuracoes);

// Records a file written (acao gravacao or exportacao, tipo "qvg", "qvj",
// "csv", "txt"): the event with the file's SHA-256 and its seal; with the
// recording, its logger, period, entries and whether it left its limits.
// True when recorded, or when there are no records to keep (most tests).
bool registra(const Ambiente &ambiente, const QString &acao, const QString &caminho, const QString &tipo,
    const TAquisicao *aquisicao = nullptr);
// Records a print: with the source file's SHA-256 when the recording came
// from a file (caminho), with the logger and title otherwise.
bool registraImpressao(
    const Ambiente &ambiente, const QString &caminho, const TAquisicao *aquisicao = nullptr);

// "Íntegro", "Alterado depois de gravado" or "Sem registro".
QString nome(EstadoIntegridade::Tipo tipo, const Catalogo &catalogo);
// Who saved it and when, and from which logger's collection: "gravado em
// 12/03/2025 14:05:09 por ana, da coleta do logger 00010010"; empty
// without a seal. The instant is the computer's local time.
QString detalhe(const EstadoIntegridade &estado, const Catalogo &catalogo);
// The state in one line, its detail after a dash.
QString descricao(const EstadoIntegridade &estado, const Catalogo &catalogo);
// The lines the general-parameters view shows after the document's: a
// blank line, "Integridade: <state>" and the detail.
QStringList linhas(const EstadoIntegridade &estado, const Catalogo &catalogo);

// A serial number as the general parameters show it ("00010010").
QString textoSerie(qint64 serie);
// An instant of the records (UTC, ISO 8601) in the computer's local time.
QString textoInstante(const QString &iso);

}  // namespace SeloGravacao
