#pragma once

#include <QImage>

namespace artwork
{
// The application icon, `size` x `size` on a transparent ground: two backs
// fanned behind the Ace of spades.
QImage DrawIcon(int size);
}  // namespace artwork
