// A whole game through the real window: the five dealt cards picked with
// clicks, OK, cards marked in the hand, Discard, the replacements picked, OK.
// Each step checks the stage, the controls a player sees and what they show
// against the engine run apart from the view.
#include "GameDriver.h"

#include "CardDistributionManager.h"
#include "ScrollableStatic.h"

#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace gamedriver;

namespace {

// A pair of fours with Five, Six, Seven: one pair and an open-ended straight.
// Shown in card-index order: 6c 7c 5d 4h 4s.
const char* const kDealt[] = {"4s", "4h", "5d", "6c", "7c"};
// The first and fourth places (6c and 4h) are thrown away and 8s and 3d drawn.
const int kThrownPlaces[] = {0, 3};
const char* const kDrawn[] = {"8s", "3d"};
constexpr int kOpponentsIndex = 2;  // three opponents

std::vector<int> Dealt()
{
    return Cards({kDealt[0], kDealt[1], kDealt[2], kDealt[3], kDealt[4]});
}

std::vector<unsigned> HandBitmaps(CPokerView& view)
{
    std::vector<unsigned> ids;
    for (const CGraphicObject& place : view.m_playingScene.m_hand)
        ids.push_back(place.m_bitmapId);
    return ids;
}

std::vector<unsigned> Faces(std::initializer_list<const char*> cards)
{
    std::vector<unsigned> ids;
    for (const char* card : cards)
        ids.push_back(card[0] == '-' ? 142u : 144u + static_cast<unsigned>(Card(card)));
    return ids;
}

class GameFlow : public ::testing::Test {
protected:
    GameFlow() : m_game(kOpponentsIndex) {}

    CPokerView& View() { return m_game.View(); }
    CCardsScene& Picker() { return View().m_cardsScene; }
    CPlayingScene& Table() { return View().m_playingScene; }
    CResultsScene& Results() { return View().m_resultsScene; }

    void PlayToInitialHand() { m_game.PlayInitialHand(Dealt()); }

    void PlayToReplacements()
    {
        PlayToInitialHand();
        for (int place : kThrownPlaces)
            m_game.ClickHandPlace(place);
        m_game.PressDiscard();
    }

    void PlayToFinalHand()
    {
        PlayToReplacements();
        m_game.PlayInitialHand(Cards({kDrawn[0], kDrawn[1]}));
    }

