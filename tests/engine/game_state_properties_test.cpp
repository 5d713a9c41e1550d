// Invariants of the tables over thousands of seeded random game states: a
// dealt hand, any discards and as many replacements, 1 to 5 opponents.
#include "AbstractFormula.h"
#include "CardDistribution.h"
#include "CardDistributionManager.h"
#include "Combinatorics.h"
#include "PairFamilyFormulas.h"
#include "StraightFlushFormulas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace {

using TRows = CCardDistributionManager::TRows;

int StateCount()
{
    return std::getenv("QUINTARA_SANITIZED") ? 1000 : 5000;
}

// Deals a random game into the manager the way the card picker and the
// playing scene fill it. Returns k.
int DealRandomState(std::mt19937& rng, CCardDistributionManager& manager)
{
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), rng);
    manager.Reset();
    for (int i = 0; i < 5; ++i)
        manager.m_anCardCounts[deck[i] / 13][deck[i] % 13] = 1;
    const unsigned mask = std::uniform_int_distribution<unsigned>(0, 31)(rng);
    int discarded = 0;
    for (int i = 0; i < 5; ++i) {
        if (mask & (1u << i)) {
            manager.m_abDiscarded[deck[i] / 13][deck[i] % 13] = true;
            manager.m_anCardCounts[deck[5 + discarded] / 13][deck[5 + discarded] % 13] = 1;
            ++discarded;
        }
    }
    return 5 + discarded;
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
    const double closing = one.size() > 1 ? one.back().m_dProbability : 0.0;
    manager.BuildAtLeastOneOpponentTable(rows, opponents, closing);
    return rows;
}

bool IsWholeNumber(double x)
{
    return std::fabs(x - std::round(x)) < 1e-6;
}

} // namespace

TEST(GameStateProperties, ProbabilitiesAreInRangeAndOddsAreUndefinedExactlyAtZero)
{
    std::mt19937 rng(20261206);
    CCardDistributionManager manager;
    for (int state = 0; state < StateCount(); ++state) {
        DealRandomState(rng, manager);
        manager.AnalyzeHand();
        const TRows one = OneOpponentTable(manager);
        for (unsigned n = 1; n <= 5; ++n) {
            for (const TRows& rows : {one, AtLeastOneTable(manager, one, n)}) {
                for (const auto& row : rows) {
                    ASSERT_GE(row.m_dProbability, 0.0) << "state " << state;
                    ASSERT_LE(row.m_dProbability, 1.0 + 1e-12) << "state " << state;
                    ASSERT_EQ(row.m_dOdds == -1.0, row.m_dProbability == 0.0) << "state " << state;
                }
            }
        }
    }
}

TEST(GameStateProperties, OneOpponentRowsAreWholeCountsOfOpponentHands)
{
    std::mt19937 rng(7);
    CCardDistributionManager manager;
    for (int state = 0; state < StateCount(); ++state) {
        const int k = DealRandomState(rng, manager);
        manager.AnalyzeHand();
        const double hands = Binomial(5, 52 - k);
        for (const auto& row : OneOpponentTable(manager)) {
            const double count = row.m_dProbability * hands;
            ASSERT_TRUE(IsWholeNumber(count)) << "state " << state << " row " << row.m_nFormationNameId << " " << count;
            ASSERT_LE(std::round(count), hands) << "state " << state;
        }
    }
}

TEST(GameStateProperties, PlainFormulaCountsAreWholeAndBoundedByTheHandsLeft)
{
    std::mt19937 rng(99);
    CCardDistributionManager manager;
    for (int state = 0; state < StateCount(); ++state) {
        const int k = DealRandomState(rng, manager);
        manager.AnalyzeHand();
        const double hands = Binomial(5, 52 - k);
        const unsigned known = static_cast<unsigned>(k);
        CCardDistribution ranks(known, manager.m_anKnownRankCounts, 13);
        CCardDistribution suits(known, manager.m_anKnownSuitCounts, 4);
        C2IndexesCardDistribution matrix(known, &manager.m_anCardCounts[0][0]);
        const double counts[] = {COnePairFormula().Evaluate(ranks),    CTwoPairsFormula().Evaluate(ranks),
                                 CThreePiecesFormula().Evaluate(ranks), CFullFormula().Evaluate(ranks),
                                 CQuadsFormula().Evaluate(ranks),       CStraightFormula().Evaluate(ranks),
                                 CFlushFormula().Evaluate(suits),       CStraightFlushFormula().Evaluate(matrix)};
        double exclusive = 0;
        for (double count : counts) {
            ASSERT_TRUE(IsWholeNumber(count)) << "state " << state << " count " << count;
            ASSERT_GE(count, 0.0);
            ASSERT_LE(count, hands);
            exclusive += count;
        }
        // The pair family, straights and flushes less the straight flushes
        // counted by both are disjoint events.
        ASSERT_LE(exclusive - counts[7], hands) << "state " << state;
    }
}

