#pragma once

class IRelogio;
class ISinalSonoro;

// Returns after at least ms milliseconds of the clock, sleeping in steps of
// 2 ms and letting the application handle its pending window messages at
// every step, so the windows stay responsive.
void Espera(IRelogio &relogio, int ms);

// The audible signal of a finished device operation: eight beeps in four
// pairs, 150 ms between pairs.
void SinalSonoro(ISinalSonoro &sinal, IRelogio &relogio);
