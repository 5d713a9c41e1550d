// Opponent straights and flushes (straight flushes included in both) and
// straight flushes (royal ones included), checked against the enumeration.
#include "FormulaTestSupport.h"
#include "StraightFlushFormulas.h"

#include <gtest/gtest.h>

using namespace FormulaTest;

namespace {

struct TStraightFlushCounts {
    double m_dStraight, m_dFlush, m_dStraightFlush;
};

TStraightFlushCounts Evaluate(const std::vector<int>& known)
{
    const TKnownCounts counts(known);
    return {CStraightFormula().Evaluate(counts.Ranks()), CFlushFormula().Evaluate(counts.Suits()),
            CStraightFlushFormula().Evaluate(counts.Matrix())};
}

void ExpectMatchesEnumeration(const TState& state)
{
    SCOPED_TRACE(Describe(state));
    const TBruteForceCounts expected = CountOpponentHands(state.m_known, {});
    const TStraightFlushCounts actual = Evaluate(state.m_known);
    EXPECT_EQ(actual.m_dStraight, expected.m_dStraight) << "straight";
    EXPECT_EQ(actual.m_dFlush, expected.m_dFlush) << "flush";
    EXPECT_EQ(actual.m_dStraightFlush, expected.m_dStraightFlush) << "straight flush";
}

} // namespace

TEST(StraightFlushFormulas, ReproduceThePublishedFigures)
{
    struct TCase {
        const char* m_pszKnown;
        double m_dStraight, m_dFlush, m_dStraightFlush;
    };
    const TCase cases[] = {
        {"", 10240, 5148, 40},
        {"5c 6d 7h 8s Kc", 5736, 2838, 18},
        {"Ac Kc Qc Jc 2d", 7540, 3492, 33},
        {"2c 3c 4c 5c 7c", 6588, 3917, 33},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.m_pszKnown);
        const TStraightFlushCounts actual = Evaluate(Cards(c.m_pszKnown));
        EXPECT_EQ(actual.m_dStraight, c.m_dStraight);
        EXPECT_EQ(actual.m_dFlush, c.m_dFlush);
        EXPECT_EQ(actual.m_dStraightFlush, c.m_dStraightFlush);
    }
}

TEST(StraightFlushFormulas, MatchEnumerationWithNothingKnown)
{
    ExpectMatchesEnumeration(TState{});
}

// Known cards at both ends of the Ace's two straights, and a suit nearly
// used up, so that the wheel, Ten-to-Ace and the missing Queen-to-Two window
// all matter.
TEST(StraightFlushFormulas, MatchEnumerationOnTheAcesWindows)
{
    const std::vector<TState> states = {
        HandState("5c 6d 7h 8s Kc"),
        HandState("Ac Kc Qc Jc 2d"),
        HandState("2c 3c 4c 5c 7c"),
        HandState("Ac Ad Ah As 5c"),
        HandState("Qh Kh Ah 2h 3h", "4h 5h 6h 7h 8h"),
        HandState("Tc Jd Qh Ks 9c", "Td Th Ts Jc Jh"),
    };
    for (const TState& state : Thinned(states))
        ExpectMatchesEnumeration(state);
}

TEST(StraightFlushFormulas, MatchEnumerationOnRandomGames)
{
    CStateDealer dealer(7741);
    std::vector<TState> states;
    for (int i = 0; i < 12; ++i)
        states.push_back(dealer.DealGame());
    for (const TState& state : Thinned(states))
        ExpectMatchesEnumeration(state);
}
