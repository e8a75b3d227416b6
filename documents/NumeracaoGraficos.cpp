#include "NumeracaoGraficos.h"

void NumeracaoGraficos::InicializaVetorGrafico()
{
    m_contador = 0;
    for (auto &entrada : m_vetor)
        entrada.clear();
}

int NumeracaoGraficos::registra(QObject *grafico)
{
    const int numero = m_contador;
    m_vetor[size_t(numero)] = grafico;
    if (m_contador < Limite)
        ++m_contador;
    return numero;
}

QObject *NumeracaoGraficos::grafico(int numero) const
{
    if (numero < 0 || numero > Limite)
        return nullptr;
    return m_vetor[size_t(numero)].data();
}

void NumeracaoGraficos::ReorganizaVetorGrafico(const QObject *grafico)
{
    if (!grafico)
        return;
    for (auto &entrada : m_vetor)
        if (entrada.data() == grafico)
            entrada.clear();
}
