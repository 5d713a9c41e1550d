#include "ManagerTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<unsigned> Starts(std::initializer_list<unsigned> positions)
{
    return std::vector<unsigned>(positions);
}

} // namespace

// --- Made formations: four of a kind, full house, three of a kind, pairs ---

TEST(HandAnalysisMadeHands, FourAcesAreFourOfAKindOfAces)
{
    const auto m = AnalyzedHand("As Ah Ad Ac Ks");
    EXPECT_EQ(m.m_nFormation, fmFourOfAKind);
    EXPECT_EQ(m.m_nMainRank, 0);
    EXPECT_EQ(m.m_nDrawCode, dcNone);
}

TEST(HandAnalysisMadeHands, FourOfAKindAboveItsKickerNamesTheFour)
{
    const auto m = AnalyzedHand("2s 9h 9d 9c 9s");
    EXPECT_EQ(m.m_nFormation, fmFourOfAKind);
    EXPECT_EQ(m.m_nMainRank, 8);
}

TEST(HandAnalysisMadeHands, FullHouseNamesItsThreeWhicheverRankIsLower)
{
    const auto kingsOverAces = AnalyzedHand("Ks Kh Kd As Ah");
    EXPECT_EQ(kingsOverAces.m_nFormation, fmFullHouse);
    EXPECT_EQ(kingsOverAces.m_nMainRank, 12);

    const auto twosOverNines = AnalyzedHand("2s 2h 2d 9c 9s");
    EXPECT_EQ(twosOverNines.m_nFormation, fmFullHouse);
    EXPECT_EQ(twosOverNines.m_nMainRank, 1);
}

TEST(HandAnalysisMadeHands, ThreeOfAKindBesideARunDrawsToTheStraight)
{
    const auto m = AnalyzedHand("7s 7h 7d 8c 9c");
    EXPECT_EQ(m.m_nFormation, fmThreeOfAKind);
    EXPECT_EQ(m.m_nMainRank, 6);
    EXPECT_EQ(m.m_nDrawCode, dcThreeStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 2);
}

TEST(HandAnalysisMadeHands, ThreeOfAKindWithThreeSuitedCardsDrawsToTheFlush)
{
    const auto m = AnalyzedHand("7s 7h 7d 2d Qd");
    EXPECT_EQ(m.m_nFormation, fmThreeOfAKind);
    EXPECT_EQ(m.m_nDrawCode, dcThreeSuited);
    EXPECT_EQ(m.m_nThreeSuit, 1);
}

TEST(HandAnalysisMadeHands, TwoPairsWithAnAceBesideThemDrawToAHighCard)
{
    const auto m = AnalyzedHand("Qs Qh 5d 5c Ac");
    EXPECT_EQ(m.m_nFormation, fmTwoPairs);
    EXPECT_EQ(m.m_nFirstPair, 4);
    EXPECT_EQ(m.m_nSecondPair, 11);
    EXPECT_EQ(m.m_nHighCard, 0);
    EXPECT_EQ(m.m_nDrawCode, dcHighCard);
}

TEST(HandAnalysisMadeHands, TwoPairsWithALowFifthCardDrawToNothing)
{
    const auto m = AnalyzedHand("9s 9h 5d 5c 2c");
    EXPECT_EQ(m.m_nFormation, fmTwoPairs);
    EXPECT_EQ(m.m_nHighCard, 1);
    EXPECT_EQ(m.m_nDrawCode, dcNone);
}

TEST(HandAnalysisMadeHands, PairBesideAnOpenEndedRun)
{
    const auto m = AnalyzedHand("4s 4h 5d 6c 7c");
    EXPECT_EQ(m.m_nFormation, fmOnePair);
    EXPECT_EQ(m.m_nPairRank, 3);
    EXPECT_EQ(m.m_nHighCard, 6);
    EXPECT_EQ(m.m_nDrawCode, dcOpenEndedStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 1);
}

TEST(HandAnalysisMadeHands, PairsUnpairedAceIsTheHighestCard)
{
    const auto m = AnalyzedHand("Kc Kd Ah 7s 2c");
    EXPECT_EQ(m.m_nFormation, fmOnePair);
    EXPECT_EQ(m.m_nPairRank, 12);
    EXPECT_EQ(m.m_nHighCard, 0);
    EXPECT_EQ(m.m_nDrawCode, dcHighCard);
}

