// Libraries that the shell's tests load by name: language libraries that
// replace one or two texts, one without GetStr, and an empty formula
// library. Which one is chosen when compiling.
#include <cstdint>

#define EXPORTA extern "C" __attribute__((visibility("default")))

#if defined(IDIOMA_ACK)
// The missing acknowledgement, in Windows-1252 ("confirmação").
EXPORTA const char *GetStr(int32_t numero)
{
    return numero == 265 ? "Sem confirma\xe7\xe3o do Tarvek!" : nullptr;
}
#elif defined(IDIOMA_GRAVACAO)
// A Portuguese library that changes a few texts, and says so.
EXPORTA const char *GetIdioma()
{
    return "pt_BR";
}

EXPORTA const char *GetStr(int32_t numero)
{
    static char longo[301];
    if (numero == 171)
        return "Falha ao gravar";
    if (numero == 236) {
        for (int i = 0; i < 300; ++i)
            longo[i] = char('a' + i % 26);
        longo[300] = 0;
        return longo;
    }
    return nullptr;
}
#elif defined(IDIOMA_SEM_GETSTR)
EXPORTA const char *OutraFuncao(int32_t)
{
    return "nada";
}
#elif defined(FORMULAS)
EXPORTA int32_t NumeroFormulas()
{
    return 0;
}
#endif
