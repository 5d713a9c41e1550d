#pragma once

#include <QImage>

namespace artwork
{
// The application icon, `size` x `size` on a transparent ground: two backs
// fanned behind the Ace of spades.
QImage DrawIcon(int size);
// The installable web page's icon: the same cards on a square of felt that
// fills the picture, kept inside the middle 80% circle every launcher's mask
// leaves whole ("maskable").
QImage DrawMaskableIcon(int size);
}  // namespace artwork
