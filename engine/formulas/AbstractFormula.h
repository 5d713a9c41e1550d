#pragma once

class CCardDistribution;

// Root of every formation formula. Evaluate returns a count of favourable
// opponent hands (a whole number as a double); probabilities are formed from
// it by GetProbabilityForOpponents.
class CAbstractFormula {
public:
    virtual ~CAbstractFormula() = default;

    virtual double Evaluate(const CCardDistribution& dist) = 0;

    // C(52 - k, 5) - favourable.
    virtual double GetComplementCount(const CCardDistribution& dist, double favourable);

    // Chance that at least one of nOpponents opponents holds one of the
    // favourable hands (hypergeometric form); favourable / N for one opponent.
    double GetProbabilityForOpponents(unsigned nOpponents, const CCardDistribution& dist, double favourable);
};

// The inclusion-exclusion rule for at least one of 1..5 opponents, from the
// probability for one opponent.
class CAtLeastOneOpponent2AchieveEventFormula : public CAbstractFormula {
public:
    // Counts nothing; throws an int 0. Never called.
    double Evaluate(const CCardDistribution& dist) override;

    double GetAtLeastOneProbability(unsigned knownCards, unsigned nOpponents, double p);
};
