#include "CourtFigures.h"

#include "Palette.h"
#include "SuitSymbols.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace artwork
{
namespace
{
// The frame sits between the two index corners. Each figure is drawn once
// above a slanted divider and again turned about the card's centre, which
// maps the upper part exactly onto the lower one.
const QRectF kFrame(16.5, 5.5, 38.0, 85.0);
constexpr double kMidX = 19.0;       // figure axis, in frame coordinates
constexpr double kDividerY = 42.5;   // divider height at the frame's centre
constexpr double kDividerSlant = 5.0;

const QColor kFrameFill(255, 249, 228);
const QColor kGoldTrim(236, 184, 30);
const QColor kGoldOutline(150, 100, 0);
const QColor kSkin(250, 216, 182);
const QColor kSkinOutline(150, 90, 50);
const QColor kInk(40, 30, 30);
const QColor kFigureBlue(24, 58, 170);

struct TFigureColours
{
    QColor m_robe;
    QColor m_panel;
};

TFigureColours ColoursFor(int suit)
{
    if (IsRedSuit(suit))
        return {kRedSuit, kFigureBlue};
    return {kFigureBlue, kRedSuit};
}

void Fill(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& outline,
          double width = 0.7)
{
    painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

// The sceptre, stem or staff is held upright in the figure's right hand,
// in front of the robe; the left arm hangs by the side.
constexpr double kItemX = 30.0;
const QPointF kRightHand(kItemX, 35.5);
const QPointF kLeftHand(7.6, 43.0);

void PaintHand(QPainter& painter, QPointF centre)
{
    QPainterPath hand;
    hand.addEllipse(centre, 2.0, 1.8);
    Fill(painter, hand, kSkin, kSkinOutline, 0.6);
}

void PaintStaff(QPainter& painter, const QColor& colour, double width, double top)
{
    painter.setPen(QPen(kInk, width + 0.8, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(kItemX, top), QPointF(kItemX, kRightHand.y() + 4));
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(kItemX, top), QPointF(kItemX, kRightHand.y() + 4));
}

void PaintBody(QPainter& painter, int suit, const TFigureColours& colours)
{
    // Squared shoulders, so the two halves do not merge into one oval.
    QPainterPath robe(QPointF(13.5, 22.5));
    robe.lineTo(7.0, 24.8);
    robe.quadTo(4.3, 25.8, 4.2, 29.0);
    robe.lineTo(4.2, 50);
    robe.lineTo(33.8, 50);
    robe.lineTo(33.8, 29.0);
    robe.quadTo(33.7, 25.8, 31.0, 24.8);
    robe.lineTo(24.5, 22.5);
    robe.closeSubpath();
    Fill(painter, robe, colours.m_robe, kInk);

    // Front panel in the second colour between two gold trims.
    QPainterPath panel(QPointF(15.8, 24));
    panel.lineTo(22.2, 24);
    panel.lineTo(23.5, 50);
    panel.lineTo(14.5, 50);
    panel.closeSubpath();
    Fill(painter, panel, colours.m_panel, kInk, 0.5);
    painter.setPen(QPen(kGoldTrim, 1.1));
    painter.drawLine(QPointF(15.8, 24), QPointF(14.5, 50));
    painter.drawLine(QPointF(22.2, 24), QPointF(23.5, 50));

    // The suit, worn on the chest.
    painter.setPen(QPen(kGoldOutline, 0.6));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(kMidX, 31.5), 3.8, 3.8);
    PaintSuit(painter, suit, QPointF(kMidX, 31.5), 5.0);

    // Sleeves in the second colour with gold cuffs.
    QPainterPath leftSleeve(QPointF(7.0, 24.8));
    leftSleeve.quadTo(4.3, 25.8, 4.2, 29.0);
    leftSleeve.lineTo(4.6, kLeftHand.y() - 1.2);
    leftSleeve.lineTo(10.6, kLeftHand.y() - 1.2);
    leftSleeve.lineTo(11.0, 29.0);
    leftSleeve.closeSubpath();
    Fill(painter, leftSleeve, colours.m_panel, kInk, 0.5);
    QPainterPath rightSleeve(QPointF(31.0, 24.8));
    rightSleeve.quadTo(33.7, 25.8, 33.8, 29.0);
    rightSleeve.lineTo(33.4, kRightHand.y() - 1.0);
    rightSleeve.lineTo(26.6, kRightHand.y() - 1.0);
    rightSleeve.lineTo(27.0, 29.0);
    rightSleeve.closeSubpath();
    Fill(painter, rightSleeve, colours.m_panel, kInk, 0.5);
    painter.setPen(QPen(kGoldTrim, 1.2));
    painter.drawLine(QPointF(4.8, kLeftHand.y() - 1.6), QPointF(10.4, kLeftHand.y() - 1.6));
    painter.drawLine(QPointF(26.8, kRightHand.y() - 1.4), QPointF(33.2, kRightHand.y() - 1.4));
    PaintHand(painter, kLeftHand);
}

void PaintCollar(QPainter& painter, const QColor& fill, const QColor& outline)
{
    QPainterPath collar(QPointF(11.5, 22.5));
    collar.cubicTo(14, 21, 24, 21, 26.5, 22.5);
    collar.cubicTo(25.5, 26.5, 12.5, 26.5, 11.5, 22.5);
    collar.closeSubpath();
    Fill(painter, collar, fill, outline, 0.6);
}

void PaintFace(QPainter& painter)
{
    QPainterPath head;
    head.addEllipse(QPointF(kMidX, 15.5), 5.2, 6.2);
    Fill(painter, head, kSkin, kSkinOutline, 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(kMidX - 2.0, 15.0), 0.7, 0.7);
    painter.drawEllipse(QPointF(kMidX + 2.0, 15.0), 0.7, 0.7);
    painter.setPen(QPen(QColor(200, 70, 70), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kMidX - 1.1, 18.9), QPointF(kMidX + 1.1, 18.9));
}

void PaintKing(QPainter& painter, int suit, const TFigureColours& colours)
{
    PaintBody(painter, suit, colours);

    // Ermine collar: white with black tails.
    PaintCollar(painter, Qt::white, kInk);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (double x : {14.5, 19.0, 23.5})
        painter.drawEllipse(QPointF(x, 23.6), 0.55, 0.55);

    QPainterPath hair(QPointF(13.6, 11.5));
    hair.cubicTo(12.6, 15, 12.8, 19, 14.2, 21);
    hair.lineTo(23.8, 21);
    hair.cubicTo(25.2, 19, 25.4, 15, 24.4, 11.5);
    hair.closeSubpath();
    Fill(painter, hair, QColor(205, 205, 212), QColor(110, 110, 120), 0.5);
    PaintFace(painter);

    QPainterPath beard(QPointF(13.9, 16.5));
    beard.cubicTo(14.0, 22, 16.5, 26.5, kMidX, 27.0);
    beard.cubicTo(21.5, 26.5, 24.0, 22, 24.1, 16.5);
    beard.cubicTo(23.0, 19.5, 21.0, 20.6, kMidX, 20.3);
    beard.cubicTo(17.0, 20.6, 15.0, 19.5, 13.9, 16.5);
    beard.closeSubpath();
    Fill(painter, beard, QColor(222, 222, 228), QColor(110, 110, 120), 0.5);
    painter.setPen(QPen(QColor(200, 70, 70), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kMidX - 1.0, 21.2), QPointF(kMidX + 1.0, 21.2));

    QPainterPath crown(QPointF(13.2, 11.0));
    crown.lineTo(12.8, 3.5);
    crown.lineTo(15.9, 7.0);
    crown.lineTo(kMidX, 2.0);
    crown.lineTo(22.1, 7.0);
    crown.lineTo(25.2, 3.5);
    crown.lineTo(24.8, 11.0);
    crown.closeSubpath();
    Fill(painter, crown, kGoldTrim, kGoldOutline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.m_robe);
    painter.drawEllipse(QPointF(kMidX, 8.8), 1.1, 1.1);

    PaintStaff(painter, kGoldTrim, 1.3, 8.0);
    painter.setPen(QPen(kGoldOutline, 0.6));
    painter.setBrush(kGoldTrim);
    painter.drawEllipse(QPointF(kItemX, 6.5), 2.2, 2.2);
    PaintHand(painter, kRightHand);
}

void PaintQueen(QPainter& painter, int suit, const TFigureColours& colours)
{
    QPainterPath hair(QPointF(kMidX, 7.8));
    hair.cubicTo(12.0, 7.8, 11.6, 14, 12.0, 19);
    hair.cubicTo(12.3, 22, 10.8, 25, 10.0, 27);
    hair.lineTo(28.0, 27);
    hair.cubicTo(27.2, 25, 25.7, 22, 26.0, 19);
    hair.cubicTo(26.4, 14, 26.0, 7.8, kMidX, 7.8);
    hair.closeSubpath();
    Fill(painter, hair, QColor(214, 150, 50), QColor(120, 70, 10), 0.5);

    PaintBody(painter, suit, colours);
    PaintCollar(painter, Qt::white, kGoldOutline);
    PaintFace(painter);

    // A small crown with a pearl on each point.
    QPainterPath tiara(QPointF(14.2, 10.8));
    tiara.lineTo(14.4, 6.5);
    tiara.lineTo(16.7, 8.6);
    tiara.lineTo(kMidX, 5.0);
    tiara.lineTo(21.3, 8.6);
    tiara.lineTo(23.6, 6.5);
    tiara.lineTo(23.8, 10.8);
    tiara.closeSubpath();
    Fill(painter, tiara, kGoldTrim, kGoldOutline, 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF& pearl : {QPointF(14.4, 6.1), QPointF(kMidX, 4.6), QPointF(23.6, 6.1)})
        painter.drawEllipse(pearl, 0.9, 0.9);

    // The flower she holds.
    PaintStaff(painter, QColor(40, 150, 40), 1.0, 9.0);
    painter.setPen(QPen(kInk, 0.4));
    painter.setBrush(colours.m_robe);
    for (int petal = 0; petal < 5; ++petal)
    {
        QTransform turn;
        turn.translate(kItemX, 7.0);
        turn.rotate(petal * 72.0);
        painter.drawEllipse(turn.map(QPointF(0, -2.1)), 1.5, 1.5);
    }
    painter.setBrush(kGoldTrim);
    painter.drawEllipse(QPointF(kItemX, 7.0), 1.2, 1.2);
    PaintHand(painter, kRightHand);
}

void PaintJack(QPainter& painter, int suit, const TFigureColours& colours)
{
    PaintBody(painter, suit, colours);
    PaintCollar(painter, kGoldTrim, kGoldOutline);

    QPainterPath hair(QPointF(13.4, 12));
    hair.cubicTo(12.6, 16, 12.8, 20, 13.8, 22);
    hair.lineTo(24.2, 22);
    hair.cubicTo(25.2, 20, 25.4, 16, 24.6, 12);
    hair.closeSubpath();
    Fill(painter, hair, QColor(150, 90, 30), QColor(80, 40, 10), 0.5);
    PaintFace(painter);

    // A flat cap with a gold band and a feather.
    painter.setPen(QPen(colours.m_robe, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath feather(QPointF(17.0, 8.0));
    feather.cubicTo(15.0, 5.0, 13.5, 3.0, 11.5, 1.8);
    painter.drawPath(feather);
    QPainterPath cap;
    cap.addEllipse(QPointF(kMidX, 9.0), 7.2, 3.4);
    Fill(painter, cap, colours.m_panel, kInk, 0.6);
    painter.setPen(QPen(kGoldTrim, 1.2));
    painter.drawLine(QPointF(13.0, 11.0), QPointF(25.0, 11.0));

    // The halberd he holds.
    PaintStaff(painter, QColor(150, 95, 40), 1.1, 8.0);
    QPainterPath blade(QPointF(kItemX, 1.5));
    blade.lineTo(kItemX + 2.2, 6.5);
    blade.lineTo(kItemX, 9.0);
    blade.lineTo(kItemX - 2.2, 6.5);
    blade.closeSubpath();
    Fill(painter, blade, QColor(205, 210, 218), QColor(90, 90, 100), 0.6);
    PaintHand(painter, kRightHand);
}

void PaintUpperPart(QPainter& painter, int suit, int rank)
{
    painter.save();
    painter.translate(kFrame.topLeft());
    const QPolygonF upper({QPointF(0, 0), QPointF(kFrame.width(), 0),
                           QPointF(kFrame.width(), kDividerY - kDividerSlant),
                           QPointF(0, kDividerY + kDividerSlant)});
    QPainterPath clip;
    clip.addPolygon(upper);
    painter.setClipPath(clip);

    const TFigureColours colours = ColoursFor(suit);
    if (rank == 12)
        PaintKing(painter, suit, colours);
    else if (rank == 11)
        PaintQueen(painter, suit, colours);
    else
        PaintJack(painter, suit, colours);
    PaintSuit(painter, suit, QPointF(5.0, 6.0), 7.0);
    painter.restore();
}
}  // namespace

void PaintCourtFigure(QPainter& painter, int suit, int rank)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrameFill);
    painter.drawRect(kFrame);

    PaintUpperPart(painter, suit, rank);
    painter.save();
    painter.translate(kCardSize.width(), kCardSize.height());
    painter.rotate(180);
    PaintUpperPart(painter, suit, rank);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(SuitColour(suit), 1.0));
    painter.drawRect(kFrame);
    painter.drawLine(kFrame.topLeft() + QPointF(0, kDividerY + kDividerSlant),
                     kFrame.topLeft() + QPointF(kFrame.width(), kDividerY - kDividerSlant));
    painter.restore();
}
}  // namespace artwork