    CRunningGame m_game;
};

TEST_F(GameFlow, StartsInStageThreeWithOnlyThePickerOffered)
{
    ASSERT_TRUE(m_game.Started());
    EXPECT_EQ(View().m_nStage, 3);
    EXPECT_TRUE(Picker().m_active);
    EXPECT_TRUE(Picker().m_initialPick);
    EXPECT_EQ(Picker().m_maxSelection, 5u);
    EXPECT_TRUE(Picker().m_okButton->isVisible());
    EXPECT_FALSE(Picker().m_okButton->isEnabled());
    EXPECT_FALSE(Table().m_discardButton->isVisible());
    EXPECT_FALSE(Table().m_adviceBox->isVisible());
    EXPECT_FALSE(Results().m_oneOpponentList->isVisible());
    EXPECT_FALSE(Results().m_atLeastOneList->isVisible());
    EXPECT_FALSE(Results().m_suggestionsBox->isVisible());
    EXPECT_EQ(HandBitmaps(View()), Faces({"-", "-", "-", "-", "-"}));
}

TEST_F(GameFlow, OkIsOfferedExactlyWhenFiveCardsArePicked)
{
    const std::vector<int> dealt = Dealt();
    for (int i = 0; i < 4; ++i) {
        m_game.PickCard(dealt[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(Picker().m_okButton->isEnabled()) << "after " << i + 1 << " cards";
    }
    m_game.PickCard(dealt[4]);
    EXPECT_TRUE(Picker().m_okButton->isEnabled());

    m_game.PickCard(Card("Ks"));  // a sixth card is refused
    EXPECT_EQ(Picker().m_selectionCount, 5u);
    EXPECT_TRUE(Picker().m_okButton->isEnabled());

    m_game.PickCard(dealt[0]);  // changing one's mind
    EXPECT_FALSE(Picker().m_okButton->isEnabled());
    EXPECT_EQ(View().m_nStage, 3);
}

TEST_F(GameFlow, ClickingTheHandBeforeItIsConfirmedChangesNothing)
{
    m_game.ClickHandPlace(2);
    EXPECT_EQ(View().m_nStage, 3);
    EXPECT_FALSE(Table().m_hand[2].m_selected);
}

TEST_F(GameFlow, ConfirmedHandIsShownInCardIndexOrderWithAllResults)
{
    PlayToInitialHand();
    EXPECT_EQ(View().m_nStage, 4);
    EXPECT_EQ(HandBitmaps(View()), Faces({"6c", "7c", "5d", "4h", "4s"}));
    EXPECT_FALSE(Picker().m_active);
    EXPECT_FALSE(Picker().m_okButton->isVisible());
    EXPECT_TRUE(Table().m_discardButton->isVisible());
    EXPECT_FALSE(Table().m_discardButton->isEnabled());
    EXPECT_TRUE(Table().m_adviceBox->isVisible());
    EXPECT_TRUE(Results().m_oneOpponentList->isVisible());
    EXPECT_TRUE(Results().m_atLeastOneList->isVisible());
    EXPECT_TRUE(Results().m_suggestionsBox->isVisible());
}

TEST_F(GameFlow, InitialTablesAreTheEnginesForTheHandAndTheOpponents)
{
    PlayToInitialHand();
    const TExpectedResults expected = ExpectedResults(Dealt(), {}, kOpponentsIndex + 1, true);
    ASSERT_FALSE(expected.m_oneOpponent.empty());
    EXPECT_EQ(ListLines(Results().m_oneOpponentList), RowLines(expected.m_oneOpponent));
    EXPECT_EQ(ListLines(Results().m_atLeastOneList), RowLines(expected.m_atLeastOne));
}

TEST_F(GameFlow, InitialHandIsDescribedAndAdvised)
{
    PlayToInitialHand();
    EXPECT_EQ(Table().m_adviceBox->toPlainText().toStdString(),
              "You hold one pair and an open-ended straight.\n"
              "If you want to discard, please select the cards to replace.");
    const TExpectedResults expected = ExpectedResults(Dealt(), {}, kOpponentsIndex + 1, true);
    EXPECT_EQ(Results().m_suggestionsBox->toPlainText().toStdString(), AsShown(expected.m_advice));
    EXPECT_NE(expected.m_advice.find("The probability of succeeding is  17.021% (4.88 : 1 odds)."),
              std::string::npos);
}

TEST_F(GameFlow, MarkingAndUnmarkingHandCardsMovesBetweenStagesFourAndFive)
{
    PlayToInitialHand();
    m_game.ClickHandPlace(1);
    EXPECT_EQ(View().m_nStage, 5);
    EXPECT_TRUE(Table().m_discardButton->isEnabled());
    m_game.ClickHandPlace(4);
    EXPECT_EQ(View().m_nStage, 5);
    m_game.ClickHandPlace(1);
    EXPECT_EQ(View().m_nStage, 5);
    m_game.ClickHandPlace(4);
    EXPECT_EQ(View().m_nStage, 4);
    EXPECT_FALSE(Table().m_discardButton->isEnabled());
}

TEST_F(GameFlow, MarkingCardsLeavesTheEngineUntouchedUntilDiscard)
{
    PlayToInitialHand();
    m_game.ClickHandPlace(0);
    const CCardDistributionManager& manager = m_game.Doc().m_manager;
    for (int card = 0; card < 52; ++card)
        EXPECT_FALSE(manager.m_abDiscarded[card / 13][card % 13]) << CardText(card);
}

TEST_F(GameFlow, DiscardTurnsTheMarkedPlacesDownAndAsksForAsManyReplacements)
{
    PlayToReplacements();
    EXPECT_EQ(View().m_nStage, 6);
    EXPECT_EQ(HandBitmaps(View()), Faces({"-", "7c", "5d", "-", "4s"}));
    const CCardDistributionManager& manager = m_game.Doc().m_manager;
    EXPECT_TRUE(manager.m_abDiscarded[0][5]);   // 6c
    EXPECT_TRUE(manager.m_abDiscarded[2][3]);   // 4h
    EXPECT_FALSE(manager.m_abDiscarded[3][3]);  // 4s kept

    EXPECT_TRUE(Picker().m_active);
    EXPECT_FALSE(Picker().m_initialPick);  // the title asks for replacements
    EXPECT_EQ(Picker().m_maxSelection, 2u);
    EXPECT_TRUE(Picker().m_okButton->isVisible());
    EXPECT_FALSE(Picker().m_okButton->isEnabled());
    EXPECT_FALSE(Table().m_discardButton->isVisible());
    EXPECT_FALSE(Table().m_adviceBox->isVisible());
    EXPECT_FALSE(Results().m_oneOpponentList->isVisible());
    EXPECT_FALSE(Results().m_atLeastOneList->isVisible());
    EXPECT_FALSE(Results().m_suggestionsBox->isVisible());
}

TEST_F(GameFlow, EveryCardSeenThisGameIsLeftOutOfTheReplacementPick)
{
    PlayToReplacements();
    for (int card : Dealt())
        EXPECT_FALSE(Picker().m_cards[card].m_visible) << CardText(card);
    EXPECT_TRUE(Picker().m_cards[Card("3d")].m_visible);
}

TEST_F(GameFlow, ReplacementsFillTheEmptiedPlacesAndKeptCardsStay)
{
    PlayToFinalHand();
    EXPECT_EQ(View().m_nStage, 7);
    // The lower new card index goes to the first emptied place.
    EXPECT_EQ(HandBitmaps(View()), Faces({"3d", "7c", "5d", "8s", "4s"}));
    EXPECT_EQ(Table().m_captionId, 106);
}

TEST_F(GameFlow, FinalResultsShowTheTablesAndDescriptionWithoutSuggestions)
{
    PlayToFinalHand();
    std::vector<int> known = Dealt();
    for (int card : Cards({kDrawn[0], kDrawn[1]}))
        known.push_back(card);
    const TExpectedResults expected = ExpectedResults(known, Cards({"6c", "4h"}), kOpponentsIndex + 1, false);
    EXPECT_TRUE(Results().m_oneOpponentList->isVisible());
    EXPECT_TRUE(Results().m_atLeastOneList->isVisible());
    EXPECT_FALSE(Results().m_suggestionsBox->isVisible());
    EXPECT_EQ(ListLines(Results().m_oneOpponentList), RowLines(expected.m_oneOpponent));
    EXPECT_EQ(ListLines(Results().m_atLeastOneList), RowLines(expected.m_atLeastOne));
    EXPECT_TRUE(Table().m_adviceBox->isVisible());
    EXPECT_EQ(Table().m_adviceBox->toPlainText().toStdString(), "You hold no valuable formation.");
    EXPECT_FALSE(Picker().m_okButton->isVisible());
    EXPECT_FALSE(Table().m_discardButton->isVisible());
}

TEST_F(GameFlow, TablesNeverShowASelectedOrFocusedRow)
{
    PlayToInitialHand();
    for (QTreeWidget* list : {Results().m_oneOpponentList, Results().m_atLeastOneList}) {
        ASSERT_GT(list->topLevelItemCount(), 1);
        for (int row : {0, 1, list->topLevelItemCount() - 1}) {
            const QRect cell = list->visualItemRect(list->topLevelItem(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
        }
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_TRUE(list->selectedItems().isEmpty()) << list->objectName().toStdString();
        EXPECT_FALSE(list->hasFocus()) << list->objectName().toStdString();
    }
    EXPECT_EQ(View().m_nStage, 4);
}

TEST_F(GameFlow, KeepingAllFiveCardsRestsInStageFour)
{
    PlayToInitialHand();
    m_game.ClickPage(800, 300);  // the results area, no card there
    m_game.ClickPage(50, 650);   // under the hand
    EXPECT_EQ(View().m_nStage, 4);
    EXPECT_FALSE(Table().m_discardButton->isEnabled());
}

// Not a check: the pictures a person looks at to see each stage.
TEST_F(GameFlow, ScreenshotOfEachStage)
{
    m_game.SaveScreenshot("stage3_pick_hand");
    PlayToInitialHand();
    m_game.SaveScreenshot("stage4_initial_hand");
    for (int place : kThrownPlaces)
        m_game.ClickHandPlace(place);
    m_game.SaveScreenshot("stage5_marked");
    m_game.PressDiscard();
    m_game.PickCard(Card(kDrawn[0]));
    m_game.SaveScreenshot("stage6_pick_replacements");
    m_game.PickCard(Card(kDrawn[1]));
    m_game.PressOk();
    m_game.SaveScreenshot("stage7_final_hand");
    EXPECT_EQ(View().m_nStage, 7);
}

}  // namespace
