// Captions and headings: gold on felt, inside their rectangle, and the
// painter handed back exactly as it came.
#include "Colours.h"
#include "SceneText.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
const QRgb kBlue = qRgb(0, 0, 200);

QImage BlueImage()
{
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(kBlue);
    return image;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

}  // namespace

TEST(SceneText, LeavesPenBrushFontBackgroundAndClipAsFound)
{
    QImage image = BlueImage();
    QPainter painter(&image);
    const QPen pen(Qt::red, 3);
    const QBrush brush(Qt::cyan, Qt::Dense4Pattern);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(9);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    painter.setBackground(QBrush(Qt::yellow));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setClipRect(QRect(0, 0, 300, 90));

    DrawSceneText(painter, QStringLiteral("One opponent holding:"), QRect(10, 10, 340, 30), kFlags);

    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), brush);
    EXPECT_EQ(painter.font(), font);
    EXPECT_EQ(painter.background(), QBrush(Qt::yellow));
    EXPECT_EQ(painter.backgroundMode(), Qt::TransparentMode);
    EXPECT_EQ(painter.clipBoundingRect().toRect(), QRect(0, 0, 300, 90));
}

TEST(SceneText, DrawsGoldTextOnAFeltCellClippedToItsRectangle)
{
    QImage image = BlueImage();
    const QRect rect(10, 20, 120, 30);  // narrower than the text
    {
        QPainter painter(&image);
        DrawSceneText(painter, QStringLiteral("Please select your five cards:"), rect, kFlags);
    }
    EXPECT_GT(CountPixels(image, rect, kGold.rgb()), 50);
    EXPECT_GT(CountPixels(image, rect, kFeltGreen.rgb()), 50);
    // Nothing outside the rectangle.
    const int outside = image.width() * image.height() - rect.width() * rect.height();
    EXPECT_EQ(CountPixels(image, image.rect(), kBlue) - CountPixels(image, rect, kBlue), outside);
}

TEST(SceneText, TextCellIsTwentyPixelsHighAndCentredVertically)
{
    QImage image = BlueImage();
    const QRect rect(0, 0, 400, 100);
    {
        QPainter painter(&image);
        DrawSceneText(painter, QStringLiteral("Suggestions on discarding:"), rect, kFlags);
    }
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(2, y) == kFeltGreen.rgb()) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    ASSERT_GE(top, 0);
    EXPECT_EQ(bottom - top + 1, 20);
    EXPECT_EQ(top, 40);
}

TEST(SceneText, CentredFlagCentresTheText)
{
    QImage image = BlueImage();
    const QRect rect(0, 0, 400, 100);
    {
        QPainter painter(&image);
        DrawSceneText(painter, QStringLiteral("Your final hand:"), rect,
                      Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
    }
    int left = image.width();
    int right = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, 50) != kBlue) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    ASSERT_GE(right, 0);
    EXPECT_LE(std::abs((left + right) - (image.width() - 1)), 2);
}
