#pragma once

// A fault the simulated Tarvek plays on its exchanges. An exchange starts
// with the activation byte or with a command byte; a fault spoils the
// exchanges it targets until its count runs out.
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

    Tipo tipo = Tipo::Silencio;
    int vezes = -1;  // exchanges still to spoil; negative: forever
    int alvo = QualquerComando;
    int atrasoMs = 1500;  // RespostaLenta
    int excedentes = 1;  // BytesExcedentes

    bool atinge(int byteInicial) const
    {
        if (vezes == 0)
            return false;
        if (alvo == QualquerTroca)
            return true;
        if (alvo == QualquerComando)
            return byteInicial != 0x08;
        return alvo == byteInicial;
    }
};
