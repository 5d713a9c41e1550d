#include "AbstractFormula.h"
#include "CardDistribution.h"
#include "Combinatorics.h"

#include <gtest/gtest.h>

namespace {

// A formula with no event of its own, to reach the base class's operations.
class CNoEventFormula : public CAbstractFormula {
public:
    double Evaluate(const CCardDistribution&) override { return 0.0; }
};

int g_anNoCounts[13] = {};

} // namespace

TEST(Factorial, SmallArgumentsGiveOne)
{
    EXPECT_EQ(Factorial(0.0), 1.0);
    EXPECT_EQ(Factorial(1.0), 1.0);
    EXPECT_EQ(Factorial(-3.0), 1.0);
}

TEST(Factorial, WholeArgumentsGiveTheirFactorial)
{
    EXPECT_EQ(Factorial(2.0), 2.0);
    EXPECT_EQ(Factorial(5.0), 120.0);
    EXPECT_EQ(Factorial(10.0), 3628800.0);
}

TEST(Binomial, ChoosingMoreThanThereAreGivesZero)
{
    EXPECT_EQ(Binomial(5.0, 4.0), 0.0);
    EXPECT_EQ(Binomial(1.0, 0.0), 0.0);
    EXPECT_EQ(Binomial(3.0, 2.5), 0.0);
}

TEST(Binomial, ChoosingNoneOrOneGivesOneOrTheWhole)
{
    EXPECT_EQ(Binomial(0.0, 12.0), 1.0);
    EXPECT_EQ(Binomial(0.0, 0.0), 1.0);
    EXPECT_EQ(Binomial(1.0, 47.0), 47.0);
    EXPECT_EQ(Binomial(1.0, 7.5), 7.5);
}

// 1 / 5! is not a binary fraction, so the hand counts carry its rounding.
TEST(Binomial, OpponentHandCountsAreRightToTheLastBits)
{
    EXPECT_DOUBLE_EQ(Binomial(5.0, 52.0), 2598960.0); // nothing known
    EXPECT_DOUBLE_EQ(Binomial(5.0, 47.0), 1533939.0); // five known
    EXPECT_DOUBLE_EQ(Binomial(5.0, 45.0), 1221759.0); // seven known
    EXPECT_DOUBLE_EQ(Binomial(5.0, 5.0), 1.0);
}

// The reciprocal of k! comes first and the factors ascend; a count that is not
// a whole number goes through the same product.
TEST(Binomial, KeepsItsOrderOfOperations)
{
    EXPECT_EQ(Binomial(3.0, 10.0), 1.0 / 6.0 * 8.0 * 9.0 * 10.0);
    EXPECT_EQ(Binomial(2.0, 7.5), 1.0 / 2.0 * 6.5 * 7.5);
    EXPECT_EQ(Binomial(5.0, 1533939.0),
              1.0 / 120.0 * 1533935.0 * 1533936.0 * 1533937.0 * 1533938.0 * 1533939.0);
}

TEST(ComplementCount, IsTheHandsWithoutTheEvent)
{
    CNoEventFormula formula;
    const CCardDistribution fiveKnown(5, g_anNoCounts, 13);
    EXPECT_DOUBLE_EQ(formula.GetComplementCount(fiveKnown, 0.0), 1533939.0);
    EXPECT_NEAR(formula.GetComplementCount(fiveKnown, 1533939.0), 0.0, 1e-9);
    const CCardDistribution nothingKnown(0, g_anNoCounts, 13);
    EXPECT_DOUBLE_EQ(formula.GetComplementCount(nothingKnown, 598960.0), 2000000.0);
}
