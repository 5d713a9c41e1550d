#include "AbstractFormula.h"

#include "CardDistribution.h"
#include "Combinatorics.h"

namespace {

// Integer arguments reach the binomials as unsigned 32-bit values.
double AsUnsigned(int value)
{
    return static_cast<double>(static_cast<unsigned>(value));
}

double UnseenCards(const CCardDistribution& dist)
{
    return AsUnsigned(52 - static_cast<int>(dist.m_nKnownCards));
}

} // namespace

double CAbstractFormula::GetComplementCount(const CCardDistribution& dist, double favourable)
{
    return Binomial(5.0, UnseenCards(dist)) - favourable;
}

// The opponents hold n distinct hands drawn without replacement from the N
// possible ones: sum over i of C(x, i) C(N - x, n - i), over C(N, n).
double CAbstractFormula::GetProbabilityForOpponents(unsigned nOpponents, const CCardDistribution& dist,
                                                    double favourable)
{
    if (favourable == 0.0)
        return 0.0;
    // For one opponent the sum below is C(x, 1) C(N - x, 0) / C(N, 1) = x / N.
    if (nOpponents == 1)
        return favourable / Binomial(5.0, UnseenCards(dist));
    const double unfavourable = GetComplementCount(dist, favourable);
    double sum = 0.0;
    for (unsigned i = 1; i <= nOpponents; ++i) {
        const double b = Binomial(static_cast<double>(nOpponents - i), unfavourable);
        sum = sum + Binomial(static_cast<double>(i), favourable) * b;
    }
    const double hands = Binomial(5.0, UnseenCards(dist));
    return sum / Binomial(static_cast<double>(nOpponents), hands);
}

double CAtLeastOneOpponent2AchieveEventFormula::Evaluate(const CCardDistribution&)
{
    throw 0;
}

// Inclusion-exclusion over at most five opponents; rj is the chance of one more
// favourable hand once j others are taken: (x - j) / (N - j) with p = x / N.
double CAtLeastOneOpponent2AchieveEventFormula::GetAtLeastOneProbability(unsigned knownCards, unsigned nOpponents,
                                                                         double p)
{
    const double hands = Binomial(5.0, AsUnsigned(52 - static_cast<int>(knownCards)));
    const double e = 1.0 / hands;
    const double n = static_cast<double>(nOpponents);
    const double r1 = (p - e) / (1.0 - e);
    const double e2 = e * 2.0;
    const double r2 = (p - e2) / (1.0 - e2);
    const double e3 = e * 3.0;
    const double r3 = (p - e3) / (1.0 - e3);
    const double e4 = e * 4.0;
    double acc = p * n;
    acc = acc - Binomial(2.0, n) * p * r1;
    acc = acc + Binomial(3.0, n) * p * r1 * r2;
    acc = acc - Binomial(4.0, n) * p * r1 * r2 * r3;
    return (Binomial(5.0, n) * p * r1 * r2 * r3) * ((p - e4) / (1.0 - e4)) + acc;
}
