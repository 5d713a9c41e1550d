#include "CardFace.h"

#include "CardPips.h"
#include "CourtFigures.h"
#include "Palette.h"
#include "SuitSymbols.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace artwork
{
namespace
{
// The Ten has no entry: it is drawn by PaintTen.
const char* const kRankTexts[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "", "J", "Q", "K"};

// The index column: the rank letter over a small suit symbol, all inside the
// top 40 pixels, which is all the card picker shows of an overlapped card.
constexpr double kIndexCentreX = 8.5;
constexpr double kRankTop = 3;
constexpr double kIndexSuitCentreY = 24.5;
constexpr double kIndexSuitHeight = 10;

// The Ten: the font's "1" carries a foot that makes "10" too wide for the
// column, so the "1" is drawn as a plain stem with a flag, pixel-aligned like
// the font's hinted stems, beside a barely narrowed "0".
void PaintTen(QPainter& painter, const QFontMetricsF& metrics, double baseline)
{
    constexpr double kFlag = 2.0;
    constexpr double kStem = 2.2;
    constexpr double kGap = 1.0;
    constexpr double kZeroSqueeze = 0.92;
    const QRectF zeroInk = metrics.tightBoundingRect(QStringLiteral("0"));
    const double width = kFlag + kStem + kGap + zeroInk.width() * kZeroSqueeze;
    const double stemLeft = std::round(kIndexCentreX - width / 2 + kFlag);

    QPainterPath one(QPointF(stemLeft, kRankTop));
    one.lineTo(stemLeft + kStem, kRankTop);
    one.lineTo(stemLeft + kStem, baseline);
    one.lineTo(stemLeft, baseline);
    one.lineTo(stemLeft, kRankTop + 3.6);
    one.lineTo(stemLeft - kFlag, kRankTop + 4.4);
    one.lineTo(stemLeft - kFlag, kRankTop + 2.6);
    one.closeSubpath();
    painter.fillPath(one, painter.pen().color());

    painter.save();
    painter.translate(stemLeft + kStem + kGap, 0);
    painter.scale(kZeroSqueeze, 1.0);
    painter.drawText(QPointF(-zeroInk.left(), baseline), QStringLiteral("0"));
    painter.restore();
}

void PaintRank(QPainter& painter, int suit, int rank)
{
    QFont font("Liberation Sans");
    font.setPixelSize(16);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
    painter.setPen(SuitColour(suit));
    const QFontMetricsF metrics(font);

    // Every rank's ink starts at the same top and is centred in the column.
    const double baseline = kRankTop - metrics.tightBoundingRect(QStringLiteral("K")).top();
    if (rank == 9)
    {
        PaintTen(painter, metrics, baseline);
        return;
    }
    const QString text = QString::fromLatin1(kRankTexts[rank]);
    const QRectF ink = metrics.tightBoundingRect(text);
    painter.drawText(QPointF(std::round(kIndexCentreX - ink.width() / 2) - ink.left(), baseline), text);
}

// The index is drawn once and copied turned by 180 degrees to the bottom
// right, so both corners are pixel-for-pixel the same.
QImage IndexLayer(int suit, int rank, double ratio)
{
    QImage layer = NewPicture(kCardSize, ratio, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintRank(painter, suit, rank);
    PaintSuit(painter, suit, QPointF(kIndexCentreX, kIndexSuitCentreY), kIndexSuitHeight);
    return layer;
}
}  // namespace

void PaintBlankCard(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kCardBorder, 1.0));
    painter.setBrush(kCardWhite);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), kCardCornerRadius, kCardCornerRadius);
    painter.restore();
}

QImage DrawCardFace(int cardIndex, double ratio)
{
    const int suit = cardIndex / 13;
    const int rank = cardIndex % 13;

    QImage image = NewPicture(kCardSize, ratio, QImage::Format_RGB32);
    image.fill(kFeltGreen);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintBlankCard(painter, QRectF(QPointF(0, 0), kCardSize));

    if (rank >= 10)
        PaintCourtFigure(painter, suit, rank);
    else
        PaintPips(painter, suit, rank);

    const QImage index = IndexLayer(suit, rank, ratio);
    QImage turned = index.mirrored(true, true);
    turned.setDevicePixelRatio(ratio);
    painter.drawImage(0, 0, index);
    painter.drawImage(0, 0, turned);
    return image;
}
}  // namespace artwork
