#pragma once

#include "AbstractFormula.h"
#include "StraightFlushFormulas.h"

// Opponent straights, flushes and straight flushes topped above the player's.
// H, the player's top card, is a primary rank index: 0 when it is the Ace.

// Reads a CCardDistributionWHighCard (13 counts per rank): H = m_nCard.
class CStraightAgainstStraightFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Reads a C2IndexesCardDistributionWHighCard: H = m_nHighCard.
class CStraightFlushAgainstStraightFlushFormula : public CStraightFlushFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Reads a C2IndexesCardDistributionWHighCard: H = m_nHighCard. Each flush of
// the unseen cards whose top card (Ace highest) is above H counts once.
class CFlushAgainstFlushFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};
