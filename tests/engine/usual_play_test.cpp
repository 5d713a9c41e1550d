// The usual play of an opponent against the tests' own, written apart from
// it (PlainUsualKeep): the cards kept from every hand of the deck.

#include "PlainTable.h"
#include "TestSupport.h"
#include "UsualPlay.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

TEST(UsualPlay, KeepsWhatThePlainRulesKeepFromEveryHand)
{
    std::vector<int> deck(Sanitized() ? 30 : 52);
    std::iota(deck.begin(), deck.end(), 0);
    int disagreements = 0;
    ForEachFiveOf(deck, [&](const int* hand) {
        const unsigned expected = PlainUsualKeep(hand);
        if ((UsualPlayKeepMask(hand) != expected ||
             UsualPlayDrawCount(hand) != 5 - __builtin_popcount(expected)) &&
            ++disagreements <= 5)
            ADD_FAILURE() << hand[0] << " " << hand[1] << " " << hand[2] << " " << hand[3] << " " << hand[4]
                          << " keeps " << UsualPlayKeepMask(hand) << ", expected " << expected;
    });
    EXPECT_EQ(disagreements, 0);
}

} // namespace
