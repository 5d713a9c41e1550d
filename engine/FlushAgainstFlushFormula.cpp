#include "HigherStraightFlushFormulas.h"

#include "CardDistribution.h"
#include "FormulaTerms.h"

using namespace FormulaTerms;

// Per suit, the flushes whose top card is above H are all its flushes less
// those made only of cards from the Two up to H. Each flush is counted once,
// however many of its cards lie above H; straight flushes are flushes too.
double CFlushAgainstFlushFormula::Evaluate(const CCardDistribution& dist)
{
    const int top = static_cast<const C2IndexesCardDistributionWHighCard&>(dist).m_nHighCard;
    if (top == 0)
        return 0.0;
    double sum = 0.0;
    for (int s = 0; s < 4; ++s) {
        const int* row = dist.m_pCounts + 13 * s;
        int unseenUpToTop = 0;
        for (int r = 1; r <= top; ++r)
            unseenUpToTop += 1 - row[r];
        int unseen = unseenUpToTop + 1 - row[0];
        for (int r = top + 1; r < 13; ++r)
            unseen += 1 - row[r];
        sum += FiveCardFactor(unseen) - FiveCardFactor(unseenUpToTop);
    }
    return sum / 120.0;
}
