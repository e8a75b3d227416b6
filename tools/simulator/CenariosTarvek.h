#pragma once

#include "DescricaoTarvek.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class TarvekSimulado;

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
std::unique_ptr<TarvekSimulado> criaTarvek(const DescricaoTarvek &descricao, int64_t instanteMs,
                                           const QDateTime &agora, QString *erro);

} // namespace CenariosTarvek
