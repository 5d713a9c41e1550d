#include "ManagerTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using TRows = CCardDistributionManager::TRows;

constexpr double kHandsAfterFive = 1533939.0;  // C(47, 5)

std::vector<int> Labels(const TRows& rows)
{
    std::vector<int> labels;
    for (const auto& row : rows)
        labels.push_back(row.m_nFormationNameId);
    return labels;
}

// Table 1, then table 2 for n opponents from table 1's closing row, as the
// view builds them.
struct TTables {
    TRows m_one;
    TRows m_atLeastOne;
};

TTables BuildTables(CCardDistributionManager& m, unsigned nOpponents)
{
    TTables t;
    m.BuildOneOpponentTable(t.m_one);
    const double pHigher = t.m_one.size() > 1 ? t.m_one.back().m_dProbability : 0.0;
    m.BuildAtLeastOneOpponentTable(t.m_atLeastOne, nOpponents, pHigher);
    return t;
}

} // namespace

// --- The worked example: 2c 4s 7d 9c Qh, three opponents ---

TEST(ProbabilityTablesWorkedExample, OneOpponentTableToSixDecimals)
{
    auto m = AnalyzedHand("2c 4s 7d 9c Qh");
    ASSERT_EQ(m.m_nFormation, fmHighCard);
    ASSERT_EQ(m.m_nKnownCards, 5);
    const TTables t = BuildTables(m, 3);
    const double expected[] = {0.420682, 0.046809, 0.020537, 0.003880, 0.001850,
                               0.001385, 0.000224, 0.000014, 0.495353};
    ASSERT_EQ(t.m_one.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_NEAR(t.m_one[i].m_dProbability, expected[i], 5e-7) << "row " << i;
    EXPECT_NEAR(t.m_one[0].m_dOdds, 1.3771, 5e-5);
}

TEST(ProbabilityTablesWorkedExample, FormulaCountsBehindTheRows)
{
    auto m = AnalyzedHand("2c 4s 7d 9c Qh");
    const TTables t = BuildTables(m, 3);
    const double counts[] = {645300, 71802, 31502, 5952, 2838, 2124, 344, 21};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(t.m_one[i].m_dProbability * kHandsAfterFive, counts[i], 1e-6) << "row " << i;
    // Straight flushes sit in the straight, flush and straight-flush rows.
    const double beaten = 645300 + 71802 + 31502 + 5952 + 2838 + 2124 + 344 + 21 - 2 * 21;
    EXPECT_NEAR(t.m_one[8].m_dProbability * kHandsAfterFive, beaten, 1e-6);
}

TEST(ProbabilityTablesWorkedExample, ThreeOpponentTableToSixDecimals)
{
    auto m = AnalyzedHand("2c 4s 7d 9c Qh");
    const TTables t = BuildTables(m, 3);
    const double expected[] = {0.805575, 0.133956, 0.060353, 0.011596, 0.005540,
                               0.004148, 0.000673, 0.000041, 0.871482};
    ASSERT_EQ(t.m_atLeastOne.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_NEAR(t.m_atLeastOne[i].m_dProbability, expected[i], 5e-7) << "row " << i;
}

// --- Which rows, in which order ---

TEST(ProbabilityTablesRows, FollowThePlayersFormation)
{
    struct TCase {
        const char* m_hand;
        int m_nFormation;
        std::vector<int> m_labels;
    };
    const std::vector<int> nothing = {109, 207, 111, 112, 113, 114, 115, 116, 147};
    const TCase cases[] = {
        {"2c 4s 7d 9c Qh", fmHighCard, nothing},
        {"3c 6s 9d Qc Ah", fmTwoHighCards, nothing},
        {"2c 4c 7d 9c Qh", fmThreeSuited, nothing},
        {"2d 4d 7h 9d Qd", fmFourSuited, nothing},
        {"2c 6s 7d 8c Kh", fmThreeStraight, nothing},
        {"3c Js Qd Kc Ah", fmFourStraight, nothing},
        {"2c 5s 6d 7c 8h", fmOpenEndedStraight, nothing},
        {"Kc Kd Ah 7s 2c", fmOnePair, {120, 207, 111, 112, 113, 114, 115, 116, 147}},
        {"Qs Qh 5d 5c Ac", fmTwoPairs, {121, 111, 112, 113, 114, 115, 116, 147}},
        {"7s 7h 7d 8c 9c", fmThreeOfAKind, {122, 112, 113, 114, 115, 116, 147}},
        {"2s 3h 4d 5c 6c", fmStraight, {123, 113, 114, 115, 116, 147}},
        {"2h 5h 8h Jh Kh", fmFlush, {124, 114, 115, 116, 147}},
        {"Ks Kh Kd As Ah", fmFullHouse, {125, 115, 116, 147}},
        {"As Ah Ad Ac Ks", fmFourOfAKind, {126, 116, 147}},
        {"9h Th Jh Qh Kh", fmStraightFlush, {127, 147}},
        {"Th Jh Qh Kh Ah", fmRoyalFlush, {127, 147}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.m_hand);
        auto m = AnalyzedHand(c.m_hand);
        ASSERT_EQ(m.m_nFormation, c.m_nFormation);
        const TTables t = BuildTables(m, 2);
        EXPECT_EQ(Labels(t.m_one), c.m_labels);
        EXPECT_EQ(Labels(t.m_atLeastOne), c.m_labels);
    }
}

TEST(ProbabilityTablesRows, NoCardKnownGivesTheFullDeckFigures)
{
    CCardDistributionManager m;
    m.AnalyzeHand();
    ASSERT_EQ(m.m_nFormation, fmNothing);
    TRows rows;
    m.BuildOneOpponentTable(rows);
    ASSERT_EQ(Labels(rows), (std::vector<int>{109, 207, 111, 112, 113, 114, 115, 116, 147}));
    const double hands = 2598960.0;
    const double counts[] = {1098240, 123552, 54912, 10240, 5148, 3744, 624, 40};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(rows[i].m_dProbability * hands, counts[i], 1e-6) << "row " << i;
}

TEST(ProbabilityTablesRows, UnknownFormationCodeGivesTheClosingRowAlone)
{
    for (int code : {-1, 17}) {
        SCOPED_TRACE(code);
        auto m = AnalyzedHand("2c 4s 7d 9c Qh");
        m.m_nFormation = code;
        TRows rows;
        m.BuildOneOpponentTable(rows);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].m_nFormationNameId, 147);
        EXPECT_EQ(rows[0].m_dProbability, 0.0);
        EXPECT_EQ(rows[0].m_dOdds, -1.0);
        m.BuildAtLeastOneOpponentTable(rows, 3, 0.0);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].m_nFormationNameId, 147);
        EXPECT_EQ(rows[0].m_dProbability, 0.0);
    }
}

