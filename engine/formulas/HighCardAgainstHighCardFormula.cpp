#include "HigherHighCardFormula.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// Every higher set of five ranks with one unseen card of each, less the sets
// whose five cards share a suit (flushes), less the straights' sets counted
// the same way.
double CHighCardAgainstHighCardFormula::Evaluate(const CCardDistribution& dist)
{
    const unsigned player = static_cast<const C2IndexesCardDistributionWRanks&>(dist).m_nRanks;
    // Ace-high rank r is the matrix's rank r + 1, the Ace its rank 0.
    int unseen[13] = {};
    int unseenOfSuit[4][13];
    for (int s = 0; s < 4; ++s) {
        const int* row = dist.m_pCounts + 13 * s;
        for (int r = 0; r < 13; ++r) {
            unseenOfSuit[s][r] = 1 - row[r == 12 ? 0 : r + 1];
            unseen[r] += unseenOfSuit[s][r];
        }
    }
    double sum = SumHigherRankSets(unseen, player, 5);
    for (int s = 0; s < 4; ++s)
        sum -= SumHigherRankSets(unseenOfSuit[s], player, 5);
    for (int i = 0; i < kStraightRankSets; ++i) {
        const unsigned straight = StraightRankSet(i);
        if (!IsHigherRankSet(straight, player))
            continue;
        double any = 1.0;
        double suited[4] = {1.0, 1.0, 1.0, 1.0};
        for (int r = 0; r < 13; ++r) {
            if (!(straight >> r & 1u))
                continue;
            any *= unseen[r];
            for (int s = 0; s < 4; ++s)
                suited[s] *= unseenOfSuit[s][r];
        }
        sum -= any - suited[0] - suited[1] - suited[2] - suited[3];
    }
    return sum;
}
