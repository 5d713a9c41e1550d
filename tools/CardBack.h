#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace artwork
{
// A card back (gold, a blue crown in a medallion, a blue frame) filling
// `rect`. The fine lattice only shows well on full-size backs, so smaller
// ones leave it out.
void PaintCardBack(QPainter& painter, const QRectF& rect);

// One full-size back, 71 x 96, on a felt-green surround, at `ratio` device
// pixels per pixel.
QImage DrawCardBack(double ratio);
}  // namespace artwork