TEST(ProbabilityTablesRows, SecondBuildIntoTheSameArrayLeavesOnlyTheSecondTable)
{
    auto pair = AnalyzedHand("Kc Kd Ah 7s 2c");
    auto flush = AnalyzedHand("2h 5h 8h Jh Kh");
    TRows expected;
    flush.BuildOneOpponentTable(expected);

    TRows rows;
    pair.BuildOneOpponentTable(rows);
    flush.BuildOneOpponentTable(rows);
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].m_nFormationNameId, expected[i].m_nFormationNameId);
        EXPECT_EQ(rows[i].m_dProbability, expected[i].m_dProbability);
    }

    pair.BuildAtLeastOneOpponentTable(rows, 4, 0.5);
    EXPECT_EQ(Labels(rows), (std::vector<int>{120, 207, 111, 112, 113, 114, 115, 116, 147}));
}

// --- Values ---

TEST(ProbabilityTablesValues, RoyalFlushIsNeverBeaten)
{
    auto m = AnalyzedHand("Th Jh Qh Kh Ah");
    const TTables t = BuildTables(m, 5);
    for (const TRows* rows : {&t.m_one, &t.m_atLeastOne}) {
        ASSERT_EQ(rows->size(), 2u);
        for (const auto& row : *rows) {
            EXPECT_EQ(row.m_dProbability, 0.0) << row.m_nFormationNameId;
            EXPECT_EQ(row.m_dOdds, -1.0) << row.m_nFormationNameId;
        }
    }
}

TEST(ProbabilityTablesValues, StraightFlushTableClosesWithTheHigherStraightFlushRow)
{
    auto m = AnalyzedHand("9h Th Jh Qh Kh");
    TRows rows;
    m.BuildOneOpponentTable(rows);
    ASSERT_EQ(rows.size(), 2u);
    // Only the three royal flushes of the other suits beat a King-high one.
    EXPECT_NEAR(rows[0].m_dProbability * kHandsAfterFive, 3.0, 1e-9);
    EXPECT_EQ(rows[1].m_dProbability, rows[0].m_dProbability);
}

