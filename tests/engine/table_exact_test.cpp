// The figures the table run counts instead of simulating: one opponent
// standing pat is the showdown count itself; two standing pat are counted
// over disjoint pairs.

#include "PatShowdown.h"
#include "Showdown.h"
#include "TableSimulation.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TTableSetup StandPat(const std::string& hand, const std::string& seen, int opponents, bool final)
{
    TTableSetup setup;
    const std::vector<int> cards = Cards(hand);
    std::copy(cards.begin(), cards.end(), setup.m_anHand);
    for (int c : Cards(seen))
        setup.m_abSeen[c] = true;
    setup.m_nOpponents = opponents;
    setup.m_eModel = ETableModel::StandPat;
    setup.m_bFinal = final;
    setup.m_nTrials = 4096;
    return setup;
}

const THoldEquity& KeepAll(const TTableResult& result)
{
    return result.m_arrHolds.back();
}

// Initial deals and final hands, from nothing to a flush.
const char* const kHands[][2] = {
    {"Kd Ks 8s 4h 2c", ""},
    {"7c 5d 4h 3s 2c", ""},
    {"Ah Kh Qh Jh 9h", "3c 4c"},
    {"Tc Td Ts 2h 2d", "Ac"},
};

TEST(TableExact, OneOpponentStandingPatIsTheShowdownCount)
{
    for (const auto& c : kHands)
        for (bool final : {false, true}) {
            const TTableSetup setup = StandPat(c[0], c[1], 1, final);
            const TTableResult result = SimulateTable(setup);
            ASSERT_FALSE(result.m_arrHolds.empty()) << c[0];
            TShowdownCounts counts;
            ASSERT_TRUE(CountShowdown(setup.m_anHand, setup.m_abSeen, counts));
            const TShowdownOdds odds = ShowdownOdds(counts, 1);
            const THoldEquity& all = KeepAll(result);
            EXPECT_TRUE(all.m_bExact) << c[0];
            EXPECT_EQ(all.m_dWin, odds.m_dWin) << c[0];
            EXPECT_EQ(all.m_dTie, odds.m_dTie) << c[0];
            EXPECT_EQ(all.m_dLose, odds.m_dLose) << c[0];
            EXPECT_EQ(all.m_dPotShare, odds.m_dPotShare) << c[0];
            EXPECT_EQ(result.m_nTrials, final ? 0u : setup.m_nTrials) << c[0];
        }
}

} // namespace
