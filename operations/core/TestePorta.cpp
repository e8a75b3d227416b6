#include "TestePorta.h"

TestePorta::TestePorta(const Ambiente &ambiente)
    : m_leitura(ambiente)
{
}

TestePorta::Resultado TestePorta::testa(TMSComm &porta, int numero, const QString &dispositivo)
{
    const LeituraBlocos::Resultado lido = m_leitura.le(porta, numero, dispositivo);
    Resultado r;
    r.sucesso = lido.sucesso;
    r.motivo = lido.motivo;
    r.semResposta = lido.semResposta;
    r.cancelado = lido.cancelado;
    if (lido.sucesso) {
        r.numeroSerie = lido.calibracao.textoNumeroSerie();
        r.titulo = lido.naoVolatil.Titulo;
    }
    return r;
}