TEST(ProbabilityTablesValues, ImpossibleFormationsShowOddsMinusOne)
{
    // Every Five and every Ten is known: no straight and no straight flush is
    // left, and nobody can hold four Fives or four Tens.
    CCardDistributionManager m;
    PlayAndAnalyze(m, TDrawState{Cards("5c 5d Tc Td Th"), Cards("Tc Td Th"), Cards("5h 5s Ts")});
    ASSERT_EQ(m.m_nFormation, fmFourOfAKind);
    const TTables t = BuildTables(m, 3);
    for (const TRows* rows : {&t.m_one, &t.m_atLeastOne}) {
        ASSERT_EQ(Labels(*rows), (std::vector<int>{126, 116, 147}));
        EXPECT_GT((*rows)[0].m_dProbability, 0.0);
        EXPECT_EQ((*rows)[1].m_dProbability, 0.0);
        EXPECT_EQ((*rows)[1].m_dOdds, -1.0);
    }
}

TEST(ProbabilityTablesValues, FourAcesHaveNoHigherFourOfAKind)
{
    auto m = AnalyzedHand("As Ah Ad Ac Ks");
    TRows rows;
    m.BuildOneOpponentTable(rows);
    ASSERT_EQ(rows[0].m_nFormationNameId, 126);
    EXPECT_EQ(rows[0].m_dProbability, 0.0);
    EXPECT_EQ(rows[0].m_dOdds, -1.0);
}

TEST(ProbabilityTablesValues, OddsAreOddsAgainstEachRow)
{
    auto m = AnalyzedHand("7c 7d Kh 9s 4c");
    const TTables t = BuildTables(m, 2);
    for (const TRows* rows : {&t.m_one, &t.m_atLeastOne})
        for (const auto& row : *rows) {
            ASSERT_GT(row.m_dProbability, 0.0) << row.m_nFormationNameId;
            EXPECT_DOUBLE_EQ(row.m_dOdds * row.m_dProbability, 1.0 - row.m_dProbability) << row.m_nFormationNameId;
        }
}

TEST(ProbabilityTablesValues, OneOpponentAtLeastOneTableRepeatsTheOneOpponentTable)
{
    for (const char* hand : {"2c 4s 7d 9c Qh", "Kc Kd Ah 7s 2c", "2s 3h 4d 5c 6c", "Kc 9c 7c 4c 2c"}) {
        SCOPED_TRACE(hand);
        auto m = AnalyzedHand(hand);
        const TTables t = BuildTables(m, 1);
        ASSERT_EQ(t.m_one.size(), t.m_atLeastOne.size());
        for (std::size_t i = 0; i < t.m_one.size(); ++i) {
            EXPECT_EQ(t.m_atLeastOne[i].m_nFormationNameId, t.m_one[i].m_nFormationNameId);
            EXPECT_NEAR(t.m_atLeastOne[i].m_dProbability, t.m_one[i].m_dProbability, 1e-15) << "row " << i;
        }
    }
}

// --- Straight flushes held by the higher straight or higher flush row are counted once ---

TEST(ProbabilityTablesClosingRow, NineHighStraightIsBeatenBy8420Hands)
{
    auto m = AnalyzedHand("5c 6d 7h 8s 9c");
    TRows rows;
    m.BuildOneOpponentTable(rows);
    EXPECT_NEAR(rows.back().m_dProbability * kHandsAfterFive, 8420.0, 1e-6);
}

TEST(ProbabilityTablesClosingRow, SixHighStraightIsBeatenBy11477Hands)
{
    auto m = AnalyzedHand("2s 3h 4d 5c 6c");
    TRows rows;
    m.BuildOneOpponentTable(rows);
    EXPECT_NEAR(rows.back().m_dProbability * kHandsAfterFive, 11477.0, 1e-6);
}

TEST(ProbabilityTablesClosingRow, KingHighFlushIsBeatenBy4012Hands)
{
    auto m = AnalyzedHand("Kc 9c 7c 4c 2c");
    TRows rows;
    m.BuildOneOpponentTable(rows);
    EXPECT_NEAR(rows.back().m_dProbability * kHandsAfterFive, 4012.0, 1e-6);
}

TEST(ProbabilityTablesClosingRow, AtLeastOneClosingRowAppliesInclusionExclusionToTableOnesValue)
{
    // Three distinct opponent hands out of N, X of them beating the player:
    // 1 - C(N - X, 3) / C(N, 3).
    auto m = AnalyzedHand("5c 6d 7h 8s 9c");
    const TTables t = BuildTables(m, 3);
    const double N = kHandsAfterFive;
    const double X = 8420.0;
    const double none = (N - X) / N * (N - X - 1) / (N - 1) * (N - X - 2) / (N - 2);
    EXPECT_NEAR(t.m_atLeastOne.back().m_dProbability, 1.0 - none, 1e-12);
}
