#pragma once

#include "DescricaoTarvek.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class IRelogio;
class TarvekSimulado;
class TMSComm;

// The descriptions that come with the simulator, chosen by name: "padrao"
// (a two-channel logger with a few hundred acquisitions) and the files of
// cenarios/ built into the library.
namespace CenariosTarvek {

inline const QString Padrao = QStringLiteral("padrao");

QStringList nomes();
std::optional<DescricaoTarvek> descricao(const QString &nome, QString *erro);
// Reads a description file.
std::optional<DescricaoTarvek> arquivo(const QString &caminho, QString *erro);

// A logger loaded with a description, its clock reading the description's
// time (or `agora`) at `instanteMs` of the caller's clock.
std::unique_ptr<TarvekSimulado> criaTarvek(
    const DescricaoTarvek &descricao, int64_t instanteMs, const QDateTime &agora, QString *erro);

// A description by name: a file when it ends in ".json", else a scenario;
// empty gives "padrao".
std::optional<DescricaoTarvek> escolhe(const QString &cenarioOuArquivo, QString *erro);

// What the program's "simulador" port opens: one logger, made at the first
// opening from the description and kept for the later ones, behind a port
// that runs on the given clock. When the description cannot be loaded the
// port refuses to open and gives the reason.
std::function<std::unique_ptr<TMSComm>()> fabricaPorta(
    IRelogio &relogio, const QString &cenarioOuArquivo = {});

}  // namespace CenariosTarvek
