#include "HigherPairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// A higher pair with any kickers, plus the player's pair with a top kicker
// above his high card.
double COnePairAgainstOnePairFormula::Evaluate(const CCardDistribution& dist)
{
    const auto& player = static_cast<const CCardDistributionWHighCardAndPairCard&>(dist);
    const int* counts = dist.m_pCounts;
    const int ranks = static_cast<int>(dist.m_nCounts);
    const int known = static_cast<int>(dist.m_nKnownCards);
    const int high = player.m_nCard;
    const int pair = player.m_nPairCard;

    const TRankSums all = SumRanks(counts, 0, ranks, known);
    double higherPairs = 0.0;
    for (int r = pair + 1; r < ranks; ++r)
        higherPairs += OnePairTerm(counts[r], known, all);

    // The three kickers are of distinct ranks other than the pair's, from a
    // high pool (ranks above H) and a low pool (the rest), at least one high.
    int highRanks = 0;
    int highKnown = 0;
    double highTriples = 0.0;
    double highPairs = 0.0;
    double lowPairs = 0.0;
    for (int r = 0; r < ranks; ++r) {
        if (r == pair)
            continue;
        const int c = counts[r];
        if (r > high) {
            ++highRanks;
            highKnown += c;
            highTriples += TripleFactor(c) / 6;
            highPairs += PairFactor(c) / 2;
        } else {
            lowPairs += PairFactor(c) / 2;
        }
    }
    const int highPool = 4 * highRanks - highKnown;
    double highPairOutside = 0.0; // Q_H: a high pair and another high card
    for (int r = high + 1; r < ranks; ++r)
        if (r != pair)
            highPairOutside += PairFactor(counts[r]) * (highPool - 4 + counts[r]);
    highPairOutside *= 0.5;
    // Both remaining cards of the pair's rank go into the opponent's pair.
    const int lowPool = 50 - known - highPool;

    const double kickerSets = highPool * (highPool - 1) * (highPool - 2) - 6.0 * highTriples - 6.0 * highPairOutside
                              + 3.0 * lowPool * (highPool * (highPool - 1) - 2.0 * highPairs)
                              + 3.0 * highPool * (lowPool * (lowPool - 1) - 2.0 * lowPairs);
    const double samePair = kickerSets * PairFactor(counts[pair]) / 12.0;

    return samePair + higherPairs / 12.0;
}
