#pragma once

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoLeituras.h"
#include "BlocoNaoVolatil.h"

// The input of fuzz_blocos, shared with the seed generator: the four blocks
// as the logger sends them, one after the other, then packed acquisitions
// to the end. A short input leaves the later blocks short or empty, which
// the decoders must take as well.
namespace EntradaBlocos {

constexpr int Configuracao = 0;
constexpr int Calibracao = Configuracao + BlocoConfiguracao::Tamanho;
constexpr int NaoVolatil = Calibracao + BlocoCalibracao::Tamanho;
constexpr int Leituras = NaoVolatil + BlocoNaoVolatil::Tamanho;
constexpr int Aquisicoes = Leituras + BlocoLeituras::Tamanho;

}  // namespace EntradaBlocos
