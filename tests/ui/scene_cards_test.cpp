// The card picker: where the 52 cards lie, which card a point hits, how many
// may be selected, the OK button and the title of each pick.
#include "Bitmaps.h"
#include "Colours.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "SceneText.h"
#include "StringTable.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kColumnX[4] = {675, 748, 821, 894};
constexpr int kFirstSlotY = 30;

int CardIndex(int suit, int rank)
{
    return 13 * suit + rank;
}

class CardsSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        document.m_nOpponents = 2;
        view.resize(1100, 800);  // the whole page, no scrolling
        view.OnInitialUpdate();
        view.OnUpdate(1);
        view.show();
    }

    CCardsScene& Picker() { return view.m_cardsScene; }

    void Know(int index) { document.m_manager.m_anCardCounts[index / 13][index % 13] = 1; }

    // A point inside the strip of a card while its whole column is visible.
    static QPoint StripOf(int index) { return QPoint(kColumnX[index / 13] + 20, kFirstSlotY + 40 * (index % 13) + 10); }

    void ClickPage(const QPoint& page)
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, page - view.GetScrollPosition());
    }

    CGraphicObject* Card(int index) { return &Picker().m_cards[index]; }

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

QImage Title(unsigned stringId)
{
    QImage image(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
    image.fill(kFeltGreen);
    QPainter painter(&image);
    DrawSceneText(painter, QString::fromStdString(LoadString(stringId)), QRect(675, 0, 290, 30),
                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    return image;
}

bool SameTitleBand(const QImage& page, const QImage& title)
{
    return page.copy(675, 0, 290, 30) == title.copy(675, 0, 290, 30);
}

}  // namespace

// --- Layout ---------------------------------------------------------------

TEST_F(CardsSceneTest, CardsLieInFourColumnsWithSlotsFortyApart)
{
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            const CGraphicObject& card = *Card(CardIndex(suit, rank));
            EXPECT_EQ(card.m_x, kColumnX[suit]) << suit << "/" << rank;
            EXPECT_EQ(card.m_y, kFirstSlotY + 40 * rank) << suit << "/" << rank;
            EXPECT_EQ(card.m_width, 71);
            EXPECT_EQ(card.m_height, 96);
        }
    }
    EXPECT_EQ(Picker().m_rect, QRect(QPoint(675, 0), QPoint(964, 605)));
}

TEST_F(CardsSceneTest, EachCardCarriesItsOwnFace)
{
    EXPECT_EQ(Card(0)->m_bitmapId, 144u);   // ace of clubs
    EXPECT_EQ(Card(12)->m_bitmapId, 156u);  // king of clubs
    EXPECT_EQ(Card(13)->m_bitmapId, 157u);  // ace of diamonds
    EXPECT_EQ(Card(51)->m_bitmapId, 195u);  // king of spades
}

TEST_F(CardsSceneTest, KnownCardsAreHiddenAndTheirColumnClosesUp)
{
    Know(CardIndex(0, 0));
    Know(CardIndex(0, 5));
    Picker().Reset();
    EXPECT_FALSE(Card(CardIndex(0, 0))->m_visible);
    EXPECT_FALSE(Card(CardIndex(0, 5))->m_visible);
    EXPECT_EQ(Card(CardIndex(0, 1))->m_y, 30);
    EXPECT_EQ(Card(CardIndex(0, 4))->m_y, 150);
    EXPECT_EQ(Card(CardIndex(0, 6))->m_y, 190);
    EXPECT_EQ(Card(CardIndex(0, 12))->m_y, 430);
    EXPECT_EQ(Card(CardIndex(1, 0))->m_y, 30);  // other columns untouched
}

TEST_F(CardsSceneTest, AreaStaysTheSameWhateverIsHidden)
{
    for (int rank = 0; rank < 13; ++rank)
        Know(CardIndex(2, rank));
    Picker().Reset();
    Picker().Reset();
    EXPECT_EQ(Picker().m_rect, QRect(675, 0, 290, 606));
}

// --- Hit testing ------------------------------------------------------------

TEST_F(CardsSceneTest, EveryStripHitsItsOwnCard)
{
    for (int index = 0; index < 52; ++index)
        EXPECT_EQ(Picker().HitTest(StripOf(index).x(), StripOf(index).y()), Card(index)) << index;
}

TEST_F(CardsSceneTest, PointAboveTheFirstSlotHitsNothing)
{
    EXPECT_EQ(Picker().HitTest(700, 29), nullptr);
    EXPECT_EQ(Picker().HitTest(700, 30), Card(0));
}

TEST_F(CardsSceneTest, PointsInTheGapsBetweenColumnsHitNothing)
{
    for (int column = 0; column < 3; ++column) {
        const int gap = kColumnX[column] + 71;
        EXPECT_EQ(Picker().HitTest(gap - 1, 50), Card(CardIndex(column, 0)));
        EXPECT_EQ(Picker().HitTest(gap, 50), nullptr);
        EXPECT_EQ(Picker().HitTest(gap + 1, 50), nullptr);
        EXPECT_EQ(Picker().HitTest(gap + 2, 50), Card(CardIndex(column + 1, 0)));
    }
}

