#pragma once

class TAquisicao;

// What a graph window does to the document it takes, before anything is
// shown or saved: Fim becomes the instant of the last entry and the limits
// of thermocouple and Pt100 channels become their sensor's range. A
// document saved right after a collection is saved this way.
namespace DocumentoGrafico {

void ajusta(TAquisicao &aquisicao);

}  // namespace DocumentoGrafico
