// The drawable picture: catalogue, sizes, the rounded-corner copy and the
// negative of a selected card, checked on real pixels.
#include "Bitmaps.h"
#include "GraphicObject.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A background no picture uses, so that untouched pixels are recognisable.
const QRgb kBackdrop = qRgb(255, 0, 255);

QImage Backdrop()
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(kBackdrop);
    return image;
}

void DrawInto(QImage& image, const CGraphicObject& object)
{
    QPainter painter(&image);
    object.Draw(painter);
}

bool IsCornerPixel(int x, int y, int w, int h)
{
    const int cx = x < 2 ? x : w - 1 - x;
    const int cy = y < 2 ? y : h - 1 - y;
    if (cx > 1 || cy > 1 || (x >= 2 && x < w - 2) || (y >= 2 && y < h - 2))
        return false;
    return cx + cy <= 1;  // (0,0), (1,0), (0,1) and their mirror images
}

CGraphicObject CardAt(unsigned id, int x, int y)
{
    CGraphicObject card;
    card.SetBitmap(id);
    card.m_x = x;
    card.m_y = y;
    return card;
}

}  // namespace

TEST(BitmapCatalogue, EveryPictureTheScenesUseIsCompiledInAtItsSize)
{
    std::vector<unsigned> ids = {kBitmapCardBack, kBitmapDeck, 130, 132, 133, 135, 137, 138, 139, 141, 196, 197, 198};
    for (unsigned i = 0; i < 52; ++i)
        ids.push_back(kBitmapFirstCard + i);
    for (unsigned id : ids) {
        const QImage picture = LoadBitmap(id);
        ASSERT_FALSE(picture.isNull()) << "bitmap " << id;
        EXPECT_EQ(picture.size(), CatalogueSize(id)) << "bitmap " << id;
    }
}

TEST(BitmapCatalogue, IdsAreReadThroughTheirLowSixteenBits)
{
    const QImage plain = LoadBitmap(kBitmapFirstCard);
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(LoadBitmap(0x10000u | kBitmapFirstCard), plain);
    EXPECT_EQ(CatalogueSize(0x10000u | kBitmapDeck), QSize(85, 110));
}

TEST(BitmapCatalogue, UnknownIdHasNoPictureAndNoSize)
{
    EXPECT_TRUE(LoadBitmap(9999).isNull());
    EXPECT_TRUE(CatalogueSize(9999).isEmpty());
}

TEST(GraphicObjectState, NewObjectIsVisibleUnselectedAndZero)
{
    const CGraphicObject object;
    EXPECT_EQ(object.m_x, 0);
    EXPECT_EQ(object.m_y, 0);
    EXPECT_EQ(object.m_width, 0);
    EXPECT_EQ(object.m_height, 0);
    EXPECT_EQ(object.m_bitmapId, 0u);
    EXPECT_FALSE(object.m_selected);
    EXPECT_TRUE(object.m_visible);
}

TEST(GraphicObjectState, SetBitmapTakesThePictureSizeAndKeepsPlaceAndFlags)
{
    CGraphicObject object;
    object.m_x = 12;
    object.m_y = 34;
    object.m_selected = true;
    object.m_visible = false;
    object.SetBitmap(kBitmapDeck);
    EXPECT_EQ(object.m_bitmapId, unsigned(kBitmapDeck));
    EXPECT_EQ(object.m_width, 85);
    EXPECT_EQ(object.m_height, 110);
    EXPECT_EQ(object.m_x, 12);
    EXPECT_EQ(object.m_y, 34);
    EXPECT_TRUE(object.m_selected);
    EXPECT_FALSE(object.m_visible);
}

