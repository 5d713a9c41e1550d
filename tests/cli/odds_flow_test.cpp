// Hands through quintara-odds, dealt or after discards and replacements: the
// discarded cards stay known, the hand analysed is the kept cards plus the
// replacements, and both tables and the showdown counts agree with a plain
// enumeration of every opponent hand.
#include "BruteForce.h"
#include "CardDistributionManager.h"
#include "CardText.h"
#include "ConfirmedHand.h"
#include "OddsRun.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"
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
    {{"--opponents", "3", "Kd", "Ks", "8s", "4h", "2c"}, "Kd Ks 8s 4h 2c", "Kd Ks 8s 4h 2c", 3},
};

TEST(DiscardAndDraw, TablesAndShowdownOfTheHandMatchTheEnumeration)
{
    for (const TFlow& flow : kFlows) {
        SCOPED_TRACE(flow.m_pszHand);
        const TJson json = JsonReport(flow.m_args);
        ASSERT_EQ(json.m_arrMembers.size(), 12u);
        const bool final = flow.m_args.size() > 7;
        EXPECT_EQ(Member(json, "final").m_bValue, final);
        EXPECT_EQ(Number(json, "known_count"), static_cast<double>(Cards(flow.m_pszKnown).size()));
        const std::vector<int> hand = Cards(flow.m_pszHand);
        const TBruteForceCounts counts = CountOpponentHands(Cards(flow.m_pszKnown), hand);
        const auto expected = EnumeratedRows(counts, ClassifyPlain(hand.data()).m_nCategory);
        const std::vector<TJson>& one = Member(json, "one_opponent").m_arrItems;
        const std::vector<TJson>& atLeast = Member(json, "at_least_one").m_arrItems;
        ASSERT_EQ(one.size(), expected.size());
        ASSERT_EQ(atLeast.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const auto& [id, count] = expected[i];
            EXPECT_EQ(Number(one[i], "id"), id) << i;
            EXPECT_EQ(Number(atLeast[i], "id"), id) << i;
            EXPECT_NEAR(Number(one[i], "probability"), count / counts.m_dTotal, 1e-12) << "row " << id;
            EXPECT_NEAR(Number(atLeast[i], "probability"), AtLeastOneOf(count, counts.m_dTotal, flow.m_nOpponents),
                        1e-9)
                << "row " << id;
            for (const TJson* row : {&one[i], &atLeast[i]})
                EXPECT_EQ(Number(*row, "odds"), CCardDistributionManager::GetOdds(Number(*row, "probability")));
        }

        // The showdown: the counts of opponent hands by the full rules, its
        // figures a split of the pot, and the text with the same counts.
        const TJson& showdown = Member(json, "showdown");
        const double n = Number(showdown, "hands"), b = Number(showdown, "beating"), l = Number(showdown, "losing");
        EXPECT_EQ(n, counts.m_dTotal);
        EXPECT_EQ(b, counts.m_dRulesAbove);
        EXPECT_EQ(Number(showdown, "tying"), counts.m_dRulesLevel);
        EXPECT_EQ(l, counts.m_dRulesBelow);
        EXPECT_EQ(Number(showdown, "opponents"), flow.m_nOpponents);
        EXPECT_NEAR(Number(showdown, "win") + Number(showdown, "tie") + Number(showdown, "lose"), 1.0, 1e-12);
        if (flow.m_nOpponents == 1) {
            EXPECT_NEAR(Number(showdown, "win"), l / n, 1e-15);
            EXPECT_NEAR(Number(showdown, "lose"), b / n, 1e-15);
        }
        // The text names the same counts under a heading that says everyone
        // stands pat, right above the outcome column.
        const std::string text = Report(flow.m_args);
        TTable table;
        table.m_nOpponents = static_cast<int>(flow.m_nOpponents);
        table.m_eModel = ETableModel::StandPat;
        const size_t column = text.find("\n" + LoadString(idShowdownOutcomeColumn) + " ");
        ASSERT_NE(column, std::string::npos) << text;
        const size_t heading = text.rfind('\n', column - 1);
        EXPECT_NE(text.substr(heading, column - heading).find(DescribeTable(table)), std::string::npos) << text;
        const auto whole = [](double count) { return static_cast<std::uint64_t>(count); };
        const TShowdownCounts showdownCounts{whole(counts.m_dTotal), whole(counts.m_dRulesAbove),
                                             whole(counts.m_dRulesLevel), whole(counts.m_dRulesBelow)};
        EXPECT_NE(text.find(ShowdownHandsLine(showdownCounts)), std::string::npos) << text;
    }
}

} // namespace
