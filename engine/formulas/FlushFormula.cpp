#include "StraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

double CFlushFormula::Evaluate(const CCardDistribution& dist)
{
    double sum = 0.0;
    for (unsigned s = 0; s < dist.m_nCounts; ++s)
        sum += FiveCardFactor(13 - dist.m_pCounts[s]);
    return sum / 120.0;
}
