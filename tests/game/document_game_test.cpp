// A game played through the document ends with the figures of the cards the
// player holds: the thrown cards are gone from his hand and from every
// opponent's, as the plain enumeration counts them.
#include "BruteForce.h"
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <vector>

TEST(DocumentGame, FinalFiguresAreThoseOfTheCardsHeld)
{
    CPokerDoc doc;
    // 5c and 3h thrown: the hand shows Kd Kh 8s 5c 3h.
    ASSERT_TRUE(doc.SetPicked(Cards("Kh Kd 5c 8s 3h")) && doc.ConfirmCards() && doc.MarkPlaces(0b11000) &&
                doc.Discard() && doc.SetPicked(Cards("Ks 2d")) && doc.ConfirmCards());

    const TBruteForceCounts plain = CountOpponentHands(Cards("Kh Kd 5c 8s 3h Ks 2d"), Cards("2d Kd Ks Kh 8s"));
    const TShowdownCounts& counts = doc.GetResult().m_showdownCounts;
    EXPECT_EQ(static_cast<double>(counts.m_nHands), plain.m_dTotal);
    EXPECT_EQ(static_cast<double>(counts.m_nBeating), plain.m_dRulesAbove);
    EXPECT_EQ(static_cast<double>(counts.m_nTying), plain.m_dRulesLevel);
}

namespace {

std::vector<int> HandShown(const CPokerDoc& doc)
{
    std::vector<int> hand;
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        hand.push_back(doc.GetHandCard(place));
    return hand;
}

}  // namespace

// The hand shows as players hold it, whatever order it was picked in:
// groups first (the larger first), then highest rank first, the Ace high.
TEST(DocumentGame, ShowsTheHandAsPlayersHoldIt)
{
    const struct {
        const char* m_szPicked;
        const char* m_szShown;
    } kHands[] = {
        {"2c 8s Kd 4h Ks", "Kd Ks 8s 4h 2c"}, {"3c 3d Ah 9s 9c", "9c 9s 3c 3d Ah"},
        {"5h Ac 4d 2s 3c", "Ac 5h 4d 3c 2s"}, {"2c 2d 7h 2s 7c", "2c 2d 2s 7c 7h"},
        {"Td Jd Qd Kd 9d", "Kd Qd Jd Td 9d"},
    };
    for (const auto& hand : kHands) {
        CPokerDoc doc;
        ASSERT_TRUE(doc.SetPicked(Cards(hand.m_szPicked)) && doc.ConfirmCards());
        EXPECT_EQ(HandShown(doc), Cards(hand.m_szShown)) << hand.m_szPicked;
    }
}

// A new table keeps the cards at every stage with results, and its figures
// are those of a game dealt at that table; undo brings the old table back.
TEST(DocumentGame, ANewTableKeepsTheHandAndRecomputesItsFigures)
{
    const auto play = [](int opponents, bool final) {
        CPokerDoc doc(opponents);
        EXPECT_TRUE(doc.SetPicked(Cards("Kh Kd 5c 8s 3h")) && doc.ConfirmCards());
        if (final) {
            EXPECT_TRUE(doc.MarkPlaces(0b11000) && doc.Discard() && doc.SetPicked(Cards("Ks 2d")) &&
                        doc.ConfirmCards());
        }
        return doc;
    };
    for (const bool final : {false, true}) {
        CPokerDoc doc = play(2, final);
        const std::vector<int> hand = HandShown(doc);
        const EStage stage = doc.GetStage();
        doc.OnChangeOpponents(4);
        EXPECT_EQ(HandShown(doc), hand);
        EXPECT_EQ(doc.GetStage(), stage);
        const auto fresh = play(4, final).GetResult().m_arrAtLeastOne;
        const auto& now = doc.GetResult().m_arrAtLeastOne;
        ASSERT_EQ(now.size(), fresh.size());
        for (size_t row = 0; row < now.size(); ++row)
            EXPECT_EQ(now[row].m_dProbability, fresh[row].m_dProbability) << row;
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(doc.GetOpponents(), 2);
        EXPECT_EQ(HandShown(doc), hand);
    }
}
