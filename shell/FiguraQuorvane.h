#pragma once

class QPainter;
class QRect;

// The program's picture, drawn for the splash window and the about box: a
// small logger with its two channels traced over a grid.
namespace FiguraQuorvane {

void desenha(QPainter &pintor, const QRect &area);

}  // namespace FiguraQuorvane
