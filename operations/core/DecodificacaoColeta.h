#pragma once

#include "TAquisicao.h"

#include <QByteArray>
#include <QString>

class Catalogo;

// What a collection makes of the logger's memory, without a port: the
// document header from the three blocks, how many memory pages hold the
// acquisitions, and the walk over the memory image that turns every stored
// acquisition into two engineering values with the channels' offsets and
// decimal places.
//
// The memory image is the logger's memory as read page by page: image
// offset = memory address. Addresses below 162 hold no acquisitions; the
// acquisition area runs from 162 to Memoria - 1 and is circular. Nothing is
// ever read outside the image or the acquisition area.
class DecodificacaoColeta
{
public:
    // The largest memory a collection reads: 16 pages of 2048 bytes.
    static constexpr int TamanhoPagina = 2048;
    static constexpr int MaximoPaginas = 16;
    static constexpr int MemoriaMaxima = TamanhoPagina * MaximoPaginas;
    static constexpr int InicioArea = 162;

    // Failure texts of the catalogue.
    enum Falha {
        Nenhuma = 0,
        SemCanal = 237,  // no channel has a sensor
        SemAquisicoes = 238,  // nothing stored
        MemoriaGrande = 289,  // a memory larger than the image
        RelogioInvalido = 290,  // the logger's clock is not a date
    };

    // Everything the walk needs, worked out from the three blocks.
    struct Plano
    {
        Falha falha = Nenhuma;
        int memoria = 0;  // Memoria as the logger reports it
        TAquisicao cabecalho;  // every field but the entries
        int codigo1 = 0;  // sensor codes; 0 for a channel without a sensor
        int codigo2 = 0;
        int tamanho = 2;  // bytes per acquisition: 2, 3 or 4
        int capacidade = 0;  // acquisitions the area holds
        int quantidade = 0;  // acquisitions to decode (NumLeituras)
        int divisao = 0;  // area - stored count x size (the split)
        int inicio = InicioArea;  // address of the oldest acquisition
        int paginas = 0;  // pages to read, from page 0
    };

    // The header and the plan from the configuration (32 bytes),
    // non-volatile (123) and calibration (37) blocks as read. forcaColeta
    // takes the whole memory as stored. On a failure only falha and memoria
    // are meaningful.
    static Plano planeja(const QByteArray &configuracao, const QByteArray &naoVolatil,
        const QByteArray &calibracao, bool forcaColeta);

    // The document: the plan's header with its entries decoded from the
    // image (at least paginas x 2048 bytes; shorter images read as zeros
    // beyond their end).
    static TAquisicao decodifica(const Plano &plano, const QByteArray &calibracao, const QByteArray &imagem);

    // The warning of a failure, as the user reads it.
    static QString textoFalha(const Plano &plano, const Catalogo &catalogo);

private:
    static void preencheCabecalho(Plano &plano, const QByteArray &configuracao, const QByteArray &naoVolatil,
        const QByteArray &calibracao);
    static void datas(Plano &plano, const QByteArray &configuracao);
    static int contaPaginas(const Plano &plano, int armazenadas, bool circular);
};
