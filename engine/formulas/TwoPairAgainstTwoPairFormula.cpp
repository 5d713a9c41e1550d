#include "HigherPairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// Three disjoint groups of beating hands: a higher pair above the player's
// higher pair; the player's higher pair with a lower pair between his two;
// both of his pairs with a higher fifth card.
double CTwoPairAgainstTwoPairFormula::Evaluate(const CCardDistribution& dist)
{
    const auto& player = static_cast<const CCardDistributionWHighCardAnd2PairCards&>(dist);
    const int* counts = dist.m_pCounts;
    const int ranks = static_cast<int>(dist.m_nCounts);
    const int known = static_cast<int>(dist.m_nKnownCards);
    const int kicker = player.m_nCard;
    const int lowPair = player.m_nPairCard;
    const int highPair = player.m_nSecondPairCard;

    // Every second pair is counted from both ranks when both lie above the
    // player's higher pair; the sums over those ranks alone take one off.
    const TRankSums all = SumRanks(counts, 0, ranks, known);
    const TRankSums above = SumRanks(counts, highPair + 1, ranks, known);
    double anySecond = 0.0;
    double bothAbove = 0.0;
    for (int r = highPair + 1; r < ranks; ++r) {
        anySecond += TwoPairsTerm(counts[r], known, all);
        bothAbove += TwoPairsTerm(counts[r], known, above);
    }
    const double higherTopPair = 0.25 * anySecond - 0.125 * bothAbove;

    const int cHigh = counts[highPair];
    const TRankSums between = SumRanks(counts, lowPair + 1, highPair, known);
    const double higherLowPair = 0.5 * PairFactor(cHigh) * (between.m_dWeightedPairs + cHigh * between.m_dPairs);

    int ranksAbove = 0;
    int knownAbove = 0;
    for (int r = kicker + 1; r < ranks; ++r) {
        if (r == lowPair || r == highPair)
            continue;
        ++ranksAbove;
        knownAbove += counts[r];
    }
    const int unseenAbove = 4 * ranksAbove - knownAbove;
    const double higherKicker = unseenAbove * PairFactor(counts[lowPair]) * PairFactor(cHigh) * 0.25;

    return higherTopPair + higherLowPair + higherKicker;
}
