#pragma once

#include <QObject>
#include <QPointer>

#include <array>

// The numbering of graph windows, kept by the main window: a table from a
// graph number to its window, and the counter that gives the next number.
// The counter also counts the graph windows opened since start-up and stops
// at 200; closing a window never lowers it.
class NumeracaoGraficos
{
public:
    static constexpr int Limite = 200;

    NumeracaoGraficos() { InicializaVetorGrafico(); }

    // Counter to 0, table emptied.
    void InicializaVetorGrafico();
    // True while no further graph window may open.
    bool esgotado() const { return m_contador >= Limite; }
    int ContadorGraficos() const { return m_contador; }

    // Stores the window under the counter's value and returns that number;
    // the counter then moves on unless it has reached the limit.
    int registra(QObject *grafico);
    // The window under a number (null when the entry is empty or the
    // number is outside 0 to 200).
    QObject *grafico(int numero) const;
    // Empties the entries that hold this window.
    void ReorganizaVetorGrafico(const QObject *grafico);

private:
    std::array<QPointer<QObject>, Limite + 1> m_vetor;  // VetorGrafico
    int m_contador = 0;
};
