#pragma once

class QPainter;

namespace artwork
{
// The design below the index of the Ace (one large pip) and of Two to Ten
// (pips in the usual arrangement), on a 71 x 96 card.
void PaintPips(QPainter& painter, int suit, int rank);
}  // namespace artwork
