#include "HigherPairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// Only the triple is compared, so the opponent's pair may be of any rank.
double CFullAgainstFullFormula::Evaluate(const CCardDistribution& dist)
{
    const auto& player = static_cast<const CCardDistributionWM&>(dist);
    const int ranks = static_cast<int>(dist.m_nCounts);
    const TRankSums all = SumRanks(dist.m_pCounts, 0, ranks, static_cast<int>(dist.m_nKnownCards));
    double sum = 0.0;
    for (int r = player.m_nCard + 1; r < ranks; ++r)
        sum += FullTerm(dist.m_pCounts[r], all);
    return sum / 12.0;
}
