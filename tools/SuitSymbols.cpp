#include "SuitSymbols.h"

#include "Palette.h"

#include <QPainter>

namespace artwork
{
namespace
{
// Every symbol is designed in a 100 x 100 box, point upwards for the spade
// and downwards for the heart.
QPainterPath HeartShape()
{
    QPainterPath path(QPointF(50, 100));
    path.cubicTo(38, 84, 0, 62, 0, 30);
    path.cubicTo(0, 11, 12, 0, 27, 0);
    path.cubicTo(38, 0, 46, 7, 50, 18);
    path.cubicTo(54, 7, 62, 0, 73, 0);
    path.cubicTo(88, 0, 100, 11, 100, 30);
    path.cubicTo(100, 62, 62, 84, 50, 100);
    path.closeSubpath();
    return path;
}

QPainterPath DiamondShape()
{
    // Slightly hollow sides keep it from reading as a plain square.
    QPainterPath path(QPointF(50, 0));
    path.quadTo(66, 30, 88, 50);
    path.quadTo(66, 70, 50, 100);
    path.quadTo(34, 70, 12, 50);
    path.quadTo(34, 30, 50, 0);
    path.closeSubpath();
    return path;
}

QPainterPath SpadeShape()
{
    QPainterPath path(QPointF(50, 0));
    path.cubicTo(40, 20, 2, 38, 2, 62);
    path.cubicTo(2, 77, 13, 86, 26, 86);
    path.cubicTo(36, 86, 43, 81, 47, 74);
    path.cubicTo(46, 86, 40, 95, 30, 100);
    path.lineTo(70, 100);
    path.cubicTo(60, 95, 54, 86, 53, 74);
    path.cubicTo(57, 81, 64, 86, 74, 86);
    path.cubicTo(87, 86, 98, 77, 98, 62);
    path.cubicTo(98, 38, 60, 20, 50, 0);
    path.closeSubpath();
    return path;
}

QPainterPath ClubShape()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QPointF(50, 24), 23, 23);
    path.addEllipse(QPointF(25, 60), 23, 23);
    path.addEllipse(QPointF(75, 60), 23, 23);
    path.addEllipse(QPointF(50, 52), 14, 14);
    QPainterPath stem(QPointF(47, 55));
    stem.cubicTo(47, 80, 41, 93, 30, 100);
    stem.lineTo(70, 100);
    stem.cubicTo(59, 93, 53, 80, 53, 55);
    stem.closeSubpath();
    path.addPath(stem);
    return path.simplified();
}

QPainterPath DesignShape(int suit)
{
    switch (suit)
    {
    case 0: return ClubShape();
    case 1: return DiamondShape();
    case 2: return HeartShape();
    default: return SpadeShape();
    }
}
}  // namespace

QPainterPath SuitPath(int suit, double height)
{
    QTransform toSize;
    toSize.scale(height / 100.0, height / 100.0);
    toSize.translate(-50, -50);
    return toSize.map(DesignShape(suit));
}

void PaintSuit(QPainter& painter, int suit, QPointF centre, double height, bool upsideDown)
{
    painter.save();
    painter.translate(centre);
    if (upsideDown)
        painter.rotate(180);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour(suit));
    painter.drawPath(SuitPath(suit, height));
    painter.restore();
}
}  // namespace artwork
