#include "PairFamilyFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

double CQuadsFormula::Evaluate(const CCardDistribution& dist)
{
    const int ranks = static_cast<int>(dist.m_nCounts);
    const int known = static_cast<int>(dist.m_nKnownCards);
    double sum = 0.0;
    for (int r = 0; r < ranks; ++r)
        sum += QuadsTerm(dist.m_pCounts[r], known);
    return sum / 24.0;
}
