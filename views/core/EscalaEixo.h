#pragma once

// The four axes of a line chart: two value axes, the time axis at the bottom
// and the top axis that only carries a title.
enum class EixoGrafico { Esquerdo, Direito, Inferior, Superior };

// The scale of one chart axis: automatic (it follows the data) or manual
// (fixed minimum and maximum). A minimum at or above the present maximum,
// or a maximum at or below the present minimum, is refused and leaves the
// scale as it was (an axis without a span has nothing to show, and every
// label would read the same); the caller hears of it through the result.
// So is a limit that is not a finite number (the limits of an edited file
// may give one).
class EscalaEixo
{
public:
    bool automatico() const { return m_automatico; }
    double minimo() const { return m_minimo; }
    double maximo() const { return m_maximo; }

    void defineAutomatico(bool automatico) { m_automatico = automatico; }
    // The range the data gives, taken while the scale is automatic.
    void defineFaixaAutomatica(double minimo, double maximo);
    // Manual scaling from then on; false when refused.
    bool defineMinimo(double valor);
    bool defineMaximo(double valor);
    // Both limits, in the order that avoids a refusal: the maximum first
    // when the new minimum lies above the present maximum. False when the
    // new minimum is not below the new maximum (nothing changes then).
    bool defineFaixa(double minimo, double maximo);

    bool operator==(const EscalaEixo &) const = default;

private:
    bool m_automatico = true;
    double m_minimo = 0.0;
    double m_maximo = 1.0;
};

// The range an automatic axis takes from its data: the data's own range,
// widened when it is a single value, and 0 to 1 when there is no data.
// largura: how far a single value is widened to each side.
void FaixaAutomatica(
    bool haDados, double menor, double maior, double largura, double &minimo, double &maximo);