TEST(HandAnalysisMadeHands, PairWithTwoHighCardsBesideIt)
{
    const auto m = AnalyzedHand("5s 5h Kd Qc 2h");
    EXPECT_EQ(m.m_nFormation, fmOnePair);
    EXPECT_EQ(m.m_nHighCard, 12);
    EXPECT_EQ(m.m_nDrawCode, dcTwoHighCards);
}

TEST(HandAnalysisMadeHands, PairWhoseRunStartsWithTheAceIsNotOpenEnded)
{
    const auto m = AnalyzedHand("As Ah 2d 3c 4c");
    EXPECT_EQ(m.m_nFormation, fmOnePair);
    EXPECT_EQ(m.m_nDrawCode, dcFourStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 0);
}

TEST(HandAnalysisMadeHands, PairOfAcesBesideFourHeartsToTheAce)
{
    auto m = AnalyzedHand("As Ah Jh Qh Kh");
    EXPECT_EQ(m.m_nFormation, fmOnePair);
    EXPECT_EQ(m.m_nHighCard, 12);
    EXPECT_EQ(m.m_nDrawCode, dcFourStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 0);
    EXPECT_EQ(m.m_nFourSuit, 2);
    EXPECT_EQ(m.CountStraightFlushDraws(), 1);
    EXPECT_EQ(m.m_nStraightFlushDraws, 1);
}

TEST(HandAnalysisMadeHands, PairBesideFourSuitedCardsDrawsToTheFlush)
{
    const auto m = AnalyzedHand("5h 5s 8h Jh Kh");
    EXPECT_EQ(m.m_nFormation, fmOnePair);
    EXPECT_EQ(m.m_nDrawCode, dcFourSuited);
    EXPECT_EQ(m.m_nFourSuit, 2);
}

// --- Straights and flushes ---

TEST(HandAnalysisStraightsAndFlushes, StraightsTopCardWithTheAceAsZero)
{
    const auto sixHigh = AnalyzedHand("2s 3h 4d 5c 6c");
    EXPECT_EQ(sixHigh.m_nFormation, fmStraight);
    EXPECT_EQ(sixHigh.m_nHighCard, 5);

    const auto wheel = AnalyzedHand("As 2h 3d 4c 5c");
    EXPECT_EQ(wheel.m_nFormation, fmStraight);
    EXPECT_EQ(wheel.m_nHighCard, 4);

    const auto aceHigh = AnalyzedHand("Ts Js Qd Kc Ac");
    EXPECT_EQ(aceHigh.m_nFormation, fmStraight);
    EXPECT_EQ(aceHigh.m_nHighCard, 0);
}

TEST(HandAnalysisStraightsAndFlushes, StraightFlushToTheAceIsARoyalFlush)
{
    const auto royal = AnalyzedHand("Th Jh Qh Kh Ah");
    EXPECT_EQ(royal.m_nFormation, fmRoyalFlush);
    EXPECT_EQ(royal.m_nHighCard, 0);

    const auto kingHigh = AnalyzedHand("9h Th Jh Qh Kh");
    EXPECT_EQ(kingHigh.m_nFormation, fmStraightFlush);
    EXPECT_EQ(kingHigh.m_nHighCard, 12);

    const auto wheel = AnalyzedHand("Ah 2h 3h 4h 5h");
    EXPECT_EQ(wheel.m_nFormation, fmStraightFlush);
    EXPECT_EQ(wheel.m_nHighCard, 4);
}

TEST(HandAnalysisStraightsAndFlushes, FlushTopCardWithTheAceAsZero)
{
    const auto aceHigh = AnalyzedHand("2h 5h 8h Jh Ah");
    EXPECT_EQ(aceHigh.m_nFormation, fmFlush);
    EXPECT_EQ(aceHigh.m_nHighCard, 0);

    const auto kingHigh = AnalyzedHand("2h 5h 8h Jh Kh");
    EXPECT_EQ(kingHigh.m_nFormation, fmFlush);
    EXPECT_EQ(kingHigh.m_nHighCard, 12);
}

// --- Hands without a made formation ---

