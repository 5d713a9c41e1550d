#pragma once

#include "AbstractFormula.h"

// Straights (straight flushes included), from 13 known counts per rank.
class CStraightFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Flushes (straight flushes included), from 4 known counts per suit.
class CFlushFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

// Straight flushes (royal flushes included), from the 4 x 13 known-card matrix
// (a C2IndexesCardDistribution).
class CStraightFlushFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};
