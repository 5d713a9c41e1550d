#pragma once

class QPainter;

namespace artwork
{
// The framed, double-ended figure of a Jack (rank 10), Queen (11) or King
// (12) on a 71 x 96 card.
void PaintCourtFigure(QPainter& painter, int suit, int rank);
}  // namespace artwork
