#include "HigherStraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

#include <algorithm>

using namespace FormulaTerms;

// Window `first` is topped by index first + 4, so the windows above a top card
// H start at H - 3; Ten-to-Ace tops every other. A straight of the same top
// ties. The straight flushes among them have their own row.
double CStraightAgainstStraightFormula::Evaluate(const CCardDistribution& dist)
{
    const int top = static_cast<const C2IndexesCardDistributionWHighCard&>(dist).m_nHighCard;
    if (top == 0)
        return 0.0;
    int known[13] = {};
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 13; ++r)
            known[r] += dist.m_pCounts[13 * s + r];
    double sum = 0.0;
    for (int first = std::max(top - 3, 0); first <= 8; ++first)
        sum += StraightWindowProduct(known, first);
    sum += TopStraightWindowProduct(known, 13);
    CStraightFlushAgainstStraightFlushFormula straightFlushes;
    return sum - straightFlushes.Evaluate(dist);
}
