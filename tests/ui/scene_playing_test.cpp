// The table: the hand's places, the opponents' seats, marking and discarding,
// the final hand, and the controls under and beside the cards.
#include "Bitmaps.h"
#include "Colours.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "ScrollableStatic.h"
#include "StringTable.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kHandX[5] = {134, 207, 280, 353, 426};
constexpr int kHandY = 534;

class PlayingSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        document.m_nOpponents = 3;
        view.resize(1100, 800);  // the whole page, no scrolling
        view.OnInitialUpdate();
        view.OnUpdate(1);
        view.show();
    }

    CPlayingScene& Table() { return view.m_playingScene; }
    CCardDistributionManager& Manager() { return document.m_manager; }

    void Know(std::initializer_list<int> indices)
    {
        for (int index : indices)
            Manager().m_anCardCounts[index / 13][index % 13] = 1;
    }

    std::vector<unsigned> HandIds()
    {
        std::vector<unsigned> ids;
        for (const CGraphicObject& card : Table().m_hand)
            ids.push_back(card.m_bitmapId);
        return ids;
    }

    void ClickPage(const QPoint& page)
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, page - view.GetScrollPosition());
    }

    static QPoint OnHandCard(int place) { return QPoint(kHandX[place] + 30, kHandY + 50); }

    QImage RenderPage()
    {
        QImage page(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
        page.fill(kFeltGreen);
        QPainter painter(&page);
        view.DrawPage(painter);
        return page;
    }

    CPokerDoc document;
    CPokerView view{&document};
};

// An initial hand known in the document and shown, in the discard phase.
class DealtHandTest : public PlayingSceneTest {
protected:
    void SetUp() override
    {
        PlayingSceneTest::SetUp();
        Know({51, 1, 26, 17, 0});  // picked in any order: K♠ 2♣ A♥ 5♦ A♣
        Table().ShowInitialHand();
    }
};

struct TSeatExpectation {
    int opponents;
    std::vector<unsigned> bitmaps;
    std::vector<QPoint> positions;
};

class OpponentSeatsTest : public PlayingSceneTest, public ::testing::WithParamInterface<TSeatExpectation> {};

}  // namespace

// --- Layout and seats ------------------------------------------------------------

TEST_F(PlayingSceneTest, HandLiesInARowAtTheBottomOfTheTable)
{
    for (int place = 0; place < 5; ++place) {
        EXPECT_EQ(Table().m_hand[place].m_x, kHandX[place]) << place;
        EXPECT_EQ(Table().m_hand[place].m_y, kHandY) << place;
    }
    EXPECT_EQ(Table().m_radius, 257);
}

TEST_F(PlayingSceneTest, DeckSitsInTheMiddleOfTheTable)
{
    EXPECT_EQ(Table().m_deck.m_bitmapId, unsigned(kBitmapDeck));
    EXPECT_EQ(QPoint(Table().m_deck.m_x, Table().m_deck.m_y), QPoint(273, 265));
}

