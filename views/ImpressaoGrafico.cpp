#include "ImpressaoGrafico.h"

#include "GraficoLinhas.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>

namespace ImpressaoGrafico {

bool imprime(GraficoLinhas &grafico, QPrinter &impressora)
{
    const QPageLayout::Orientation anterior = impressora.pageLayout().orientation();
    impressora.setPageOrientation(QPageLayout::Landscape);
    bool ok = false;
    {
        QPainter pintor;
        if (comeca(pintor, impressora)) {
            desenha(grafico, pintor, impressora);
            ok = pintor.end();
        }
    }
    impressora.setPageOrientation(anterior);
    return ok;
}

bool comeca(QPainter &pintor, QPrinter &impressora)
{
    if (pintor.begin(&impressora))
        return true;
    if (impressora.printerState() == QPrinter::Active) {
        if (QPaintEngine *motor = impressora.paintEngine())
            motor->end();
    }
    return false;
}

void desenha(GraficoLinhas &grafico, QPainter &pintor, const QPrinter &impressora)
{
    // The painter's origin is the printable area's corner.
    const QRect area = impressora.pageLayout().paintRectPixels(impressora.resolution());
    grafico.desenha(pintor, QRectF(0, 0, area.width(), area.height()));
}

// Series 6 to 8 repeat the styles of 1, 2 and 5 three times as wide, so
// that no two of the eight are alike.
EstiloLinha estiloImpresso(int serie)
{
    switch (serie) {
    case 2:
        return { Qt::DashLine, 1 };
    case 3:
        return { Qt::DotLine, 2 };
    case 4:
        return { Qt::DashDotLine, 1 };
    case 5:
        return { Qt::DashDotDotLine, 1 };
    case 6:
        return { Qt::SolidLine, 3 };
    case 7:
        return { Qt::DashLine, 3 };
    case 8:
        return { Qt::DashDotDotLine, 3 };
    default:
        return { Qt::SolidLine, 1 };
    }
}

}  // namespace ImpressaoGrafico
