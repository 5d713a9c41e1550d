// What the page paints: a marked card as the negative of its picture over
// felt-green corners.
#include "WindowDriver.h"

#include "Style.h"

#include <QImage>
#include <QPainter>

namespace {

QImage Page(CWindowDriver& game)
{
    QImage page(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
    page.fill(kFeltGreen);
    QPainter painter(&page);
    game.View().DrawPage(painter);
    return page;
}

TEST(Pixels, MarkedCardIsTheNegativeWithFeltCorners)
{
    CWindowDriver game;
    game.PlayInitial("Ac Ad 7h 8s 2d");
    const QRect place = game.View().PlayingScene().PlaceRect(0);
    const QImage before = Page(game);
    game.ClickPlace(0);
    const QImage after = Page(game);

    for (const QPoint& corner : {place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()})
        EXPECT_EQ(QColor(after.pixel(corner)), kFeltGreen);
    int inverted = 0;
    int checked = 0;
    for (int y = place.top() + 3; y <= place.bottom() - 3; y += 7)
        for (int x = place.left() + 3; x <= place.right() - 3; x += 5) {
            ++checked;
            inverted += after.pixel(x, y) == (before.pixel(x, y) ^ 0x00FFFFFFu) ? 1 : 0;
        }
    EXPECT_EQ(inverted, checked);
}

}  // namespace
