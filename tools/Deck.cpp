#include "Deck.h"

#include "CardBack.h"
#include "Palette.h"

#include <QPainter>

namespace artwork
{
namespace
{
// Five backs, each lower one showing a 2-pixel sliver at the right and
// bottom, as a squared-up pile seen slightly from above.
constexpr int kLayers = 5;
constexpr double kLayerStep = 2.0;
constexpr double kTopCardOffset = 3.0;
}  // namespace

QImage DrawDeck(double ratio)
{
    QImage image = NewPicture(kDeckSize, ratio, QImage::Format_RGB32);
    image.fill(kFeltGreen);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QSizeF card(kCardSize);
    const double bottomOffset = kTopCardOffset + (kLayers - 1) * kLayerStep;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(QRectF(QPointF(bottomOffset + 1.5, bottomOffset + 1.5), card), 4, 4);

    for (int layer = kLayers - 1; layer >= 0; --layer)
    {
        const double offset = kTopCardOffset + layer * kLayerStep;
        PaintCardBack(painter, QRectF(QPointF(offset, offset), card));
    }
    return image;
}
}  // namespace artwork
