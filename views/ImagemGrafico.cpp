#include "ImagemGrafico.h"

#include "GraficoLinhas.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QResizeEvent>
#include <QSaveFile>
#include <QSvgGenerator>

namespace ImagemGrafico {

namespace {

// A hidden chart takes a new size without its resize event, which lays it
// out: that is given here, so that the chart draws for its new size.
void redimensiona(GraficoLinhas &grafico, QSize tamanho)
{
    const QSize antes = grafico.size();
    if (antes == tamanho)
        return;
    grafico.resize(tamanho);
    if (!grafico.isVisible()) {
        QResizeEvent evento(tamanho, antes);
        QCoreApplication::sendEvent(&grafico, &evento);
    }
}

bool gravaBitmap(GraficoLinhas &grafico, QSaveFile &arquivo)
{
    const QByteArray formato = QFileInfo(arquivo.fileName()).suffix().toLower().toLatin1();
    return grafico.imagem().save(&arquivo, formato.isEmpty() ? "png" : formato.constData());
}

bool gravaSvg(GraficoLinhas &grafico, QSaveFile &arquivo, QSize tamanho)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&arquivo);
    svg.setSize(tamanho);
    svg.setViewBox(QRect(QPoint(0, 0), tamanho));
    svg.setTitle(grafico.titulo());
    QPainter pintor;
    if (!pintor.begin(&svg))
        return false;
    grafico.desenha(pintor, QRectF(QPointF(0, 0), tamanho));
    return pintor.end();
}

bool gravaPdf(GraficoLinhas &grafico, QSaveFile &arquivo, QSize tamanho)
{
    // One page of the picture's size, a point per pixel.
    QPdfWriter pdf(&arquivo);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(tamanho), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(grafico.titulo());
    QPainter pintor;
    if (!pintor.begin(&pdf))
        return false;
    grafico.desenha(pintor, QRectF(QPointF(0, 0), tamanho));
    return pintor.end();
}

}  // namespace

Formato formatoDe(const QString &caminho)
{
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    if (sufixo == u"svg")
        return Formato::Svg;
    if (sufixo == u"pdf")
        return Formato::Pdf;
    return Formato::Bitmap;
}

bool grava(GraficoLinhas &grafico, const QString &caminho, QSize tamanho)
{
    const auto dentro = [](int lado) { return lado >= LadoMinimo && lado <= LadoMaximo; };
    if (!dentro(tamanho.width()) || !dentro(tamanho.height()))
        return false;
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    const QSize antes = grafico.size();
    redimensiona(grafico, tamanho);
    bool ok = false;
    switch (formatoDe(caminho)) {
    case Formato::Bitmap:
        ok = gravaBitmap(grafico, arquivo);
        break;
    case Formato::Svg:
        ok = gravaSvg(grafico, arquivo, tamanho);
        break;
    case Formato::Pdf:
        ok = gravaPdf(grafico, arquivo, tamanho);
        break;
    }
    redimensiona(grafico, antes);
    if (!ok) {
        arquivo.cancelWriting();
        arquivo.commit();
        return false;
    }
    return arquivo.commit();
}

}  // namespace ImagemGrafico
