#pragma once

#include <QImage>
#include <QSize>

// The pictures compiled into the program, addressed by bitmap id:
// ":/images/bitmap<id>.png". Only the low 16 bits of an id are used.

// Bitmap ids of the pictures the scenes use.
enum : unsigned {
    kBitmapCardBack = 142,
    kBitmapDeck = 143,
    kBitmapFirstCard = 144,  // ace of clubs; card index i is kBitmapFirstCard + i
};

// The picture, or a null image when there is none under that id. For a
// device pixel ratio of 2 or more, the picture drawn at twice the density
// (":/images/bitmap<id>@2x.png", its devicePixelRatio 2, the same size in
// logical pixels) when there is one.
QImage LoadBitmap(unsigned id, qreal devicePixelRatio = 1.0);

// The size the picture of this id is drawn at in logical pixels, known even
// before the picture itself exists; an empty size for an id outside the
// catalogue.
QSize CatalogueSize(unsigned id);