TEST(HandAnalysisDraws, FourToTheAceFromAboveIsNotOpenEnded)
{
    const auto m = AnalyzedHand("3c Js Qd Kc Ah");
    EXPECT_EQ(m.m_nFormation, fmFourStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 0);
    EXPECT_DOUBLE_EQ(m.GetStraightDrawPercent(), 8.51);
}

TEST(HandAnalysisDraws, FourWithAGapAroundTheAceIsNotOpenEnded)
{
    const auto m = AnalyzedHand("Tc Js Qd Ac 5h");
    EXPECT_EQ(m.m_nFormation, fmFourStraight);
}

TEST(HandAnalysisDraws, FourConsecutiveRanksAreOpenEnded)
{
    const auto m = AnalyzedHand("2c 5s 6d 7c 8h");
    EXPECT_EQ(m.m_nFormation, fmOpenEndedStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 1);
    EXPECT_DOUBLE_EQ(m.GetStraightDrawPercent(), 17.021);
}

TEST(HandAnalysisDraws, ThreeConsecutiveRanksInTheMiddleAreTheBestThreeCardDraw)
{
    const auto m = AnalyzedHand("2c 6s 7d 8c Kh");
    EXPECT_EQ(m.m_nFormation, fmThreeStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 2);
    EXPECT_DOUBLE_EQ(m.GetStraightDrawPercent(), 4.44);
}

TEST(HandAnalysisDraws, ThreeCardWindowAtTheTwoOrTheKingIsKindOne)
{
    const auto fromTwo = AnalyzedHand("2c 3s 4d 9c Kh");
    EXPECT_EQ(fromTwo.m_nFormation, fmThreeStraight);
    EXPECT_EQ(fromTwo.m_nStraightDrawKind, 1);
    EXPECT_DOUBLE_EQ(fromTwo.GetStraightDrawPercent(), 2.96);

    const auto toKing = AnalyzedHand("3c 6s 9d Qc Kh");
    EXPECT_EQ(toKing.m_nFormation, fmThreeStraight);
    EXPECT_EQ(toKing.m_nStraightDrawKind, 1);
    EXPECT_DOUBLE_EQ(toKing.GetStraightDrawPercent(), 2.96);

    const auto twoThreeSix = AnalyzedHand("3c 6s 9d Qc 2h");
    EXPECT_EQ(twoThreeSix.m_nFormation, fmThreeStraight);
    EXPECT_EQ(twoThreeSix.m_nStraightDrawKind, 1);
}

TEST(HandAnalysisDraws, TwoDoublyGappedWindowsBesideThreeClubs)
{
    const auto m = AnalyzedHand("2c 7c 9c Jd Kh");
    EXPECT_EQ(m.m_nFormation, fmThreeStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 0);
    EXPECT_EQ(m.m_arrThreeStraightStarts, Starts({1, 2}));
    EXPECT_EQ(m.m_nDrawCode, dcThreeSuited);
    EXPECT_EQ(m.m_nThreeSuit, 0);
}

TEST(HandAnalysisDraws, HighCardsAreCountedUpToTwo)
{
    EXPECT_EQ(AnalyzedHand("3c 6s 9d Qc Ah").m_nFormation, fmTwoHighCards);
    EXPECT_EQ(AnalyzedHand("2c 5s 8d Tc Kh").m_nFormation, fmTwoHighCards);
    EXPECT_EQ(AnalyzedHand("2c 4s 7d 9c Qh").m_nFormation, fmHighCard);
}

TEST(HandAnalysisDraws, SuitedCardsNameTheHandWhenNoStraightCardsDo)
{
    const auto three = AnalyzedHand("2c 4c 7d 9c Qh");
    EXPECT_EQ(three.m_nFormation, fmThreeSuited);
    EXPECT_EQ(three.m_nThreeSuit, 0);

    const auto four = AnalyzedHand("2d 4d 7h 9d Qd");
    EXPECT_EQ(four.m_nFormation, fmFourSuited);
    EXPECT_EQ(four.m_nFourSuit, 1);
}

TEST(HandAnalysisDraws, FourSuitedCardsBesideAStraightDrawBecomeTheDrawCode)
{
    auto m = AnalyzedHand("5h 6h 7s 8h Kh");
    EXPECT_EQ(m.m_nFormation, fmOpenEndedStraight);
    EXPECT_EQ(m.m_nDrawCode, dcFourSuited);
    // The run is not all hearts, so it is no straight-flush draw.
    EXPECT_EQ(m.CountStraightFlushDraws(), 0);
}

