#include "HigherStraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

#include <algorithm>

using namespace FormulaTerms;

// Same windows as the higher straight, one suit at a time.
double CStraightFlushAgainstStraightFlushFormula::Evaluate(const CCardDistribution& dist)
{
    const int top = static_cast<const C2IndexesCardDistributionWHighCard&>(dist).m_nHighCard;
    if (top == 0)
        return 0.0;
    const int first = std::max(top - 3, 0);
    double sum = 0.0;
    for (int s = 0; s < 4; ++s) {
        const int* row = dist.m_pCounts + 13 * s;
        for (int i = first; i <= 8; ++i)
            sum += StraightFlushWindowProduct(row, i);
        sum += TopStraightFlushWindowProduct(row);
    }
    return sum;
}
