// What a new change does to the steps that could be redone or undone. Undo
// and redo through a whole game are played through the window.
#include "BruteForce.h"
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

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
        ASSERT_TRUE(doc.SetPicked(Cards("Kh Kd 5c 8s 3h")) && doc.ConfirmCards() && doc.ToggleMark(1) && doc.Undo());
        ASSERT_TRUE(doc.CanRedo());
        changes[i].first(doc);
        EXPECT_FALSE(doc.CanRedo()) << i;
        EXPECT_EQ(doc.CanUndo(), changes[i].second) << i;
    }
}

}  // namespace