TEST(GraphicObjectDrawing, CopiesThePictureButLeavesThreePixelsAtEachCorner)
{
    const CGraphicObject card = CardAt(kBitmapFirstCard + 12, 30, 40);
    const QImage picture = LoadBitmap(card.m_bitmapId);
    ASSERT_FALSE(picture.isNull());
    QImage page = Backdrop();
    DrawInto(page, card);

    const int w = card.m_width;
    const int h = card.m_height;
    for (int y = -1; y <= h; ++y) {
        for (int x = -1; x <= w; ++x) {
            const QRgb drawn = page.pixel(card.m_x + x, card.m_y + y);
            const bool outside = x < 0 || y < 0 || x >= w || y >= h;
            if (outside || IsCornerPixel(x, y, w, h))
                ASSERT_EQ(drawn, kBackdrop) << "untouched at (" << x << ", " << y << ")";
            else
                ASSERT_EQ(drawn, picture.pixel(x, y)) << "copied at (" << x << ", " << y << ")";
        }
    }
}

TEST(GraphicObjectDrawing, CornersShowTheFeltBeneathACard)
{
    const QRgb felt = qRgb(0, 128, 0);
    QImage page(200, 200, QImage::Format_RGB32);
    page.fill(felt);
    const CGraphicObject card = CardAt(kBitmapFirstCard, 10, 10);
    DrawInto(page, card);
    const int r = card.m_x + card.m_width - 1;
    const int b = card.m_y + card.m_height - 1;
    for (const QPoint& corner : {QPoint(card.m_x, card.m_y), QPoint(card.m_x + 1, card.m_y), QPoint(card.m_x, card.m_y + 1),
                                 QPoint(r, card.m_y), QPoint(r - 1, card.m_y), QPoint(r, card.m_y + 1),
                                 QPoint(card.m_x, b), QPoint(card.m_x + 1, b), QPoint(card.m_x, b - 1),
                                 QPoint(r, b), QPoint(r - 1, b), QPoint(r, b - 1)})
        EXPECT_EQ(page.pixel(corner), felt) << corner.x() << ", " << corner.y();
}

TEST(GraphicObjectDrawing, SelectedPictureIsTheNegativeEveryTimeAndDeselectingRestoresIt)
{
    CGraphicObject card = CardAt(kBitmapFirstCard + 26, 20, 20);
    const QImage picture = LoadBitmap(card.m_bitmapId);
    ASSERT_FALSE(picture.isNull());
    QImage negative = picture.convertToFormat(QImage::Format_RGB32);
    negative.invertPixels(QImage::InvertRgb);

    card.m_selected = true;
    for (int pass = 0; pass < 2; ++pass) {  // the inversion must not accumulate
        QImage page = Backdrop();
        DrawInto(page, card);
        for (int y = 2; y < card.m_height - 2; ++y)
            for (int x = 2; x < card.m_width - 2; ++x)
                ASSERT_EQ(page.pixel(card.m_x + x, card.m_y + y), negative.pixel(x, y))
                    << "pass " << pass << " at (" << x << ", " << y << ")";
    }

    card.m_selected = false;
    QImage page = Backdrop();
    DrawInto(page, card);
    for (int y = 2; y < card.m_height - 2; ++y)
        for (int x = 2; x < card.m_width - 2; ++x)
            ASSERT_EQ(page.pixel(card.m_x + x, card.m_y + y), picture.pixel(x, y)) << "(" << x << ", " << y << ")";
}

TEST(GraphicObjectDrawing, InvisibleObjectDrawsNothingEvenWhenSelected)
{
    CGraphicObject card = CardAt(kBitmapFirstCard, 5, 5);
    card.m_visible = false;
    card.m_selected = true;
    QImage page = Backdrop();
    DrawInto(page, card);
    EXPECT_EQ(page, Backdrop());
}

TEST(GraphicObjectDrawing, ObjectWithoutPictureDrawsNothing)
{
    CGraphicObject object;
    object.m_bitmapId = 9999;
    object.m_width = 50;
    object.m_height = 50;
    QImage page = Backdrop();
    DrawInto(page, object);
    EXPECT_EQ(page, Backdrop());
}
