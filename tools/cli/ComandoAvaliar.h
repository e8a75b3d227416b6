#pragma once

#include "AvaliacaoPerfil.h"
#include "Comando.h"

#include <QJsonObject>

// quorvane-cli avaliar: a recording judged by its logger's alarm profile or
// one named; exits 0 for APROVADO and 3 for REPROVADO.
Comando ComandoAvaliar();

// The verdict as resumo --json and avaliar --json write it.
QJsonObject jsonAvaliacao(const TAquisicao &aquisicao, const Avaliacao &avaliacao);
