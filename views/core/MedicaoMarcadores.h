#pragma once

#include <QString>
#include <QStringList>

class Catalogo;
struct ConfigRegional;
class TAquisicao;

// The measurement between two markers placed on a graph, A and B, each at an
// entry: the instant of each, the time between them, and for each recorded
// channel its value at A and at B, their difference (B - A), and the
// minimum, maximum and mean of the entries from A to B (both included, in
// either order).
namespace MedicaoMarcadores {

struct Canal
{
    int canal = 1;  // 1 or 2
    double valorA = 0;
    double valorB = 0;
    double minimo = 0;
    double maximo = 0;
    double media = 0;
};

struct Medicao
{
    int a = 0;
    int b = 0;
    double segundos = 0;  // from A to B; negative when B lies before A
    QList<Canal> canais;  // the recorded channels, channel 1 first
};

// The entries are held to the document's; nothing to measure (no channel)
// without entries.
Medicao mede(const TAquisicao &aquisicao, int a, int b);

// The strip's lines: the instants and the time between them, then one line
// per channel, its values written by the channel's rule. The wording comes
// from the catalogue.
QStringList linhas(const TAquisicao &aquisicao, const Medicao &medicao, const Catalogo &catalogo,
    const ConfigRegional &regional);

// The strip's line while only marker A is placed: its instant, and how to
// place B.
QString linhaMarcadorA(
    const TAquisicao &aquisicao, int a, const Catalogo &catalogo, const ConfigRegional &regional);

// A length of time as "hh:nn:ss", with the days before it ("2d 03:00:00")
// and ",5" for a half second; a minus sign when negative.
QString textoDuracao(double segundos, QChar separadorDecimal);

}  // namespace MedicaoMarcadores
