#include "Espera.h"

#include "IRelogio.h"
#include "ISinalSonoro.h"

void Espera(IRelogio &relogio, int ms)
{
    const int64_t fim = relogio.tickCount() + ms;
    while (relogio.tickCount() < fim) {
        relogio.dorme(2);
        relogio.processaMensagens();
    }
}

void SinalSonoro(ISinalSonoro &sinal, IRelogio &relogio)
{
    for (int par = 0; par < 4; ++par) {
        if (par > 0)
            Espera(relogio, 150);
        sinal.bip();
        sinal.bip();
    }
}
