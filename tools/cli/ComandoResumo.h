#pragma once

#include "Comando.h"

// quorvane-cli resumo: the summary of each channel of an acquisition file
// (extremes, mean, deviation, mean kinetic temperature, excursions beyond
// the alarm limits), over the whole recording or a range of entries, as
// text or JSON. The limits stored for the file's logger apply unless given.
Comando ComandoResumo();
