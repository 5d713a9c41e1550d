// What each opponent was seen to draw: a step of the history like the
// others, taken only after the discard, forgotten by a new game.
#include "BruteForce.h"
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A hand played to the discard, the marked places thrown.
CPokerDoc Discarded(const char* dealt, unsigned marks, int opponents)
{
    CPokerDoc doc;
    doc.OnChangeOpponents(opponents);
    EXPECT_TRUE(doc.SetPicked(Cards(dealt)) && doc.ConfirmCards() && doc.MarkPlaces(marks) && doc.Discard());
    return doc;
}

std::vector<int> SeenDraws(const CPokerDoc& doc)
{
    std::vector<int> drew;
    for (int seat = 0; seat < doc.GetOpponents(); ++seat)
        drew.push_back(doc.GetSeenDraw(seat));
    return drew;
}

// Seen draws are steps like the others: each undoes and redoes whole, with
// the stage it was set at, and the equity run of the final hand carries them.
TEST(DocumentSeenDraws, AreStepsAndReachTheFinalRun)
{
    CPokerDoc doc = Discarded("Kh Kd 5c 8s 3h", 0b00101, 3);
    ASSERT_TRUE(doc.SetSeenDraw(1, 3));
    ASSERT_TRUE(doc.SetPicked(Cards("Ks 2d")) && doc.ConfirmCards());
    ASSERT_TRUE(doc.SetSeenDraw(0, 1));
    ASSERT_TRUE(doc.CycleSeenDraw(2));
    const std::vector<std::vector<int>> steps = {{-1, -1, -1}, {-1, 3, -1}, {-1, 3, -1}, {1, 3, -1}, {1, 3, 0}};
    EXPECT_EQ(SeenDraws(doc), steps.back());
    const TTableSetup setup = doc.GetEquitySetup(false, ETableModel::UsualPlay, 1000, 7);
    EXPECT_EQ(CheckTableSetup(setup), ETableError::None);
    EXPECT_EQ(std::vector<int>(setup.m_anDrew, setup.m_anDrew + 3), steps.back());

    for (size_t i = steps.size() - 1; i-- > 0;) {
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(SeenDraws(doc), steps[i]) << "undone to " << i;
    }
    EXPECT_EQ(doc.GetStage(), EStage::PickReplacements);
    for (size_t i = 1; i < steps.size(); ++i) {
        ASSERT_TRUE(doc.Redo());
        EXPECT_EQ(SeenDraws(doc), steps[i]) << "redone to " << i;
    }
    EXPECT_EQ(doc.GetStage(), EStage::FinalHand);
}

// What takes a seen draw, and what forgets them all. Once the replacements
// are in, every ace and king is seen, so no opponent can hold the high card
// the usual play draws four to: the count is taken, and the run refuses it.
TEST(DocumentSeenDraws, TakenOnlyAfterTheDiscardAndForgottenByANewGame)
{
    struct TCase {
        const char* m_pName;
        std::function<bool(CPokerDoc&)> m_change;
        bool m_bTaken;
        std::vector<int> m_arrAfter;
        ETableError m_eRun;
    };
    const auto replace = [](CPokerDoc& doc) { return doc.SetPicked(Cards("Kd Kh Ks 2c 3c")) && doc.ConfirmCards(); };
    const TCase cases[] = {
        {"before the discard", [](CPokerDoc& doc) { return doc.Undo() && doc.SetSeenDraw(0, 2); }, false, {-1, -1},
         ETableError::None},
        {"seat past the table", [](CPokerDoc& doc) { return doc.SetSeenDraw(2, 2); }, false, {-1, -1},
         ETableError::BadHand},
        {"count past five", [](CPokerDoc& doc) { return doc.SetSeenDraw(0, 6); }, false, {-1, -1},
         ETableError::BadHand},
        {"the cycle wraps to unseen",
         [&](CPokerDoc& doc) { return doc.SetSeenDraw(0, 5) && doc.CycleSeenDraw(0) && replace(doc); }, true, {-1, -1},
         ETableError::None},
        {"five, then the hand", [&](CPokerDoc& doc) { return doc.SetSeenDraw(1, 5) && replace(doc); }, true, {-1, 5},
         ETableError::None},
        {"four, every high card seen", [&](CPokerDoc& doc) { return replace(doc) && doc.SetSeenDraw(1, 4); }, true,
         {-1, 4}, ETableError::ImpossibleDrew},
        {"new game", [](CPokerDoc& doc) { return doc.SetSeenDraw(0, 1) && doc.OnNewDocument(); }, true, {-1, -1},
         ETableError::BadHand},
        {"a smaller table keeps the seats it still has",
         [](CPokerDoc& doc) {
             doc.SetSeenDraw(0, 1);
             doc.SetSeenDraw(1, 2);
             doc.OnChangeOpponents(1);
             return true;
         },
         true, {1}, ETableError::BadHand},
    };
    for (const TCase& c : cases) {
        CPokerDoc doc = Discarded("Ac Ad Ah As Kc", 0b11111, 2);
        EXPECT_EQ(c.m_change(doc), c.m_bTaken) << c.m_pName;
        EXPECT_EQ(SeenDraws(doc), c.m_arrAfter) << c.m_pName;
        EXPECT_EQ(CheckTableSetup(doc.GetEquitySetup(false, ETableModel::UsualPlay, 1000, 1)), c.m_eRun) << c.m_pName;
    }
}

}  // namespace
