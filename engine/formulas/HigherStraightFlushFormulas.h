#pragma once

#include "AbstractFormula.h"
#include "StraightFlushFormulas.h"

// Opponent straights, flushes and straight flushes above the player's, by the
// full rules. Each row holds its own class only: the straight flushes above a
// straight or a flush are in the straight-flush row. H, the player's top card,
// is a primary rank index: 0 when it is the Ace; a straight or straight flush
// of the same top ties.

// Reads a C2IndexesCardDistributionWHighCard: H = m_nHighCard.
class CStraightAgainstStraightFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Reads a C2IndexesCardDistributionWHighCard: H = m_nHighCard.
class CStraightFlushAgainstStraightFlushFormula : public CStraightFlushFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Reads a C2IndexesCardDistributionWRanks: the player's five ranks. A flush
// of the unseen cards is above his when, read highest first, its first card
// that differs is higher.
class CFlushAgainstFlushFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};
