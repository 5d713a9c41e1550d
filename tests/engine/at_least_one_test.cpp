#include "AbstractFormula.h"
#include "CardDistribution.h"
#include "Combinatorics.h"

#include <gtest/gtest.h>

namespace {

class CNoEventFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution&) override { return 0.0; }
};

int g_anNoCounts[13] = {};

double HypergeometricForm(unsigned known, unsigned opponents, double favourable)
{
    CNoEventFormula formula;
    const CCardDistribution dist(known, g_anNoCounts, 13);
    return formula.GetProbabilityForOpponents(opponents, dist, favourable);
}

double InclusionExclusionForm(unsigned known, unsigned opponents, double p)
{
    CAtLeastOneOpponent2AchieveEventFormula formula;
    return formula.GetAtLeastOneProbability(known, opponents, p);
}

// 1 - (1 - p)^n would be the rule with replacement; both forms draw the
// opponents' hands without it, so they sit slightly above it.
double WithReplacement(unsigned opponents, double p)
{
    double none = 1.0;
    for (unsigned i = 0; i < opponents; ++i)
        none *= 1.0 - p;
    return 1.0 - none;
}

} // namespace

TEST(HypergeometricForm, OneOpponentGivesTheShareOfFavourableHands)
{
    EXPECT_DOUBLE_EQ(HypergeometricForm(5, 1, 645300.0), 645300.0 / 1533939.0);
    EXPECT_DOUBLE_EQ(HypergeometricForm(0, 1, 40.0), 40.0 / 2598960.0);
    EXPECT_DOUBLE_EQ(HypergeometricForm(7, 1, 1.0), 1.0 / 1221759.0);
}

TEST(HypergeometricForm, NoFavourableHandGivesZeroForEveryOpponentCount)
{
    for (unsigned n = 1; n <= 5; ++n)
        EXPECT_EQ(HypergeometricForm(5, n, 0.0), 0.0) << n << " opponents";
}

TEST(HypergeometricForm, EveryHandFavourableGivesCertainty)
{
    EXPECT_DOUBLE_EQ(HypergeometricForm(5, 3, 1533939.0), 1.0);
    EXPECT_DOUBLE_EQ(HypergeometricForm(10, 5, Binomial(5.0, 42.0)), 1.0);
}

// With a single favourable hand, n distinct opponent hands hold it with
// chance n / N exactly.
TEST(HypergeometricForm, OpponentsHoldDistinctHands)
{
    for (unsigned n = 1; n <= 5; ++n)
        EXPECT_NEAR(HypergeometricForm(5, n, 1.0), n / 1533939.0, 1e-15) << n << " opponents";
    EXPECT_GT(HypergeometricForm(5, 3, 31502.0), WithReplacement(3, 31502.0 / 1533939.0));
}

TEST(InclusionExclusionForm, OneOpponentGivesTheProbabilityItself)
{
    for (double p : {0.0, 1e-6, 0.020537, 0.495353, 1.0})
        EXPECT_EQ(InclusionExclusionForm(5, 1, p), p) << p;
}

TEST(InclusionExclusionForm, ZeroProbabilityStaysZero)
{
    for (unsigned n = 1; n <= 5; ++n)
        EXPECT_EQ(InclusionExclusionForm(5, n, 0.0), 0.0) << n << " opponents";
}

TEST(InclusionExclusionForm, TwoOpponentsTakeOffTheSharedHands)
{
    const double p = 0.2;
    const double e = 1.0 / 1533939.0;
    EXPECT_DOUBLE_EQ(InclusionExclusionForm(5, 2, p), 2 * p - p * (p - e) / (1 - e));
}

// 2c 4s 7d 9c Qh: the hands holding one pair or better, straight flushes
// counted once, out of 1,533,939.
TEST(InclusionExclusionForm, WorkedExampleClosingRowForThreeOpponents)
{
    EXPECT_NEAR(InclusionExclusionForm(5, 3, 759841.0 / 1533939.0), 0.871482, 5e-7);
}

TEST(AtLeastOneForms, AgreeForOneToFiveOpponents)
{
    struct TCase {
        unsigned m_nKnown;
        double m_dFavourable;
    };
    const TCase cases[] = {{5, 1.0}, {5, 21.0}, {5, 2838.0}, {5, 645300.0}, {5, 759841.0},
                           {7, 1488.0}, {10, 500000.0}, {0, 1098240.0}};
    for (const TCase& c : cases) {
        const double hands = Binomial(5.0, 52.0 - c.m_nKnown);
        for (unsigned n = 1; n <= 5; ++n) {
            const double hyper = HypergeometricForm(c.m_nKnown, n, c.m_dFavourable);
            const double incl = InclusionExclusionForm(c.m_nKnown, n, c.m_dFavourable / hands);
            EXPECT_NEAR(incl, hyper, 1e-13)
                << c.m_dFavourable << " favourable of " << hands << ", " << n << " opponents";
        }
    }
}

TEST(AtLeastOneRule, EvaluateRefusesToCount)
{
    CAtLeastOneOpponent2AchieveEventFormula formula;
    const CCardDistribution dist(5, g_anNoCounts, 13);
    EXPECT_THROW(formula.Evaluate(dist), int);
}
