#include "HigherPairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// A higher pair with any kickers, plus the player's pair with three kickers
// of other distinct ranks that beat his, compared highest first.
double COnePairAgainstOnePairFormula::Evaluate(const CCardDistribution& dist)
{
    const auto& player = static_cast<const CCardDistributionWPairAndKickers&>(dist);
    const int* counts = dist.m_pCounts;
    const int ranks = static_cast<int>(dist.m_nCounts);
    const int known = static_cast<int>(dist.m_nKnownCards);
    const int pair = player.m_nCard;

    const TRankSums all = SumRanks(counts, 0, ranks, known);
    double higherPairs = 0.0;
    for (int r = pair + 1; r < ranks; ++r)
        higherPairs += OnePairTerm(counts[r], known, all);

    // The kickers come from the other ranks, one card of each.
    int unseen[13] = {};
    for (int r = 0; r < ranks && r < 13; ++r)
        unseen[r] = r == pair ? 0 : 4 - counts[r];
    const double samePair = PairFactor(counts[pair]) / 2 * SumHigherRankSets(unseen, player.m_nKickers, 3);

    return samePair + higherPairs / 12.0;
}
