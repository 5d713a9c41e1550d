// Discards and replacements through quintara-odds: the discarded cards stay
// known, the hand analysed is the kept cards plus the replacements, and both
// tables agree with a plain enumeration of every opponent hand.
#include "BruteForce.h"
#include "JsonReader.h"
#include "OddsRun.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Chance that at least one of n opponents, holding n distinct hands of the
// N possible, holds one of the x favourable ones.
double AtLeastOneOf(double x, double total, unsigned n)
{
    double none = 1.0;
    for (unsigned i = 0; i < n; ++i)
        none *= (total - x - i) / (total - i);
    return 1.0 - none;
}

// The enumerated count behind each row label.
std::map<int, double> CountsByRow(const TBruteForceCounts& c)
{
    return {{109, c.m_dOnePair},        {207, c.m_dTwoPair},         {111, c.m_dThreeOfAKind},
            {112, c.m_dStraight},       {113, c.m_dFlush},           {114, c.m_dFullHouse},
            {115, c.m_dFourOfAKind},    {116, c.m_dStraightFlush},   {120, c.m_dHigherPair},
            {121, c.m_dHigherTwoPair},  {122, c.m_dHigherThreeOfAKind}, {123, c.m_dHigherStraight},
            {124, c.m_dHigherFlush},    {125, c.m_dHigherFullHouse}, {126, c.m_dHigherFourOfAKind},
            {127, c.m_dHigherStraightFlush}, {147, c.m_dBeatsPlayer}};
}

struct TFlow {
    std::vector<std::string> m_args;
    const char* m_pKnown;  // every card seen, discards included
    const char* m_pHand;   // the final hand
    int m_nKnownCount;
    int m_nFormation;
    unsigned m_nOpponents;
    std::vector<int> m_arrRowIds;
};

void CheckAgainstEnumeration(const TFlow& flow)
{
    std::vector<std::string> args{"--json"};
    args.insert(args.end(), flow.m_args.begin(), flow.m_args.end());
    const TOddsRun run = RunOdds(args);
    ASSERT_EQ(run.m_nStatus, 0) << run.m_strErr;
    TJson json;
    ASSERT_TRUE(ParseJson(run.m_strOut, json)) << run.m_strOut;
    EXPECT_EQ(json.Find("known_count")->m_dValue, flow.m_nKnownCount);
    EXPECT_EQ(json.Find("formation")->m_dValue, flow.m_nFormation);
    EXPECT_TRUE(json.Find("final")->m_bValue);

    const TBruteForceCounts counts = CountOpponentHands(Cards(flow.m_pKnown), Cards(flow.m_pHand));
    const std::map<int, double> byRow = CountsByRow(counts);
    const std::vector<TJson>& one = json.Find("one_opponent")->m_arrItems;
    const std::vector<TJson>& atLeast = json.Find("at_least_one")->m_arrItems;
    ASSERT_EQ(one.size(), flow.m_arrRowIds.size());
    ASSERT_EQ(atLeast.size(), flow.m_arrRowIds.size());
    for (size_t i = 0; i < one.size(); ++i) {
        const int id = flow.m_arrRowIds[i];
        EXPECT_EQ(one[i].Find("id")->m_dValue, id) << i;
        EXPECT_EQ(atLeast[i].Find("id")->m_dValue, id) << i;
        const double x = byRow.at(id);
        EXPECT_NEAR(one[i].Find("probability")->m_dValue, x / counts.m_dTotal, 1e-12) << "row " << id;
        EXPECT_NEAR(atLeast[i].Find("probability")->m_dValue, AtLeastOneOf(x, counts.m_dTotal, flow.m_nOpponents),
                    1e-9)
            << "row " << id;
    }
}

TEST(DiscardAndDraw, TwoReplacementsMakeSevenKnownCards)
{
    CheckAgainstEnumeration({{"--opponents", "3", "--discard", "2c,4s", "--draw", "Kd,Ks", "2c", "4s", "7d", "9c", "Qh"},
                             "2c 4s 7d 9c Qh Kd Ks",
                             "Kd Ks 7d 9c Qh",
                             7,
                             8,
                             3,
                             {120, 207, 111, 112, 113, 114, 115, 116, 147}});
}

TEST(DiscardAndDraw, FiveReplacementsMakeTenKnownCards)
{
    CheckAgainstEnumeration({{"--opponents", "5", "--discard", "2c,4s,7d,9c,Qh", "--draw", "Ad,Ac,Jd,Js,3h", "2c", "4s",
                              "7d", "9c", "Qh"},
                             "2c 4s 7d 9c Qh Ad Ac Jd Js 3h",
                             "Ad Ac Jd Js 3h",
                             10,
                             9,
                             5,
                             {121, 111, 112, 113, 114, 115, 116, 147}});
}

} // namespace
