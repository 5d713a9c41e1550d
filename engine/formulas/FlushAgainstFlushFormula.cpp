#include "HigherStraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// Flushes compare card by card, highest first. Per suit, the flushes above
// the player's are the higher five-rank sets of the suit's unseen cards, less
// the straight flushes among them: those have their own row.
double CFlushAgainstFlushFormula::Evaluate(const CCardDistribution& dist)
{
    const unsigned player = static_cast<const C2IndexesCardDistributionWRanks&>(dist).m_nRanks;
    double sum = 0.0;
    for (int s = 0; s < 4; ++s) {
        const int* row = dist.m_pCounts + 13 * s;
        int unseen[13];
        unsigned unseenRanks = 0;
        for (int r = 0; r < 13; ++r) {
            unseen[r] = 1 - row[r == 12 ? 0 : r + 1];
            unseenRanks |= static_cast<unsigned>(unseen[r]) << r;
        }
        sum += SumHigherRankSets(unseen, player, 5);
        for (int i = 0; i < kStraightRankSets; ++i) {
            const unsigned straight = StraightRankSet(i);
            if ((unseenRanks & straight) == straight && IsHigherRankSet(straight, player))
                sum -= 1.0;
        }
    }
    return sum;
}
