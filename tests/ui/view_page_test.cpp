// The view's page: the pointer over what can be clicked, and a page scrolled
// in a small window, whose cards are still clicked and painted at their page
// positions and whose buttons move with it.
#include "GameDriver.h"

#include "Bitmaps.h"
#include "Colours.h"

#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace gamedriver;

namespace {

Qt::CursorShape PointerAt(CRunningGame& game, int pageX, int pageY)
{
    // Sent straight to the viewport: the platform layer of the offscreen
    // tests drops some synthetic moves.
    QWidget* viewport = game.View().viewport();
    const QPoint client = game.Client(pageX, pageY);
    QMouseEvent move(QEvent::MouseMove, client, viewport->mapToGlobal(client), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    return game.View().viewport()->cursor().shape();
}

TEST(ViewPointer, HandOverAPickableCardArrowElsewhere)
{
    CRunningGame game(0);
    EXPECT_EQ(PointerAt(game, 675 + 10, 30 + 10), Qt::PointingHandCursor);
    EXPECT_EQ(PointerAt(game, 675 + 71, 100), Qt::ArrowCursor);  // gap between columns
    EXPECT_EQ(PointerAt(game, 300, 300), Qt::ArrowCursor);       // the deck
    EXPECT_EQ(PointerAt(game, 134 + 10, 534 + 10), Qt::ArrowCursor);  // hand not dealt yet
}

TEST(ViewPointer, HandOverHandCardsOnceTheyCanBeMarked)
{
    CRunningGame game(0);
    game.PlayInitialHand(Cards({"2c", "9d", "Jh", "Qs", "Ks"}));
    EXPECT_EQ(PointerAt(game, 134 + 10, 534 + 10), Qt::PointingHandCursor);
    EXPECT_EQ(PointerAt(game, 675 + 10, 30 + 10), Qt::ArrowCursor);  // picker put away
}

class ScrolledPage : public ::testing::Test {
protected:
    ScrolledPage() : m_game(0)
    {
        m_game.Frame().resize(500, 400);
        m_game.Settle();
        QScrollBar* horizontal = m_game.View().horizontalScrollBar();
        QScrollBar* vertical = m_game.View().verticalScrollBar();
        horizontal->setValue(horizontal->maximum());
        vertical->setValue(vertical->maximum());
        m_game.Settle();
    }

    CRunningGame m_game;
};

TEST_F(ScrolledPage, ScrollsOverTheWholePage)
{
    const QSize client = m_game.View().viewport()->size();
    EXPECT_EQ(m_game.View().GetScrollPosition(),
              QPoint(CPokerView::kPageWidth - client.width(), CPokerView::kPageHeight - client.height()));
}

TEST_F(ScrolledPage, ButtonsMoveWithThePage)
{
    const QPoint scroll = m_game.View().GetScrollPosition();
    ASSERT_GT(scroll.x(), 0);
    EXPECT_EQ(m_game.View().m_cardsScene.m_okButton->geometry(), QRect(QPoint(790, 626) - scroll, QSize(60, 22)));
}

TEST_F(ScrolledPage, CardsAreClickedAtTheirPagePositions)
{
    const int kingOfSpades = Card("Ks");
    m_game.PickCard(kingOfSpades);
    EXPECT_TRUE(m_game.View().m_cardsScene.m_cards[kingOfSpades].m_selected);
    EXPECT_EQ(m_game.View().m_cardsScene.m_selectionCount, 1u);
}

TEST_F(ScrolledPage, PageIsPaintedToItsLastColumnAndRow)
{
    const QImage shown = m_game.View().viewport()->grab().toImage();
    const QPoint scroll = m_game.View().GetScrollPosition();
    // Felt down the page's last column, which no scene draws on.
    const int lastX = CPokerView::kPageWidth - 1 - scroll.x();
    const int lastY = CPokerView::kPageHeight - 1 - scroll.y();
    ASSERT_LT(lastX, shown.width());
    ASSERT_LT(lastY, shown.height());
    for (int y = 0; y <= lastY; y += 7)
        EXPECT_EQ(QColor(shown.pixel(lastX, y)), kFeltGreen) << "y " << y;
    EXPECT_EQ(QColor(shown.pixel(lastX, lastY)), kFeltGreen);
}

TEST_F(ScrolledPage, CardsArePaintedAtTheirPagePositions)
{
    // The king of spades, last of its column, shows whole at (894, 510).
    const QImage king = LoadBitmap(kBitmapFirstCard + static_cast<unsigned>(Card("Ks")));
    ASSERT_FALSE(king.isNull());
    const QImage shown = m_game.View().viewport()->grab().toImage();
    const QPoint origin = QPoint(894, 510) - m_game.View().GetScrollPosition();
    for (const QPoint inside : {QPoint(8, 8), QPoint(35, 48), QPoint(62, 87)})
        EXPECT_EQ(QColor(shown.pixel(origin + inside)), QColor(king.pixel(inside))) << inside.x() << "," << inside.y();
}

}  // namespace