// --- Classification of three-card windows (beside a pair, so the window is the only one) ---

TEST(HandAnalysisWindows, OneGapOfTwoRanksInTheMiddleIsKindTwo)
{
    const auto fiveSixNine = AnalyzedHand("5c 6s 9d 9h Ac");
    EXPECT_EQ(fiveSixNine.m_nDrawCode, dcThreeStraight);
    EXPECT_EQ(fiveSixNine.m_nStraightDrawKind, 2);
    EXPECT_DOUBLE_EQ(fiveSixNine.GetStraightDrawPercent(), 4.44);

    const auto fiveEightNine = AnalyzedHand("5c 8s 9d 9h Ac");
    EXPECT_EQ(fiveEightNine.m_nStraightDrawKind, 2);
}

TEST(HandAnalysisWindows, OneGapOfTwoRanksAtTheTwoOrTheKingIsKindOne)
{
    const auto fromTwo = AnalyzedHand("2c 3s 6d 6h Jc");
    EXPECT_EQ(fromTwo.m_nDrawCode, dcThreeStraight);
    EXPECT_EQ(fromTwo.m_nStraightDrawKind, 1);
    EXPECT_DOUBLE_EQ(fromTwo.GetStraightDrawPercent(), 2.96);

    const auto toKing = AnalyzedHand("9c Qs Kd Kh 4c");
    EXPECT_EQ(toKing.m_nStraightDrawKind, 1);
}

TEST(HandAnalysisWindows, OneSingleGapIsKindOne)
{
    const auto m = AnalyzedHand("5c 7s 8d 8h Kc");
    EXPECT_EQ(m.m_nDrawCode, dcThreeStraight);
    EXPECT_EQ(m.m_nStraightDrawKind, 1);
}

TEST(HandAnalysisWindows, TwoSingleGapsAreKindZero)
{
    const auto m = AnalyzedHand("5c 7s 9d 9h Kc");
    EXPECT_EQ(m.m_nStraightDrawKind, 0);
    EXPECT_DOUBLE_EQ(m.GetStraightDrawPercent(), 1.48);
}

TEST(HandAnalysisWindows, WindowsTouchingAnAceAreKindZero)
{
    const auto aceBelowTwo = AnalyzedHand("Ac 3d 4h 9s 9c");
    EXPECT_EQ(aceBelowTwo.m_nDrawCode, dcThreeStraight);
    EXPECT_EQ(aceBelowTwo.m_nStraightDrawKind, 0);

    const auto aceAboveKing = AnalyzedHand("Jc Kd Ah 4h 4s");
    EXPECT_EQ(aceAboveKing.m_nDrawCode, dcThreeStraight);
    EXPECT_EQ(aceAboveKing.m_nStraightDrawKind, 0);
    // The Ace above the King is gone again once the search is over.
    EXPECT_EQ(aceAboveKing.m_arrHandRanks, Starts({0, 3, 10, 12}));
}

// --- Straight-flush draws and the fixed percentages ---

TEST(HandAnalysisServices, OpenEndedRunInOneSuitIsOneStraightFlushDraw)
{
    auto m = AnalyzedHand("5h 6h 7h 8h 8s");
    EXPECT_EQ(m.m_nDrawCode, dcOpenEndedStraight);
    EXPECT_EQ(m.CountStraightFlushDraws(), 1);
    EXPECT_DOUBLE_EQ(m.GetStraightFlushDrawPercent(), 4.255);
}

TEST(HandAnalysisServices, NoFourSuitedCardsMeansNoStraightFlushDraw)
{
    auto m = AnalyzedHand("4s 4h 5d 6c 7c");
    EXPECT_EQ(m.CountStraightFlushDraws(), 0);
    EXPECT_EQ(m.m_nStraightFlushDraws, 0);
}

