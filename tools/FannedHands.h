#pragma once

#include <QImage>

#include <map>

namespace artwork
{
// The eleven opponents' pictures by bitmap id: five backs fanned from a pivot
// near the holder, turned so that the card tops point at the table's centre
// from the seat where the table places that picture; at `ratio` device pixels
// per pixel.
std::map<int, QImage> DrawFannedHands(double ratio);
}  // namespace artwork
