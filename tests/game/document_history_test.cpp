// Undo and redo walk a whole game back and forth, and every state they bring
// back is the one the player saw, figures included.
#include "BruteForce.h"
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// All a player can see of the document: stage, picks, offered cards, the
// hand and its marks, both tables' figures, the description and advice.
using TSeen = std::tuple<EStage, std::vector<int>, std::vector<int>, std::vector<int>, std::vector<double>, std::string>;

TSeen Seen(const CPokerDoc& doc)
{
    std::vector<int> offered;
    std::vector<int> hand;
    for (int card = 0; card < 52; ++card)
        if (doc.IsOffered(card))
            offered.push_back(card);
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        hand.insert(hand.end(), {doc.GetHandCard(place), doc.IsMarked(place)});
    std::vector<double> figures;
    const TConfirmedHand& result = doc.GetResult();
    for (const auto* rows : {&result.m_arrOneOpponent, &result.m_arrAtLeastOne})
        for (const auto& row : *rows)
            figures.insert(figures.end(), {double(row.m_nFormationNameId), row.m_dProbability, row.m_dOdds});
    return {doc.GetStage(), doc.GetPicked(), offered, hand, figures, result.m_strDescription + result.m_strAdvice};
}

void Pick(CPokerDoc& doc, const char* cards)
{
    for (const int card : Cards(cards))
        ASSERT_TRUE(doc.TogglePick(card));
}

TEST(DocumentHistory, UndoAndRedoRetraceTheWholeGame)
{
    CPokerDoc doc;
    doc.OnChangeOpponents(3);
    int notified = 0;
    doc.SetListener([&](EUpdateHint hint) { notified += hint == EUpdateHint::Restored; });
    Pick(doc, "Kh Kd 5c 8s 3h");
    const std::vector<std::function<bool()>> steps = {
        [&] { return doc.ConfirmCards(); },
        [&] { return doc.ToggleMark(0); },
        [&] { return doc.ToggleMark(4); },
        [&] { return doc.ToggleMark(3); },
        [&] { return doc.ToggleMark(4); },
        [&] { return doc.Discard() && (Pick(doc, "Ks 2d"), true); },  // picks are not steps
        [&] { return doc.ConfirmCards(); },
    };
    std::vector<TSeen> seen = {Seen(doc)};
    for (const auto& step : steps) {
        ASSERT_TRUE(step());
        seen.push_back(Seen(doc));
    }
    ASSERT_EQ(doc.GetStage(), EStage::FinalHand);
    EXPECT_FALSE(doc.CanRedo());

    for (size_t i = seen.size() - 1; i-- > 0;) {
        ASSERT_TRUE(doc.Undo());
        EXPECT_TRUE(Seen(doc) == seen[i]) << "undone to step " << i;
    }
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.Undo());
    for (size_t i = 1; i < seen.size(); ++i) {
        ASSERT_TRUE(doc.Redo());
        EXPECT_TRUE(Seen(doc) == seen[i]) << "redone to step " << i;
    }
    EXPECT_FALSE(doc.Redo());
    EXPECT_EQ(notified, 2 * static_cast<int>(steps.size()));
}

TEST(DocumentHistory, NewChangesForgetWhatCouldBeRedone)
{
    // Each change, and whether the steps before it can still be undone.
    const std::vector<std::pair<std::function<void(CPokerDoc&)>, bool>> changes = {
        {[](CPokerDoc& doc) { doc.ToggleMark(4); }, true},
        {[](CPokerDoc& doc) { doc.Undo(); doc.TogglePick(Cards("Kh")[0]); }, false},
        {[](CPokerDoc& doc) { doc.OnNewDocument(); }, false},
        {[](CPokerDoc& doc) { doc.OnChangeOpponents(2); }, false},
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        CPokerDoc doc;
        Pick(doc, "Kh Kd 5c 8s 3h");
        ASSERT_TRUE(doc.ConfirmCards() && doc.ToggleMark(1) && doc.Undo());
        ASSERT_TRUE(doc.CanRedo());
        changes[i].first(doc);
        EXPECT_FALSE(doc.CanRedo()) << i;
        EXPECT_EQ(doc.CanUndo(), changes[i].second) << i;
    }
}

}  // namespace
