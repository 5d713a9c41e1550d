// Opponent straights, flushes and straight flushes topped above the player's,
// checked against the enumeration. The player's top card reaches the
// formulas as hand analysis gives it: a primary index, 0 for an Ace on top,
// 4 for the wheel.
#include "FormulaTestSupport.h"
#include "HigherStraightFlushFormulas.h"

#include <gtest/gtest.h>

using namespace FormulaTest;

namespace {

double HigherCount(const TState& state, int category)
{
    const TKnownCounts counts(state.m_known);
    const int top = RanksOf(state.m_hand).m_nTop;
    switch (category) {
    case pcStraight:
        return CStraightAgainstStraightFormula().Evaluate(
            CCardDistributionWHighCard(counts.m_nKnown, counts.m_anRanks, 13, top));
    case pcFlush:
        return CFlushAgainstFlushFormula().Evaluate(
            C2IndexesCardDistributionWHighCard(counts.m_nKnown, counts.m_anMatrix, top));
    case pcStraightFlush:
        return CStraightFlushAgainstStraightFlushFormula().Evaluate(
            C2IndexesCardDistributionWHighCard(counts.m_nKnown, counts.m_anMatrix, top));
    default:
        ADD_FAILURE() << "not a straight or flush";
        return -1.0;
    }
}

double HigherCount(const TState& state)
{
    return HigherCount(state, ClassifyPlain(state.m_hand.data()).m_nCategory);
}

double EnumeratedHigher(const TBruteForceCounts& counts, int category)
{
    switch (category) {
    case pcStraight: return counts.m_dHigherStraight;
    case pcFlush: return counts.m_dHigherFlush;
    case pcStraightFlush: return counts.m_dHigherStraightFlush;
    default: return -1.0;
    }
}

void ExpectMatchesEnumeration(int category, const std::vector<TState>& states)
{
    for (const TState& state : Thinned(states)) {
        SCOPED_TRACE(Describe(state));
        ASSERT_EQ(ClassifyPlain(state.m_hand.data()).m_nCategory, category);
        const TBruteForceCounts expected = CountOpponentHands(state.m_known, state.m_hand);
        EXPECT_EQ(HigherCount(state, category), EnumeratedHigher(expected, category));
    }
}

std::vector<TState> RandomHands(int category, std::uint32_t seed)
{
    CStateDealer dealer(seed);
    std::vector<TState> states;
    for (int i = 0; i < 5; ++i)
        states.push_back(dealer.DealMadeHand(category));
    return states;
}

} // namespace

TEST(HigherStraightFlushFormulas, ReproduceThePublishedFigures)
{
    EXPECT_EQ(HigherCount(HandState("Tc Jd Qh Ks Ac")), 0.0);
    EXPECT_EQ(HigherCount(HandState("Th Jh Qh Kh Ah")), 0.0);
    EXPECT_EQ(HigherCount(HandState("Ah 9h 7h 4h 2h")), 0.0);
    EXPECT_EQ(HigherCount(HandState("5c 6d 7h 8s 9c")), 3124.0);
    EXPECT_EQ(HigherCount(HandState("Ac 2d 3h 4s 5c")), 6964.0);
    EXPECT_EQ(HigherCount(HandState("5h 6h 7h 8h 9h")), 16.0);
    EXPECT_EQ(HigherCount(HandState("Kc 9c 7c 4c 2c")), 1520.0);
    EXPECT_EQ(HigherCount(HandState("Jc 8c 6c 4c 3c")), 3160.0);
    EXPECT_EQ(HigherCount(HandState("9d 7d 5d 3d 2d")), 3749.0);
}

// The wheel is the lowest straight and Ten-to-Ace the highest; a straight
// topped by the King leaves only Ten-to-Ace above it.
TEST(HigherStraight, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcStraight, {
        HandState("5c 6d 7h 8s 9c"),
        HandState("Ac 2d 3h 4s 5c"),
        HandState("Tc Jd Qh Ks Ac"),
        HandState("9c Td Jh Qs Kc", "Ad Ah"),
        HandState("2c 3d 4h 5s 6c", "Ad 7h"),
    });
}

TEST(HigherStraight, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcStraight, RandomHands(pcStraight, 606));
}

// A flush with several cards above the player's top card is still one hand.
TEST(HigherFlush, CountsEachOpponentFlushOnce)
{
    ExpectMatchesEnumeration(pcFlush, {
        HandState("Jc 8c 6c 4c 3c"),
        HandState("9d 7d 5d 3d 2d"),
    });
}

// An Ace-high flush is beaten by none; a King-high one only by Ace-high
// flushes, which include the royal flushes.
TEST(HigherFlush, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcFlush, {
        HandState("Kc 9c 7c 4c 2c"),
        HandState("Ah 9h 7h 4h 2h"),
        HandState("Kc 9c 7c 4c 2c", "Ac Ad"),
        HandState("7s 5s 4s 3s 2s", "6h 6d Ah"),
    });
}

TEST(HigherFlush, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcFlush, RandomHands(pcFlush, 707));
}

// The royal flush is beaten by none, the wheel in one suit by every other
// straight flush still possible.
TEST(HigherStraightFlush, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcStraightFlush, {
        HandState("5h 6h 7h 8h 9h"),
        HandState("Th Jh Qh Kh Ah"),
        HandState("Ac 2c 3c 4c 5c", "Kd Qs"),
        HandState("9s Ts Js Qs Ks", "Ah"),
    });
}

TEST(HigherStraightFlush, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcStraightFlush, RandomHands(pcStraightFlush, 808));
}
