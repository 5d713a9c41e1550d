#pragma once

#include <QImage>

namespace artwork
{
// The deck in the middle of the table: a small stack of backs, 85 x 110,
// on the felt-green surround, at `ratio` device pixels per pixel.
QImage DrawDeck(double ratio);
}  // namespace artwork
