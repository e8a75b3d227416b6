#include "EscalaEixo.h"

#include <cmath>

void EscalaEixo::defineFaixaAutomatica(double minimo, double maximo)
{
    if (!m_automatico)
        return;
    m_minimo = minimo;
    m_maximo = maximo;
}

bool EscalaEixo::defineMinimo(double valor)
{
    if (!std::isfinite(valor) || valor >= m_maximo)
        return false;
    m_automatico = false;
    m_minimo = valor;
    return true;
}

bool EscalaEixo::defineMaximo(double valor)
{
    if (!std::isfinite(valor) || valor <= m_minimo)
        return false;
    m_automatico = false;
    m_maximo = valor;
    return true;
}

bool EscalaEixo::defineFaixa(double minimo, double maximo)
{
    if (!std::isfinite(minimo) || !std::isfinite(maximo) || minimo >= maximo)
        return false;
    if (minimo > m_maximo)
        return defineMaximo(maximo) && defineMinimo(minimo);
    return defineMinimo(minimo) && defineMaximo(maximo);
}

void FaixaAutomatica(bool haDados, double menor, double maior, double largura, double &minimo, double &maximo)
{
    if (!haDados) {
        minimo = 0.0;
        maximo = 1.0;
    } else if (menor == maior) {
        minimo = menor - largura;
        maximo = maior + largura;
    } else {
        minimo = menor;
        maximo = maior;
    }
}
