#pragma once

#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace artwork
{
// The outline of a suit symbol (0 clubs, 1 diamonds, 2 hearts, 3 spades),
// centred on the origin and exactly `height` pixels tall.
QPainterPath SuitPath(int suit, double height);

// Fills a suit symbol in its suit colour, centred on `centre`; upside down
// for the lower half of a card, as printed cards do.
void PaintSuit(QPainter& painter, int suit, QPointF centre, double height, bool upsideDown = false);
}  // namespace artwork
