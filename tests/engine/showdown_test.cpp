// Showdown by the full rules against opponents standing pat: the counts
// against a plain enumeration of every opponent hand, and the odds against n
// opponents against the same rule applied to every group of n hands.

#include "Showdown.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

struct TShowdownInput {
    std::vector<int> m_arrHand;
    std::vector<int> m_arrKnown;  // the hand and every other card seen
};

TShowdownCounts Count(const TShowdownInput& input)
{
    bool known[52] = {};
    for (int c : input.m_arrKnown)
        known[c] = true;
    TShowdownCounts counts;
    EXPECT_TRUE(CountShowdown(input.m_arrHand.data(), known, counts));
    return counts;
}

void ExpectAgreesWithEnumeration(const TShowdownInput& input)
{
    const TShowdownCounts counts = Count(input);
    const TBruteForceCounts plain = CountOpponentHands(input.m_arrKnown, input.m_arrHand);
    EXPECT_EQ(counts.m_nHands, plain.m_dTotal);
    EXPECT_EQ(counts.m_nBeating, plain.m_dRulesAbove);
    EXPECT_EQ(counts.m_nTying, plain.m_dRulesLevel);
    EXPECT_EQ(counts.m_nLosing, plain.m_dRulesBelow);
}

TShowdownInput Input(const std::string& hand, const std::string& alsoSeen = "")
{
    TShowdownInput input{Cards(hand), Cards(hand)};
    for (int c : Cards(alsoSeen))
        input.m_arrKnown.push_back(c);
    return input;
}

} // namespace

// ---- Counts against the plain enumeration ----

// Neighbours differ in one deciding card only; then initial deals and final
// hands of random discards and replacements. The enumeration is built
// without sanitizers, so the whole table runs in every build.
TEST(ShowdownCounts, EdgeKickersOfEveryFormationAndRandomHandsMatchTheEnumeration)
{
    std::vector<TShowdownInput> inputs;
    for (const char* hand : {"7c 5d 4h 3s 2c", "Ah Jd 8c 5s 3h", "Kh Jd 8c 5s 3h", "9c 9d Ah 7s 4c", "9c 9d Kh 7s 4c",
                             "9c 9d Ah 7s 3c", "Qc Qd 5h 5s Ac", "Qc Qd 5h 5s 2c", "8c 8d 8h Ks 2c", "8c 8d 8h Ks 3c",
                             "Ac 2d 3h 4s 5c", "2d 3h 4s 5c 6d", "Tc Jd Qh Ks Ac", "Kh Jh 9h 6h 3h", "Kh Jh 9h 6h 2h",
                             "3c 3d 3h Qs Qc", "3c 3d 3h 2s 2c", "9c 9d 9h 9s 2c", "9c 9d 9h 9s Ac", "Ad 2d 3d 4d 5d",
                             "Ts Js Qs Ks As"})
        inputs.push_back(Input(hand));
    // Both other Kings and three Aces seen elsewhere.
    inputs.push_back(Input("Kc Kd 7h 4s 2c", "Kh Ks Ac Ad Ah 7c"));
    std::mt19937 random(7);
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    for (int i = 0; i < (Sanitized() ? 2 : 8); ++i) {
        std::shuffle(deck.begin(), deck.end(), random);
        // The last five stand in for the discards of the odd deals.
        TShowdownInput input{{deck.begin(), deck.begin() + 5}, {deck.begin(), deck.begin() + 5}};
        for (int slot = 0; i % 2 == 1 && slot < 5; ++slot)
            if (random() % 2) {
                input.m_arrHand[static_cast<size_t>(slot)] = deck[static_cast<size_t>(47 + slot)];
                input.m_arrKnown.push_back(deck[static_cast<size_t>(47 + slot)]);
            }
        inputs.push_back(input);
    }
    // Fewer than five unseen cards: no hands at all.
    inputs.push_back({{deck.begin(), deck.begin() + 5}, {deck.begin(), deck.begin() + 48}});
    for (const TShowdownInput& input : inputs) {
        SCOPED_TRACE(testing::PrintToString(input.m_arrKnown));
        ExpectAgreesWithEnumeration(input);
    }
    // No known cards means only the hand is seen.
    TShowdownCounts fromNull;
    ASSERT_TRUE(CountShowdown(inputs[1].m_arrHand.data(), nullptr, fromNull));
    EXPECT_EQ(fromNull.m_nTying, Count(inputs[1]).m_nTying);
}

// ---- Odds against n opponents ----

TEST(ShowdownOdds, EveryGroupOfOpponentHandsOfASmallDeckAgrees)
{
    // Nine made-up hands: the first B beat the player, the next T tie.
    const TShowdownCounts splits[] = {{9, 3, 2, 4}, {9, 0, 0, 9}, {9, 0, 9, 0}, {9, 9, 0, 0}, {9, 1, 5, 3}};
    for (const TShowdownCounts& split : splits)
        for (int n = 1; n <= kMaxShowdownOpponents; ++n) {
            SCOPED_TRACE(testing::Message() << "B " << split.m_nBeating << " T " << split.m_nTying << " n " << n);
            double groups = 0, lose = 0, win = 0, tie = 0, share = 0;
            for (unsigned group = 0; group < 512; ++group) {
                int size = 0, above = 0, equal = 0;
                for (unsigned h = 0; h < 9; ++h)
                    if (group >> h & 1u) {
                        ++size;
                        above += h < split.m_nBeating;
                        equal += h >= split.m_nBeating && h < split.m_nBeating + split.m_nTying;
                    }
                if (size != n)
                    continue;
                groups += 1;
                lose += above > 0;
                win += above == 0 && equal == 0;
                tie += above == 0 && equal > 0;
                share += above == 0 ? 1.0 / (equal + 1) : 0.0;
            }
            const TShowdownOdds odds = ShowdownOdds(split, n);
            EXPECT_NEAR(odds.m_dLose, lose / groups, 1e-15);
            EXPECT_NEAR(odds.m_dWin, win / groups, 1e-15);
            EXPECT_NEAR(odds.m_dTie, tie / groups, 1e-15);
            EXPECT_NEAR(odds.m_dPotShare, share / groups, 1e-15);
        }
}

TEST(ShowdownOdds, ImpossibleRequestsGiveNoOdds)
{
    const TShowdownCounts real = Count(Input("9c 9d Ah 7s 4c"));
    const struct {
        TShowdownCounts m_counts;
        int m_nOpponents;
    } cases[] = {{real, 0}, {real, kMaxShowdownOpponents + 1}, {real, -1},
                 {{10, 5, 5, 5}, 1},                // parts beyond the whole
                 {{3, 1, 1, 1}, 4},                 // more opponents than hands
                 {{0, 0, 0, 0}, 1},                 // no hands at all
                 {{~0ull, 0, 0, ~0ull}, 1},         // more hands than a deck holds
                 {{10, ~0ull, 1, 10}, 1}};          // parts that wrap around
    for (const auto& c : cases) {
        const TShowdownOdds odds = ShowdownOdds(c.m_counts, c.m_nOpponents);
        EXPECT_EQ(odds.m_dWin + odds.m_dTie + odds.m_dLose + odds.m_dPotShare, 0.0)
            << c.m_counts.m_nHands << " hands, " << c.m_nOpponents << " opponents";
    }
}
