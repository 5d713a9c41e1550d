// Opponent hands of the player's own pair-family formation that beat his,
// checked against the enumeration. The player's ranks reach the formulas as
// hand analysis gives them: Ace-high indices, the pairs lower then higher.
#include "FormulaTestSupport.h"
#include "HigherPairFamilyFormulas.h"

#include <gtest/gtest.h>

using namespace FormulaTest;

namespace {

double HigherCount(const TState& state, int category)
{
    const TKnownCounts counts(state.m_known);
    const TPlayerRanks ranks = RanksOf(state.m_hand);
    const unsigned k = counts.m_nKnown;
    const int* aceHigh = counts.m_anRanksAceHigh;
    switch (category) {
    case pcOnePair:
        return COnePairAgainstOnePairFormula().Evaluate(
            CCardDistributionWHighCardAndPairCard(k, aceHigh, 13, ranks.m_nKicker, ranks.m_nPair));
    case pcTwoPair:
        return CTwoPairAgainstTwoPairFormula().Evaluate(CCardDistributionWHighCardAnd2PairCards(
            k, aceHigh, 13, ranks.m_nKicker, ranks.m_nLowPair, ranks.m_nHighPair));
    case pcThreeOfAKind:
        return CThreePiecesAgainstThreePiecesFormula().Evaluate(CCardDistributionWM(k, aceHigh, 13, ranks.m_nMain));
    case pcFullHouse:
        return CFullAgainstFullFormula().Evaluate(CCardDistributionWM(k, aceHigh, 13, ranks.m_nMain));
    case pcFourOfAKind:
        return CQuadsAgainstQuadsFormula().Evaluate(CCardDistributionWM(k, aceHigh, 13, ranks.m_nMain));
    default:
        ADD_FAILURE() << "not a pair-family hand";
        return -1.0;
    }
}

double EnumeratedHigher(const TBruteForceCounts& counts, int category)
{
    switch (category) {
    case pcOnePair: return counts.m_dHigherPair;
    case pcTwoPair: return counts.m_dHigherTwoPair;
    case pcThreeOfAKind: return counts.m_dHigherThreeOfAKind;
    case pcFullHouse: return counts.m_dHigherFullHouse;
    case pcFourOfAKind: return counts.m_dHigherFourOfAKind;
    default: return -1.0;
    }
}

double HigherCount(const TState& state)
{
    return HigherCount(state, ClassifyPlain(state.m_hand.data()).m_nCategory);
}

// Every state must hold a hand of `category`, so that a typo in a targeted
// hand cannot quietly test another formula.
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

TEST(HigherPairFamilyFormulas, ReproduceThePublishedFigures)
{
    EXPECT_EQ(HigherCount(HandState("7c 7d Kh 9s 4c")), 368590.0);
    EXPECT_EQ(HigherCount(HandState("7c 7d Kh 9s 4c", "Ad 2h Qs")), 251610.0);
    EXPECT_EQ(HigherCount(HandState("Jc Jd 4h 4s 9c")), 38704.0);
    EXPECT_EQ(HigherCount(HandState("8c 8d 8h Ks 2c")), 17743.0);
    EXPECT_EQ(HigherCount(HandState("5c 5d 5h Qs Qc")), 1952.0);
    EXPECT_EQ(HigherCount(HandState("9c 9d 9h 9s 3c")), 215.0);
}

// With Aces paired only the other two Aces with a kicker above the player's
// count; with an Ace kicker only higher pairs do; a third card of the pair's
// rank seen leaves no opponent the same pair.
TEST(HigherOnePair, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcOnePair, {
        HandState("7c 7d Kh 9s 4c"),
        HandState("7c 7d Kh 9s 4c", "Ad 2h Qs"),
        HandState("Ac Ad Kh 9s 4c"),
        HandState("Ac Ad 2h 3s 5c", "7d"),
        HandState("7c 7d Ah 9s 4c"),
        HandState("Kc Kd Ah 7s 2c", "Qd Jh"),
        HandState("2c 2d 3h 4s 6c"),
        HandState("Qc Qd 5h 3s 2c", "Ks Kh"),
        HandState("7c 7d Kh 9s 4c", "7h 8c"),
    });
}

TEST(HigherOnePair, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcOnePair, RandomHands(pcOnePair, 101));
}

// Aces up, an Ace as the fifth card, a fifth card between or below the pairs.
TEST(HigherTwoPair, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcTwoPair, {
        HandState("Jc Jd 4h 4s 9c"),
        HandState("Ac Ad Kh Ks 5c"),
        HandState("Ac Ad 2h 2s Kc", "Qd"),
        HandState("5c 5d 9h 9s Kc"),
        HandState("2c 2d 3h 3s Ac"),
        HandState("Qs Qh 5d 5c Ac", "Kd 7h"),
        HandState("Kc Kd 8h 2s 2c"),
        HandState("Jc Jd 4h 4s 9c", "Jh Tc Qd"),
    });
}

TEST(HigherTwoPair, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcTwoPair, RandomHands(pcTwoPair, 202));
}

TEST(HigherThreeOfAKind, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcThreeOfAKind, {
        HandState("8c 8d 8h Ks 2c"),
        HandState("Ac Ad Ah 2s 3c"),
        HandState("2c 2d 2h As Kc"),
        HandState("Kc Kd Kh 5s 4c", "Ac Ad 9h"),
    });
}

TEST(HigherThreeOfAKind, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcThreeOfAKind, RandomHands(pcThreeOfAKind, 303));
}

TEST(HigherFullHouse, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcFullHouse, {
        HandState("5c 5d 5h Qs Qc"),
        HandState("Ac Ad Ah Ks Kc"),
        HandState("2c 2d 2h As Ac"),
        HandState("Kc Kd Kh 2s 2c", "Ad As 3h"),
    });
}

TEST(HigherFullHouse, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcFullHouse, RandomHands(pcFullHouse, 404));
}

TEST(HigherFourOfAKind, MatchesEnumerationOnTargetedHands)
{
    ExpectMatchesEnumeration(pcFourOfAKind, {
        HandState("9c 9d 9h 9s 3c"),
        HandState("Ac Ad Ah As Kc"),
        HandState("2c 2d 2h 2s Ac"),
        HandState("Kc Kd Kh Ks 2c", "Ac Qd"),
    });
}

TEST(HigherFourOfAKind, MatchesEnumerationOnRandomHands)
{
    ExpectMatchesEnumeration(pcFourOfAKind, RandomHands(pcFourOfAKind, 505));
}