TEST_P(OpponentSeatsTest, OpponentsSitAtTheirSeatsWithTheirPictures)
{
    const TSeatExpectation& expected = GetParam();
    Table().SetOpponents(expected.opponents);
    ASSERT_EQ(Table().m_opponentCount, unsigned(expected.opponents));
    ASSERT_EQ(Table().m_opponents.size(), expected.positions.size());
    for (size_t i = 0; i < expected.positions.size(); ++i) {
        const CGraphicObject& opponent = Table().m_opponents[i];
        EXPECT_EQ(opponent.m_bitmapId, expected.bitmaps[i]) << "opponent " << i;
        EXPECT_EQ(QPoint(opponent.m_x, opponent.m_y), expected.positions[i]) << "opponent " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    OneToFive, OpponentSeatsTest,
    ::testing::Values(TSeatExpectation{1, {130}, {{245, 15}}},
                      TSeatExpectation{2, {132, 133}, {{462, 108}, {17, 108}}},
                      TSeatExpectation{3, {135, 130, 137}, {{524, 250}, {245, 15}, {10, 251}}},
                      TSeatExpectation{4, {196, 141, 138, 139}, {{492, 318}, {382, 33}, {79, 33}, {3, 318}}},
                      TSeatExpectation{5, {197, 132, 130, 133, 198},
                                       {{461, 364}, {462, 108}, {245, 15}, {17, 108}, {16, 364}}}),
    [](const ::testing::TestParamInfo<TSeatExpectation>& info) {
        return std::to_string(info.param.opponents) + "Opponents";
    });

TEST_F(PlayingSceneTest, OpponentCountsOutsideOneToFiveAreHeldToTheNearestSeating)
{
    Table().SetOpponents(0);
    EXPECT_EQ(Table().m_opponents.size(), 1u);
    Table().SetOpponents(9);
    EXPECT_EQ(Table().m_opponents.size(), 5u);
}

TEST_F(DealtHandTest, SettingOpponentsStartsANewHandFaceDown)
{
    Table().OnClick(OnHandCard(1).x(), OnHandCard(1).y(), 0, 0);
    Table().SetOpponents(4);
    EXPECT_EQ(HandIds(), std::vector<unsigned>(5, kBitmapCardBack));
    EXPECT_FALSE(Table().m_hand[1].m_selected);
    EXPECT_FALSE(Table().m_discardPhase);
    EXPECT_EQ(Table().m_discardCount, 0);
    EXPECT_EQ(Table().m_captionId, 102);
}

// --- Controls ----------------------------------------------------------------------

TEST_F(PlayingSceneTest, ControlsArePlacedAroundTheCards)
{
    RenderPage();
    EXPECT_EQ(Table().m_discardButton->geometry(), QRect(262, 482, 106, 22));
    EXPECT_EQ(Table().m_adviceBox->geometry(), QRect(0, 640, 630, 60));
    EXPECT_EQ(Table().m_tableNote->geometry(), QRect(157, 375, 315, 120));
}

TEST_F(PlayingSceneTest, NoteAboutTheSecondTableIsAlwaysShown)
{
    RenderPage();
    EXPECT_TRUE(Table().m_tableNote->isVisible());
    EXPECT_EQ(Table().m_tableNote->text().toStdString(), LoadString(210));
}

TEST_F(PlayingSceneTest, NoteIsWrittenInOrange)
{
    RenderPage();
    const QImage note = Table().m_tableNote->grab().toImage();
    int orange = 0;
    int dark = 0;
    for (int y = 0; y < note.height(); ++y) {
        for (int x = 0; x < note.width(); ++x) {
            const QColor c = note.pixelColor(x, y);
            orange += (c.red() > 200 && c.green() > 90 && c.green() < 160 && c.blue() < 60) ? 1 : 0;
            dark += (c.red() < 60 && c.green() < 60 && c.blue() < 60) ? 1 : 0;
        }
    }
    EXPECT_GT(orange, 100);
    EXPECT_EQ(dark, 0);
}

TEST_F(PlayingSceneTest, DiscardButtonAndDescriptionAreHiddenUntilTheHandIsShown)
{
    RenderPage();
    EXPECT_FALSE(Table().m_discardButton->isVisible());
    EXPECT_FALSE(Table().m_adviceBox->isVisible());
}

TEST_F(DealtHandTest, DiscardButtonIsShownButDisabledUntilACardIsMarked)
{
    RenderPage();
    EXPECT_TRUE(Table().m_discardButton->isVisible());
    EXPECT_FALSE(Table().m_discardButton->isEnabled());
    EXPECT_EQ(Table().m_discardButton->text(), QStringLiteral("Discard"));
    EXPECT_TRUE(Table().m_adviceBox->isVisible());
}

TEST_F(PlayingSceneTest, ControlsMoveWithTheScrolledPage)
{
    view.resize(500, 400);
    QApplication::processEvents();
    view.horizontalScrollBar()->setValue(100);
    view.verticalScrollBar()->setValue(250);
    ASSERT_EQ(view.GetScrollPosition(), QPoint(100, 250));
    RenderPage();
    EXPECT_EQ(Table().m_discardButton->geometry(), QRect(162, 232, 106, 22));
    EXPECT_EQ(Table().m_adviceBox->geometry(), QRect(-100, 390, 630, 60));
    EXPECT_EQ(Table().m_tableNote->geometry(), QRect(57, 125, 315, 120));
}

// --- The hand ------------------------------------------------------------------------

TEST_F(DealtHandTest, InitialHandIsShownInCardIndexOrder)
{
    EXPECT_EQ(HandIds(), (std::vector<unsigned>{144, 145, 161, 170, 195}));
    EXPECT_TRUE(Table().m_discardPhase);
}

TEST_F(PlayingSceneTest, MoreKnownCardsThanPlacesFillOnlyTheFivePlaces)
{
    Know({0, 1, 2, 3, 4, 5, 6});
    Table().ShowInitialHand();
    EXPECT_EQ(HandIds(), (std::vector<unsigned>{144, 145, 146, 147, 148}));
}

TEST_F(PlayingSceneTest, HandCannotBeMarkedBeforeItIsShown)
{
    ClickPage(OnHandCard(0));
    EXPECT_FALSE(Table().m_hand[0].m_selected);
    EXPECT_FALSE(Table().OnClick(OnHandCard(0).x(), OnHandCard(0).y(), 0, 0));
    EXPECT_FALSE(Table().IsOverHandCard(OnHandCard(0).x(), OnHandCard(0).y()));
    EXPECT_EQ(view.m_nStage, 3);
}

TEST_F(DealtHandTest, MarkingACardEnablesDiscardAndUnmarkingDisablesIt)
{
    ClickPage(OnHandCard(2));
    EXPECT_TRUE(Table().m_hand[2].m_selected);
    EXPECT_EQ(Table().m_discardCount, 1);
    EXPECT_TRUE(Table().m_discardButton->isEnabled());

    ClickPage(OnHandCard(2));
    EXPECT_FALSE(Table().m_hand[2].m_selected);
    EXPECT_EQ(Table().m_discardCount, 0);
    EXPECT_FALSE(Table().m_discardButton->isEnabled());
}

TEST_F(DealtHandTest, HandCardBoundsAreHalfOpen)
{
    EXPECT_TRUE(Table().IsOverHandCard(134, 534));
    EXPECT_TRUE(Table().IsOverHandCard(204, 629));
    EXPECT_FALSE(Table().IsOverHandCard(205, 600));  // the gap after the first card
    EXPECT_FALSE(Table().IsOverHandCard(133, 600));
    EXPECT_FALSE(Table().IsOverHandCard(150, 533));
    EXPECT_FALSE(Table().IsOverHandCard(150, 630));
    EXPECT_FALSE(Table().OnClick(205, 600, 0, 0));
    EXPECT_EQ(Table().m_discardCount, 0);
}

TEST_F(DealtHandTest, MarkedCardIsDrawnAsTheNegativeOfItsPicture)
{
    ClickPage(OnHandCard(3));
    const QImage page = RenderPage();
    QImage negative = LoadBitmap(Table().m_hand[3].m_bitmapId).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(negative.isNull());
    negative.invertPixels(QImage::InvertRgb);
    for (int y = 2; y < 94; ++y)
        for (int x = 2; x < 69; ++x)
            ASSERT_EQ(page.pixel(kHandX[3] + x, kHandY + y), negative.pixel(x, y)) << x << ", " << y;
}

TEST_F(DealtHandTest, CornersOfTheHandCardsShowTheFelt)
{
    const QImage page = RenderPage();
    const QRgb felt = kFeltGreen.rgb();
    for (int x : kHandX) {
        const int r = x + 70;
        const int b = kHandY + 95;
        for (const QPoint& p : {QPoint(x, kHandY), QPoint(x + 1, kHandY), QPoint(x, kHandY + 1), QPoint(r, kHandY),
                                QPoint(r - 1, kHandY), QPoint(r, kHandY + 1), QPoint(x, b), QPoint(x + 1, b),
                                QPoint(x, b - 1), QPoint(r, b), QPoint(r - 1, b), QPoint(r, b - 1)})
            EXPECT_EQ(page.pixel(p), felt) << p.x() << ", " << p.y();
    }
}

TEST_F(DealtHandTest, DiscardTurnsTheMarkedCardsDownAndRecordsThem)
{
    ClickPage(OnHandCard(0));  // A♣
    ClickPage(OnHandCard(3));  // A♥
    EXPECT_EQ(Table().Discard(), 2);
    EXPECT_EQ(HandIds(), (std::vector<unsigned>{142, 145, 161, 142, 195}));
    EXPECT_FALSE(Table().m_hand[0].m_selected);
    EXPECT_FALSE(Table().m_discardPhase);

    int discarded = 0;
    for (int index = 0; index < 52; ++index)
        discarded += Manager().m_abDiscarded[index / 13][index % 13] ? 1 : 0;
    EXPECT_EQ(discarded, 2);
    EXPECT_TRUE(Manager().m_abDiscarded[0][0]);
    EXPECT_TRUE(Manager().m_abDiscarded[2][0]);
}

TEST_F(DealtHandTest, MarkingAloneRecordsNothing)
{
    ClickPage(OnHandCard(1));
    for (int index = 0; index < 52; ++index)
        EXPECT_FALSE(Manager().m_abDiscarded[index / 13][index % 13]) << index;
}

TEST_F(DealtHandTest, FinalHandKeepsTheKeptCardsInPlace)
{
    ClickPage(OnHandCard(0));
    ClickPage(OnHandCard(3));
    Table().Discard();
    Know({40, 9});  // replacements 2♠ and 10♣: the lower index goes first
    Table().ShowFinalHand();
    EXPECT_EQ(HandIds(), (std::vector<unsigned>{144 + 9, 145, 161, 144 + 40, 195}));
    EXPECT_TRUE(Table().m_finalHand);
}

TEST_F(DealtHandTest, DiscardingAllFiveShowsTheFiveReplacements)
{
    for (int place = 0; place < 5; ++place)
        ClickPage(OnHandCard(place));
    EXPECT_EQ(Table().Discard(), 5);
    Know({30, 10, 50, 20, 40});
    Table().ShowFinalHand();
    EXPECT_EQ(HandIds(), (std::vector<unsigned>{154, 164, 174, 184, 194}));
}

TEST_F(DealtHandTest, CaptionTurnsToTheFinalHandAndBackForANewGame)
{
    EXPECT_EQ(Table().m_captionId, 102);
    ClickPage(OnHandCard(4));
    Table().Discard();
    Know({3});
    Table().ShowFinalHand();
    EXPECT_EQ(Table().m_captionId, 106);

    Table().NewGame();
    EXPECT_EQ(Table().m_captionId, 102);
    EXPECT_EQ(HandIds(), std::vector<unsigned>(5, kBitmapCardBack));
    EXPECT_FALSE(Table().m_finalHand);
    EXPECT_EQ(Table().m_opponents.size(), 3u);  // the seats stay
}

TEST_F(DealtHandTest, DescriptionStaysShownWithTheFinalHand)
{
    ClickPage(OnHandCard(4));
    Table().Discard();
    RenderPage();
    EXPECT_FALSE(Table().m_adviceBox->isVisible());
    EXPECT_FALSE(Table().m_discardButton->isVisible());
    Know({3});
    Table().ShowFinalHand();
    RenderPage();
    EXPECT_TRUE(Table().m_adviceBox->isVisible());
    EXPECT_FALSE(Table().m_discardButton->isVisible());
}
