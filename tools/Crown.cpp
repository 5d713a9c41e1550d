#include "Crown.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace artwork
{
void PaintCrown(QPainter& painter, QPointF centre, double width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.scale(width, width);
    // Designed in a box one unit wide, centred on the origin.
    const double outline = std::max(0.7 / width, 0.012);

    QPainterPath body(QPointF(-0.42, 0.2));
    body.lineTo(-0.5, -0.2);
    body.lineTo(-0.22, 0.0);
    body.lineTo(0.0, -0.3);
    body.lineTo(0.22, 0.0);
    body.lineTo(0.5, -0.2);
    body.lineTo(0.42, 0.2);
    body.closeSubpath();
    painter.setPen(QPen(kCrownBlueDark, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kCrownBlue);
    painter.drawPath(body);

    QPainterPath band;
    band.addRoundedRect(QRectF(-0.45, 0.16, 0.9, 0.17), 0.03, 0.03);
    painter.setBrush(kCrownBlueDark);
    painter.drawPath(band);

    painter.setBrush(kCrownBlue);
    for (const QPointF& tip : {QPointF(-0.5, -0.25), QPointF(0.0, -0.36), QPointF(0.5, -0.25)})
        painter.drawEllipse(tip, 0.065, 0.065);

    // Gold jewels set in the band, and a light gleam on the body.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackGoldLight);
    for (double x : {-0.26, 0.0, 0.26})
        painter.drawEllipse(QPointF(x, 0.245), 0.045, 0.045);
    painter.setBrush(kCrownBlueLight);
    painter.drawEllipse(QPointF(0.0, 0.06), 0.05, 0.05);
    painter.drawEllipse(QPointF(-0.3, 0.08), 0.035, 0.035);
    painter.drawEllipse(QPointF(0.3, 0.08), 0.035, 0.035);
    painter.restore();
}
}  // namespace artwork
