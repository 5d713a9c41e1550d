#include "StraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

double CStraightFlushFormula::Evaluate(const CCardDistribution& dist)
{
    double sum = 0.0;
    for (int s = 0; s < 4; ++s) {
        const int* row = dist.m_pCounts + 13 * s;
        for (int first = 0; first <= 8; ++first)
            sum += StraightFlushWindowProduct(row, first);
        sum += TopStraightFlushWindowProduct(row);
    }
    return sum;
}
