// The figures the table run counts instead of simulating: one opponent
// standing pat is the showdown count itself, or the count over his range;
// two standing pat are counted over disjoint pairs, and the figures follow
// from those counts.

#include "PatShowdown.h"
#include "PlainTable.h"
#include "Showdown.h"
#include "TableSimulation.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TTableSetup StandPat(const std::string& hand, const std::string& seen, int opponents, bool final,
                     const char* range = "?")
{
    TTableSetup setup = TableSetupOf(hand, opponents, {}, seen, {range});
    setup.m_eModel = ETableModel::StandPat;
    setup.m_bFinal = final;
    setup.m_nTrials = 4096;
    return setup;
}

const THoldEquity& KeepAll(const TTableResult& result)
{
    return result.m_arrHolds.back();
}

// Against one opponent standing pat, any hand or a range: every hand of his
// range among the unseen cards, one by one, by the plain ranking. Initial
// deals and final hands, from nothing to a flush.
TEST(TableExact, OneOpponentStandingPatCountsEveryHandOfHisRange)
{
    const struct {
        const char* m_szHand;
        const char* m_szSeen;
        const char* m_szRange;
    } cases[] = {
        {"Kd Ks 8s 4h 2c", "", "?"}, {"7c 5d 4h 3s 2c", "", "?"}, {"Ah Kh Qh Jh 9h", "3c 4c", "?"},
        {"Tc Td Ts 2h 2d", "Ac", "?"}, {"Kd Ks 8s 4h 2c", "", "JJ+"}, {"7c 5d 4h 3s 2c", "", "77-TT/4F/OE"},
        {"Ah Kh Qh Jh 9h", "3c 4c", "2P"}, {"Tc Td Ts 2h 2d", "Ac", "AA"},
    };
    for (const auto& c : cases)
        for (bool final : {false, true}) {
            const std::string what = std::string(c.m_szHand) + " " + c.m_szRange + (final ? " final" : "");
            const TTableSetup setup = StandPat(c.m_szHand, c.m_szSeen, 1, final, c.m_szRange);
            const TTableResult result = SimulateTable(setup);
            ASSERT_FALSE(result.m_arrHolds.empty()) << what;
            const auto player = ClassifyPlain(setup.m_anHand).m_anRanking;
            double hands = 0, below = 0, level = 0;
            ForEachFiveOf(UnseenAt(setup), [&](const int* h) {
                if (!setup.m_aRanges[0].Contains(h))
                    return;
                const auto theirs = ClassifyPlain(h).m_anRanking;
                hands += 1;
                below += theirs < player;
                level += theirs == player;
            });
            const THoldEquity& all = KeepAll(result);
            EXPECT_TRUE(all.m_bExact) << what;
            EXPECT_DOUBLE_EQ(all.m_dWin, below / hands) << what;
            EXPECT_DOUBLE_EQ(all.m_dTie, level / hands) << what;
            EXPECT_NEAR(all.m_dLose, 1 - (below + level) / hands, 1e-12) << what;
            EXPECT_DOUBLE_EQ(all.m_dPotShare, (below + level / 2) / hands) << what;
            EXPECT_EQ(result.m_nTrials, final ? 0u : setup.m_nTrials) << what;
        }
}


// Every ordered pair of disjoint hands of a small deck, one by one, by the
// plain ranking.
TPairShowdownCounts PlainPairCounts(const std::vector<int>& hand, const std::vector<int>& unseen)
{
    auto strength = [](const int cards[5]) { return ClassifyPlain(cards).m_anRanking; };
    const auto player = strength(hand.data());
    std::vector<std::pair<unsigned long long, int>> hands;  // card mask, class
    ForEachFiveOf(unseen, [&](const int* h) {
        unsigned long long mask = 0;
        for (int i = 0; i < 5; ++i)
            mask |= 1ull << h[i];
        const auto theirs = strength(h);
        hands.emplace_back(mask, theirs > player ? 0 : (theirs == player ? 1 : 2));
    });
    TPairShowdownCounts counts;
    for (const auto& first : hands)
        for (const auto& second : hands)
            if ((first.first & second.first) == 0) {
                ++counts.m_nPairs;
                ++counts.m_anPairs[first.second][second.second];
            }
    return counts;
}

const char* const kSmallDecks[][2] = {
    {"Kd Ks 8s 4h 2c", "Ac Ad Kh 8c 8d 4c 4d 2h Qs Js Ts 9s 5h 3h"},
    {"7c 5d 4h 3s 2c", "7d 5c 4c 3c 2d 6h 8h 7h Ah Kh Qh Jh 9c"},
    {"As Ks Qs Js Ts", "Ah Kh Qh Jh Th 9s 8s 2c 2d 2h 3c 3d"},
    // Whole ranks (quads in reach) and flushes of several suits.
    {"2c 3d 4h 5s 7c", "Ac Ad Ah As Kc Kd Kh Ks Qc Qd Qh 9s 8s 6s Ts Js 3s"},
    // Two flushes of one suit side by side.
    {"5s 5d 5h 2c 3c", "As Ks Qs Js Ts 9s 8s 7s 6s 4s 3s 2s Ad Kd"},
};

TEST(TableExact, TwoOpponentsStandingPatCountEveryDisjointPair)
{
    for (const auto& deck : kSmallDecks) {
        const std::vector<int> hand = Cards(deck[0]);
        bool unseen[52] = {};
        for (int c : Cards(deck[1]))
            unseen[c] = true;
        TPairShowdownCounts counts;
        ASSERT_TRUE(CountPairShowdown(hand.data(), unseen, counts)) << deck[0];
        const TPairShowdownCounts plain = PlainPairCounts(hand, Cards(deck[1]));
        EXPECT_EQ(counts.m_nPairs, plain.m_nPairs) << deck[0];
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b)
                EXPECT_EQ(counts.m_anPairs[a][b], plain.m_anPairs[a][b]) << deck[0] << " " << a << b;
        // The run's figures for the final hand are those pairs': a two-way
        // tie pays half the pot, a three-way one a third.
        TTableSetup setup = StandPat(deck[0], "", 2, true);
        LeaveUnseen(setup, deck[1]);
        const THoldEquity all = KeepAll(SimulateTable(setup));
        const auto share = [&plain](int a, int b) { return static_cast<double>(plain.m_anPairs[a][b]) / plain.m_nPairs; };
        EXPECT_TRUE(all.m_bExact);
        EXPECT_NEAR(all.m_dWin, share(2, 2), 1e-14) << deck[0];
        EXPECT_NEAR(all.m_dTie, share(1, 1) + share(1, 2) + share(2, 1), 1e-14) << deck[0];
        EXPECT_NEAR(all.m_dPotShare, share(2, 2) + share(1, 1) / 3 + (share(1, 2) + share(2, 1)) / 2, 1e-14) << deck[0];
    }
}

} // namespace
