#pragma once

// A fault the simulated Tarvek plays on its exchanges. An exchange starts
// with the activation byte or with a command byte; a fault spoils the
// exchanges it targets until its count runs out. A fault aimed at one page
// spoils only the page reads (02h) that ask for it: it is played when the
// page byte arrives, and its echo faults concern the page byte's echo.
struct FalhaSimulada
{
    enum class Tipo {
        Silencio,  // the exchange is ignored: no echo, no reply
        EcoPerdido,  // the echo of the command (or activation) byte is not sent
        EcoErrado,  // that echo comes back changed
        ChecksumErrado,  // the checksum byte of the reply is off by one
        AckErrado,  // the activation or stop reply is not F0h
        BytesExcedentes,  // extra bytes follow the reply
        RespostaLenta,  // the reply (not the echo) comes late
    };

    // Targets: a command byte, the activation byte 08h, or one of these.
    static constexpr int QualquerComando = -1;  // every command, not the activation
    static constexpr int QualquerTroca = -2;  // the activation too
    static constexpr int QualquerPagina = -1;

    Tipo tipo = Tipo::Silencio;
    int vezes = -1;  // exchanges still to spoil; negative: forever
    int alvo = QualquerComando;
    int atrasoMs = 1500;  // RespostaLenta
    int excedentes = 1;  // BytesExcedentes
    int pagina = QualquerPagina;  // a page number: only the reads of that page

    bool porPagina() const { return pagina != QualquerPagina; }

    // Whether the fault spoils an exchange that starts with byteInicial
    // (for a page read, once its page byte is known).
    bool atinge(int byteInicial, int paginaPedida = QualquerPagina) const
    {
        if (vezes == 0)
            return false;
        if (porPagina())
            return byteInicial == 0x02 && paginaPedida == pagina
                && (alvo == 0x02 || alvo == QualquerComando || alvo == QualquerTroca);
        if (paginaPedida != QualquerPagina)
            return false;  // the others were played on the command byte
        if (alvo == QualquerTroca)
            return true;
        if (alvo == QualquerComando)
            return byteInicial != 0x08;
        return alvo == byteInicial;
    }
};
