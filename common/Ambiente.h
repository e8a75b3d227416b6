#pragma once

class Catalogo;
struct ConfigRegional;
class IConfiguracoes;
class IListaPortas;
class IMensagens;
class IObservadorLogger;
class IRelogio;
class ISinalSonoro;
class Registros;

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
    // The records (trail, seals) and the record of the writes to a logger;
    // none in most tests, where nothing is recorded.
    Registros *registros = nullptr;
    IObservadorLogger *observadorLogger = nullptr;
};
