#include "TestePorta.h"

TestePorta::TestePorta(const Ambiente &ambiente)
    : m_leitura(ambiente)
{
}

TestePorta::Resultado TestePorta::testa(TMSComm &porta, int numero, const QString &dispositivo)
{
    Resultado r;
    static_cast<LeituraBlocos::Resultado &>(r) = m_leitura.le(porta, numero, dispositivo);
    if (r.sucesso) {
        r.numeroSerie = r.calibracao.textoNumeroSerie();
        r.titulo = r.naoVolatil.Titulo;
    }
    return r;
}
