#pragma once

class Catalogo;
struct ConfigRegional;
class IConfiguracoes;
class IListaPortas;
class IMensagens;
class IRelogio;
class ISinalSonoro;

// What the program's routines need from the world around them, handed down
// from the shell (or from a test). Nothing here is owned.
struct Ambiente
{
    IMensagens *mensagens = nullptr;
    IRelogio *relogio = nullptr;
    ISinalSonoro *sinal = nullptr;
    IConfiguracoes *configuracoes = nullptr;
    const Catalogo *catalogo = nullptr;
    const ConfigRegional *regional = nullptr;
    const IListaPortas *portas = nullptr;
};
