// Discards and replacements through quintara-odds: the discarded cards stay
// known, the hand analysed is the kept cards plus the replacements, and both
// tables agree with a plain enumeration of every opponent hand.
#include "CardDistributionManager.h"
#include "OddsRun.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TFlow {
    std::vector<std::string> m_args;
    const char* m_pszKnown;  // every card seen, discards included
    const char* m_pszHand;   // the final hand
    unsigned m_nOpponents;
};

const TFlow kFlows[] = {
    {{"--opponents", "3", "--discard", "2c,4s", "--draw", "Kd,Ks", "2c", "4s", "7d", "9c", "Qh"},
     "2c 4s 7d 9c Qh Kd Ks", "Kd Ks 7d 9c Qh", 3},
    {{"--opponents", "5", "--discard", "2c,4s,7d,9c,Qh", "--draw", "Ad,Ac,Jd,Js,3h", "2c", "4s", "7d", "9c", "Qh"},
     "2c 4s 7d 9c Qh Ad Ac Jd Js 3h", "Ad Ac Jd Js 3h", 5},
    {{"Th", "Jh", "Qh", "Kh", "Ah"}, "Th Jh Qh Kh Ah", "Th Jh Qh Kh Ah", 1},  // nothing beats it
};

TEST(DiscardAndDraw, TablesOfTheFinalHandMatchTheEnumeration)
{
    for (const TFlow& flow : kFlows) {
        SCOPED_TRACE(flow.m_pszHand);
        const TJson json = JsonReport(flow.m_args);
        ASSERT_EQ(json.m_arrMembers.size(), 12u);
        EXPECT_EQ(json.Find("final")->m_bValue, flow.m_args.size() > 5);
        EXPECT_EQ(json.Find("known_count")->m_dValue, static_cast<double>(Cards(flow.m_pszKnown).size()));

        const std::vector<int> hand = Cards(flow.m_pszHand);
        const TBruteForceCounts counts = CountOpponentHands(Cards(flow.m_pszKnown), hand);
        const auto expected = EnumeratedRows(counts, ClassifyPlain(hand.data()).m_nCategory);
        const std::vector<TJson>& one = json.Find("one_opponent")->m_arrItems;
        const std::vector<TJson>& atLeast = json.Find("at_least_one")->m_arrItems;
        ASSERT_EQ(one.size(), expected.size());
        ASSERT_EQ(atLeast.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const auto& [id, count] = expected[i];
            EXPECT_EQ(one[i].Find("id")->m_dValue, id) << i;
            EXPECT_EQ(atLeast[i].Find("id")->m_dValue, id) << i;
            EXPECT_NEAR(one[i].Find("probability")->m_dValue, count / counts.m_dTotal, 1e-12) << "row " << id;
            EXPECT_NEAR(atLeast[i].Find("probability")->m_dValue,
                        AtLeastOneOf(count, counts.m_dTotal, flow.m_nOpponents), 1e-9)
                << "row " << id;
            for (const TJson* row : {&one[i], &atLeast[i]})
                EXPECT_EQ(row->Find("odds")->m_dValue,
                          CCardDistributionManager::GetOdds(row->Find("probability")->m_dValue));
        }
    }
}

} // namespace
