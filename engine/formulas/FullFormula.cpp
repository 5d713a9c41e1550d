#include "PairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

double CFullFormula::Evaluate(const CCardDistribution& dist)
{
    const int ranks = static_cast<int>(dist.m_nCounts);
    const TRankSums all = SumRanks(dist.m_pCounts, 0, ranks, static_cast<int>(dist.m_nKnownCards));
    double sum = 0.0;
    for (int r = 0; r < ranks; ++r)
        sum += FullTerm(dist.m_pCounts[r], all);
    return sum / 12.0;
}
