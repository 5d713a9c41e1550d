#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace artwork
{
// The face of one card, 71 x 96 on a felt-green surround; the card index is
// 13 x suit + rank (suit 0 clubs .. 3 spades, rank 0 the Ace .. 12 the King),
// at `ratio` device pixels per pixel.
QImage DrawCardFace(int cardIndex, double ratio);

// A white card with a thin grey rounded border filling `rect`.
void PaintBlankCard(QPainter& painter, const QRectF& rect);
}  // namespace artwork
