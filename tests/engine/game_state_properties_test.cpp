// Invariants of the analysis and the tables over thousands of seeded random
// game states: a dealt hand, any discards and as many replacements, 1 to 5
// opponents.

#include "AbstractFormula.h"
#include "CardDistribution.h"
#include "CardDistributionManager.h"
#include "Combinatorics.h"
#include "PairFamilyFormulas.h"
#include "StraightFlushFormulas.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>
#include <string>

namespace {

using TRows = CCardDistributionManager::TRows;

// Deals each random game into one manager, the way the card picker and the
// playing scene fill it, analyses it and hands k on.
void ForEachRandomGame(std::uint32_t seed, const std::function<void(CCardDistributionManager&, int)>& check)
{
    std::mt19937 rng(seed);
    CCardDistributionManager manager;
    for (int state = 0; state < (Sanitized() ? 1000 : 5000) && !::testing::Test::HasFatalFailure(); ++state) {
        std::vector<int> deck(52);
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), rng);
        manager.Reset();
        for (int i = 0; i < 5; ++i)
            manager.m_anCardCounts[deck[i] / 13][deck[i] % 13] = 1;
        const unsigned mask = std::uniform_int_distribution<unsigned>(0, 31)(rng);
        int known = 5;
        for (int i = 0; i < 5; ++i)
            if (mask & (1u << i)) {
                manager.m_abDiscarded[deck[i] / 13][deck[i] % 13] = true;
                manager.m_anCardCounts[deck[known] / 13][deck[known] % 13] = 1;
                ++known;
            }
        manager.AnalyzeHand();
        SCOPED_TRACE("state " + std::to_string(state));
        check(manager, known);
    }
}

TRows OneOpponentTable(CCardDistributionManager& manager)
{
    TRows rows;
    manager.BuildOneOpponentTable(rows);
    return rows;
}

TRows AtLeastOneTable(CCardDistributionManager& manager, const TRows& one, unsigned opponents)
{
    TRows rows;
    manager.BuildAtLeastOneOpponentTable(rows, opponents, one.back().m_dProbability);
    return rows;
}

bool IsWholeNumber(double x)
{
    return std::fabs(x - std::round(x)) < 1e-6;
}

TEST(GameStateProperties, OneOpponentRowsAreWholeCountsOfOpponentHands)
{
    ForEachRandomGame(7, [](CCardDistributionManager& m, int k) {
        const double hands = Binomial(5, 52 - k);
        for (const auto& row : OneOpponentTable(m)) {
            const double count = row.m_dProbability * hands;
            ASSERT_TRUE(IsWholeNumber(count)) << "row " << row.m_nFormationNameId << " " << count;
            ASSERT_GE(count, 0.0);
            ASSERT_LE(std::round(count), hands);
        }
    });
}

// Probabilities in [0, 1], odds against them and -1 exactly at 0, the same
// table for one opponent either way, and no row falling as opponents join.
TEST(GameStateProperties, AtLeastOneRowsGrowWithTheOpponentsFromTheOneOpponentTable)
{
    ForEachRandomGame(11, [](CCardDistributionManager& m, int) {
        const TRows one = OneOpponentTable(m);
        TRows previous = one;
        for (unsigned n = 1; n <= 5; ++n) {
            const TRows current = AtLeastOneTable(m, one, n);
            ASSERT_EQ(current.size(), previous.size());
            for (size_t i = 0; i < current.size(); ++i) {
                const auto& row = current[i];
                ASSERT_EQ(row.m_nFormationNameId, one[i].m_nFormationNameId);
                ASSERT_GE(row.m_dProbability, previous[i].m_dProbability - (n == 1 ? 1e-15 : 1e-12)) << n;
                if (n == 1) {
                    ASSERT_NEAR(row.m_dProbability, one[i].m_dProbability, 1e-12) << "row " << i;
                }
                ASSERT_LE(row.m_dProbability, 1.0 + 1e-12);
                if (row.m_dProbability == 0.0) {
                    ASSERT_EQ(row.m_dOdds, -1.0);
                } else {
                    ASSERT_NEAR(row.m_dOdds * row.m_dProbability, 1.0 - row.m_dProbability, 1e-12);
                }
            }
            previous = current;
        }
    });
}

TEST(GameStateProperties, PlainFormulaCountsAreWholeAndBoundedByTheHandsLeft)
{
    ForEachRandomGame(99, [](CCardDistributionManager& m, int k) {
        const double hands = Binomial(5, 52 - k);
        const unsigned known = static_cast<unsigned>(k);
        CCardDistribution ranks(known, m.m_anKnownRankCounts, 13);
        CCardDistribution suits(known, m.m_anKnownSuitCounts, 4);
        C2IndexesCardDistribution matrix(known, &m.m_anCardCounts[0][0]);
        const double counts[] = {COnePairFormula().Evaluate(ranks),    CTwoPairsFormula().Evaluate(ranks),
                                 CThreePiecesFormula().Evaluate(ranks), CFullFormula().Evaluate(ranks),
                                 CQuadsFormula().Evaluate(ranks),       CStraightFormula().Evaluate(ranks),
                                 CFlushFormula().Evaluate(suits),       CStraightFlushFormula().Evaluate(matrix)};
        double exclusive = 0;
        for (double count : counts) {
            ASSERT_TRUE(IsWholeNumber(count)) << count;
            ASSERT_GE(count, 0.0);
            exclusive += count;
        }
        // The pair family, straights and flushes less the straight flushes
        // counted by both are disjoint events.
        ASSERT_LE(exclusive - counts[7], hands);
    });
}

TEST(GameStateProperties, BothAtLeastOneFormsAgree)
{
    ForEachRandomGame(5, [](CCardDistributionManager& m, int k) {
        CCardDistribution ranks(static_cast<unsigned>(k), m.m_anKnownRankCounts, 13);
        COnePairFormula formula;
        const double favourable = formula.Evaluate(ranks);
        const double hands = Binomial(5, 52 - k);
        for (unsigned n = 1; n <= 5; ++n)
            ASSERT_NEAR(formula.GetProbabilityForOpponents(n, ranks, favourable),
                        CAtLeastOneOpponent2AchieveEventFormula().GetAtLeastOneProbability(
                            static_cast<unsigned>(k), n, favourable / hands),
                        1e-9)
                << n << " opponents";
    });
}

// The view analyses again and rebuilds into the rows it already holds.
TEST(GameStateProperties, AnalysingAndBuildingAgainGivesTheSameCodesAndTable)
{
    ForEachRandomGame(17, [](CCardDistributionManager& m, int) {
        const int formation = m.m_nFormation, drawCode = m.m_nDrawCode;
        TRows rows = OneOpponentTable(m);
        const TRows first = rows;
        m.AnalyzeHand();
        ASSERT_EQ(m.m_nFormation, formation);
        ASSERT_EQ(m.m_nDrawCode, drawCode);
        m.BuildOneOpponentTable(rows);
        ASSERT_EQ(rows.size(), first.size());
        for (size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i].m_dProbability, first[i].m_dProbability);
    });
}

} // namespace
