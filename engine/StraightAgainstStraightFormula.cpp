#include "HigherStraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

#include <algorithm>

using namespace FormulaTerms;

// Window `first` is topped by index first + 4, so the windows above a top card
// H start at H - 3; Ten-to-Ace tops every other.
double CStraightAgainstStraightFormula::Evaluate(const CCardDistribution& dist)
{
    const int top = static_cast<const CCardDistributionWHighCard&>(dist).m_nCard;
    if (top == 0)
        return 0.0;
    const int ranks = static_cast<int>(dist.m_nCounts);
    double sum = 0.0;
    for (int first = std::max(top - 3, 0); first <= ranks - 5; ++first)
        sum += StraightWindowProduct(dist.m_pCounts, first);
    return sum + TopStraightWindowProduct(dist.m_pCounts, ranks);
}
