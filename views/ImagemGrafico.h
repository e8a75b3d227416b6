#pragma once

#include <QSize>
#include <QString>

class GraficoLinhas;

// A chart saved as a picture: PNG (or another bitmap format Qt writes) at
// a size in pixels, SVG or PDF as vectors at that size. The chart is laid
// out for the size while it is drawn, and put back afterwards; the
// cross-hair is left out. The file is written whole or not at all.
namespace ImagemGrafico {

enum class Formato { Bitmap, Svg, Pdf };

// By the file's extension; anything but .svg and .pdf is a bitmap.
Formato formatoDe(const QString &caminho);

// Sizes the picture may have, in pixels, on each side.
constexpr int LadoMinimo = 16;
constexpr int LadoMaximo = 10000;

// False when the size is outside those limits or the file could not be
// written (a bitmap format Qt does not know included).
bool grava(GraficoLinhas &grafico, const QString &caminho, QSize tamanho);

}  // namespace ImagemGrafico
