// The seats around the table and the two ways to start over: New keeps the
// opponents, Change number of opponents seats a new number (only when
// confirmed) and starts a new game even with the same number.
#include "GameDriver.h"

#include <gtest/gtest.h>

#include <utility>

using namespace gamedriver;

namespace {

using TSeats = std::vector<std::pair<int, int>>;

TSeats Seats(const CPokerView& view)
{
    TSeats seats;
    for (const CGraphicObject& opponent : view.m_playingScene.m_opponents)
        seats.emplace_back(opponent.m_x, opponent.m_y);
    return seats;
}

bool AnyCardKnown(const CCardDistributionManager& manager)
{
    for (int card = 0; card < 52; ++card) {
        if (manager.m_anCardCounts[card / 13][card % 13] != 0)
            return true;
    }
    return false;
}

const std::vector<int> kHand = Cards({"Qs", "Qh", "5d", "5c", "Ac"});

TEST(OpponentSeats, EachNumberOfOpponentsSitsAtItsPlaces)
{
    CRunningGame game(0);
    const TSeats expected[] = {
        {{245, 15}},
        {{462, 108}, {17, 108}},
        {{524, 250}, {245, 15}, {10, 251}},
        {{492, 318}, {382, 33}, {79, 33}, {3, 318}},
        {{461, 364}, {462, 108}, {245, 15}, {17, 108}, {16, 364}},
    };
    for (int n = 1; n <= 5; ++n) {
        game.Doc().m_nOpponents = n;
        game.Doc().UpdateAllViews(1);
        EXPECT_EQ(Seats(game.View()), expected[n - 1]) << n << " opponents";
        EXPECT_EQ(game.View().m_nStage, 3);
    }
}

class StartingOver : public ::testing::Test {
protected:
    StartingOver() : m_game(2) { m_game.PlayInitialHand(kHand); }
    CRunningGame m_game;
};

TEST_F(StartingOver, NewGameKeepsTheOpponentsAndEmptiesTheHand)
{
    ASSERT_EQ(m_game.View().m_nStage, 4);
    m_game.Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_game.View().m_nStage, 3);
    EXPECT_EQ(m_game.Doc().m_nOpponents, 3);
    EXPECT_EQ(m_game.View().m_playingScene.m_opponentCount, 3u);
    EXPECT_FALSE(AnyCardKnown(m_game.Doc().m_manager));
    for (int card = 0; card < 52; ++card)
        EXPECT_TRUE(m_game.View().m_cardsScene.m_cards[card].m_visible) << CardText(card);
    for (const CGraphicObject& place : m_game.View().m_playingScene.m_hand)
        EXPECT_EQ(place.m_bitmapId, 142u);
    EXPECT_FALSE(m_game.View().m_resultsScene.m_oneOpponentList->isVisible());
    EXPECT_TRUE(m_game.View().m_cardsScene.m_okButton->isVisible());
}

TEST_F(StartingOver, NewGameAfterTheFinalHandPicksFiveCardsAgain)
{
    m_game.ClickHandPlace(4);
    m_game.PressDiscard();
    m_game.PlayInitialHand(Cards({"2d"}));
    ASSERT_EQ(m_game.View().m_nStage, 7);
    m_game.Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_game.View().m_nStage, 3);
    EXPECT_EQ(m_game.View().m_cardsScene.m_maxSelection, 5u);
    EXPECT_TRUE(m_game.View().m_cardsScene.m_initialPick);
    EXPECT_FALSE(m_game.View().m_bFinalHand);
    EXPECT_EQ(m_game.View().m_playingScene.m_captionId, 102);
}

TEST_F(StartingOver, ConfirmedChangeOfOpponentsSeatsThemInANewGame)
{
    AnswerOpponentsDialog(1);
    m_game.Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_game.Doc().m_nOpponents, 2);
    EXPECT_EQ(Seats(m_game.View()), (TSeats{{462, 108}, {17, 108}}));
    EXPECT_EQ(m_game.View().m_nStage, 3);
    EXPECT_FALSE(AnyCardKnown(m_game.Doc().m_manager));
}

TEST_F(StartingOver, ConfirmingTheSameNumberStillStartsANewGame)
{
    AnswerOpponentsDialog(2);
    m_game.Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_game.Doc().m_nOpponents, 3);
    EXPECT_EQ(m_game.View().m_nStage, 3);
    EXPECT_FALSE(AnyCardKnown(m_game.Doc().m_manager));
}

TEST_F(StartingOver, EscapeFromTheChangeLeavesTheGameAsItWas)
{
    m_game.ClickHandPlace(0);
    ASSERT_EQ(m_game.View().m_nStage, 5);
    EscapeDialog();
    m_game.Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_game.Doc().m_nOpponents, 3);
    EXPECT_EQ(m_game.View().m_nStage, 5);
    EXPECT_TRUE(AnyCardKnown(m_game.Doc().m_manager));
    EXPECT_TRUE(m_game.View().m_playingScene.m_hand[0].m_selected);
    EXPECT_TRUE(m_game.View().m_resultsScene.m_oneOpponentList->isVisible());
}

}  // namespace