TEST_F(CardsSceneTest, LeftAndRightEdgesOfTheDeck)
{
    EXPECT_EQ(Picker().HitTest(674, 50), nullptr);
    EXPECT_EQ(Picker().HitTest(675, 50), Card(0));
    // One pixel past the last drawn column still belongs to the last column.
    EXPECT_EQ(Picker().HitTest(965, 50), Card(CardIndex(3, 0)));
    EXPECT_EQ(Picker().HitTest(966, 50), nullptr);
}

TEST_F(CardsSceneTest, LastCardIsHitOverItsFullHeight)
{
    EXPECT_EQ(Picker().HitTest(700, 510), Card(CardIndex(0, 12)));
    EXPECT_EQ(Picker().HitTest(700, 606), Card(CardIndex(0, 12)));  // bottom bound inclusive
    EXPECT_EQ(Picker().HitTest(700, 607), nullptr);
}

TEST_F(CardsSceneTest, ShortColumnsLastCardIsHitOverItsFullHeight)
{
    Know(CardIndex(1, 12));
    Know(CardIndex(1, 3));
    Picker().Reset();
    // Eleven visible diamonds: the last one (queen) lies at 30 + 400, 96 high.
    EXPECT_EQ(Picker().HitTest(760, 430), Card(CardIndex(1, 11)));
    EXPECT_EQ(Picker().HitTest(760, 526), Card(CardIndex(1, 11)));
    EXPECT_EQ(Picker().HitTest(760, 527), nullptr);
    EXPECT_EQ(Picker().HitTest(760, 150), Card(CardIndex(1, 4)));  // the column closed up
}

TEST_F(CardsSceneTest, EmptyColumnHitsNothing)
{
    for (int rank = 0; rank < 13; ++rank)
        Know(CardIndex(1, rank));
    Picker().Reset();
    for (int y = 30; y <= 606; y += 16)
        EXPECT_EQ(Picker().HitTest(760, y), nullptr) << y;
}

TEST_F(CardsSceneTest, ColumnOriginHoldsWhileTheFirstCardIsHidden)
{
    Know(CardIndex(0, 0));
    Picker().Reset();
    EXPECT_EQ(Picker().HitTest(675, 30), Card(CardIndex(0, 1)));
    EXPECT_EQ(Picker().HitTest(674, 30), nullptr);
}

// --- Selection ----------------------------------------------------------------

TEST_F(CardsSceneTest, OkIsEnabledExactlyAtTheFifthCardAndASixthIsIgnored)
{
    const int picks[] = {CardIndex(3, 12), CardIndex(0, 0), CardIndex(2, 7), CardIndex(1, 1), CardIndex(0, 9)};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(Picker().m_okButton->isEnabled()) << "after " << i << " cards";
        ClickPage(StripOf(picks[i]));
        EXPECT_TRUE(Card(picks[i])->m_selected);
    }
    EXPECT_TRUE(Picker().m_okButton->isEnabled());
    EXPECT_EQ(Picker().m_selectionCount, 5u);

    ClickPage(StripOf(CardIndex(1, 5)));
    EXPECT_FALSE(Card(CardIndex(1, 5))->m_selected);
    EXPECT_EQ(Picker().m_selectionCount, 5u);
    EXPECT_TRUE(Picker().m_okButton->isEnabled());
}

TEST_F(CardsSceneTest, DeselectingACardDisablesOk)
{
    for (int index : {0, 14, 28, 42, 51})
        ClickPage(StripOf(index));
    ASSERT_TRUE(Picker().m_okButton->isEnabled());
    ClickPage(StripOf(28));
    EXPECT_FALSE(Card(28)->m_selected);
    EXPECT_EQ(Picker().m_selectionCount, 4u);
    EXPECT_FALSE(Picker().m_okButton->isEnabled());
}

TEST_F(CardsSceneTest, ReplacementPickEnablesOkAtItsOwnCount)
{
    Picker().m_maxSelection = 2;
    Picker().m_initialPick = false;
    Picker().Reset();
    ClickPage(StripOf(3));
    EXPECT_FALSE(Picker().m_okButton->isEnabled());
    ClickPage(StripOf(20));
    EXPECT_TRUE(Picker().m_okButton->isEnabled());
    ClickPage(StripOf(40));
    EXPECT_FALSE(Card(40)->m_selected);
}

TEST_F(CardsSceneTest, ClickOutsideTheCardsIsNotTaken)
{
    EXPECT_FALSE(Picker().OnClick(747, 50, 0, 0));  // a gap
    EXPECT_FALSE(Picker().OnClick(300, 300, 0, 0));
    EXPECT_EQ(Picker().m_selectionCount, 0u);
}

