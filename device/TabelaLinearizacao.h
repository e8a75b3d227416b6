#pragma once

#include <array>

// The piecewise-linear tables that turn calibrated counts into degrees,
// one run of segments per sensor, as one array of 48-bit reals. A segment
// is three values: its upper bound in counts, its slope and its intercept;
// a run ends with the bound FimTrecho. The cold-junction run lies between
// Pt100 and the linear inputs (which share one identity segment), and the
// eight cold-junction gains of the thermocouples close the array.
constexpr int TamanhoTabelaLinearizacao = 346;
constexpr int InicioGanhosJuncaoFria = 338;
constexpr double FimTrecho = 32767;

// Index of the first bound of each run.
namespace Trecho {
constexpr int J = 0;
constexpr int K = 19;
constexpr int T = 53;
constexpr int E = 87;
constexpr int N = 109;
constexpr int R = 140;
constexpr int S = 186;
constexpr int B = 229;
constexpr int Pt100 = 290;
constexpr int JuncaoFria = 324;
constexpr int Linear = 334;
}  // namespace Trecho

const std::array<double, TamanhoTabelaLinearizacao> &TabelaLinearizacao();

// The run of a sensor code (128 to 138); -1 for any other code.
int TrechoDoSensor(int codigo);
// The cold-junction gain of a thermocouple code (128 to 135); 0 otherwise.
double GanhoJuncaoFria(int codigo);
