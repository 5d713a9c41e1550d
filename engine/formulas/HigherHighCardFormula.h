#pragma once

#include "AbstractFormula.h"

// Reads a C2IndexesCardDistributionWRanks: the player's five ranks, a hand
// without a pair that is neither a straight nor a flush. Counts the opponent
// hands of the same kind above it: five distinct ranks that, read highest
// first, hold a higher card at the first place they differ. Flushes and
// straights are left out: their rows count them.
class CHighCardAgainstHighCardFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};
