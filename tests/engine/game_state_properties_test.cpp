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
            manager.MarkKnown(deck[i]);
        const unsigned mask = std::uniform_int_distribution<unsigned>(0, 31)(rng);
        int known = 5;
        for (int i = 0; i < 5; ++i)
            if (mask & (1u << i)) {
                manager.MarkDiscarded(deck[i]);
                manager.MarkKnown(deck[known++]);
            }
        manager.AnalyzeHand();
        SCOPED_TRACE("state " + std::to_string(state));
        check(manager, known);
    }
}

bool IsWholeNumber(double x)
{
    return std::fabs(x - std::round(x)) < 1e-6;
}

// Rows of one opponent are whole counts of his hands; the at-least-one rows
// are probabilities with odds against them (-1 exactly at 0), the same as
// the one-opponent table for one, and never fall as opponents join. The
// view analyses again and rebuilds into the rows it already holds.
TEST(GameStateProperties, TablesAreWholeCountsGrowingWithTheOpponentsAndRebuiltAlike)
{
    ForEachRandomGame(7, [](CCardDistributionManager& m, int k) {
        const double hands = Binomial(5, 52 - k);
        const int formation = m.m_nFormation, drawCode = m.m_nDrawCode;
        TRows one;
        m.BuildOneOpponentTable(one);
        for (const auto& row : one) {
            const double count = row.m_dProbability * hands;
            ASSERT_TRUE(IsWholeNumber(count)) << "row " << row.m_nFormationNameId << " " << count;
            ASSERT_GE(count, 0.0);
            ASSERT_LE(std::round(count), hands);
        }
        TRows previous = one;
        for (unsigned n = 1; n <= 5; ++n) {
            TRows current;
            m.BuildAtLeastOneOpponentTable(current, n, one.back().m_dProbability);
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
        TRows again = previous;
        m.AnalyzeHand();
        ASSERT_EQ(m.m_nFormation, formation);
        ASSERT_EQ(m.m_nDrawCode, drawCode);
        m.BuildOneOpponentTable(again);
        ASSERT_EQ(again.size(), one.size());
        for (size_t i = 0; i < again.size(); ++i)
            ASSERT_EQ(again[i].m_dProbability, one[i].m_dProbability);
    });
}

// Each plain formula counts whole hands within those left, and the pair
// formula's odds against n opponents agree with the general form.
TEST(GameStateProperties, FormulaCountsAreWholeBoundedAndAgreeForOpponents)
{
    ForEachRandomGame(99, [](CCardDistributionManager& m, int k) {
        const double hands = Binomial(5, 52 - k);
        const unsigned known = static_cast<unsigned>(k);
        CCardDistribution ranks(known, m.m_anKnownRankCounts, 13);
        CCardDistribution suits(known, m.m_anKnownSuitCounts, 4);
        C2IndexesCardDistribution matrix(known, &m.m_anCardCounts[0][0]);
        COnePairFormula pair;
        const double counts[] = {pair.Evaluate(ranks),                  CTwoPairsFormula().Evaluate(ranks),
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
        for (unsigned n = 1; n <= 5; ++n)
            ASSERT_NEAR(pair.GetProbabilityForOpponents(n, ranks, counts[0]),
                        CAtLeastOneOpponent2AchieveEventFormula().GetAtLeastOneProbability(known, n, counts[0] / hands),
                        1e-9)
                << n << " opponents";
    });
}

} // namespace