TEST(HandAnalysisServices, StraightFlushPercentageFollowsTheWindowKind)
{
    EXPECT_DOUBLE_EQ(AnalyzedHand("As Ah Jh Qh Kh").GetStraightFlushDrawPercent(), 2.127);
    // No window was ever classified.
    EXPECT_DOUBLE_EQ(AnalyzedHand("Qs Qh Qd 5c 5h").GetStraightFlushDrawPercent(), 0.0);
}

TEST(HandAnalysisServices, MadeHandsHaveNoStraightDrawPercentage)
{
    EXPECT_DOUBLE_EQ(AnalyzedHand("2s 3h 4d 5c 6c").GetStraightDrawPercent(), 0.0);
    EXPECT_DOUBLE_EQ(AnalyzedHand("Kc Kd Ah 7s 2c").GetStraightDrawPercent(), 0.0);
}

// --- Known cards, discards and repeated analysis ---

TEST(HandAnalysisKnownCards, DiscardedCardsStayKnownButLeaveTheHand)
{
    CCardDistributionManager m;
    PlayAndAnalyze(m, TDrawState{Cards("As Ks 7h 7d 2c"), Cards("As Ks"), Cards("7c 3d")});
    EXPECT_EQ(m.m_nFormation, fmThreeOfAKind);
    EXPECT_EQ(m.m_nMainRank, 6);
    EXPECT_EQ(m.m_nKnownCards, 7);
    EXPECT_EQ(m.m_arrHandRanks, Starts({1, 2, 6}));
    EXPECT_EQ(m.m_anHandRankCounts[0], 0);
    EXPECT_EQ(m.m_anKnownRankCounts[0], 1);
    EXPECT_EQ(m.m_anHandSuitCounts[3], 0);
    EXPECT_EQ(m.m_anKnownSuitCounts[3], 2);
    EXPECT_EQ(m.m_anKnownSuitCounts[0], 2);
    EXPECT_EQ(m.m_anKnownSuitCounts[1], 2);
    EXPECT_EQ(m.m_arrHandSuits, Starts({0, 1, 2}));
}

TEST(HandAnalysisKnownCards, AceHighCountsPutTheAceLast)
{
    CCardDistributionManager m;
    PlayAndAnalyze(m, TDrawState{Cards("As 2s 2h Ks Kh"), Cards("As"), Cards("Ad")});
    const int expected[13] = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2};
    for (int r = 0; r < 13; ++r)
        EXPECT_EQ(m.m_anKnownRankCountsAceHigh[r], expected[r]) << "Ace-high rank " << r;
}

TEST(HandAnalysisKnownCards, AnalysingTwiceGivesTheSameCodesAndKeepsBothRunsWindows)
{
    auto m = AnalyzedHand("2c 7c 9c Jd Kh");
    const int formation = m.m_nFormation;
    const int drawCode = m.m_nDrawCode;
    const int kind = m.m_nStraightDrawKind;
    m.AnalyzeHand();
    EXPECT_EQ(m.m_nFormation, formation);
    EXPECT_EQ(m.m_nDrawCode, drawCode);
    EXPECT_EQ(m.m_nStraightDrawKind, kind);
    EXPECT_EQ(m.m_arrThreeStraightStarts, Starts({1, 2, 1, 2}));
}

TEST(HandAnalysisKnownCards, FourCardWindowsOfBothRunsAreKeptUntilReset)
{
    auto m = AnalyzedHand("2c 5s 6d 7c 8h");
    m.AnalyzeHand();
    EXPECT_EQ(m.m_nFormation, fmOpenEndedStraight);
    EXPECT_EQ(m.m_arrFourStraightStarts, Starts({1, 1}));
    m.Reset();
    ConfirmCards(m, Cards("2c 5s 6d 7c 8h"));
    m.AnalyzeHand();
    EXPECT_EQ(m.m_arrFourStraightStarts, Starts({1}));
}

TEST(HandAnalysisKnownCards, SuitFieldsKeepEarlierFindingsUntilReset)
{
    CCardDistributionManager m;
    PlayAndAnalyze(m, TDrawState{Cards("2c 7c 9c Jd Kh"), {}, {}});
    ASSERT_EQ(m.m_nThreeSuit, 0);
    // The final hand holds only two clubs.
    DiscardCards(m, Cards("2c"));
    ConfirmCards(m, Cards("2d"));
    m.AnalyzeHand();
    EXPECT_EQ(m.m_nThreeSuit, 0);
}