TEST(GameStateProperties, OneOpponentAtLeastOneTableEqualsTheOneOpponentTable)
{
    std::mt19937 rng(3);
    CCardDistributionManager manager;
    for (int state = 0; state < StateCount(); ++state) {
        DealRandomState(rng, manager);
        manager.AnalyzeHand();
        const TRows one = OneOpponentTable(manager);
        const TRows atLeastOne = AtLeastOneTable(manager, one, 1);
        ASSERT_EQ(one.size(), atLeastOne.size());
        for (size_t i = 0; i < one.size(); ++i) {
            ASSERT_EQ(one[i].m_nFormationNameId, atLeastOne[i].m_nFormationNameId);
            ASSERT_NEAR(one[i].m_dProbability, atLeastOne[i].m_dProbability, 1e-12) << "state " << state << " row " << i;
        }
    }
}

TEST(GameStateProperties, EveryAtLeastOneRowGrowsWithTheNumberOfOpponents)
{
    std::mt19937 rng(11);
    CCardDistributionManager manager;
    for (int state = 0; state < StateCount(); ++state) {
        DealRandomState(rng, manager);
        manager.AnalyzeHand();
        const TRows one = OneOpponentTable(manager);
        TRows previous = AtLeastOneTable(manager, one, 1);
        for (unsigned n = 2; n <= 5; ++n) {
            const TRows current = AtLeastOneTable(manager, one, n);
            ASSERT_EQ(current.size(), previous.size());
            for (size_t i = 0; i < current.size(); ++i)
                ASSERT_GE(current[i].m_dProbability, previous[i].m_dProbability - 1e-12)
                    << "state " << state << " row " << i << " opponents " << n;
            previous = current;
        }
    }
}

TEST(GameStateProperties, BothAtLeastOneFormsAgree)
{
    std::mt19937 rng(5);
    CCardDistributionManager manager;
    for (int state = 0; state < StateCount(); ++state) {
        const int k = DealRandomState(rng, manager);
        manager.AnalyzeHand();
        CCardDistribution ranks(static_cast<unsigned>(k), manager.m_anKnownRankCounts, 13);
        COnePairFormula formula;
        const double favourable = formula.Evaluate(ranks);
        const double hands = Binomial(5, 52 - k);
        for (unsigned n = 1; n <= 5; ++n) {
            const double hypergeometric = formula.GetProbabilityForOpponents(n, ranks, favourable);
            const double inclusionExclusion =
                CAtLeastOneOpponent2AchieveEventFormula().GetAtLeastOneProbability(static_cast<unsigned>(k), n, favourable / hands);
            ASSERT_NEAR(hypergeometric, inclusionExclusion, 1e-9) << "state " << state << " opponents " << n;
        }
    }
}

TEST(GameStateProperties, AnalysingTheSameCardsTwiceGivesTheSameCodesAndTables)
{
    std::mt19937 rng(17);
    CCardDistributionManager manager;
    for (int state = 0; state < StateCount(); ++state) {
        DealRandomState(rng, manager);
        manager.AnalyzeHand();
        const int formation = manager.m_nFormation, drawCode = manager.m_nDrawCode;
        const TRows first = OneOpponentTable(manager);
        manager.AnalyzeHand();
        ASSERT_EQ(manager.m_nFormation, formation) << "state " << state;
        ASSERT_EQ(manager.m_nDrawCode, drawCode) << "state " << state;
        const TRows second = OneOpponentTable(manager);
        ASSERT_EQ(first.size(), second.size());
        for (size_t i = 0; i < first.size(); ++i)
            ASSERT_EQ(first[i].m_dProbability, second[i].m_dProbability) << "state " << state;
    }
}
