#include "Icon.h"

#include "CardBack.h"
#include "CardFace.h"
#include "CardPips.h"
#include "Palette.h"
#include "SuitSymbols.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace artwork
{
namespace
{
// Two backs and the Ace of spades, each turned about the middle of its
// bottom edge; the whole group is then fitted to the icon's square.
struct TIconCard
{
    QPointF m_pivot;
    double m_dDegrees;
    bool m_bFace;
};
const TIconCard kIconCards[] = {
    {QPointF(-12, 0), -24, false},
    {QPointF(-2, -2), -8, false},
    {QPointF(12, 0), 12, true},
};
constexpr double kShadowOffset = 2.0;
constexpr double kMarginFraction = 0.03;

QTransform CardPlacement(const TIconCard& card)
{
    QTransform placement;
    placement.translate(card.m_pivot.x(), card.m_pivot.y());
    placement.rotate(card.m_dDegrees);
    placement.translate(-kCardSize.width() / 2.0, -kCardSize.height());
    return placement;
}

void PaintShadow(QPainter& painter, const QRectF& card)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(card.translated(kShadowOffset * 0.75, kShadowOffset), 4, 4);
}

void PaintAceOfSpades(QPainter& painter)
{
    const QRectF card(QPointF(0, 0), kCardSize);
    PaintShadow(painter, card);
    PaintBlankCard(painter, card);
    PaintPips(painter, 3, 0);

    // The index as an outline, so it scales with the icon like everything else.
    QFont font("Liberation Sans");
    font.setPixelSize(16);
    font.setBold(true);
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("A"));
    const QRectF box = letter.boundingRect();
    letter.translate(8.5 - box.center().x(), 3.0 - box.top());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlackSuit);
    painter.drawPath(letter);
    PaintSuit(painter, 3, QPointF(8.5, 24.5), 10);
}

void PaintCard(QPainter& painter, const TIconCard& card)
{
    painter.save();
    painter.setTransform(CardPlacement(card), true);
    if (card.m_bFace)
    {
        PaintAceOfSpades(painter);
    }
    else
    {
        const QRectF outline(QPointF(0, 0), kCardSize);
        PaintShadow(painter, outline);
        PaintCardBack(painter, outline);
    }
    painter.restore();
}
}  // namespace

QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QRectF bounds;
    for (const TIconCard& card : kIconCards)
        bounds |= CardPlacement(card).mapRect(QRectF(QPointF(0, 0), kCardSize))
                      .adjusted(0, 0, kShadowOffset, kShadowOffset);
    const double scale = size * (1 - 2 * kMarginFraction) / std::max(bounds.width(), bounds.height());
    painter.translate(size / 2.0, size / 2.0);
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    for (const TIconCard& card : kIconCards)
        PaintCard(painter, card);
    return image;
}

QImage DrawMaskableIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kFeltGreen);
    // A square fits the mask's circle (80% of the side across) up to 0.57
    // of the side: the cards, nearly the whole of DrawIcon's square, get 0.6.
    constexpr double kSafeFraction = 0.6;
    const int inner = static_cast<int>(size * kSafeFraction);
    QPainter painter(&image);
    painter.drawImage((size - inner) / 2, (size - inner) / 2, DrawIcon(inner));
    return image;
}
}  // namespace artwork
