#include "HigherPairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

double CThreePiecesAgainstThreePiecesFormula::Evaluate(const CCardDistribution& dist)
{
    const auto& player = static_cast<const CCardDistributionWM&>(dist);
    const int ranks = static_cast<int>(dist.m_nCounts);
    const int known = static_cast<int>(dist.m_nKnownCards);
    const TRankSums all = SumRanks(dist.m_pCounts, 0, ranks, known);
    double sum = 0.0;
    for (int r = player.m_nCard + 1; r < ranks; ++r)
        sum += ThreePiecesTerm(dist.m_pCounts[r], known, all);
    return sum / 12.0;
}
