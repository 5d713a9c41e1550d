#include "CardBack.h"

#include "Crown.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace artwork
{
namespace
{
void PaintLattice(QPainter& painter, const QRectF& area, double scale)
{
    // On an upright back, unsmoothed one-pixel diagonals stay crisp where
    // smoothed ones blur; turned or scaled, they would only look jagged.
    painter.save();
    const bool upright = painter.worldTransform().type() <= QTransform::TxTranslate;
    painter.setRenderHint(QPainter::Antialiasing, !upright);
    painter.setClipRect(area);
    // One pixel wide at every density: on dense pictures a cosmetic line
    // would come out half as heavy.
    const double ratio = painter.device()->devicePixelRatio();
    const double uprightWidth = ratio > 1 ? 1.0 : 0.0;
    painter.setPen(QPen(kBackGoldDark, upright ? uprightWidth : 0.8 * scale));
    const double step = 4.0 * scale;
    const double span = area.width() + area.height();
    for (double d = -span; d <= span; d += step)
    {
        painter.drawLine(QPointF(area.left() + d, area.top()),
                         QPointF(area.left() + d + area.height(), area.bottom()));
        painter.drawLine(QPointF(area.right() - d, area.top()),
                         QPointF(area.right() - d - area.height(), area.bottom()));
    }
    painter.restore();
}
}  // namespace

void PaintCardBack(QPainter& painter, const QRectF& rect)
{
    const double scale = rect.width() / kCardSize.width();
    const bool fullSize = scale > 0.9;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    const QRectF card(0, 0, rect.width(), rect.height());

    // Outline and gold ground.
    painter.setPen(QPen(kBackEdge, fullSize ? 1.0 : 0.8));
    painter.setBrush(kBackGold);
    const double radius = kCardCornerRadius * std::max(scale, 0.7);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    // The blue frame, with the lattice inside it on full-size backs.
    const double inset = 4.5 * scale;
    const QRectF frame = card.adjusted(inset, inset, -inset, -inset);
    if (fullSize)
        PaintLattice(painter, frame, scale);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kCrownBlue, std::max(1.4 * scale, 0.9)));
    painter.drawRoundedRect(frame, 1.5 * scale, 1.5 * scale);

    // The medallion that carries the crown.
    const QPointF centre = card.center();
    painter.setPen(QPen(kCrownBlue, std::max(1.0 * scale, 0.8)));
    painter.setBrush(kBackGoldLight);
    painter.drawEllipse(centre, 21.0 * scale, 26.0 * scale);
    PaintCrown(painter, centre + QPointF(0, 1.5 * scale), 32.0 * scale);
    painter.restore();
}

QImage DrawCardBack(double ratio)
{
    QImage image = NewPicture(kCardSize, ratio, QImage::Format_RGB32);
    image.fill(kFeltGreen);
    QPainter painter(&image);
    PaintCardBack(painter, QRectF(QPointF(0, 0), kCardSize));
    return image;
}
}  // namespace artwork
