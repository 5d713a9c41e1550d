#include "FannedHands.h"

#include "CardBack.h"
#include "Palette.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>

namespace artwork
{
namespace
{
// The fan as seen from the holder's seat: cards spread a few degrees apart
// about a pivot one card height below their bottom edges, so they fan out
// gently and each shows a good strip.
constexpr int kCards = 5;
constexpr double kSpreadDegrees = 7.0;
constexpr double kPivotDrop = 1.0;  // in card heights
constexpr double kMargin = 1.5;
// The upright fan (the top seat's picture) fills this box; every turned
// picture uses the same card size unless its box is too tight for it.
const QSize kUprightBox(139, 96);

double CardTilt(int card) { return (card - (kCards - 1) / 2.0) * kSpreadDegrees; }

// An untilted card `cardHeight` tall, standing above the pivot at the origin.
QRectF UprightCard(double cardHeight)
{
    const double width = cardHeight * kCardSize.width() / kCardSize.height();
    return QRectF(-width / 2, -cardHeight * (1 + kPivotDrop), width, cardHeight);
}

QPolygonF CardOutline(int card, double cardHeight)
{
    QTransform tilt;
    tilt.rotate(CardTilt(card));
    return tilt.map(QPolygonF(UprightCard(cardHeight)));
}

QRectF FanBounds(double cardHeight, double turnDegrees)
{
    QTransform turn;
    turn.rotate(turnDegrees);
    QRectF bounds;
    for (int card = 0; card < kCards; ++card)
        bounds = bounds.united(turn.map(CardOutline(card, cardHeight)).boundingRect());
    return bounds;
}

double FitScale(const QRectF& bounds, const QSize& box)
{
    return std::min((box.width() - 2 * kMargin) / bounds.width(),
                    (box.height() - 2 * kMargin) / bounds.height());
}

double CommonCardHeight()
{
    return FitScale(FanBounds(1.0, 0.0), kUprightBox);
}

// Seat angles run counter-clockwise on screen: 0 is the player's seat at the
// bottom, 90 the right side, 180 the top.
QImage DrawFan(const QSize& size, double seatAngle, double ratio)
{
    QImage image = NewPicture(size, ratio, QImage::Format_RGB32);
    image.fill(kFeltGreen);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The holder's fan points up from a pivot below it; on screen a seat at
    // angle A turns it by A counter-clockwise, which is -A in painter terms.
    const double turn = -seatAngle;
    double cardHeight = CommonCardHeight();
    cardHeight *= std::min(1.0, FitScale(FanBounds(cardHeight, turn), size));
    const QRectF bounds = FanBounds(cardHeight, turn);

    painter.translate(size.width() / 2.0 - bounds.center().x(), size.height() / 2.0 - bounds.center().y());
    painter.rotate(turn);
    for (int card = 0; card < kCards; ++card)
    {
        painter.save();
        painter.rotate(CardTilt(card));
        PaintCardBack(painter, UprightCard(cardHeight));
        painter.restore();
    }
    return image;
}
}  // namespace

std::map<int, QImage> DrawFannedHands(double ratio)
{
    std::map<int, QImage> hands;
    hands[130] = DrawFan(QSize(139, 96), 180, ratio);
    hands[135] = DrawFan(QSize(96, 139), 90, ratio);
    hands[132] = DrawFan(QSize(151, 167), 120, ratio);
    hands[196] = DrawFan(QSize(134, 162), 72, ratio);
    hands[141] = DrawFan(QSize(169, 159), 144, ratio);
    hands[197] = DrawFan(QSize(153, 168), 60, ratio);

    // The left side's pictures are the right side's seen in a mirror, so the
    // table looks the same on both sides; the left seat at 270 degrees is the
    // right one's picture turned half a circle.
    hands[137] = hands[135].mirrored(true, true);
    hands[133] = hands[132].mirrored(true, false);
    hands[139] = hands[196].mirrored(true, false);
    hands[138] = hands[141].mirrored(true, false);
    hands[198] = hands[197].mirrored(true, false);
    for (auto& [id, image] : hands)
        image.setDevicePixelRatio(ratio);
    return hands;
}
}  // namespace artwork
