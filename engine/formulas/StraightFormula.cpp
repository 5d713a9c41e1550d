#include "StraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// The nine windows Ace-to-Five .. Nine-to-King, then Ten-to-Ace.
double CStraightFormula::Evaluate(const CCardDistribution& dist)
{
    const int ranks = static_cast<int>(dist.m_nCounts);
    double sum = 0.0;
    for (int first = 0; first <= ranks - 5; ++first)
        sum += StraightWindowProduct(dist.m_pCounts, first);
    return sum + TopStraightWindowProduct(dist.m_pCounts, ranks);
}
