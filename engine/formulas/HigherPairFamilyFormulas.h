#pragma once

#include "AbstractFormula.h"

// Opponent hands of the player's own pair-family formation that beat his.
// Counts per rank come in Ace-high order; the player's ranks are Ace-high
// indices held by the distribution.

// Reads a CCardDistributionWPairAndKickers: P = m_nCard, the kickers as rank
// bits in m_nKickers.
class COnePairAgainstOnePairFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Reads a CCardDistributionWHighCardAnd2PairCards: K = m_nCard,
// P1 = m_nPairCard (lower pair), P2 = m_nSecondPairCard (higher pair).
class CTwoPairAgainstTwoPairFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Reads a CCardDistributionWM: M = m_nCard, the rank of the three. With one
// deck no opponent can hold three of the player's rank (nor a full house or
// four of it), so the kickers and a full house's pair never decide.
class CThreePiecesAgainstThreePiecesFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// M = the rank of the full house's three; the pair is not compared.
class CFullAgainstFullFormula : public CThreePiecesAgainstThreePiecesFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// M = the rank of the four.
class CQuadsAgainstQuadsFormula : public CThreePiecesAgainstThreePiecesFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};
