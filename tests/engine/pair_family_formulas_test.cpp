// Opponent hands of exactly one pair, two pairs, three of a kind, a full house
// or four of a kind, checked against the enumeration of every hand.
#include "FormulaTestSupport.h"
#include "PairFamilyFormulas.h"

#include <gtest/gtest.h>

using namespace FormulaTest;

namespace {

struct TPairFamilyCounts {
    double m_dOnePair, m_dTwoPairs, m_dThree, m_dFull, m_dQuads;
};

TPairFamilyCounts Evaluate(const std::vector<int>& known)
{
    const TKnownCounts counts(known);
    const CCardDistribution dist = counts.Ranks();
    return {COnePairFormula().Evaluate(dist), CTwoPairsFormula().Evaluate(dist), CThreePiecesFormula().Evaluate(dist),
            CFullFormula().Evaluate(dist), CQuadsFormula().Evaluate(dist)};
}

void ExpectMatchesEnumeration(const TState& state)
{
    SCOPED_TRACE(Describe(state));
    const TBruteForceCounts expected = CountOpponentHands(state.m_known, {});
    const TPairFamilyCounts actual = Evaluate(state.m_known);
    EXPECT_EQ(actual.m_dOnePair, expected.m_dOnePair) << "one pair";
    EXPECT_EQ(actual.m_dTwoPairs, expected.m_dTwoPair) << "two pairs";
    EXPECT_EQ(actual.m_dThree, expected.m_dThreeOfAKind) << "three of a kind";
    EXPECT_EQ(actual.m_dFull, expected.m_dFullHouse) << "full house";
    EXPECT_EQ(actual.m_dQuads, expected.m_dFourOfAKind) << "four of a kind";
}

} // namespace

TEST(PairFamilyFormulas, ReproduceThePublishedFigures)
{
    const TPairFamilyCounts none = Evaluate({});
    EXPECT_EQ(none.m_dOnePair, 1098240.0);
    EXPECT_EQ(none.m_dTwoPairs, 123552.0);
    EXPECT_EQ(none.m_dThree, 54912.0);
    EXPECT_EQ(none.m_dFull, 3744.0);
    EXPECT_EQ(none.m_dQuads, 624.0);

    const TPairFamilyCounts aces = Evaluate(Cards("Ac Ad 7h 4s 2c"));
    EXPECT_EQ(aces.m_dOnePair, 650163.0);
    EXPECT_EQ(aces.m_dTwoPairs, 73683.0);
    EXPECT_EQ(aces.m_dThree, 33075.0);
    EXPECT_EQ(aces.m_dFull, 2271.0);
    EXPECT_EQ(aces.m_dQuads, 387.0);

    const TPairFamilyCounts discarded = Evaluate(Cards("Ac Ad 7h 4s 2c Kd Qh 9s"));
    EXPECT_EQ(discarded.m_dOnePair, 456320.0);
    EXPECT_EQ(discarded.m_dTwoPairs, 50616.0);
    EXPECT_EQ(discarded.m_dThree, 22152.0);
    EXPECT_EQ(discarded.m_dFull, 1488.0);
    EXPECT_EQ(discarded.m_dQuads, 240.0);
}

TEST(PairFamilyFormulas, MatchEnumerationWithNothingKnown)
{
    ExpectMatchesEnumeration(TState{});
}

TEST(PairFamilyFormulas, MatchEnumerationOnThePublishedHands)
{
    for (const TState& state : Thinned({HandState("Ac Ad 7h 4s 2c"), HandState("Ac Ad 7h 4s 2c", "Kd Qh 9s")}))
        ExpectMatchesEnumeration(state);
}

// Ranks with four, three, two and one known cards: the exhausted ones must
// add nothing of their own while their unseen neighbours still count.
TEST(PairFamilyFormulas, MatchEnumerationWithExhaustedRanks)
{
    const std::vector<TState> states = {
        HandState("Kc Kd Kh Ks 7c"),
        HandState("Qc Qd Qh 5s 5c", "9d"),
        HandState("Ac Ad Ah As 2c", "Kc Kd Kh Ks 2d"),
        HandState("3c 3d 3h 8s 8c", "3s 8d 8h Jc Jd"),
        HandState("2c 5d 9h Js Kc", "3d 6h Ts Qc Ad"),
    };
    for (const TState& state : Thinned(states))
        ExpectMatchesEnumeration(state);
}

TEST(PairFamilyFormulas, MatchEnumerationOnRandomGames)
{
    CStateDealer dealer(20240611);
    std::vector<TState> states;
    for (int i = 0; i < 12; ++i)
        states.push_back(dealer.DealGame());
    for (const TState& state : Thinned(states))
        ExpectMatchesEnumeration(state);
}
