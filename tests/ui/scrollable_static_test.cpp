// The read-only text box: the scroll bar follows the text's height, and the
// box behaves like static text under the mouse.
#include "ScrollableStatic.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Line " + std::to_string(i) + "\r\n";
    return text;
}

class ScrollableStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.setGeometry(0, 0, 340, 60);
        box.show();
    }
    bool BarVisible() const { return box.verticalScrollBar()->isVisible(); }

    CScrollableStatic box;
};

}  // namespace

TEST(ScrollableStaticFlag, IsOneBeforeAnyText)
{
    CScrollableStatic box;
    EXPECT_EQ(box.m_nScrollBarShown, 1);
}

TEST_F(ScrollableStaticTest, ShortTextHidesTheBar)
{
    box.SetText("You hold one pair.");
    EXPECT_EQ(box.m_nScrollBarShown, 0);
    EXPECT_FALSE(BarVisible());
}

TEST_F(ScrollableStaticTest, TallTextShowsTheBarAndALaterShortOneHidesItAgain)
{
    box.SetText(Lines(12));
    EXPECT_EQ(box.m_nScrollBarShown, 1);
    EXPECT_TRUE(BarVisible());

    box.SetText("Short.");
    EXPECT_EQ(box.m_nScrollBarShown, 0);
    EXPECT_FALSE(BarVisible());

    box.SetText(Lines(12));
    EXPECT_EQ(box.m_nScrollBarShown, 1);
    EXPECT_TRUE(BarVisible());
}

TEST_F(ScrollableStaticTest, LongSingleParagraphWrapsAndNeedsTheBar)
{
    std::string paragraph;
    for (int i = 0; i < 60; ++i)
        paragraph += "word ";
    box.SetText(paragraph);
    EXPECT_EQ(box.m_nScrollBarShown, 1);
    EXPECT_TRUE(BarVisible());
}

TEST_F(ScrollableStaticTest, CarriageReturnLineFeedBreaksLines)
{
    box.SetText("first\r\nsecond\r\n\r\nfourth");
    EXPECT_EQ(box.document()->blockCount(), 4);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("first\nsecond\n\nfourth"));
}

TEST(ScrollableStaticSizing, BarIsDecidedAgainWhenTheBoxGetsItsSize)
{
    // The scenes set the text while the box is still hidden and unsized, and
    // only size and show it when they draw.
    QWidget page;
    page.resize(400, 300);
    page.show();
    auto* box = new CScrollableStatic(&page);
    box->hide();
    box->setGeometry(QRect());
    box->SetText("You hold a flush.");
    EXPECT_EQ(box->m_nScrollBarShown, 1);

    box->setGeometry(0, 0, 340, 190);
    box->show();
    EXPECT_EQ(box->m_nScrollBarShown, 0);
    EXPECT_FALSE(box->verticalScrollBar()->isVisible());

    box->setGeometry(0, 0, 60, 20);
    EXPECT_EQ(box->m_nScrollBarShown, 1);
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
}

TEST_F(ScrollableStaticTest, PointerStaysAnArrowOverTheText)
{
    box.SetText(Lines(3));
    QTest::mouseMove(box.viewport(), QPoint(20, 10));
    EXPECT_EQ(box.viewport()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(box.viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ScrollableStaticTest, ClicksGiveNoFocus)
{
    box.SetText(Lines(3));
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseClick(box.viewport(), Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_FALSE(box.hasFocus());
}

TEST_F(ScrollableStaticTest, ContextMenuRequestOpensNoMenu)
{
    box.SetText(Lines(3));
    // A menu would run its own event loop; close it from a timer and note it.
    bool menuOpened = false;
    QTimer::singleShot(200, [&menuOpened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuOpened = true;
            popup->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(20, 10), box.viewport()->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(box.viewport(), &request);
    QTest::qWait(300);
    EXPECT_FALSE(menuOpened);
}

TEST_F(ScrollableStaticTest, TextCannotBeChangedFromTheKeyboard)
{
    box.SetText("You hold a straight.");
    QTest::keyClicks(&box, "abc");
    EXPECT_EQ(box.toPlainText(), QStringLiteral("You hold a straight."));
}
