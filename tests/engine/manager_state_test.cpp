#include "ManagerTestSupport.h"

#include <gtest/gtest.h>

namespace {

// What every new game starts from.
void ExpectNoGame(const CCardDistributionManager& m)
{
    for (int s = 0; s < 4; ++s)
        for (int r = 0; r < 13; ++r) {
            EXPECT_EQ(m.m_anCardCounts[s][r], 0) << "suit " << s << " rank " << r;
            EXPECT_FALSE(m.m_abDiscarded[s][r]) << "suit " << s << " rank " << r;
        }
    EXPECT_EQ(m.m_nKnownCards, 0);
    EXPECT_EQ(m.m_nFormation, 0);
    EXPECT_EQ(m.m_nDrawCode, 0);
    EXPECT_EQ(m.m_nThreeSuit, -1);
    EXPECT_EQ(m.m_nFourSuit, -1);
    EXPECT_EQ(m.m_nStraightFlushDraws, 0);
    EXPECT_TRUE(m.m_arrHandRanks.empty());
    EXPECT_TRUE(m.m_arrHandSuits.empty());
    EXPECT_TRUE(m.m_arrThreeStraightStarts.empty());
    EXPECT_TRUE(m.m_arrFourStraightStarts.empty());
}

} // namespace

TEST(ManagerState, StartsWithNoGame)
{
    const CCardDistributionManager m;
    ExpectNoGame(m);
}

TEST(ManagerState, StartsWithNoRanksAndNoCounts)
{
    const CCardDistributionManager m;
    EXPECT_EQ(m.m_nMainRank, -1);
    EXPECT_EQ(m.m_nHighCard, -1);
    EXPECT_EQ(m.m_nPairRank, -1);
    EXPECT_EQ(m.m_nFirstPair, -1);
    EXPECT_EQ(m.m_nSecondPair, -1);
    for (int r = 0; r < 13; ++r) {
        EXPECT_EQ(m.m_anHandRankCounts[r], 0);
        EXPECT_EQ(m.m_anKnownRankCounts[r], 0);
        EXPECT_EQ(m.m_anKnownRankCountsAceHigh[r], 0);
    }
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(m.m_anHandSuitCounts[s], 0);
        EXPECT_EQ(m.m_anKnownSuitCounts[s], 0);
    }
}

TEST(ManagerState, ResetForgetsAWholeGame)
{
    CCardDistributionManager m;
    // A game with a discard, both suit fields found and a straight-flush draw counted.
    PlayAndAnalyze(m, TDrawState{Cards("As Ah Jh Qh Kh"), {}, {}});
    m.CountStraightFlushDraws();
    DiscardCards(m, Cards("As"));
    ConfirmCards(m, Cards("2h"));
    m.AnalyzeHand();
    ASSERT_EQ(m.m_nFormation, fmFlush);
    ASSERT_EQ(m.m_nStraightFlushDraws, 1);

    m.Reset();
    ExpectNoGame(m);
}

TEST(ManagerState, ResetKeepsTheRankFieldsUntilTheNextAnalysis)
{
    CCardDistributionManager m;
    PlayAndAnalyze(m, TDrawState{Cards("Qs Qh 5d 5c Ac"), {}, {}});
    m.Reset();
    EXPECT_EQ(m.m_nFirstPair, 4);
    EXPECT_EQ(m.m_nSecondPair, 11);
    EXPECT_EQ(m.m_nHighCard, 0);

    ConfirmCards(m, Cards("7s 7h 7d 8c 9c"));
    m.AnalyzeHand();
    EXPECT_EQ(m.m_nFirstPair, -1);
    EXPECT_EQ(m.m_nSecondPair, -1);
    EXPECT_EQ(m.m_nMainRank, 6);
}

TEST(ManagerState, ResetGameAnalysesLikeAFreshOne)
{
    CCardDistributionManager reused;
    PlayAndAnalyze(reused, TDrawState{Cards("2c 7c 9c Jd Kh"), Cards("2c 7c"), Cards("Ac Ad")});
    reused.Reset();
    PlayAndAnalyze(reused, TDrawState{Cards("3c 6s 9d Qc 2h"), {}, {}});

    const auto fresh = AnalyzedHand("3c 6s 9d Qc 2h");
    EXPECT_EQ(reused.m_nKnownCards, fresh.m_nKnownCards);
    EXPECT_EQ(reused.m_nFormation, fresh.m_nFormation);
    EXPECT_EQ(reused.m_nDrawCode, fresh.m_nDrawCode);
    EXPECT_EQ(reused.m_arrThreeStraightStarts, fresh.m_arrThreeStraightStarts);
    EXPECT_EQ(reused.m_nThreeSuit, fresh.m_nThreeSuit);
}

TEST(ManagerOdds, AreOddsAgainstAndMinusOneForAnImpossibleEvent)
{
    EXPECT_DOUBLE_EQ(CCardDistributionManager::GetOdds(0.0), -1.0);
    EXPECT_DOUBLE_EQ(CCardDistributionManager::GetOdds(0.25), 3.0);
    EXPECT_DOUBLE_EQ(CCardDistributionManager::GetOdds(1.0), 0.0);
}
