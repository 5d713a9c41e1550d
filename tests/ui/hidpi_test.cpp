// The page on a high-density screen (ctest runs these with QT_SCALE_FACTOR=2):
// the cards come out pixel for pixel as their dense pictures, so the index
// letters are as sharp as at scale 1, and clicks land where they did.
#include "WindowDriver.h"

#include "Bitmaps.h"
#include "Style.h"

#include <QImage>
#include <QPixmap>

namespace {

// The share of the rank letter's box, 3 to 20 logical pixels down the index
// column, that is neither black ink nor white card: the blur around the ink.
double BlurShare(const QImage& image, const QPoint& cardOrigin, int ratio)
{
    int blurred = 0;
    int all = 0;
    for (int y = 3 * ratio; y < 20 * ratio; ++y)
        for (int x = 2 * ratio; x < 16 * ratio; ++x, ++all) {
            const QRgb pixel = image.pixel(cardOrigin + QPoint(x, y)) & 0xFFFFFFu;
            blurred += pixel != 0 && pixel != 0xFFFFFFu ? 1 : 0;
        }
    return double(blurred) / all;
}

TEST(HiDpi, CardIndexIsTheDensePictureAndClicksLandAsAtScaleOne)
{
    CWindowDriver game;
    if (game.View().viewport()->devicePixelRatio() < 2)
        GTEST_SKIP() << "needs a device pixel ratio of 2 (QT_SCALE_FACTOR=2)";
    const int card = ParseCard("As");  // black, and top of its column: felt above its corners
    for (const bool picked : {false, true}) {
        if (picked)
            game.Pick(card);
        const QImage screen = game.View().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int ratio = qRound(screen.devicePixelRatio());
        QImage picture = LoadBitmap(kBitmapFirstCard + card, ratio);
        ASSERT_EQ(qRound(picture.devicePixelRatio()), ratio);
        if (picked)
            picture.invertPixels(QImage::InvertRgb);

        // The strip the picker shows, corners aside: the index letter and suit.
        const QPoint origin = (game.View().CardsScene().CardRect(card).topLeft() - game.View().GetScrollPosition()) * ratio;
        int differing = 0;
        for (int y = 3 * ratio; y < 40 * ratio; ++y)
            for (int x = 0; x < 18 * ratio; ++x)
                differing += screen.pixel(origin + QPoint(x, y)) != picture.pixel(x, y) ? 1 : 0;
        EXPECT_EQ(differing, 0) << (picked ? "picked" : "not picked");
        if (!picked) {
            EXPECT_LE(BlurShare(screen, origin, ratio), BlurShare(LoadBitmap(kBitmapFirstCard + card), QPoint(), 1));
        }
        // The whole of the logical corner pixel shows the felt.
        for (const QPoint& p : {QPoint(0, 0), QPoint(2 * ratio - 1, 0), QPoint(0, 2 * ratio - 1)})
            EXPECT_EQ(QColor(screen.pixel(origin + p)), kFeltGreen);
    }
    // Picked by clicks: the hand holds the As; a click marks its last place.
    game.PlayInitial("Ac Ad 7h 8s");
    ASSERT_TRUE(game.Doc().GetManager().IsKnown(card));
    game.ClickPlace(4);
    EXPECT_TRUE(game.Doc().IsMarked(4));
    game.ExpectControlsReachable();
}

}  // namespace
