#pragma once

#include "AbstractFormula.h"

// Opponent hands holding exactly the pattern named, over the unseen cards.
// Each reads 13 known counts per rank from a plain CCardDistribution.

class COnePairFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

class CTwoPairsFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

class CThreePiecesFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

class CFullFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};

class CQuadsFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution& dist) override;
};