TEST_F(CardsSceneTest, ClickAtTheLimitIsTakenButChangesNothing)
{
    Picker().m_maxSelection = 1;
    ASSERT_TRUE(Picker().OnClick(700, 50, 0, 0));
    EXPECT_TRUE(Picker().OnClick(760, 50, 0, 0));
    EXPECT_FALSE(Card(13)->m_selected);
    // Still found for the pointer, though a click would be ignored.
    EXPECT_EQ(Picker().HitTest(760, 50), Card(13));
}

TEST_F(CardsSceneTest, InactivePickerTakesNoClick)
{
    Picker().m_active = false;
    EXPECT_FALSE(Picker().OnClick(700, 50, 0, 0));
    EXPECT_FALSE(Card(0)->m_selected);
}

TEST_F(CardsSceneTest, ClickIsReadAtThePagePointUnderTheScrolledView)
{
    EXPECT_TRUE(Picker().OnClick(700 - 100, 250 - 40, 100, 40));
    EXPECT_TRUE(Card(CardIndex(0, 5))->m_selected);
}

TEST_F(CardsSceneTest, CommitMakesExactlyTheSelectedCardsKnown)
{
    Know(CardIndex(2, 2));
    Picker().Reset();
    for (int index : {0, 14, 51})
        ClickPage(StripOf(index));
    Picker().CommitSelection();
    int known = 0;
    for (int index = 0; index < 52; ++index)
        known += document.m_manager.m_anCardCounts[index / 13][index % 13];
    EXPECT_EQ(known, 4);
    EXPECT_EQ(document.m_manager.m_anCardCounts[0][0], 1);
    EXPECT_EQ(document.m_manager.m_anCardCounts[1][1], 1);
    EXPECT_EQ(document.m_manager.m_anCardCounts[3][12], 1);
    EXPECT_TRUE(Card(0)->m_selected);  // the selection itself stays
}

// --- Drawing --------------------------------------------------------------------

TEST_F(CardsSceneTest, OkButtonSitsUnderThePicker)
{
    RenderPage();
    EXPECT_EQ(Picker().m_okButton->geometry(), QRect(790, 626, 60, 22));
    EXPECT_TRUE(Picker().m_okButton->isVisible());
    EXPECT_EQ(Picker().m_okButton->text(), QStringLiteral("OK"));
}

TEST_F(CardsSceneTest, OkButtonMovesWithTheScrolledPage)
{
    view.resize(500, 400);
    QApplication::processEvents();
    view.horizontalScrollBar()->setValue(300);
    view.verticalScrollBar()->setValue(200);
    ASSERT_EQ(view.GetScrollPosition(), QPoint(300, 200));
    RenderPage();
    EXPECT_EQ(Picker().m_okButton->geometry(), QRect(490, 426, 60, 22));
    ClickPage(StripOf(CardIndex(2, 10)));
    EXPECT_TRUE(Card(CardIndex(2, 10))->m_selected);
}

TEST_F(CardsSceneTest, InactivePickerHidesItsButtonAndDrawsNothing)
{
    Picker().m_active = false;
    QImage page(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
    page.fill(kFeltGreen);
    QImage before = page;
    {
        QPainter painter(&page);
        Picker().Draw(painter, 0, 0);
    }
    EXPECT_EQ(page, before);
    EXPECT_FALSE(Picker().m_okButton->isVisible());
}

TEST_F(CardsSceneTest, TitleAsksForFiveCardsInTheInitialPick)
{
    EXPECT_TRUE(SameTitleBand(RenderPage(), Title(188)));
}

TEST_F(CardsSceneTest, TitleAsksForOneReplacement)
{
    Picker().m_initialPick = false;
    Picker().m_maxSelection = 1;
    EXPECT_TRUE(SameTitleBand(RenderPage(), Title(190)));
}

TEST_F(CardsSceneTest, TitleAsksForSeveralReplacements)
{
    Picker().m_initialPick = false;
    Picker().m_maxSelection = 3;
    EXPECT_TRUE(SameTitleBand(RenderPage(), Title(189)));
}

TEST_F(CardsSceneTest, SelectedCardIsDrawnAsTheNegativeOfItsPicture)
{
    ClickPage(StripOf(CardIndex(0, 12)));  // the king of clubs lies whole at the bottom
    const QImage page = RenderPage();
    const CGraphicObject& king = *Card(CardIndex(0, 12));
    QImage negative = LoadBitmap(king.m_bitmapId).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(negative.isNull());
    negative.invertPixels(QImage::InvertRgb);
    for (int y = 2; y < 94; ++y)
        for (int x = 2; x < 69; ++x)
            ASSERT_EQ(page.pixel(king.m_x + x, king.m_y + y), negative.pixel(x, y)) << x << ", " << y;
}

TEST_F(CardsSceneTest, KnownCardsAreNotDrawn)
{
    Know(CardIndex(3, 12));
    Picker().Reset();
    const QImage page = RenderPage();
    // The king of spades' own bottom part, below the queen now ending the column.
    for (int y = 30 + 40 * 11 + 96 + 1; y < 606; ++y)
        EXPECT_EQ(page.pixel(900, y), kFeltGreen.rgb()) << y;
}
