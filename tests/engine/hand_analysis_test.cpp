// What hand analysis tells the discard advice: the formation, the draw beside
// it, and the straight-flush draws. The ranks behind the higher-formation rows
// are checked by the enumeration.

#include "ManagerTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct TAnalysisCase {
    const char* m_pszHand;
    int m_nFormation;
    int m_nDrawCode;
    int m_nStraightFlushDraws;
};

const TAnalysisCase kCases[] = {
    // Made hands and the draws beside them.
    {"As Ah Ad Ac Ks", fmFourOfAKind, dcNone, 0},
    {"Ks Kh Kd As Ah", fmFullHouse, dcNone, 0},
    {"7s 7h 7d 8c 9c", fmThreeOfAKind, dcThreeStraight, 0},
    {"7s 7h 7d 2d Qd", fmThreeOfAKind, dcThreeSuited, 0},
    {"Qs Qh 5d 5c Ac", fmTwoPairs, dcHighCard, 0},
    {"9s 9h 5d 5c 2c", fmTwoPairs, dcNone, 0},
    {"Kc Kd Ah 7s 2c", fmOnePair, dcHighCard, 0},
    {"5s 5h Kd Qc 2h", fmOnePair, dcTwoHighCards, 0},
    {"5h 5s 8h Jh Kh", fmOnePair, dcFourSuited, 0},
    {"4s 4h 5d 6c 7c", fmOnePair, dcOpenEndedStraight, 0},
    {"5h 6h 7h 8h 8s", fmOnePair, dcOpenEndedStraight, 1},
    // A run starting or ending at the Ace can only be filled inside.
    {"As Ah 2d 3c 4c", fmOnePair, dcFourStraight, 0},
    {"As Ah Jh Qh Kh", fmOnePair, dcFourStraight, 1},
    {"2s 3h 4d 5c 6c", fmStraight, dcNone, 0},
    {"As 2h 3d 4c 5c", fmStraight, dcNone, 0},
    {"2h 5h 8h Jh Ah", fmFlush, dcNone, 0},
    {"9h Th Jh Qh Kh", fmStraightFlush, dcNone, 0},
    {"Th Jh Qh Kh Ah", fmRoyalFlush, dcNone, 0},
    // No made formation: the best draw names the hand.
    {"3c Js Qd Kc Ah", fmFourStraight, dcNone, 0},
    {"Tc Js Qd Ac 5h", fmFourStraight, dcNone, 0},
    {"2c 5s 6d 7c 8h", fmOpenEndedStraight, dcNone, 0},
    {"5h 6h 7s 8h Kh", fmOpenEndedStraight, dcFourSuited, 0},
    {"2c 6s 7d 8c Kh", fmThreeStraight, dcNone, 0},
    {"2c 3s 4d 9c Kh", fmThreeStraight, dcNone, 0},
    {"3c 6s 9d Qc Kh", fmThreeStraight, dcNone, 0},
    {"3c 6s 9d Qc 2h", fmThreeStraight, dcNone, 0},
    {"2c 7c 9c Jd Kh", fmThreeStraight, dcThreeSuited, 0},
    {"2d 4d 7h 9d Qd", fmFourSuited, dcNone, 0},
    {"2c 4c 7d 9c Qh", fmThreeSuited, dcNone, 0},
    {"3c 6s 9d Qc Ah", fmTwoHighCards, dcNone, 0},
    {"2c 5s 8d Tc Kh", fmTwoHighCards, dcNone, 0},
    {"2c 4s 7d 9c Qh", fmHighCard, dcNone, 0},
    // A three-card window beside a pair: with gaps, and touching the Ace.
    {"5c 6s 9d 9h Ac", fmOnePair, dcThreeStraight, 0},
    {"2c 3s 6d 6h Jc", fmOnePair, dcThreeStraight, 0},
    {"Ac 3d 4h 9s 9c", fmOnePair, dcThreeStraight, 0},
};

TEST(HandAnalysis, NamesTheFormationTheDrawAndTheStraightFlushDraws)
{
    for (const TAnalysisCase& c : kCases) {
        SCOPED_TRACE(c.m_pszHand);
        auto m = AnalyzedHand(c.m_pszHand);
        EXPECT_EQ(m.m_nFormation, c.m_nFormation);
        EXPECT_EQ(m.m_nDrawCode, c.m_nDrawCode);
        EXPECT_EQ(m.CountStraightFlushDraws(), c.m_nStraightFlushDraws);
    }
}

// The card picker resets the manager for each new game.
TEST(HandAnalysisAfterReset, IsThatOfAFreshManager)
{
    CCardDistributionManager reused;
    PlayAndAnalyze(reused, TDrawState{Cards("As Ah Jh Qh Kh"), Cards("As Ah"), Cards("2h 9h")});
    reused.CountStraightFlushDraws();
    reused.Reset();
    PlayAndAnalyze(reused, Holding("3c 6s 9d Qc 2h"));
    auto fresh = AnalyzedHand("3c 6s 9d Qc 2h");
    EXPECT_EQ(reused.m_nKnownCards, fresh.m_nKnownCards);
    EXPECT_EQ(reused.m_nFormation, fresh.m_nFormation);
    EXPECT_EQ(reused.m_nDrawCode, fresh.m_nDrawCode);
    EXPECT_EQ(reused.CountStraightFlushDraws(), fresh.CountStraightFlushDraws());
    CCardDistributionManager::TRows reusedRows, freshRows;
    reused.BuildOneOpponentTable(reusedRows);
    fresh.BuildOneOpponentTable(freshRows);
    ASSERT_EQ(reusedRows.size(), freshRows.size());
    for (size_t i = 0; i < freshRows.size(); ++i)
        EXPECT_EQ(reusedRows[i].m_dProbability, freshRows[i].m_dProbability);
}

} // namespace
