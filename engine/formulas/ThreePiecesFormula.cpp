#include "PairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

double CThreePiecesFormula::Evaluate(const CCardDistribution& dist)
{
    const int ranks = static_cast<int>(dist.m_nCounts);
    const int known = static_cast<int>(dist.m_nKnownCards);
    const TRankSums all = SumRanks(dist.m_pCounts, 0, ranks, known);
    double sum = 0.0;
    for (int r = 0; r < ranks; ++r)
        sum += ThreePiecesTerm(dist.m_pCounts[r], known, all);
    return sum / 12.0;
}
