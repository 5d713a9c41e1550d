#pragma once

#include <QPointF>

class QPainter;

namespace artwork
{
// The blue crown of the card back: three points with pearls over a jewelled
// band, `width` pixels wide (and about three quarters as tall), centred on `centre`.
void PaintCrown(QPainter& painter, QPointF centre, double width);
}  // namespace artwork
